// The floor of bench/startup.sh: a bare Qt window of the front screen's size.
// With --print it then pays for what the program's print command pays for
// when there is no printer: the print system is asked for its default printer,
// the same save dialog opens, and a one-page PDF is written where the user
// chose; then it ends.
#include <QApplication>
#include <QPrinterInfo>
#include <QTimer>
#include <QWidget>

#include "platform/print_targets.h"
#include "platform/qt_page_printer.h"

namespace {

void printOnePage()
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        crank::PdfSaveDialog dialog;
        const QString path = dialog.chooseSavePath(crank::SuggestedSavePath("bare.pdf"));
        if (!path.isEmpty()) {
            crank::QtPagePrinter page(path);
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
    if (QCoreApplication::arguments().contains(QStringLiteral("--print"))) {
        QTimer::singleShot(0, &printOnePage);
    }
    return QApplication::exec();
}
