#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

namespace crank {

class Ang_Disp;
class MessageBox;
class PortTool;
class PrinterSource;
class SaveFileChooser;
class TablesExtras;
class WheelDialog;

// The degree wheel: "Degree Wheel..." (Ctrl+D) on the tables screen, after
// the other tools' commands, and "Degree Wheel..." as a button on the port
// sheet open the wheel for the display on show, or raise it. It marks the
// ports the sheet times, taken afresh whenever the wheel is opened or comes
// to the front. The wheel closes when the screen is left and keeps what was
// typed for the next display. Lives as long as the screen (a child of it).
class WheelTool : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Degree Wheel...";
    static constexpr const char* kSheetCaption = "Degree &Wheel...";

    // With the standard save dialog and the system's printers.
    WheelTool(Ang_Disp& screen, TablesExtras& extras, PortTool& ports, MessageBox& messages);
    WheelTool(Ang_Disp& screen, TablesExtras& extras, PortTool& ports, MessageBox& messages,
              SaveFileChooser& pdfChooser, PrinterSource& printers);
    ~WheelTool() override;

    void openWheel();
    // The wheel once opened, or null.
    WheelDialog* wheel() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install(TablesExtras& extras);
    void refresh();

    std::unique_ptr<SaveFileChooser> m_ownChooser;
    std::unique_ptr<PrinterSource> m_ownPrinters;
    Ang_Disp& m_screen;
    PortTool& m_ports;
    MessageBox& m_messages;
    SaveFileChooser& m_pdfChooser;
    PrinterSource& m_printers;
    QPointer<WheelDialog> m_wheel;
};

} // namespace crank
