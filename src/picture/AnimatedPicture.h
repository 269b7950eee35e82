#pragma once
// A picture control: shows a still picture, or plays an animated GIF frame by frame
// on a worker thread. The worker renders into the back buffer and hands each frame
// over through an atomic flag that the window's thread polls; painting only copies
// the back buffer to the screen. Failures are reported as trace lines only.

#include "picture/FrameCompositor.h"
#include "picture/GifFrame.h"
#include "platform/ManualResetEvent.h"
#include "platform/Picture.h"

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace picture {

class CAnimatedPicture : public QWidget {
public:
    // What the control may hold for a picture, counted before anything is decoded;
    // a picture that needs more fails to load.
    static constexpr std::int64_t kDefaultMemoryBound = std::int64_t{128} << 20;

    explicit CAnimatedPicture(QWidget* parent = nullptr, std::int64_t nMemoryBound = kDefaultMemoryBound);
    ~CAnimatedPicture() override;

    // Each form stops any animation and drops the current picture once its data is
    // in hand; a file or resource that cannot be read leaves the control as it was,
    // as does a file larger than the memory bound, which is refused unread. A picture
    // that needs more than the bound, or an animation of more than kMaxFrames
    // frames, fails to load.
    bool Load(std::span<const std::uint8_t> bytes);
    bool Load(const char* szFileName); // not null
    bool Load(const char* szResourceName, const char* szResourceType);
    bool Load(int nResourceId, const char* szResourceType);

    // Starts the animation (more than one frame) or renders the still picture.
    bool Draw();
    // Ends the animation; a later Draw goes on from the frame it stopped at.
    void StopAnimation();
    void ResetPicture();

    QSize GetPictureSize() const { return m_sizePicture; }
    bool HasGifData() const { return m_bGif; }
    bool IsMultiFrame() const { return m_bGif && m_frames.size() > 1; }
    bool IsAnimating() const { return m_bAnimating; }
    int GetFrameTotal() const { return IsMultiFrame() ? static_cast<int>(m_frames.size()) : 0; }

    QColor GetBackColor() const { return m_compositor.BackColor(); }
    // Only with a picture loaded: fills the whole back buffer at once.
    void SetBackColor(const QColor& clr);

    // The part of the back buffer that painting shows; a width of 0 or less shows it all.
    void SetDrawRect(const QRect& rc) { m_rcDraw = rc; }
    QRect GetDrawRect() const { return m_rcDraw; }

    // Test seams, only while no animation runs.
    // Plays nFrames frames on the calling thread as if each wait ended at once, and
    // stops during the last one's wait, as Draw and StopAnimation would.
    void StepAnimation(int nFrames);
    // Called each time a frame is handed over for painting, on the thread that drew
    // it: the animation thread, or the caller of StepAnimation.
    void SetHandOverHook(std::function<void()> hook) { m_handOverHook = std::move(hook); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool LoadResourceData(const std::optional<QByteArray>& resource, const std::string& strName);
    bool LoadGif(std::span<const std::uint8_t> bytes);
    bool LoadStill(std::span<const std::uint8_t> bytes);
    bool LoadWholePicture(std::span<const std::uint8_t> bytes);
    bool FitsMemoryBound(std::int64_t nBytes) const;
    void TraceOverBound() const;
    bool CreateBackBuffer(int cx, int cy);
    void AnimationThreadProc();
    // The one frame loop of the thread and of StepAnimation: from the current frame,
    // each frame shown, then waited for by `waitGoesOn`, which answers whether to go
    // on to the next; a stop request ends it as well.
    void PlayFrames(const std::function<bool(const GifFrame&)>& waitGoesOn);
    // After a frame's wait: its disposal, and the next frame chosen, with the wrap
    // to the first.
    void EndFrame(const GifFrame& frame);
    void HandOver();
    void PaintHandedOverFrame();

    const std::int64_t m_nMemoryBound;
    QRect m_rcDraw;
    QSize m_sizePicture;
    int m_nCurFrame = 0;
    bool m_bGif = false;
    std::atomic<bool> m_bAnimating = false;
    std::atomic<bool> m_bStopRequest = false;
    bool m_bReady = false;

    // The back buffer: the animation thread composites into it while painting
    // copies from it, each under the compositor's own lock.
    CFrameCompositor m_compositor;

    std::thread m_thread;
    platform::ManualResetEvent m_stopEvent;
    platform::ManualResetEvent m_threadEnded;
    // The worker posts nothing to the window's thread: it sets the flag, and the
    // timer, running while the animation does, turns it into a repaint.
    std::atomic<bool> m_bFrameHandedOver = false;
    QTimer m_handOverPoll;
    std::function<void()> m_handOverHook;

    std::unique_ptr<platform::Picture> m_pStaticPicture;
    std::vector<GifFrame> m_frames;
};

} // namespace picture
