// VORNA: macro programs for two-axis CNC lathes.
#include "app/VORNA.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    theApp.InitInstance();
    return 0;
}
