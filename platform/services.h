#pragma once

#include <memory>

namespace crank {

class MessageBox;
class OpenFileChooser;
class PrinterSource;
class SaveFileChooser;

// What the screens and tools reach the user and the system through: the
// message box, the printers and the file dialogs. Made once where the
// program starts (StandardServices) or by a test (recording ones) and handed
// down from the navigator, so that no screen or tool makes its own.
struct Services {
    MessageBox& messages;
    PrinterSource& printers;
    SaveFileChooser& pdfSaver;       // a page as an A4 PDF
    SaveFileChooser& tablesCsvSaver; // the tables as CSV, in either dialect
    SaveFileChooser& portsCsvSaver;  // the port sheet as CSV, in either dialect
    SaveFileChooser& engineSaver;    // an engine file
    OpenFileChooser& engineOpener;
};

// The real ones: the system's printers and the standard dialogs over the
// active window, with the message box given.
class StandardServices {
public:
    explicit StandardServices(MessageBox& messages);
    ~StandardServices();
    StandardServices(const StandardServices&) = delete;
    StandardServices& operator=(const StandardServices&) = delete;

    Services services() const;

private:
    struct Parts;
    MessageBox& m_messages;
    std::unique_ptr<Parts> m_parts;
};

} // namespace crank
