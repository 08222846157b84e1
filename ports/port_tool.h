#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <array>

#include "model/engine_snapshot.h"
#include "platform/services.h"
#include "ports/baseline.h"
#include "ports/port_sheet.h"

class QAction;

namespace crank {

class Ang_Disp;
class PortTimingSheet;
class TablesExtras;

// The port timing sheet on the tables screen: "Port Timing..." (Ctrl+T), after
// the screen's other extra commands, opens it for the display on show, or
// raises it. The tool holds what is typed on the sheet as one value, which
// outlives the sheet's window: it can be set before the sheet was ever
// opened, and the rows it times reach other tools whether or not the sheet
// is open. The sheet closes when the screen is left and keeps its rows for
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

    // What is typed on the sheet, and all of it at once (an open sheet shows
    // it, its numbers in the locale's style).
    const PortSheetInput& input() const { return m_input; }
    void setInput(const PortSheetInput& input);
    // The baseline the sheet compares with, kept with the input (none: no
    // comparison); set, the sheet shows it.
    const std::optional<Baseline>& before() const { return m_before; }
    void setBefore(const std::optional<Baseline>& before);
    // The rows as the sheet times them for engine.
    std::array<PortRowView, kMaxPorts> rows(const EngineSnapshot& engine) const;
    // What the sheet's title adds after "Port Timing" (the open engine file).
    void setTitleNote(const QString& note);

signals:
    // What is typed (or the baseline) changed: edited on the sheet, or set.
    void inputChanged();

private:
    void install(TablesExtras& extras);

    Ang_Disp& m_screen;
    Services m_services;
    PortSheetInput m_input;
    std::optional<Baseline> m_before;
    QPointer<PortTimingSheet> m_sheet;
    QList<QAction*> m_sheetCommands;
    QString m_titleNote;
};

} // namespace crank
