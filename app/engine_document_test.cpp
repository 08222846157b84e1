// Opening and saving engine files, with the screens as the navigator runs them.
#include "app/engine_document.h"

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QSettings>

#include "app/engine_file.h"
#include "app/tabs_menu.h"
#include "platform/recent_files.h"
#include "ports/port_timing_sheet.h"
#include "ports/port_tool.h"
#include "tests/navigator_fixture.h"
#include "wheel/wheel_tool.h"

namespace crank {
namespace {

class EngineDocumentTest : public ScreensTest {
protected:
    EngineDocumentTest() { document.offerOnScreens(); }

    // Types an engine by hand and displays it; its sheet and wheel get a value each.
    void typeEngine(const char* stroke, const char* offset)
    {
        enterGeometry(stroke, "110", offset);
        requestTables("2", {"96", "40"});
        display();
        PortSheetInput ports;
        ports.rows[0].height = {"26,5"};
        navigator.portTool()->setInput(ports);
        WheelInput wheel;
        wheel.diameter = "150";
        navigator.wheelTool()->setInput(wheel);
    }
    QString write(const char* name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    std::string lastTitle() const { return messages.shown.back().title; }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    RecentFiles recent{settings};
    EngineDocument document{navigator, doubles.services(), recent};
};

// What is saved opens again to the same tables, sheet and wheel, from the front screen.
TEST_F(EngineDocumentTest, ASavedEngineOpensWhereItWasLeft)
{
    typeEngine("54.5", "1");
    const DisplayView typed = tables()->view();
    const Baseline kept{{"Kart", "54.5", "110", "1"}, navigator.portTool()->input(), {"", "14:32"}};
    navigator.portTool()->setBefore(kept);
    doubles.engineSaver.answer = dir.filePath("kart.crank");
    ASSERT_TRUE(document.saveAs());
    EXPECT_TRUE(doubles.engineSaver.suggested.back().endsWith("/engine.crank"));
    EXPECT_EQ(document.titleNote(), " - kart.crank");

    navigator.Tables_Click(); // a new engine typed over it
    enterGeometry("46", "100", "0");
    requestTables("1", {"10"});
    display();
    navigator.portTool()->setInput(PortSheetInput{});
    navigator.portTool()->setBefore(std::nullopt);
    child<QPushButton>(*tables(), "AngDispCom_0")->click(); // to the front screen
    messages.answers = {1};                                 // discard what was typed over it
    ASSERT_TRUE(document.open(dir.filePath("kart.crank")));
    EXPECT_EQ(lastTitle(), "Unsaved Changes");
    EXPECT_TRUE(tables()->isVisible());
    EXPECT_FALSE(navigator.tabsMenu().isVisible());
    EXPECT_EQ(tables()->view().angleTexts, typed.angleTexts); // 40 and 96, sorted as displayed
    EXPECT_EQ(tables()->view().dispATexts, typed.dispATexts);
    EXPECT_EQ(navigator.portTool()->input().rows[0].height.text, "26.5");
    ASSERT_NE(navigator.portTool()->sheet(), nullptr) << "rows were typed: their sheet shows";
    EXPECT_TRUE(navigator.portTool()->sheet()->isVisible());
    EXPECT_EQ(navigator.wheelTool()->input().diameter, "150");
    ASSERT_TRUE(navigator.portTool()->before());
    EXPECT_EQ(navigator.portTool()->before()->source.when, "14:32");
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(recent.paths().front(), dir.filePath("kart.crank"));
}

// A file opened joins the recent list once its tables have been painted, first of two.
TEST_F(EngineDocumentTest, AnOpenedFileJoinsTheRecentListWhenItsTablesAreOnScreen)
{
    typeEngine("54.5", "1");
    doubles.engineSaver.answer = dir.filePath("kart.crank");
    ASSERT_TRUE(document.saveAs());
    ASSERT_TRUE(QFile::copy(dir.filePath("kart.crank"), dir.filePath("kart-b.crank")));
    ASSERT_TRUE(document.open(dir.filePath("kart-b.crank")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return recent.paths().size() == 2; }));
    EXPECT_EQ(recent.paths().front(), dir.filePath("kart-b.crank"));
}

// Unsaved changes ask once before they could be lost: staying keeps them, saving writes them.
TEST_F(EngineDocumentTest, UnsavedChangesAskBeforeLeaving)
{
    EXPECT_FALSE(document.saveAs()) << "no tables yet: nothing to save, nothing asked";
    EXPECT_TRUE(doubles.engineSaver.suggested.isEmpty());
    typeEngine("54.5", "1");
    doubles.engineSaver.answer = dir.filePath("kart.crank");
    document.saveAs();
    EXPECT_TRUE(document.mayLeave()) << "nothing changed: no question";
    EXPECT_TRUE(messages.shown.empty());
    navigator.portTool()->setBefore(Baseline{}); // a baseline kept is a change
    EXPECT_EQ(document.titleNote(), " - kart.crank (unsaved changes)");
    navigator.portTool()->setBefore(std::nullopt);
    EXPECT_EQ(document.titleNote(), " - kart.crank");
    WheelInput wheel = navigator.wheelTool()->input();
    wheel.hole = "12";
    navigator.wheelTool()->setInput(wheel);
    messages.answers = {2}; // stay
    EXPECT_FALSE(document.mayLeave());
    EXPECT_EQ(messages.shown.back().choices, (std::vector<std::string>{"Save", "Discard", "Stay"}));
    messages.answers = {0}; // save
    EXPECT_TRUE(document.mayLeave());
    EXPECT_FALSE(document.modified());
    QFile saved(dir.filePath("kart.crank"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadEngineFile(saved.readAll()).file->wheel.hole, "12");
    // Saved, "Exit the Program" ends at once and closes every window.
    navigator.ExitProg_Click();
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->windowTitle().toStdString();
    }
}

// Three tables asked at 176 show 176, 180 and 184; saved and opened again, they show the same.
TEST_F(EngineDocumentTest, TablesRaisedPastWhatABoxTakesOpenAgainAsShown)
{
    enterGeometry("54.5", "110", "1");
    requestTables("3", {"176", "176", "176"});
    display();
    const DisplayView shown = tables()->view();
    ASSERT_EQ(shown.angleTexts[3][0], "184");
    doubles.engineSaver.answer = dir.filePath("far.crank");
    ASSERT_TRUE(document.saveAs());
    EXPECT_TRUE(document.open(dir.filePath("far.crank")));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(tables()->view().angleTexts, shown.angleTexts);
}

// A file the data entry screen would refuse, or one far too large, is named and changes nothing.
TEST_F(EngineDocumentTest, ARefusedFileChangesNothing)
{
    typeEngine("54.5", "1");
    EngineFile file;
    file.engine = {"Big", "1200", "2400", "0", "1", {"0", "", ""}};
    const QString big = write("big.crank", EngineFileAsJson(file));
    EXPECT_FALSE(document.open(big));
    EXPECT_EQ(lastTitle(), "Engine Not Opened");
    EXPECT_TRUE(messages.shown.back().prompt.ends_with(
        "cannot be opened: the stroke, \"1200\", is out of range: Stroke too large. Nothing of "
        "it was used."));
    EXPECT_EQ(tables()->view().engine.typed.stroke, "54.5");

    QByteArray huge = EngineFileAsJson(EngineFile{});
    huge.replace("\"name\": \"\"", "\"name\": \"" + QByteArray(50 << 20, 'W') + "\"");
    EXPECT_FALSE(document.open(write("huge.crank", huge)));
    EXPECT_TRUE(messages.shown.back().prompt.ends_with(
        "is not an engine file: it is far too large. Nothing of it was used."));
    EXPECT_EQ(navigator.portTool()->input().rows[0].height.text, "26,5");
}

// With an engine on display, a file for another engine asks first; then, since the ports and the
// wheel typed for the engine on display were never saved, whether to drop them.
TEST_F(EngineDocumentTest, AFileForAnotherEngineAsksFirst)
{
    typeEngine("54.5", "1");
    navigator.portTool()->openSheet();
    EngineFile other;
    other.engine = {"Kart B", "46", "100", "-0.5", "1", {"30", "", ""}};
    const QString path = write("b.crank", EngineFileAsJson(other));
    messages.answers = {1}; // cancel
    EXPECT_FALSE(document.open(path));
    EXPECT_EQ(messages.shown.back().prompt,
              "This file is for Kart B (46 x 100, -0.5); open it as that engine?");
    EXPECT_EQ(messages.shown.back().choices.front(), "Open as Kart B");
    EXPECT_EQ(tables()->view().engine.typed.stroke, "54.5");
    messages.answers = {0, 2}; // open as Kart B, then stay
    EXPECT_FALSE(document.open(path));
    EXPECT_EQ(lastTitle(), "Unsaved Changes");
    EXPECT_EQ(navigator.portTool()->input().rows[0].height.text, "26,5");
    messages.answers = {0, 1}; // open as Kart B, then discard what was typed
    EXPECT_TRUE(document.open(path));
    EXPECT_EQ(tables()->view().engine.typed.stroke, "46");
    EXPECT_FALSE(navigator.portTool()->sheet()->isVisible()) << "the old engine's sheet closes";
}

// A port setup of the older kind fills the sheet of the engine on display, as it always did; made
// for another engine, here one whose offset alone differs, it says so.
TEST_F(EngineDocumentTest, AnOldPortSetupFillsTheSheetOnDisplay)
{
    typeEngine("54.5", "1");
    EngineFile made;
    made.ports.rows[0].height = {"27"};
    QJsonObject setup = QJsonDocument::fromJson(EngineFileAsJson(made))["ports"].toObject();
    setup["kind"] = "port setup";
    setup["version"] = 1;
    setup["engine"] =
        QJsonObject{{"name", "Kart"}, {"stroke", "54.5"}, {"rod", "110"}, {"offset", "-1"}};
    messages.answers = {1}; // discard the ports typed and never saved
    EXPECT_TRUE(document.open(write("old.json", QJsonDocument(setup).toJson())));
    EXPECT_EQ(navigator.portTool()->input().rows[0].height.text, "27");
    EXPECT_EQ(lastTitle(), "Other Engine");
    EXPECT_EQ(tables()->view().engine.typed.offset, "1");
}

// A recent file that is gone is taken off the list, and the menu says so.
TEST_F(EngineDocumentTest, TheRecentMenuDropsAFileThatIsGone)
{
    recent.add(write("a.crank", "{}"));
    recent.add(dir.filePath("gone.crank"));
    QMenu* menu = document.recentMenu(&entry());
    emit menu->aboutToShow();
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), "gone.crank is gone: taken off the list");
    EXPECT_FALSE(entries[0]->isEnabled());
    EXPECT_EQ(entries[1]->text(), "&1 a.crank");
    EXPECT_EQ(recent.paths(), QStringList{dir.filePath("a.crank")});
}

} // namespace
} // namespace crank
