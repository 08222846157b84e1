#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "model/engine_snapshot.h"
#include "ports/port_sheet.h"
#include "ports/sheet_widgets.h"

class QAction;
class QComboBox;
class QHBoxLayout;
class QPushButton;
class QTabWidget;
class QLabel;
class QLineEdit;

namespace crank {

class MessageBox;
class OpenFileChooser;
class PortTimingDiagram;
class TimeAreaPanel;
class PrinterSource;
class SaveFileChooser;
struct Services;

// The port timing sheet for the engine of the display on show: up to eight
// ports, each with a name, the edge that opens it (crown or skirt) and its
// height below the cylinder top; the deck and the piston length once. It
// renders the sheet's view (BuildPortSheetView), worked out afresh on every
// change, so that nothing shown goes stale; copy, the PDF and the printed page
// read that same view. Its number boxes take the locale's decimal separator,
// and heights are in mm or inches: switching converts what is shown, and
// switching back gives the texts as typed. Opens non-modal.
class PortTimingSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Port Timing";
    static constexpr int kNameMaxChars = 25; // as the engine name

    // It reaches the user through the services, which outlive it.
    explicit PortTimingSheet(const Services& services, QWidget* parent = nullptr);
    ~PortTimingSheet() override;

    // The engine to time; every row is timed afresh for it.
    void setEngine(const EngineSnapshot& engine);
    // What the sheet shows now.
    const PortSheetView& view() const { return m_view; }

    // A command of another tool, as a button before "Close"; it acts on
    // the sheet as shown (view()).
    void addCommand(QAction* command);

    // "Copy", "Save as PDF...", "Print...", "Save as CSV...", "Open Setup..."
    // and "Save Setup...".
    void copyRows();
    void saveAsPdf();
    void print();
    void saveAsCsv();
    void openSetup();
    void saveSetup();

    // It opens as small as it can show everything in: what a tab page
    // hints at counts the pages not shown, and a wrapped text's hint is taller
    // than it needs.
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct PortRow {
        QLineEdit* name = nullptr;
        QComboBox* role = nullptr;
        LengthBox height;
        QLabel* opens = nullptr;
        QLabel* closes = nullptr;
        QLabel* duration = nullptr;
        QLabel* message = nullptr;
    };

    QWidget* buildTimingPage();
    QLayout* buildSetUp();
    QLayout* buildRows();
    QLayout* buildTarget();
    QLayout* buildButtons();
    void makeLengthBox(LengthBox& length, const QString& name, bool allowMinus);
    LengthUnit unit() const;
    PortSheetInput input() const;
    void recalculate();
    void unitChanged();
    void load(const PortSheetInput& input);
    void render();
    void fitWrappedTexts();

    MessageBox& m_messages;
    SaveFileChooser& m_pdfChooser;
    PrinterSource& m_printers;
    SaveFileChooser& m_csvChooser;
    SaveFileChooser& m_setupSaver;
    OpenFileChooser& m_setupOpener;
    NumberStyle m_style;
    EngineSnapshot m_engine;
    PortSheetView m_view;
    QList<QWidget*> m_tabOrder; // every control that takes the focus, top to bottom

    QLabel* m_summary = nullptr;
    QLabel* m_note = nullptr;
    QComboBox* m_unit = nullptr;
    LengthBox m_deck;
    QLabel* m_deckMessage = nullptr;
    LengthBox m_piston;
    QLabel* m_pistonMessage = nullptr;
    std::array<QLabel*, 6> m_captions{};
    std::array<PortRow, kMaxPorts> m_rows{};
    QComboBox* m_targetRow = nullptr;
    QComboBox* m_targetKind = nullptr;
    QLineEdit* m_target = nullptr;
    QLabel* m_targetResult = nullptr;
    PortTimingDiagram* m_diagram = nullptr;
    QTabWidget* m_tabs = nullptr;
    TimeAreaPanel* m_panel = nullptr;
    QHBoxLayout* m_buttons = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace crank
