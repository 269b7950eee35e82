#include "curves/shitu.h"

#include "curves/logic/CurveState.h"
#include "curves/logic/PreviewPicture.h"
#include "curves/logic/PreviewView.h"
#include "platform/FontMap.h"
#include "platform/MemoryCanvas.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QPainter>

#include <vector>

namespace {

constexpr int kPenWidth = 2;
constexpr int kTextPointSize = 15;

void DrawLines(platform::MemoryCanvas& canvas, const std::vector<curves::PreviewLine>& lines)
{
    for (const curves::PreviewLine& line : lines) {
        canvas.SelectPen(QColor::fromRgb(line.rgb), kPenWidth);
        canvas.Line(line.x1, line.y1, line.x2, line.y2);
    }
}

void DrawTexts(platform::MemoryCanvas& canvas, const std::vector<curves::PreviewText>& texts)
{
    for (const curves::PreviewText& text : texts)
        canvas.TextOut(text.x, text.y, text.text);
}

} // namespace

CCurvePreviewDlg* g_pPreviewDlg = nullptr;

CCurvePreviewDlg::CCurvePreviewDlg(QWidget* parent) : CDialog(res::kPreview, parent)
{
    OnClicked(IDC_Z_MINUS, [this] { OnZMinus(); });
    OnClicked(IDC_Z_PLUS, [this] { OnZPlus(); });
    OnClicked(IDC_X_PLUS, [this] { OnXPlus(); });
    OnClicked(IDC_X_MINUS, [this] { OnXMinus(); });
    OnClicked(IDC_ZOOM_IN, [this] { OnZoomIn(); });
    OnClicked(IDC_ZOOM_OUT, [this] { OnZoomOut(); });
    Create();
}

CCurvePreviewDlg::~CCurvePreviewDlg()
{
    // The window goes with its parent; nobody may reach it through the state afterwards.
    if (g_pPreviewDlg == this)
        g_pPreviewDlg = nullptr;
}

bool CCurvePreviewDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brBack = QBrush(Qt::black);
    QPalette background = palette();
    background.setBrush(backgroundRole(), m_brBack);
    setPalette(background);
    setAutoFillBackground(true);
    g_fPreviewOriginX = 300.0f;
    g_fPreviewOriginY = 400.0f;
    return true;
}

void CCurvePreviewDlg::OnOK()
{
}

void CCurvePreviewDlg::OnCancel()
{
}

void CCurvePreviewDlg::paintEvent(QPaintEvent*)
{
    OnPaint();
}

void CCurvePreviewDlg::OnPaint()
{
    const curves::PreviewPicture picture = curves::ComposePreviewPicture();
    // Painting is the measurement the generator reads.
    if (picture.measured) {
        g_fCurveXStart = picture.measured->xStart;
        g_fCurveXEnd = picture.measured->xEnd;
        g_fCurveXMax = picture.measured->xMax;
        g_fCurveXMin = picture.measured->xMin;
    }
    platform::MemoryCanvas canvas(width(), height());
    canvas.SetViewportOrg(picture.originX, picture.originY);
    DrawLines(canvas, picture.guides);
    canvas.SetTextColors(Qt::white, Qt::black, true);
    canvas.SelectFont(platform::DialogFont("宋体", kTextPointSize));
    DrawTexts(canvas, picture.labels);
    DrawLines(canvas, picture.curve);
    DrawTexts(canvas, picture.values);
    QPainter(this).drawImage(0, 0, canvas.Finish());
}

void CCurvePreviewDlg::OnZMinus()
{
    curves::PanPreview(+curves::kPreviewPanStep, 0);
    Invalidate(true);
}

void CCurvePreviewDlg::OnZPlus()
{
    curves::PanPreview(-curves::kPreviewPanStep, 0);
    Invalidate(true);
}

void CCurvePreviewDlg::OnXPlus()
{
    curves::PanPreview(0, -curves::kPreviewPanStep);
    Invalidate(true);
}

void CCurvePreviewDlg::OnXMinus()
{
    curves::PanPreview(0, +curves::kPreviewPanStep);
    Invalidate(true);
}

void CCurvePreviewDlg::OnZoomIn()
{
    if (curves::ZoomPreviewIn())
        Invalidate(true);
}

void CCurvePreviewDlg::OnZoomOut()
{
    if (curves::ZoomPreviewOut())
        Invalidate(true);
}
