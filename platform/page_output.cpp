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
    QtPagePrinter page(printer, job.title, job.fromSheetCorner);
    const PrintOutcome outcome = draw(page);
    if (!outcome.ok) {
        messages.show(outcome.reason, kPrintFailedTitle);
    }
}

} // namespace crank
