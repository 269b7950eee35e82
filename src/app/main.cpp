// VORNA: macro programs for two-axis CNC lathes.
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
