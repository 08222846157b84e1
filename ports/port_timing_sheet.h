#pragma once

#include <QDialog>
#include <QList>
#include <vector>

#include <optional>

#include "model/engine_snapshot.h"
#include "platform/services.h"
#include "ports/baseline.h"
#include "ports/port_sheet.h"

class QAction;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace crank {

class CompressionPage;
class SheetPage;
class TimeAreaPanel;
class TimingPage;

// The port timing sheet for the engine of the display on show, on three
// pages: the timing (TimingPage), the time-area (TimeAreaPanel) and the
// compression (CompressionPage). What is typed lives in a PortSheetInput
// that the caller owns and that outlives the window, and so does the
// baseline it may be compared with: every control writes its edit into
// them, and the sheet renders the view worked out from them afresh
// (BuildPortSheetView), so that nothing shown goes stale; copy, the CSV, the
// PDF, the printed page and an engine file read those values or that view.
// "Before" keeps the sheet as it stands as the baseline, takes one from an
// engine file, or ends the comparison. Heights are in mm or inches: switching
// converts what is shown, and switching back gives the texts as typed.
// Each page scrolls where the screen is short, the buttons stay at the
// window's foot, and the window never grows by itself. Opens non-modal.
class PortTimingSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Port Timing";

    // Times the ports for engine. It edits input and before and reaches the
    // user through the services; all outlive it.
    PortTimingSheet(const EngineSnapshot& engine, PortSheetInput& input,
                    std::optional<Baseline>& before, const Services& services,
                    QWidget* parent = nullptr);
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
    // "Keep as Before", "Compare With File..." and "Clear Before".
    void keepAsBefore();
    void compareWithFile();
    void clearBefore();

signals:
    // The user changed what is typed (not showInput).
    void edited();

private:
    QLayout* buildButtons();
    void chainFocus();
    // The timing, time-area and compression pages made so far, in the order
    // of their tabs.
    std::vector<SheetPage*> pages() const;
    void adoptPage(SheetPage& page);
    void makeCompressionPage();
    // Every box shows the input, without working the view out.
    void showBoxes();
    // Works the view out afresh and renders it.
    void recalculate();
    void renderView();
    void setBefore(std::optional<Baseline> before);

    PortSheetInput& m_input;
    std::optional<Baseline>& m_before;
    Services m_services;
    NumberStyle m_style;
    EngineSnapshot m_engine;
    PortSheetView m_view;
    QList<QWidget*> m_tabOrder; // every control that takes the focus, top to bottom

    QTabWidget* m_tabs = nullptr;
    TimingPage* m_timing = nullptr;
    TimeAreaPanel* m_panel = nullptr;
    CompressionPage* m_compression = nullptr; // made when first chosen
    QScrollArea* m_compressionScroll = nullptr;
    QLabel* m_beforeLabel = nullptr;
    QAction* m_clearBefore = nullptr;
    QHBoxLayout* m_buttons = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace crank
