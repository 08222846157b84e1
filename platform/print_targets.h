#pragma once

#include <QPrinterInfo>
#include <QString>

namespace crank {

// Where the system's default printer comes from.
class PrinterSource {
public:
    virtual ~PrinterSource() = default;
    // The default printer, or a null QPrinterInfo when none is installed.
    virtual QPrinterInfo defaultPrinter() const = 0;
};

// Asks the user where to save a file.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // The chosen path, or an empty string when the user cancels.
    // suggestedPath proposes a folder and a file name.
    virtual QString chooseSavePath(const QString& suggestedPath) = 0;
};

// fileName in the user's documents folder (the home folder when there is
// none): where a save dialog starts.
QString SuggestedSavePath(const QString& fileName);

// The printers known to the system (CUPS on Linux).
class SystemPrinterSource final : public PrinterSource {
public:
    QPrinterInfo defaultPrinter() const override;
};

// The standard save dialog over the active window, for one kind of file.
class SaveFileDialog : public SaveFileChooser {
public:
    // nameFilter as "PDF files (*.pdf)"; defaultSuffix without the dot.
    SaveFileDialog(QString title, QString nameFilter, QString defaultSuffix);
    QString chooseSavePath(const QString& suggestedPath) override;

private:
    QString m_title;
    QString m_nameFilter;
    QString m_defaultSuffix;
};

// The save dialog for the printed page as a PDF file.
class PdfSaveDialog final : public SaveFileDialog {
public:
    PdfSaveDialog();
};

// The save dialog for the tables as a CSV file.
class CsvSaveDialog final : public SaveFileDialog {
public:
    CsvSaveDialog();
};

} // namespace crank
