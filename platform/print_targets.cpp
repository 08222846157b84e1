#include "platform/print_targets.h"

#include <QApplication>
#include <QFileDialog>

namespace crank {

QPrinterInfo SystemPrinterSource::defaultPrinter() const
{
    return QPrinterInfo::defaultPrinter();
}

QString PdfSaveDialog::chooseSavePath(const QString& suggestedPath)
{
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Save the Page as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace crank
