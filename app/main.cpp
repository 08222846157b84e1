#include <QApplication>

#include "app/navigator.h"
#include "model/engine_state.h"
#include "platform/fonts.h"
#include "platform/qt_message_box.h"
#include "platform/services.h"
#include "tables/qt_tables_printer.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Lets desktops match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.crankangleutility.CrankAngleUtility"));
    crank::installFontSubstitutions();
    // Only "E&xit the Program" ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    crank::EngineState state;
    crank::QtMessageBox messages;
    const crank::StandardServices services(messages);
    crank::QtTablesPrinter printer(messages);
    crank::Navigator navigator(state, services.services(), printer);
    navigator.start();
    return QApplication::exec();
}
