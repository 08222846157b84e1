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

// The printers known to the system (CUPS on Linux).
class SystemPrinterSource final : public PrinterSource {
public:
    QPrinterInfo defaultPrinter() const override;
};

// The standard save dialog for a PDF file, over the active window.
class PdfSaveDialog final : public SaveFileChooser {
public:
    QString chooseSavePath(const QString& suggestedPath) override;
};

} // namespace crank
