#include "platform/services.h"

#include <QLocale>
#include <QStringList>

#include "platform/print_targets.h"

namespace crank {

struct StandardServices::Parts {
    SystemPrinterSource printers;
    PdfSaveDialog pdf;
    CsvSaveDialog tablesCsv{QLocale::system()};
    CsvSaveDialog portsCsv{QLocale::system(), QStringLiteral("Save the Ports as CSV")};
    SaveFileDialog engineSave{QStringLiteral("Save the Engine"),
                              QStringList{QStringLiteral("Engine files (*.crank)")},
                              QStringLiteral("crank")};
    OpenFileDialog engineOpen{QStringLiteral("Open an Engine"),
                              QStringList{QStringLiteral("Engine files (*.crank)"),
                                          QStringLiteral("Port setups (*.json)"),
                                          QStringLiteral("All files (*)")}};
};

StandardServices::StandardServices(MessageBox& messages)
    : m_messages(messages), m_parts(std::make_unique<Parts>())
{
}

StandardServices::~StandardServices() = default;

Services StandardServices::services() const
{
    return {m_messages,        m_parts->printers,   m_parts->pdf,       m_parts->tablesCsv,
            m_parts->portsCsv, m_parts->engineSave, m_parts->engineOpen};
}

} // namespace crank
