#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace crank {

struct EngineState;

// Small dialog of the tables screen: the user types a piston drop below TDC
// in mm and reads the crank angles ATDC and BTDC at which the piston stands
// that low, for the geometry of the tables on show (to 0.01 degree). It reads
// the state afresh on every keystroke and never writes it. Opens non-modal:
//
//     auto* dialog = new FindAngleDialog(state, this);
//     dialog->setAttribute(Qt::WA_DeleteOnClose);
//     dialog->show();
class FindAngleDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Find Crank Angle";

    FindAngleDialog(const EngineState& state, QWidget* parent = nullptr);

    // Works the answer out again for the text in the drop box, e.g. after a
    // new display has changed the geometry.
    void recalculate();

private:
    void dropChanged(const QString& text);

    const EngineState& m_state;
    QLineEdit* m_drop = nullptr;
    QLabel* m_atdc = nullptr;
    QLabel* m_btdc = nullptr;
    QLabel* m_message = nullptr;
};

} // namespace crank
