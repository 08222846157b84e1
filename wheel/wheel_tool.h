#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "platform/services.h"
#include "wheel/degree_wheel.h"

class QAction;

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
    // A command of another tool for the wheel's button row, there from the
    // wheel's first opening.
    void addWheelCommand(QAction* command);

    // What is typed in the wheel's window, and all of it at once; it
    // outlives the window, so it can be set before the wheel was opened.
    const WheelInput& input() const { return m_input; }
    void setInput(const WheelInput& input);
    // What the wheel's title adds after "Degree Wheel" (the open engine file).
    void setTitleNote(const QString& note);

signals:
    // What is typed changed: edited in the window, or set.
    void inputChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install(TablesExtras& extras);
    void refresh();

    Ang_Disp& m_screen;
    PortTool& m_ports;
    Services m_services;
    WheelInput m_input;
    QPointer<WheelDialog> m_wheel;
    QList<QAction*> m_wheelCommands;
    QString m_titleNote;
};

} // namespace crank
