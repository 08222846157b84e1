#pragma once

#include <QDialog>

#include "model/engine_snapshot.h"
#include "model/typed_number.h"

class QLabel;
class QLineEdit;

namespace crank {

// Small dialog of the tables screen: the user types a piston drop below TDC
// in mm and reads the crank angles ATDC and BTDC at which the piston stands
// that low, for the engine of the tables on show (to 0.01 degree), worked out
// afresh on every keystroke. Its box takes "." and "," alike and shows
// numbers in the locale's style, as the other tools' boxes do. Opens
// non-modal:
//
//     auto* dialog = new FindAngleDialog(view.engine, this);
//     dialog->setAttribute(Qt::WA_DeleteOnClose);
//     dialog->show();
class FindAngleDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Find Crank Angle";

    FindAngleDialog(const EngineSnapshot& engine, QWidget* parent = nullptr);

private:
    void recalculate();

    EngineSnapshot m_engine;
    NumberStyle m_style;
    QLineEdit* m_drop = nullptr;
    QLabel* m_atdc = nullptr;
    QLabel* m_btdc = nullptr;
    QLabel* m_message = nullptr;
};

} // namespace crank
