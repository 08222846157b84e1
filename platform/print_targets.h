#pragma once

#include <QLocale>
#include <QPrinterInfo>
#include <QString>
#include <QStringList>

namespace crank {

// Where the system's default printer comes from.
class PrinterSource {
public:
    virtual ~PrinterSource() = default;
    // The default printer, or a null QPrinterInfo when none is installed.
    virtual QPrinterInfo defaultPrinter() const = 0;
    // The widest of the margins (mm) that the printer cannot print in on
    // its default paper: what its driver says of the printable area.
    virtual double unprintableMarginMm(const QPrinterInfo& printer) const;
};

// Asks the user where to save a file.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // The chosen path, or an empty string when the user cancels.
    // suggestedPath proposes a folder and a file name.
    virtual QString chooseSavePath(const QString& suggestedPath) = 0;
    // The file type chosen along with the last path: an index into the
    // types the chooser offers, 0 when it offers only one.
    virtual int chosenType() const { return 0; }
};

// Asks the user which file to open.
class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;
    // The chosen path, or an empty string when the user cancels. The dialog
    // starts in folder.
    virtual QString chooseOpenPath(const QString& folder) = 0;
};

// The standard open dialog over the active window, for files of the types
// given as "Port setups (*.json)".
class OpenFileDialog final : public OpenFileChooser {
public:
    OpenFileDialog(QString title, QStringList fileTypes);
    QString chooseOpenPath(const QString& folder) override;

private:
    QString m_title;
    QStringList m_fileTypes;
};

// The printers known to the system (CUPS on Linux).
class SystemPrinterSource final : public PrinterSource {
public:
    QPrinterInfo defaultPrinter() const override;
};

// The standard save dialog over the active window.
class SaveFileDialog : public SaveFileChooser {
public:
    // The file types as "PDF files (*.pdf)", the one offered first by its
    // index; defaultSuffix without the dot.
    SaveFileDialog(QString title, QStringList fileTypes, QString defaultSuffix,
                   int defaultType = 0);
    QString chooseSavePath(const QString& suggestedPath) override;
    int chosenType() const override { return m_chosenType; }
    int defaultType() const { return m_defaultType; }

private:
    QString m_title;
    QStringList m_fileTypes;
    QString m_defaultSuffix;
    int m_defaultType = 0;
    int m_chosenType = 0;
};

// The save dialog for the printed page as a PDF file.
class PdfSaveDialog final : public SaveFileDialog {
public:
    PdfSaveDialog();
};

// The save dialog for a CSV file, the tables' unless titled otherwise. Type
// 0 separates by commas with a decimal point, type 1 by semicolons with a
// decimal comma; the one offered first matches the locale's decimal
// separator.
class CsvSaveDialog final : public SaveFileDialog {
public:
    explicit CsvSaveDialog(const QLocale& locale = QLocale::system(),
                           QString title = QStringLiteral("Save the Tables as CSV"));
};

} // namespace crank
