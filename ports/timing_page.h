#pragma once

#include <QWidget>
#include <array>

#include "ports/port_sheet.h"
#include "ports/sheet_widgets.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace crank {

class PortTimingDiagram;

// The timing half of the port sheet: the engine, the unit, the deck, the
// cylinder's raise and the piston length, a row per port (name, role,
// height, and when it opens and closes, or why not, in the angles' place;
// with a baseline, its angles and the change under them), the timing
// target and, taking
// the room a wider window gives, the timing diagram. Its controls edit the
// sheet's input; it renders the sheet's view.
class TimingPage : public SheetPage {
    Q_OBJECT
public:
    static constexpr int kNameMaxChars = 25; // as the engine name

    TimingPage(PortSheetInput& input, const NumberStyle& style, QWidget* parent = nullptr);

    void render(const PortSheetView& view) override;
    QLineEdit* firstName() const { return m_rows[0].name; }

signals:
    // After edited(): the lengths are to show in the new unit.
    void unitChanged();

private:
    struct PortRow {
        QLineEdit* name = nullptr;
        QLabel* opens = nullptr;
        QLabel* closes = nullptr;
        QLabel* duration = nullptr;
        QLabel* message = nullptr;
        QLabel* compared = nullptr;
    };

    QLayout* buildSetUp();
    QLayout* buildRows();
    QLayout* buildTarget();

    QLabel* m_summary = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_deckMessage = nullptr;
    QLabel* m_raiseMessage = nullptr;
    QLabel* m_pistonMessage = nullptr;
    std::array<QLabel*, 6> m_captions{};
    std::array<PortRow, kMaxPorts> m_rows{};
    QLabel* m_targetResult = nullptr;
    PortTimingDiagram* m_diagram = nullptr;
};

} // namespace crank
