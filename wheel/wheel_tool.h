#pragma once

#include <QObject>
#include <QPointer>

#include "platform/services.h"

namespace crank {

class Ang_Disp;
class PortTool;
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

    // The wheel reaches the user through the services.
    WheelTool(Ang_Disp& screen, TablesExtras& extras, PortTool& ports, const Services& services);
    ~WheelTool() override;

    void openWheel();
    // The wheel once opened, or null.
    WheelDialog* wheel() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install(TablesExtras& extras);
    void refresh();

    Ang_Disp& m_screen;
    PortTool& m_ports;
    Services m_services;
    QPointer<WheelDialog> m_wheel;
};

} // namespace crank
