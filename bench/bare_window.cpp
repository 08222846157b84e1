// The start-up floor of bench/startup.sh: a bare Qt window of the front
// screen's size, nothing but Qt Widgets.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.resize(472, 514);
    window.show();
    return QApplication::exec();
}
