#include "platform/page_output.h"

#include "platform/message_box.h"
#include "platform/print_targets.h"
#include "platform/qt_page_printer.h"
#include "platform/save_location.h"

namespace crank {

void SavePageAsPdfFile(const PageDrawing& draw, const PageJob& job, SaveFileChooser& chooser,
                       MessageBox& messages)
{
    const QString path = chooser.chooseSavePath(job.suggestedPath);
    if (path.isEmpty()) {
        return;
    }
    RememberSaveFolder(path);
    const QString reason = SaveDrawnFile(path, [&](const QString& draft) {
        QtPagePrinter page(draft, job.title);
        return draw(page).ok;
    });
    if (!reason.isEmpty()) {
        messages.show(SaveFailedPrompt("The page", path, reason), job.saveFailedTitle);
    }
}

void PrintPage(const PageDrawing& draw, const PageJob& job, PrinterSource& printers,
               SaveFileChooser& chooser, MessageBox& messages)
{
    const QPrinterInfo printer = printers.defaultPrinter();
    if (printer.isNull()) {
        SavePageAsPdfFile(draw, job, chooser, messages);
        return;
    }
    if (job.fromSheetCorner && job.inkMarginMm >= 0.0) {
        const double margin = printers.unprintableMarginMm(printer);
        if (margin > job.inkMarginMm) {
            const auto mm = [](double value) { return QString::number(value, 'f', 1); };
            const QString prompt =
                QStringLiteral("The printer %1 cannot print within %2 mm of the sheet's edge, and "
                               "this page comes within %3 mm of it: what lies nearer the edge "
                               "will not be printed. Print it all the same, or cancel and choose "
                               "a smaller size, or save it as a PDF for a printer that prints "
                               "nearer the edge.")
                    .arg(printer.printerName(), mm(margin), mm(job.inkMarginMm));
            if (messages.ask(prompt.toStdString(), kPageWouldBeCutTitle,
                             {"Print All the Same", "Cancel"}) != 0) {
                return;
            }
        }
    }
    QtPagePrinter page(printer, job.title, job.fromSheetCorner);
    const PrintOutcome outcome = draw(page);
    if (!outcome.ok) {
        messages.show(outcome.reason, kPrintFailedTitle);
    }
}

} // namespace crank
