#include "platform/print_targets.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include <utility>

namespace crank {

QString SuggestedSavePath(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(fileName);
}

QPrinterInfo SystemPrinterSource::defaultPrinter() const
{
    return QPrinterInfo::defaultPrinter();
}

SaveFileDialog::SaveFileDialog(QString title, QString nameFilter, QString defaultSuffix)
    : m_title(std::move(title)), m_nameFilter(std::move(nameFilter)),
      m_defaultSuffix(std::move(defaultSuffix))
{
}

QString SaveFileDialog::chooseSavePath(const QString& suggestedPath)
{
    QFileDialog dialog(QApplication::activeWindow(), m_title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(m_nameFilter);
    dialog.setDefaultSuffix(m_defaultSuffix);
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

PdfSaveDialog::PdfSaveDialog()
    : SaveFileDialog(QStringLiteral("Save the Page as PDF"), QStringLiteral("PDF files (*.pdf)"),
                     QStringLiteral("pdf"))
{
}

CsvSaveDialog::CsvSaveDialog()
    : SaveFileDialog(QStringLiteral("Save the Tables as CSV"), QStringLiteral("CSV files (*.csv)"),
                     QStringLiteral("csv"))
{
}

} // namespace crank
