#pragma once

#include <QDialog>
#include <QList>

#include "model/engine_snapshot.h"
#include "platform/services.h"
#include "ports/port_sheet.h"

class QAction;
class QHBoxLayout;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace crank {

class TimeAreaPanel;
class TimingPage;

// The port timing sheet for the engine of the display on show, on two
// pages: the timing (TimingPage) and the time-area (TimeAreaPanel). What is
// typed lives in a PortSheetInput that the caller owns and that outlives the
// window: every control writes its edit into it, and the sheet renders the
// view worked out from it afresh (BuildPortSheetView), so that nothing shown
// goes stale; copy, the CSV, the PDF, the printed page and an engine file
// read that value or that view. Heights are in mm or inches: switching
// converts what is shown, and switching back gives the texts as typed.
// Each page scrolls where the screen is short, the buttons stay at the
// window's foot, and the window never grows by itself. Opens non-modal.
class PortTimingSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Port Timing";

    // It edits input and reaches the user through the services; both
    // outlive it.
    PortTimingSheet(PortSheetInput& input, const Services& services, QWidget* parent = nullptr);
    ~PortTimingSheet() override;

    // The engine to time; every row is timed afresh for it.
    void setEngine(const EngineSnapshot& engine);
    // What the sheet shows now.
    const PortSheetView& view() const { return m_view; }
    // After the input was changed from outside: every control shows it, and
    // the sheet is worked out afresh.
    void showInput();

    // A command of another tool, as a button before "Close", its shortcut
    // working while the sheet is active.
    void addCommand(QAction* command);

    // "Copy", "Save as PDF...", "Print..." and "Save as CSV...".
    void copyRows();
    void saveAsPdf();
    void print();
    void saveAsCsv();

signals:
    // The user changed what is typed (not showInput).
    void edited();

private:
    QLayout* buildButtons();
    void chainFocus();
    void recalculate();

    PortSheetInput& m_input;
    Services m_services;
    NumberStyle m_style;
    EngineSnapshot m_engine;
    PortSheetView m_view;
    QList<QWidget*> m_tabOrder; // every control that takes the focus, top to bottom

    QTabWidget* m_tabs = nullptr;
    TimingPage* m_timing = nullptr;
    TimeAreaPanel* m_panel = nullptr;
    QHBoxLayout* m_buttons = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace crank
