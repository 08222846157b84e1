#pragma once

#include <QLineEdit>
#include <QList>
#include <QWidget>
#include <array>

#include "tables/display_view.h"
#include "tables/tables_printer.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace crank {

class LineShape;

// The tables screen: the engine summary and up to three crank-angle tables
// side by side on a panel that scrolls under a fixed header strip. It renders
// the view that a display built; it only hides itself and asks, by signal,
// for the screen to show next.
class Ang_Disp : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kTitle =
        "Crank Angles/Piston Displacement Utility - Tables Screen";
    // Client area, twips.
    static constexpr int kClientWidth = 9720;
    static constexpr int kClientHeight = 7395;

    explicit Ang_Disp(TablesPrinter& printer, QWidget* parent = nullptr);

    // Shows the tables of a display and keeps the view for print, copy and
    // the saves. Renders in the order of the display sequence: headers,
    // cells, rules, angle cells, engine summary, displacement cells.
    void showView(const DisplayView& view);
    // What the screen shows since the last display.
    const DisplayView& view() const { return m_view; }

    // Moves the panel to the scroll bar's value.
    void VScroll1_Change();
    // 0: back to the front screen, 1: back to data entry, 2: print.
    void AngDispCom_Click(int index);

    // The panel's Top in the viewport, twips (0 down to -7650).
    int panelTopTwips() const { return m_panelTop; }

    // The rows below the viewport are made once the screen has been painted
    // (cellsMade), so that it opens sooner; scrolling, and whoever needs
    // every cell at once, make them first with this.
    void makeEveryCell();

signals:
    // Cells made after the screen was built, showing the display on show.
    void cellsMade(const QList<QLineEdit*>& cells);
    // Emitted after the screen has hidden itself.
    void frontScreenRequested();
    void dataEntryRequested();

private:
    using CellColumn = std::array<QLineEdit*, kRowsPerTable>;

    void buildDesign(); // ang_disp_design.cpp
    // Rows from..to-1 of every column, under the body rules.
    QList<QLineEdit*> makeCellRows(int from, int to); // ang_disp_design.cpp
    // The rendering steps of showView, named after the display sequence;
    // the cells' parts act on the rows made from firstRow on.
    void SetColumnHeaders(int firstRow = 0);
    void PlaceTableCells(int firstRow = 0);
    void PlaceTableRules();
    void FillAngleColumns(int firstRow = 0);
    void ShowEngineSummary();
    void FillDisplacementColumns(int firstRow = 0);

    TablesPrinter& m_printer;
    DisplayView m_view;

    std::array<QPushButton*, 3> m_com{};
    QGroupBox* m_frame1 = nullptr;
    QLabel* m_stkLab = nullptr;
    QLabel* m_crlLab = nullptr;
    QLabel* m_offLab = nullptr;
    QLabel* m_bdcAngLab = nullptr;
    std::array<LineShape*, 2> m_bdcLine{};

    // Index 1..3 is the table; 0 is unused.
    std::array<QLabel*, 4> m_labA{};
    std::array<QLabel*, 4> m_labB{};
    std::array<LineShape*, 7> m_thLine{};
    std::array<LineShape*, 7> m_tvLine{};
    std::array<LineShape*, 7> m_vLine{};
    std::array<LineShape*, 4> m_hLine{};

    QWidget* m_picture1 = nullptr;
    QScrollBar* m_vScroll1 = nullptr;
    LineShape* m_vScrollLine = nullptr;
    QWidget* m_panel = nullptr; // fdisp_2
    std::array<CellColumn, 4> m_ang{};
    std::array<CellColumn, 4> m_dispB{};
    std::array<CellColumn, 4> m_dispA{};
    int m_rowsMade = 0;
    bool m_viewShown = false;

    int m_panelTop = 0; // twips
};

} // namespace crank
