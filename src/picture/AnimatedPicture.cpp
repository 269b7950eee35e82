#include "picture/AnimatedPicture.h"

#include "picture/logic/FileBytes.h"
#include "picture/logic/FrameWait.h"
#include "picture/logic/GifBlockWalker.h"
#include "picture/logic/PictureCost.h"
#include "platform/MulDiv.h"
#include "platform/Resources.h"
#include "platform/Trace.h"
#include "platform/Utf8Path.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <chrono>
#include <string>
#include <system_error>

namespace picture {

namespace {

constexpr int kHimetricPerInch = 2540;
constexpr std::chrono::milliseconds kStopWait{5000};
// About one screen refresh: how soon a frame handed over by the worker is painted.
constexpr std::chrono::milliseconds kHandOverPoll{16};

std::span<const std::uint8_t> Bytes(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

} // namespace

CAnimatedPicture::CAnimatedPicture(QWidget* parent, std::int64_t nMemoryBound)
    : QWidget(parent)
    , m_nMemoryBound(nMemoryBound)
{
    // Painting copies the whole back buffer, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_handOverPoll.setInterval(kHandOverPoll);
    connect(&m_handOverPoll, &QTimer::timeout, this, &CAnimatedPicture::PaintHandedOverFrame);
}

// The window goes with the object, so the animation is stopped here, before
// anything it uses is freed.
CAnimatedPicture::~CAnimatedPicture()
{
    ResetPicture();
}

bool CAnimatedPicture::Load(std::span<const std::uint8_t> bytes)
{
    ResetPicture();
    // An empty block is one that cannot be locked.
    if (bytes.empty()) {
        platform::Trace("Load: Error locking memory\n");
        return false;
    }
    const bool loaded = CGifBlockWalker::IsGif(bytes) ? LoadGif(bytes) : LoadStill(bytes);
    return loaded && CreateBackBuffer(m_sizePicture.width(), m_sizePicture.height());
}

bool CAnimatedPicture::Load(const char* szFileName)
{
    // The file is read whole and held while its picture loads: one larger than the
    // bound is refused before it is read.
    const FileBytes file = ReadFileBytes(platform::Utf8Path(szFileName), m_nMemoryBound);
    switch (file.m_result) {
    case FileRead::kRead:
        return Load(std::span<const std::uint8_t>(file.m_bytes));
    case FileRead::kNotOpened:
        platform::Trace("Load (file): Error opening file %s\n", szFileName);
        break;
    case FileRead::kNotRead:
        platform::Trace("Load (file): An exception occured while reading the file %s\n", szFileName);
        break;
    case FileRead::kEmpty:
        platform::Trace("Load (file): Error locking memory\n");
        break;
    case FileRead::kOverBound:
        TraceOverBound();
        break;
    case FileRead::kNoMemory:
        platform::Trace("Load (file): Error allocating memory\n");
        break;
    }
    return false;
}

bool CAnimatedPicture::Load(const char* szResourceName, const char* szResourceType)
{
    return LoadResourceData(platform::LoadResource(szResourceType, szResourceName), szResourceName);
}

bool CAnimatedPicture::Load(int nResourceId, const char* szResourceType)
{
    // A resource given by number is named the way resource scripts write it, "#164".
    return LoadResourceData(platform::LoadResource(szResourceType, nResourceId),
                            "#" + std::to_string(nResourceId));
}

bool CAnimatedPicture::LoadResourceData(const std::optional<QByteArray>& resource, const std::string& strName)
{
    if (!resource) {
        platform::Trace("Load (resource): Error loading resource %s\n", strName.c_str());
        return false;
    }
    if (resource->isEmpty()) {
        platform::Trace("Load (resource): Error locking memory\n");
        return false;
    }
    return Load(Bytes(*resource));
}

bool CAnimatedPicture::LoadGif(std::span<const std::uint8_t> bytes)
{
    m_bGif = true;
    CGifBlockWalker walker(bytes);
    const int cx = walker.ScreenWidth();
    const int cy = walker.ScreenHeight();
    m_sizePicture = QSize(cx, cy);

    // No back buffer can hold an empty screen, and the decoder would size the
    // frames of one by their own rectangles.
    if (m_sizePicture.isEmpty())
        return false;

    walker.RewindBlocks();
    GifFrameInfo counted;
    int count = 0;
    std::uint32_t nLongestGif = 0;
    for (; count <= kMaxFrames && walker.SkipToNextFrame(counted); ++count)
        nLongestGif = std::max(nLongestGif, counted.m_nLength);
    if (count == 0)
        return false;
    if (count > kMaxFrames) {
        platform::Trace("Load: The GIF has more than %d frames\n", kMaxFrames);
        return false;
    }
    // Each frame, like a whole one-frame GIF, decodes to the whole logical screen,
    // four bytes a pixel.
    if (count == 1)
        return FitsMemoryBound(StillCost(cx, cy, ImageBytes(cx, cy), cx, cy)) && LoadWholePicture(bytes);
    if (!FitsMemoryBound(AnimationCost(cx, cy, count, nLongestGif)))
        return false;

    walker.RewindBlocks();
    // One record serves every frame, so a plain text frame keeps the size and
    // offset of the frame before it.
    GifFrameInfo info;
    for (auto gif = walker.ExtractNextFrame(info); !gif.empty(); gif = walker.ExtractNextFrame(info)) {
        auto pPicture = platform::Picture::Load(gif);
        if (!pPicture)
            continue;
        m_frames.push_back({std::move(pPicture), QSize(info.m_nWidth, info.m_nHeight),
                            QPoint(info.m_nLeft, info.m_nTop), info.m_nDelay, info.m_nDisposal});
    }
    return !m_frames.empty();
}

bool CAnimatedPicture::LoadWholePicture(std::span<const std::uint8_t> bytes)
{
    m_pStaticPicture = platform::Picture::Load(bytes);
    return m_pStaticPicture != nullptr;
}

// Any other format takes its size from its HIMETRIC size at the screen's resolution,
// all read from its header before it is decoded.
bool CAnimatedPicture::LoadStill(std::span<const std::uint8_t> bytes)
{
    const auto header = platform::Picture::ReadHeader(bytes);
    if (!header)
        return false;
    const int cx = header->m_size.width();
    const int cy = header->m_size.height();
    const auto atScreen = [](int pixels, int dpi) {
        return platform::MulDiv(static_cast<int>(platform::Picture::PixelsToHimetric(pixels)), dpi, kHimetricPerInch);
    };
    const QSize size(atScreen(cx, logicalDpiX()), atScreen(cy, logicalDpiY()));
    if (!FitsMemoryBound(StillCost(cx, cy, ImageBytes(cx, cy, header->m_nBitsPerPixel), size.width(), size.height()))
        || !LoadWholePicture(bytes))
        return false;
    m_sizePicture = size;
    return true;
}

bool CAnimatedPicture::FitsMemoryBound(std::int64_t nBytes) const
{
    if (nBytes <= m_nMemoryBound)
        return true;
    TraceOverBound();
    return false;
}

void CAnimatedPicture::TraceOverBound() const
{
    platform::Trace("Load: The picture needs more than %d MB of memory\n", static_cast<int>(m_nMemoryBound >> 20));
}

bool CAnimatedPicture::CreateBackBuffer(int cx, int cy)
{
    resize(cx, cy);
    // Windows' system colours as the palette gives them: the menu colour for the
    // first fill, the button face for the background.
    if (!m_compositor.Create(QSize(cx, cy), m_frames, palette().color(QPalette::Window),
                             palette().color(QPalette::Button)))
        return false;
    m_bReady = true;
    return true;
}

bool CAnimatedPicture::Draw()
{
    if (!m_bReady) {
        platform::Trace("Call one of the CAnimatedPicture::Load() member functions before calling Draw()\n");
        return false;
    }
    if (IsMultiFrame()) {
        // A second Draw while the animation runs would start a second thread on
        // the same back buffer.
        if (m_thread.joinable())
            return true;
        try {
            m_thread = std::thread(&CAnimatedPicture::AnimationThreadProc, this);
        } catch (const std::system_error&) {
            platform::Trace("Draw: Couldn't start a GIF animation thread\n");
            return false;
        }
        m_handOverPoll.start();
        return true;
    }
    if (!m_pStaticPicture || !m_compositor.DrawWhole(*m_pStaticPicture))
        return false;
    update();
    return true;
}

void CAnimatedPicture::AnimationThreadProc()
{
    m_bAnimating = true;
    PlayFrames([this](const GifFrame& frame) {
        m_stopEvent.WaitFor(FrameWait(frame.m_nDelay));
        return !m_bStopRequest;
    });
    m_bAnimating = false;
    m_threadEnded.Set();
}

void CAnimatedPicture::PlayFrames(const std::function<bool(const GifFrame&)>& waitGoesOn)
{
    // A stopped run may have left its frame in the back buffer.
    m_compositor.DisposeFrame(m_frames[m_nCurFrame]);
    while (!m_bStopRequest) {
        const GifFrame& frame = m_frames[m_nCurFrame];
        if (m_compositor.ShowFrame(frame))
            HandOver();
        if (m_bStopRequest || !waitGoesOn(frame))
            break;
        EndFrame(frame);
    }
}

void CAnimatedPicture::StepAnimation(int nFrames)
{
    if (!m_bReady || !IsMultiFrame() || m_thread.joinable() || nFrames <= 0)
        return;
    int nShown = 0;
    PlayFrames([&nShown, nFrames](const GifFrame&) { return ++nShown < nFrames; });
    PaintHandedOverFrame();
}

void CAnimatedPicture::EndFrame(const GifFrame& frame)
{
    m_compositor.DisposeFrame(frame);
    if (++m_nCurFrame == static_cast<int>(m_frames.size())) {
        m_nCurFrame = 0;
        m_compositor.FillWithBackColor();
    }
}

void CAnimatedPicture::HandOver()
{
    m_bFrameHandedOver = true;
    if (m_handOverHook)
        m_handOverHook();
}

void CAnimatedPicture::PaintHandedOverFrame()
{
    if (m_bFrameHandedOver.exchange(false))
        update();
}

void CAnimatedPicture::StopAnimation()
{
    m_bAnimating = false;
    m_bStopRequest = true;
    m_stopEvent.Set();
    if (m_thread.joinable()) {
        // Everything the thread uses belongs to this control, so it is waited for
        // however long it takes; taking longer than the usual limit is reported.
        if (!m_threadEnded.WaitFor(kStopWait))
            platform::Trace("StopAnimation: the animation thread has not ended within 5000 ms\n");
        m_thread.join();
        m_threadEnded.Reset();
    }
    m_handOverPoll.stop();
    PaintHandedOverFrame();
    m_stopEvent.Reset();
    m_bStopRequest = false;
}

void CAnimatedPicture::ResetPicture()
{
    StopAnimation();
    m_pStaticPicture.reset();
    m_frames.clear();
    m_compositor.Clear();
    m_rcDraw = QRect();
    m_bReady = false;
    m_bGif = false;
    m_nCurFrame = 0;
}

void CAnimatedPicture::SetBackColor(const QColor& clr)
{
    if (m_bReady)
        m_compositor.SetBackColor(clr);
}

void CAnimatedPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_compositor.Paint(painter, m_rcDraw);
}

} // namespace picture
