#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "ports/port_sheet.h"
#include "ports/sheet_widgets.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace crank {

class AreaPlotWidget;

// The time-area half of the port sheet: the bore and the engine speed, each
// row's windows, the figures per role, the target ranges, the blowdown, the
// roof that meets a target, and the plot of open area against crank angle.
// It holds what was typed into it and renders the sheet's view; the sheet
// works the view out afresh whenever edited() is emitted.
class TimeAreaPanel : public QWidget {
    Q_OBJECT
public:
    // unit: the sheet's length unit in force, which a typed length keeps.
    TimeAreaPanel(const NumberStyle& style, std::function<LengthUnit()> unit,
                  QWidget* parent = nullptr);

    // What was typed, into input.
    void fill(PortSheetInput& input) const;
    // Boxes set from input, as typed there (a setup opened from a file).
    void load(const PortSheetInput& input);
    void render(const PortSheetView& view);
    // After a change of unit: every length box shows its length in it.
    void showLengths(const PortSheetView& view);
    // The controls that take the focus, in reading order.
    QList<QWidget*> focusOrder() const { return m_focus; }

signals:
    void edited();

private:
    struct ShapeRow {
        QLabel* name = nullptr;
        QLineEdit* count = nullptr;
        LengthBox width;
        QComboBox* measure = nullptr;
        LengthBox height;
        LengthBox top;
        LengthBox bottom;
        LengthBox bridge;
        QLabel* area = nullptr;
        QLabel* sta = nullptr;
        QLabel* message = nullptr;
        QLabel* note = nullptr;
    };
    struct TargetRow {
        QLineEdit* low = nullptr;
        QLineEdit* high = nullptr;
        QLabel* message = nullptr;
    };

    QLayout* buildEngine();
    QLayout* buildShapes();
    QLayout* buildFigures();
    QLayout* buildTargets();
    QLayout* buildWayBack();
    QLineEdit* numberBox(const QString& name, int maxChars, bool allowMinus);
    void lengthBox(LengthBox& length, const QString& name);
    void setLength(LengthBox& length, const TypedLength& typed);

    NumberStyle m_style;
    std::function<LengthUnit()> m_unit;
    QList<QWidget*> m_focus;
    LengthBox m_bore;
    QLabel* m_boreMessage = nullptr;
    QLineEdit* m_rpm = nullptr;
    QLabel* m_rpmMessage = nullptr;
    QLabel* m_engine = nullptr;
    std::array<ShapeRow, kMaxPorts> m_rows{};
    QGridLayout* m_figureGrid = nullptr;
    std::array<std::array<QLabel*, 6>, 6> m_figures{};
    std::array<TargetRow, kTargetGroups> m_targets{};
    QLabel* m_targetLines = nullptr;
    QLabel* m_blowdown = nullptr;
    QComboBox* m_staRow = nullptr;
    QLineEdit* m_staTarget = nullptr;
    QLabel* m_wayBack = nullptr;
    AreaPlotWidget* m_plot = nullptr;
};

} // namespace crank
