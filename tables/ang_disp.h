#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "model/engine_state.h"
#include "tables/display_view.h"
#include "tables/tables_printer.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace crank {

class LineShape;

// The tables screen: the engine summary and up to three crank-angle tables
// side by side on a panel that scrolls under a fixed header strip. The
// display sequence of the data entry screen lays it out and fills it; it only
// hides itself and asks, by signal, for the screen to show next.
class Ang_Disp : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kTitle =
        "Crank Angles/Piston Displacement Utility - Tables Screen";
    // Client area, twips.
    static constexpr int kClientWidth = 9720;
    static constexpr int kClientHeight = 7395;

    Ang_Disp(EngineState& state, TablesPrinter& printer, QWidget* parent = nullptr);

    // Layout steps of the display sequence, run in this order; they read
    // NumTables and OffsetNonZero.
    void SetColumnHeaders(); // displacement header captions, ATDC cells shown or not
    void PlaceTableCells();  // Lefts and visibility of cells and headers
    void PlaceTableRules();  // panel width, scroll bar and ruling lines

    // Builds AngleCol of tables 1..NumTables from InitAngle and writes the
    // angle cells.
    void FillAngleColumns();
    // Writes the engine summary frame from the data entry texts as typed and
    // the current BdcAngle.
    void ShowEngineSummary(std::string_view name, std::string_view strokeText,
                           std::string_view rodText, std::string_view offsetText);
    // Computes DispBCol (and DispACol with an offset) and writes the cells.
    // CalcGeometry must have run for the current geometry.
    void FillDisplacementColumns();

    // Moves the panel to the scroll bar's value.
    void VScroll1_Change();
    // 0: back to the front screen, 1: back to data entry, 2: print.
    void AngDispCom_Click(int index);

    // Every caption and cell text as shown, with the table data behind them.
    DisplayView view() const;

    // The panel's Top in the viewport, twips (0 down to -7650).
    int panelTopTwips() const { return m_panelTop; }

signals:
    // Emitted after the screen has hidden itself.
    void frontScreenRequested();
    void dataEntryRequested();

private:
    using CellColumn = std::array<QLineEdit*, kRowsPerTable>;

    void buildDesign(); // ang_disp_design.cpp
    QLineEdit* makeCell(const QString& name, int left, int row, int width);
    LineShape* makeLine(QWidget* parent, const QString& name);

    EngineState& m_state;
    TablesPrinter& m_printer;

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

    int m_panelTop = 0; // twips
};

} // namespace crank
