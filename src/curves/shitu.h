#pragma once
// The curve preview: the pane on the right of the main window that draws the
// current curve to scale and, by painting it, measures it for the generator.

#include "platform/CDialog.h"

#include <QBrush>

class CCurvePreviewDlg : public platform::CDialog {
public:
    // Creates the pane as a child of `parent`, shown, with the view's origin set.
    explicit CCurvePreviewDlg(QWidget* parent = nullptr);
    ~CCurvePreviewDlg() override;

protected:
    bool OnInitDialog() override;
    // Escape or Enter must not end the pane: hidden, it would never paint again
    // and the generator would go on with the measurements of an older curve.
    void OnOK() override;
    void OnCancel() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnPaint();
    void OnZMinus();
    void OnZPlus();
    void OnXPlus();
    void OnXMinus();
    void OnZoomIn();
    void OnZoomOut();

    QBrush m_brBack;
};

// The one preview window, made by the main window; curve dialogs repaint it through
// this pointer, and it clears the pointer when it goes.
extern CCurvePreviewDlg* g_pPreviewDlg;
