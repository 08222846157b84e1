// The memory floor of bench/startup.sh: the bare window that then pays for
// what the program's print command pays for when there is no printer. It asks
// the print system for its default printer, opens the same save dialog,
// writes a one-page PDF where the user chose, and ends.
#include <QApplication>
#include <QPrinterInfo>
#include <QTimer>
#include <QWidget>

#include "platform/print_targets.h"
#include "platform/qt_page_printer.h"
#include "platform/save_location.h"

namespace {

void printOnePage()
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        crank::PdfSaveDialog dialog;
        const QString path = dialog.chooseSavePath(crank::SuggestedSavePath("bare.pdf"));
        if (!path.isEmpty()) {
            crank::QtPagePrinter page(path, QStringLiteral("Bare window"));
            page.printLine("Bare window");
            page.endDoc();
        }
    }
    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.resize(472, 514);
    window.show();
    QTimer::singleShot(0, &printOnePage);
    return QApplication::exec();
}
