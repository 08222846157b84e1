#pragma once

#include <QWidget>
#include <array>

#include "entry/entry_boxes.h"
#include "model/engine_state.h"
#include "platform/message_box.h"
#include "tables/display_view.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace crank {

// The data entry screen. It asks for the engine geometry, then the number of
// tables, then their initial crank angles; every change of a value box is
// filtered and stored in the shared state at once. The display command
// validates the geometry, orders the requests, builds the view of the tables
// and asks for the tables screen to show it.
class EngVals : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Crank Angle/Piston Displacement Utility - Data Entry";
    // Client area, twips.
    static constexpr int kClientWidth = 7275;
    static constexpr int kClientHeight = 7695;

    EngVals(EngineState& state, MessageBox& messages, QWidget* parent = nullptr);

    // The front screen's reset before each visit: display command disabled,
    // name and all seven value boxes emptied (each emptying handled as an
    // edit), angle boxes and the table-request frame hidden, NumTables 0,
    // InitAngle(1..3) -1, GeomFramShown false.
    void resetForNewTables();

    // The boxes typed in one go, as a file holds them: the screen reset as
    // for new tables, then the name and every value box set in order, each
    // set handled as an edit (the filter, the table request, the angle
    // limits). The display command is the caller's.
    void enterBoxes(const EntryBoxes& boxes);

    // Change handling of value box `index` (0..6); runs on every change of
    // its text, also when code sets it.
    void GeomTxt_Change(int index);
    // Whole text selected when a box receives the focus.
    void GeomTxt_GotFocus(int index);
    void EngNamTxt_GotFocus();
    // 0: back to the front screen; 1: validate, build and show the tables.
    void GeomCom_Click(int index);
    // Reveals the table-request frame with empty request boxes.
    void ShowTableRequest();
    // Checks the geometry; on a failure shows the message, sets
    // ValidationError to 1 and puts the focus into the offending box.
    void EngVals_Valtor();
    // Orders and spaces the initial angles and writes them back into their
    // boxes. A request raised by the spacing above 176 degrees is kept.
    void SortTableRequests();

signals:
    // Emitted after the screen has hidden itself for "Return to &Front Screen".
    void frontScreenRequested();
    // Emitted by the display command once the tables are built; whoever owns
    // the screens shows them on the tables screen in place of this one.
    void tablesRequested(const crank::DisplayView& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildDesign(); // eng_vals_design.cpp
    void handleNumberOfTables();
    void handleInitialAngle(int index);
    void updateCompleteness();

    EngineState& m_state;
    MessageBox& m_messages;
    // Highest initial angle an angle box keeps (degrees): the typed limit,
    // raised only while the sorted and spaced requests are written back.
    float m_angleLimit;

    std::array<QPushButton*, 2> m_geomCom{};
    std::array<QLineEdit*, 7> m_geomTxt{};
    std::array<QLabel*, 5> m_geomLab{};
    QLineEdit* m_engNamTxt = nullptr;
    QLabel* m_engNamLab = nullptr;
    QPlainTextEdit* m_offSetTxt = nullptr;
    QGroupBox* m_geomFram = nullptr;
};

} // namespace crank
