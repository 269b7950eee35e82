// Test main for widget tests: one QApplication on the offscreen platform for the whole run.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef VORNA_TEST_FONT_DIR
    // Set here rather than by ctest: Wine does not hand QT_ variables to Windows programs.
    qputenv("QT_QPA_FONTDIR", VORNA_TEST_FONT_DIR);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
