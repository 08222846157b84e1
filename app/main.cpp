#include <QApplication>

#include "app/tabs_menu.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    crank::TabsMenu front;
    front.show();
    return QApplication::exec();
}
