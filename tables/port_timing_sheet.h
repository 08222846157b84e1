#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/engine_snapshot.h"
#include "model/port_timing.h"
#include "tables/port_timing_page.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace crank {

class MessageBox;
class PortTimingDiagram;
class PrinterSource;
class SaveFileChooser;

// The port timing sheet of the tables screen, for the engine on display: up
// to eight ports, each with a name, the edge that opens it (crown or skirt)
// and its height below the cylinder top; one deck for all. Every row shows
// its opening and closing angles and duration, or a plain message when its
// height lies above the crown at TDC or beyond the stroke; an empty row is
// ignored. A target opening angle or duration for a row gives the height
// that meets it. Heights are in mm or inches; switching converts the typed
// values, and switching back restores them as typed. Beside the rows, the
// timing diagram. Reads the state on every change and never writes it.
// Opens non-modal, like the find dialog, and keeps its rows when closed.
class PortTimingSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Port Timing";

    // The save dialog and the messages are those of the tables screen; the
    // printer is the system's default.
    PortTimingSheet(MessageBox& messages, SaveFileChooser& pdfChooser, QWidget* parent = nullptr);
    ~PortTimingSheet() override;

    // The engine of the display on show; times every row afresh for it.
    void setEngine(const EngineSnapshot& engine);

    // Where "Print..." finds the default printer (the system's unless set).
    void setPrinterSource(PrinterSource& printers);

    // The rows, deck, note and diagram as shown, for the page.
    PortTimingPage page() const;
    // The column captions and the shown rows, tab-separated, a line each.
    QString rowsAsTsv() const;

    // "Copy", "Save as PDF..." and "Print...".
    void copyRows();
    void saveAsPdf();
    void print();

private:
    struct PortRow {
        QLineEdit* name = nullptr;
        QComboBox* kind = nullptr;
        QLineEdit* height = nullptr;
        QLabel* opens = nullptr;
        QLabel* closes = nullptr;
        QLabel* duration = nullptr;
        QLabel* message = nullptr;
    };
    // A height box with its text as the user typed it and the unit then in force.
    struct LengthBox {
        QLineEdit* box = nullptr;
        QString typed;
        LengthUnit typedUnit = LengthUnit::Millimetre;
        bool allowMinus = false;
    };

    QLayout* buildRows();
    QLayout* buildTarget();
    QLineEdit* makeLengthBox(const QString& name, bool allowMinus);
    void lengthEdited(LengthBox& length);
    void unitChanged();
    void recalculate();
    void findHeight();
    LengthUnit unit() const;
    float deck() const;
    PortKind kindOf(const PortRow& row) const;
    QString portName(int index) const;

    EngineSnapshot m_engine;
    std::vector<std::string> m_summary;
    MessageBox& m_messages;
    SaveFileChooser& m_pdfChooser;
    std::unique_ptr<PrinterSource> m_ownPrinters;
    PrinterSource* m_printers = nullptr;

    QComboBox* m_unit = nullptr;
    QLabel* m_summaryLab = nullptr;
    QLabel* m_note = nullptr;
    std::array<PortRow, kMaxPorts> m_rows{};
    std::array<LengthBox, kMaxPorts + 1> m_lengths{}; // the deck, then the rows' heights
    QComboBox* m_targetRow = nullptr;
    QComboBox* m_targetKind = nullptr;
    QLineEdit* m_target = nullptr;
    QLabel* m_targetResult = nullptr;
    PortTimingDiagram* m_diagram = nullptr;
    bool m_converting = false;
};

} // namespace crank
