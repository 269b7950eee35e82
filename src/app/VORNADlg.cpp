#include "app/VORNADlg.h"

#include "app/AboutDlg.h"
#include "curves/cosz.h"
#include "curves/ctgz.h"
#include "curves/helijiance.h"
#include "curves/paowuxianx.h"
#include "curves/paowuxianz.h"
#include "curves/shitu.h"
#include "curves/shuangquxianx.h"
#include "curves/shuangquxianz.h"
#include "curves/sinz.h"
#include "curves/tanz.h"
#include "curves/tuoyuan.h"
#include "generator/shengchengdaima.h"
#include "generator/shukongxitongshezhi.h"
#include "platform/DataExchange.h"
#include "platform/Resources.h"
#include "platform/Shell.h"
#include "platform/SystemMenu.h"
#include "res/DialogTemplates.h"
#include "res/MenuTexts.h"
#include "res/WebPages.h"
#include "res/resource.h"

#include <QKeyEvent>
#include <QResizeEvent>

namespace {

// The left edge of the preview once the window has been resized.
constexpr int kPreviewLeftAfterResize = 150;

} // namespace

CVornaDlg::CVornaDlg(QWidget* pParent)
    : CDialog(res::kVornaDialog, pParent), m_hIcon(platform::ResourcePath("Icon", IDR_MAINFRAME))
{
    OnClicked(IDC_ELLIPSE, [this] { OnEllipse(); });
    OnClicked(IDC_HYPERBOLA_Z, [this] { OnHyperbolaZ(); });
    OnClicked(IDC_HYPERBOLA_X, [this] { OnHyperbolaX(); });
    OnClicked(IDC_PARABOLA_Z, [this] { OnParabolaZ(); });
    OnClicked(IDC_PARABOLA_X, [this] { OnParabolaX(); });
    OnClicked(IDC_SINE, [this] { OnSine(); });
    OnClicked(IDC_COSINE, [this] { OnCosine(); });
    OnClicked(IDC_TANGENT, [this] { OnTangent(); });
    OnClicked(IDC_COTANGENT, [this] { OnCotangent(); });
    OnClicked(IDC_GENERATE, [this] { OnGenerate(); });
    OnClicked(IDC_CNC_SYSTEM, [this] { OnCncSystem(); });
    OnClicked(IDC_ABOUT, [this] { OnAbout(); });
    OnClicked(IDC_FORUM, [this] { OnForum(); });
    OnClicked(IDC_VIDEOS, [this] { OnVideos(); });
}

void CVornaDlg::DoDataExchange(platform::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    platform::DDX_Control(pDX, IDC_PREVIEW_FRAME, m_PreviewFrame);
    platform::DDX_Control(pDX, IDC_BANNER, m_Picture);
}

bool CVornaDlg::PreTranslateKey(QKeyEvent* event)
{
    const int key = event->key();
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool CVornaDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    setWindowIcon(m_hIcon);
    if (m_Picture.Load(IDR_GIF_BANNER, "Gif"))
        m_Picture.Draw();
    // Only Windows has a system menu to extend; elsewhere the About entry lives on its
    // button only. Child widgets are always clipped from their parent's painting.
    platform::AppendSystemMenuEntry(*this, IDM_ABOUTBOX, res::kAboutBoxMenuText);
    g_pPreviewDlg = new CCurvePreviewDlg(this);
    g_pPreviewDlg->setGeometry(m_PreviewFrame.geometry());
    g_pPreviewDlg->show();
    return true;
}

void CVornaDlg::resizeEvent(QResizeEvent* event)
{
    CDialog::resizeEvent(event);
    OnSize(event->size().width(), event->size().height());
}

void CVornaDlg::changeEvent(QEvent* event)
{
    CDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        OnSize(width(), height());
}

void CVornaDlg::OnSize(int cx, int cy)
{
    // The size changes of the window's creation leave the template's layout.
    if (!isVisible() || g_pPreviewDlg == nullptr)
        return;
    m_PreviewFrame.setGeometry(kPreviewLeftAfterResize, 0, cx, cy);
    setUpdatesEnabled(false);
    g_pPreviewDlg->setGeometry(m_PreviewFrame.geometry());
    setUpdatesEnabled(true);
}

template <typename Dialog>
void CVornaDlg::RunModal()
{
    {
        Dialog dialog;
        dialog.DoModal();
    }
    RepaintPreview();
}

void CVornaDlg::RepaintPreview()
{
    if (g_pPreviewDlg)
        g_pPreviewDlg->repaint();
}

void CVornaDlg::OnEllipse()
{
    RunModal<CEllipseDlg>();
}

bool CVornaDlg::OnSysCommand(unsigned id)
{
    if (id != IDM_ABOUTBOX)
        return false;
    OnAbout();
    return true;
}

void CVornaDlg::OnHyperbolaZ()
{
    RunModal<CHyperbolaZDlg>();
}

void CVornaDlg::OnHyperbolaX()
{
    RunModal<CHyperbolaXDlg>();
}

void CVornaDlg::OnParabolaZ()
{
    RunModal<CParabolaZDlg>();
}

void CVornaDlg::OnParabolaX()
{
    RunModal<CParabolaXDlg>();
}

void CVornaDlg::OnSine()
{
    RunModal<CSineDlg>();
}

void CVornaDlg::OnCosine()
{
    RunModal<CCosineDlg>();
}

void CVornaDlg::OnTangent()
{
    RunModal<CTangentDlg>();
}

void CVornaDlg::OnCotangent()
{
    RunModal<CCotangentDlg>();
}

void CVornaDlg::OnGenerate()
{
    // The plausibility box comes first however it is closed; the generator is
    // destroyed before it.
    CCurveCheckDlg check;
    check.DoModal();
    RepaintPreview();
    CMacroProgramDlg generator;
    generator.DoModal();
    RepaintPreview();
}

void CVornaDlg::OnCncSystem()
{
    RunModal<CCncSystemDlg>();
}

void CVornaDlg::OnAbout()
{
    RunModal<CAboutDlg>();
}

void CVornaDlg::OnForum()
{
    platform::ShellOpen(res::kForumUrl);
}

void CVornaDlg::OnVideos()
{
    platform::ShellOpen(res::kHomePageNoSlash);
}
