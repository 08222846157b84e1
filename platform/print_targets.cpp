#include "platform/print_targets.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace crank {

double PrinterSource::unprintableMarginMm(const QPrinterInfo& printer) const
{
    QPrinter device(printer, QPrinter::HighResolution);
    const QPageSize paper = printer.defaultPageSize();
    if (paper.isValid()) {
        device.setPageSize(paper);
    }
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    return std::max({margins.left(), margins.top(), margins.right(), margins.bottom()});
}

QPrinterInfo SystemPrinterSource::defaultPrinter() const
{
    return QPrinterInfo::defaultPrinter();
}

SaveFileDialog::SaveFileDialog(QString title, QStringList fileTypes, QString defaultSuffix,
                               int defaultType)
    : m_title(std::move(title)), m_fileTypes(std::move(fileTypes)),
      m_defaultSuffix(std::move(defaultSuffix)), m_defaultType(defaultType),
      m_chosenType(defaultType)
{
}

QString SaveFileDialog::chooseSavePath(const QString& suggestedPath)
{
    QFileDialog dialog(QApplication::activeWindow(), m_title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(m_fileTypes);
    dialog.selectNameFilter(m_fileTypes.value(m_defaultType));
    dialog.setDefaultSuffix(m_defaultSuffix);
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    m_chosenType = std::max(0, static_cast<int>(m_fileTypes.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

OpenFileDialog::OpenFileDialog(QString title, QStringList fileTypes)
    : m_title(std::move(title)), m_fileTypes(std::move(fileTypes))
{
}

QString OpenFileDialog::chooseOpenPath(const QString& folder)
{
    QFileDialog dialog(QApplication::activeWindow(), m_title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(m_fileTypes);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

PdfSaveDialog::PdfSaveDialog()
    : SaveFileDialog(QStringLiteral("Save the Page as PDF"), {QStringLiteral("PDF files (*.pdf)")},
                     QStringLiteral("pdf"))
{
}

CsvSaveDialog::CsvSaveDialog(const QLocale& locale, QString title)
    : SaveFileDialog(std::move(title),
                     {QStringLiteral("CSV, comma and decimal point (*.csv)"),
                      QStringLiteral("CSV, semicolon and decimal comma (*.csv)")},
                     QStringLiteral("csv"), locale.decimalPoint() == QStringLiteral(",") ? 1 : 0)
{
}

} // namespace crank
