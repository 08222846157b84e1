#include <QApplication>
#include <QSettings>
#include <QStringList>

#include "app/engine_document.h"
#include "app/navigator.h"
#include "model/engine_state.h"
#include "platform/file_drops.h"
#include "platform/fonts.h"
#include "platform/qt_message_box.h"
#include "platform/recent_files.h"
#include "platform/services.h"
#include "platform/settled_events.h"
#include "tables/qt_tables_printer.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Lets desktops match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.crankangleutility.CrankAngleUtility"));
    crank::installFontSubstitutions();
    crank::SettleVectorUnitBeforeEachEvent();
    // Only "E&xit the Program" ends the run.
    QApplication::setQuitOnLastWindowClosed(false);

    crank::EngineState state;
    crank::QtMessageBox messages;
    const crank::StandardServices services(messages);
    crank::QtTablesPrinter printer(messages);
    crank::Navigator navigator(state, services.services(), printer);
    // The engine files opened last, in the platform's usual settings store.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("crankangleutility.org"),
                       QStringLiteral("crank-angle-utility"));
    crank::RecentFiles recent(settings);
    crank::EngineDocument document(navigator, services.services(), recent);
    // A file named on the command line (a file manager's double-click) opens
    // in place of the front screen, which shows only if the file is refused.
    const QStringList arguments = QCoreApplication::arguments();
    const bool opening = arguments.size() > 1;
    navigator.start(!opening);
    document.offerOnScreens();
    // A file dropped on any window opens as "Open Engine..." opens it.
    crank::AcceptFileDrops({QString::fromLatin1(crank::kEngineFileSuffix), QStringLiteral("json")},
                           [&document](const QString& path) { document.open(path); });
    if (opening && !document.open(arguments[1])) {
        navigator.showFrontScreen();
    }
    return QApplication::exec();
}
