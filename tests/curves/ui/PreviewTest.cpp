#include "curves/logic/CurveState.h"
#include "curves/shitu.h"
#include "res/resource.h"
#include "support/ResetCurveState.h"
#include "support/RunEvents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

constexpr float kUnset = -7;

// The preview inside a shown window, as the main window holds it, with the
// worked example's ellipse as the current curve at a scale of 2.
class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_strFormulaX = "sqrt((1-((x-10)*(x-10)/(10*10)))*5*5)+20";
        g_fZStart = 2;
        g_fZEnd = 18;
        g_fPreviewScale = 2;
        m_host.resize(800, 640);
        m_preview = std::make_unique<CCurvePreviewDlg>(&m_host);
        m_preview->setGeometry(0, 0, 787, 631);
        m_host.show();
        RunEventsFor(std::chrono::milliseconds(50));
    }
    void TearDown() override
    {
        m_preview.reset();
        ResetCurveState();
    }

    QImage Render() const { return m_preview->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void Click(int id) const { static_cast<QAbstractButton*>(m_preview->GetDlgItem(id))->click(); }

    static void ForgetMeasurements() { g_fCurveXStart = g_fCurveXEnd = g_fCurveXMax = g_fCurveXMin = kUnset; }


    QWidget m_host;
    std::unique_ptr<CCurvePreviewDlg> m_preview;
};

TEST_F(PreviewTest, PaintsGuidesAndCurveAtTheirPositionsAndMeasures)
{
    EXPECT_EQ(g_fPreviewOriginX, 300);
    EXPECT_EQ(g_fPreviewOriginY, 400);
    ForgetMeasurements();
    const QImage image = Render();
    struct Row {
        const char* what;
        int x, y;
        QRgb rgb;
    };
    const Row rows[] = {
        {"Z axis of the cross", 275, 400, kYellow},
        {"X axis of the cross", 300, 375, kYellow},
        {"left stroke of the X arrow's head", 297, 355, kYellow},
        {"right stroke of the X arrow's head", 302, 355, kYellow},
        {"warning line right of the origin", 700, 400, kRed},
        {"warning line left of the Z arrow", 60, 400, kRed},
        {"curve at its start: depth 2, radius 23", 304, 354, kWhite},
        {"curve at its top: depth 10, radius 25", 320, 350, kWhite},
        {"curve at its end: depth 18, radius 23", 336, 354, kWhite},
        {"inside the ellipse", 320, 380, kBlack},
        {"far corner", 780, 5, kBlack},
    };
    for (const Row& row : rows)
        EXPECT_EQ(image.pixel(row.x, row.y), row.rgb) << row.what;
    EXPECT_FLOAT_EQ(g_fCurveXStart, 23);
    EXPECT_FLOAT_EQ(g_fCurveXEnd, 23);
    EXPECT_NEAR(g_fCurveXMax, 25, 1e-4);
    EXPECT_FLOAT_EQ(g_fCurveXMin, 23);

    bool valuesShown = false;
    for (int y = 450; y < 470; ++y) {
        for (int x = 300; x < 500; ++x)
            valuesShown = valuesShown || image.pixel(x, y) != kBlack;
    }
    EXPECT_TRUE(valuesShown) << "the start line of the values, 50 pixels below the origin";
}

TEST_F(PreviewTest, EmptyFormulaDrawsNoCurveAndMeasuresNothing)
{
    g_strFormulaX.clear();
    ForgetMeasurements();
    const QImage image = Render();
    EXPECT_EQ(image.pixel(275, 400), kYellow);
    EXPECT_EQ(image.pixel(320, 350), kBlack);
    EXPECT_EQ(g_fCurveXStart, kUnset);
    EXPECT_EQ(g_fCurveXMax, kUnset);
}

TEST_F(PreviewTest, ButtonsMoveAndScaleTheView)
{
    struct Row {
        const char* what;
        int id;
        float dx, dy, scale;
    };
    const Row rows[] = {
        {"Z+ to the left", IDC_Z_PLUS, -20, 0, 2},
        {"Z- to the right", IDC_Z_MINUS, 20, 0, 2},
        {"X+ up", IDC_X_PLUS, 0, -20, 2},
        {"X- down", IDC_X_MINUS, 0, 20, 2},
        {"zoom in", IDC_ZOOM_IN, 0, 0, 2.2f},
        {"zoom out", IDC_ZOOM_OUT, 0, 0, 1.8f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        g_fPreviewOriginX = 300;
        g_fPreviewOriginY = 400;
        g_fPreviewScale = 2;
        Click(row.id);
        EXPECT_FLOAT_EQ(g_fPreviewOriginX, 300 + row.dx);
        EXPECT_FLOAT_EQ(g_fPreviewOriginY, 400 + row.dy);
        EXPECT_FLOAT_EQ(g_fPreviewScale, row.scale);
        const QImage image = Render();
        const int ox = 300 + static_cast<int>(row.dx);
        const int oy = 400 + static_cast<int>(row.dy);
        EXPECT_EQ(image.pixel(ox - 25, oy), kYellow) << "the cross moves with the origin";
        // The curve's top, depth 10 at radius 25, moves with origin and scale.
        const int top = static_cast<int>(10 * row.scale);
        EXPECT_EQ(image.pixel(ox + top, oy - static_cast<int>(25 * row.scale)), kWhite);
    }
}

TEST_F(PreviewTest, ButtonsRepaintExceptZoomWithoutScale)
{
    struct Row {
        const char* what;
        int id;
        float scale;
        bool repaints;
    };
    const Row rows[] = {
        {"zoom in at scale 0", IDC_ZOOM_IN, 0, false},
        {"zoom out at scale 0", IDC_ZOOM_OUT, 0, false},
        {"zoom in", IDC_ZOOM_IN, 2, true},
        {"pan", IDC_X_PLUS, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        g_fPreviewScale = row.scale;
        RunEventsFor(std::chrono::milliseconds(20));
        ForgetMeasurements();  // a painting measures again
        Click(row.id);
        const bool painted = RunEventsUntil([] { return g_fCurveXStart != kUnset; }, std::chrono::milliseconds(row.repaints ? 2000 : 100));
        EXPECT_EQ(painted, row.repaints);
    }
}

TEST_F(PreviewTest, EscapeAndEnterOnAButtonKeepThePaneShown)
{
    QWidget* button = m_preview->GetDlgItem(IDC_Z_MINUS);
    button->setFocus();
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(button, &press);
        EXPECT_TRUE(m_preview->isVisible()) << key;
        EXPECT_FALSE(m_preview->IsEnded()) << key;
    }
    EXPECT_FLOAT_EQ(g_fPreviewOriginX, 340) << "Enter presses the focused button";
}

} // namespace
