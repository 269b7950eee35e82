#pragma once
// The main window: a column of buttons that opens every other dialog, the
// preview pane over the area on the right, and the banner picture control.

#include "picture/AnimatedPicture.h"
#include "platform/CDialog.h"

#include <QFrame>
#include <QIcon>

class CVornaDlg : public platform::CDialog {
public:
    explicit CVornaDlg(QWidget* pParent = nullptr);

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    // Escape and Enter would close the window or press a button: both are consumed.
    bool PreTranslateKey(QKeyEvent* event) override;
    bool OnInitDialog() override;
    // The About entry of the system menu runs the About box.
    bool OnSysCommand(unsigned id) override;
    void resizeEvent(QResizeEvent* event) override;
    // Minimise, restore and maximise count as size changes.
    void changeEvent(QEvent* event) override;

private:
    void OnSize(int cx, int cy);
    // Runs a dialog modally as a local object with no parent; its result is not used.
    template <typename Dialog>
    void RunModal();
    // Where a closing dialog uncovers it, the preview paints again, and so measures
    // the curve of the shared state as it now stands.
    void RepaintPreview();
    void OnEllipse();
    void OnHyperbolaZ();
    void OnHyperbolaX();
    void OnParabolaZ();
    void OnParabolaX();
    void OnSine();
    void OnCosine();
    void OnTangent();
    void OnCotangent();
    void OnGenerate();
    void OnCncSystem();
    void OnAbout();
    void OnForum();
    void OnVideos();

    QFrame m_PreviewFrame;                // placeholder that the preview is laid over
    picture::CAnimatedPicture m_Picture;  // banner, in a control that stays hidden
    QIcon m_hIcon;
};
