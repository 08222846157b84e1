#include "platform/page_output.h"

#include "platform/message_box.h"
#include "platform/print_targets.h"
#include "platform/qt_page_printer.h"
#include "platform/save_location.h"

namespace crank {

void SavePageAsPdfFile(const PageDrawing& draw, const QString& suggestedPath,
                       SaveFileChooser& chooser, MessageBox& messages)
{
    const QString path = chooser.chooseSavePath(suggestedPath);
    if (path.isEmpty()) {
        return;
    }
    RememberSaveFolder(path);
    const QString reason = SaveDrawnFile(path, [&](const QString& draft) {
        QtPagePrinter page(draft);
        return draw(page).ok;
    });
    if (!reason.isEmpty()) {
        messages.show(SaveFailedPrompt("The page", path, reason), kPrintFailedTitle);
    }
}

void PrintPage(const PageDrawing& draw, const QString& suggestedPath, PrinterSource& printers,
               SaveFileChooser& chooser, MessageBox& messages)
{
    const QPrinterInfo printer = printers.defaultPrinter();
    if (printer.isNull()) {
        SavePageAsPdfFile(draw, suggestedPath, chooser, messages);
        return;
    }
    QtPagePrinter page(printer);
    const PrintOutcome outcome = draw(page);
    if (!outcome.ok) {
        messages.show(outcome.reason, kPrintFailedTitle);
    }
}

} // namespace crank
