// The baseline of bench/startup.sh: a bare Qt window of the front screen's size,
// shown and reported exactly as the probe build of the program does.
#include <QApplication>
#include <QWidget>

#include "bench/startup_probe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.resize(472, 514);
    window.show();
    crank::reportWhenMapped(window);
    return QApplication::exec();
}
