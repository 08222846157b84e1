#pragma once

// The tables screen alone, and the program's screens as the navigator runs them, on the
// offscreen platform with recording message box and printer.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/navigator.h"
#include "entry/eng_vals.h"
#include "platform/print_targets.h"
#include "platform/services.h"
#include "tables/ang_disp.h"
#include "tables/display_view.h"
#include "tables/tables_extras.h"
#include "tests/test_doubles.h"

namespace crank {

// A save dialog answered as the test says; an empty answer is a cancel.
struct ScriptedChooser final : SaveFileChooser {
    QString answer;
    int type = 0;
    QStringList suggested;
    QString chooseSavePath(const QString& path) override
    {
        suggested.append(path);
        return answer;
    }
    int chosenType() const override { return type; }
};

struct NoPrinter final : PrinterSource {
    QPrinterInfo defaultPrinter() const override { return {}; }
};

// An open dialog answered as the test says; an empty answer is a cancel.
struct ScriptedOpener final : OpenFileChooser {
    QString answer;
    QString chooseOpenPath(const QString&) override { return answer; }
};

// Every service a screen or tool reaches the user through, recording or
// answered as the test says; no printer is installed.
struct TestServices {
    RecordingMessageBox messages;
    NoPrinter printers;
    ScriptedChooser pdfChooser;
    ScriptedChooser csvChooser;
    ScriptedChooser portsCsvChooser;
    ScriptedChooser setupSaver;
    ScriptedOpener setupOpener;
    Services services()
    {
        return {messages,        printers,   pdfChooser, csvChooser,
                portsCsvChooser, setupSaver, setupOpener};
    }
};

// Displays n tables of a 46 mm stroke, 100 mm rod engine into state, as the display command
// would for the angles as typed.
inline DisplayView DisplayKart(EngineState& state, float offset, int n, std::array<float, 4> angles,
                               const std::string& name = "Kart")
{
    state.geometry = {.Stroke = 46, .RodLength = 100, .PinOffset = offset};
    state.geometry.OffsetNonZero = offset != 0.0f;
    state.tables.NumTables = static_cast<std::int16_t>(n);
    state.tables.InitAngle = angles;
    return ComputeDisplay(state, {name, "46", "100", QString::number(offset).toStdString()});
}

// A named control of a screen; a missing one fails the test.
template <class T> T* child(const QWidget& screen, const QString& name)
{
    T* found = screen.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// A cell of the tables screen: ("DispB", 2, 48) is DispB2_48.
inline QLineEdit* Cell(const QWidget& tables, const char* column, int table, int row)
{
    const QString name = QStringLiteral("%1%2_%3").arg(QLatin1String(column)).arg(table).arg(row);
    return child<QLineEdit>(tables, name);
}

// The tables screen alone after a display, active, its extra commands saving where the test says.
class TablesScreenTest : public ::testing::Test {
protected:
    void show(const DisplayView& view)
    {
        tables.showView(view);
        extras = new TablesExtras(tables, services()); // owned
        tables.show();
        tables.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tables));
    }

    EngineState state;
    TestServices doubles;
    RecordingMessageBox& messages = doubles.messages;
    ScriptedChooser& csvChooser = doubles.csvChooser;
    ScriptedChooser& pdfChooser = doubles.pdfChooser;
    Services services() { return doubles.services(); }
    RecordingTablesPrinter printer;
    Ang_Disp tables{printer};
    QTemporaryDir dir;
    TablesExtras* extras = nullptr;
};

// The screens as the navigator runs them: the data entry screen on show, reset by construct.
class ScreensTest : public ::testing::Test {
protected:
    ScreensTest()
    {
        navigator.start();
        navigator.Tables_Click();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&entry()));
    }

    EngVals& entry() const { return navigator.engVals(); }
    // Null until the first display.
    Ang_Disp* tables() const { return navigator.tablesScreenIfCreated(); }

    QLineEdit* box(int index) const
    {
        return child<QLineEdit>(entry(), QStringLiteral("GeomTxt_%1").arg(index));
    }
    QPushButton* command(int index) const
    {
        return child<QPushButton>(entry(), QStringLiteral("GeomCom_%1").arg(index));
    }

    // Puts the focus into the box and types over its whole text as a user.
    void type(int index, const char* keys) const
    {
        QLineEdit* target = box(index);
        target->setFocus(Qt::MouseFocusReason);
        target->selectAll();
        QTest::keyClicks(target, QString::fromLatin1(keys));
    }
    void enterGeometry(const char* stroke, const char* rod, const char* offset) const
    {
        type(0, stroke);
        type(1, rod);
        type(2, offset);
    }
    void requestTables(const char* count, std::initializer_list<const char*> angles) const
    {
        type(3, count);
        int index = 4;
        for (const char* angle : angles) {
            type(index, angle);
            ++index;
        }
    }
    void display() const { QTest::mouseClick(command(1), Qt::LeftButton); }
    // Back from the tables screen to data entry, the boxes as left.
    void returnToEntry() const
    {
        QTest::mouseClick(child<QPushButton>(*tables(), QStringLiteral("AngDispCom_1")),
                          Qt::LeftButton);
    }

    EngineState state;
    TestServices doubles;
    RecordingMessageBox& messages = doubles.messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, doubles.services(), printer};
};

} // namespace crank
