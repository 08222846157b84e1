#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class QAction;

namespace crank {

class Ang_Disp;
class MessageBox;
class PortTimingSheet;
class PrinterSource;
class SaveFileChooser;
class TablesExtras;

// The port timing sheet on the tables screen: "Port Timing..." (Ctrl+T), after
// the screen's other extra commands, opens it for the display on show, or
// raises it. The sheet closes when the screen is left and keeps its rows for
// the next display, which it times afresh. Lives as long as the screen (a
// child of it).
class PortTool : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Port Timing...";

    // With the standard save dialog and the system's printers.
    PortTool(Ang_Disp& screen, TablesExtras& extras, MessageBox& messages);
    PortTool(Ang_Disp& screen, TablesExtras& extras, MessageBox& messages,
             SaveFileChooser& pdfChooser, PrinterSource& printers);
    ~PortTool() override;

    void openSheet();
    // The sheet once opened, or null.
    PortTimingSheet* sheet() const;
    // A command of another tool for the sheet's button row, there from the
    // sheet's first opening.
    void addSheetCommand(QAction* command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install(TablesExtras& extras);

    std::unique_ptr<SaveFileChooser> m_ownChooser;
    std::unique_ptr<PrinterSource> m_ownPrinters;
    Ang_Disp& m_screen;
    MessageBox& m_messages;
    SaveFileChooser& m_pdfChooser;
    PrinterSource& m_printers;
    QPointer<PortTimingSheet> m_sheet;
    QList<QAction*> m_sheetCommands;
};

} // namespace crank
