#pragma once

#include <QWidget>
#include <array>

#include "ports/port_sheet.h"
#include "ports/sheet_widgets.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace crank {

class AreaPlotWidget;

// The time-area half of the port sheet: the bore and the engine speed, each
// row's windows, the figures per role, the target ranges, the blowdown (with
// a baseline, the groups' figures and the blowdown's before and the change),
// the roof or the width that meets a target, and, taking the room a wider window gives, the
// plot of open area against crank angle. Its controls edit the sheet's
// input, and edited() follows each edit; it renders the sheet's view.
class TimeAreaPanel : public SheetPage {
    Q_OBJECT
public:
    TimeAreaPanel(PortSheetInput& input, const NumberStyle& style, QWidget* parent = nullptr);

    void render(const PortSheetView& view) override;

private:
    struct ShapeRow {
        QLabel* name = nullptr;
        QLabel* area = nullptr;
        QLabel* sta = nullptr;
        QLabel* message = nullptr;
        QLabel* note = nullptr;
    };

    QLayout* buildEngine();
    QLayout* buildShapes();
    QLayout* buildFigures();
    QLayout* buildTargets();
    QLayout* buildWayBack();

    QLabel* m_boreMessage = nullptr;
    QLabel* m_rpmMessage = nullptr;
    QLabel* m_engine = nullptr;
    std::array<ShapeRow, kMaxPorts> m_rows{};
    std::array<std::array<QLabel*, 6>, 6> m_figures{};
    std::array<QLabel*, kTargetGroups> m_targetMessages{};
    QLabel* m_targetLines = nullptr;
    QLabel* m_blowdown = nullptr;
    QLabel* m_compared = nullptr;
    QComboBox* m_staRow = nullptr;
    QLabel* m_wayBack = nullptr;
    AreaPlotWidget* m_plot = nullptr;
};

} // namespace crank
