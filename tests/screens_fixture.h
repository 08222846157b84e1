#pragma once

// The tables screen alone after a display, on the offscreen platform, with recording services.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/print_targets.h"
#include "platform/services.h"
#include "platform/widget_test_support.h"
#include "tables/ang_disp.h"
#include "tables/display_view.h"
#include "tables/tables_extras.h"
#include "tables/tables_test_doubles.h"
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
    ScriptedChooser engineSaver;
    ScriptedOpener engineOpener;
    Services services()
    {
        return {messages,        printers,    pdfChooser,  csvChooser,
                portsCsvChooser, engineSaver, engineOpener};
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

// A cell of the tables screen: ("DispB", 2, 48) is DispB2_48. The rows below the viewport
// would come after the screen's first paint; they are made here at once.
inline QLineEdit* Cell(Ang_Disp& tables, const char* column, int table, int row)
{
    tables.makeEveryCell();
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

} // namespace crank
