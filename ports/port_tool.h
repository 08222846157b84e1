#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "platform/services.h"

class QAction;

namespace crank {

class Ang_Disp;
class PortTimingSheet;
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

    // The sheet reaches the user through the services.
    PortTool(Ang_Disp& screen, TablesExtras& extras, const Services& services);
    ~PortTool() override;

    void openSheet();
    // The sheet once opened, or null.
    PortTimingSheet* sheet() const;
    // A command of another tool for the sheet's button row, there from the
    // sheet's first opening.
    void addSheetCommand(QAction* command);

private:
    void install(TablesExtras& extras);

    Ang_Disp& m_screen;
    Services m_services;
    QPointer<PortTimingSheet> m_sheet;
    QList<QAction*> m_sheetCommands;
};

} // namespace crank
