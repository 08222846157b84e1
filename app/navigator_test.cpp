#include "app/navigator.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/tabs_menu.h"
#include "entry/eng_vals.h"
#include "info/user_info.h"
#include "model/engine_state.h"
#include "tables/ang_disp.h"
#include "tables/find_angle_dialog.h"
#include "tables/test_doubles.h"

namespace crank {
namespace {

using Screen = std::function<QWidget*()>;

class NavigatorTest : public ::testing::Test {
protected:
    // The one visible screen, or a failure when there is not exactly one.
    QWidget* visibleScreen() const
    {
        std::vector<QWidget*> shown = navigator.screens();
        std::erase_if(shown, [](QWidget* s) { return !s->isVisible(); });
        EXPECT_EQ(shown.size(), 1u) << "screens visible";
        return shown.size() == 1 ? shown[0] : nullptr;
    }
    QWidget* entryChild(const QString& name)
    {
        return navigator.engVals().findChild<QWidget*>(name);
    }
    QLineEdit* box(int i)
    {
        return static_cast<QLineEdit*>(entryChild(QString("GeomTxt_%1").arg(i)));
    }
    void fill(std::initializer_list<const char*> texts)
    {
        for (int i = 0; const char* t : texts) {
            box(i++)->setText(t);
        }
    }
    static void click(QWidget* screen, const char* name)
    {
        QTest::mouseClick(screen->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, messages, printer};
    Screen front = [this] { return &navigator.tabsMenu(); };
    Screen entry = [this] { return &navigator.engVals(); };
    Screen info = [this] { return &navigator.userInfo(); };
    Screen tables = [this] { return navigator.tablesScreenIfCreated(); };
};

// The whole navigation map, as a user moves: after every command exactly one
// screen is visible, and it is the one the command leads to.
TEST_F(NavigatorTest, WalkTheNavigationMap)
{
    navigator.start();
    EXPECT_EQ(visibleScreen(), front());
    // The data entry screen is made (hidden) at start; the others on first use.
    EXPECT_EQ(navigator.screens(), (std::vector<QWidget*>{front(), entry()}));
    EXPECT_EQ(tables(), nullptr);

    auto press = [&](const Screen& s, const char* name) { return [=] { click(s(), name); }; };
    auto construct = [&] { navigator.tabsMenu().Tables()->trigger(); };
    auto closeOf = [&](const Screen& s) { return [=] { EXPECT_FALSE(s()->close()); }; };
    auto display = [&] {
        fill({"46", "100", "-0.5", "2", "90", "10"}); // the angles out of order
        click(entry(), "GeomCom_1");
    };
    auto find = [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(tables()));
        QTest::keyClick(tables(), Qt::Key_F, Qt::ControlModifier);
    };
    const struct {
        const char* step;
        std::function<void()> act;
        Screen shown;
    } walk[] = {
        {"user information", [&] { navigator.tabsMenu().InfoScrn()->trigger(); }, info},
        {"back from user information", press(info, "Command1"), front},
        {"construct", construct, entry},
        {"back from data entry", press(entry, "GeomCom_0"), front},
        {"construct again", construct, entry},
        {"display", display, tables},
        {"back to data entry", press(tables, "AngDispCom_1"), entry},
        {"display again", press(entry, "GeomCom_1"), tables},
        {"print stays", press(tables, "AngDispCom_2"), tables},
        {"find stays", find, tables},
        {"back to front from tables", press(tables, "AngDispCom_0"), front},
        {"construct after tables", construct, entry},
        {"close control on data entry", closeOf(entry), front},
        {"user information again", [&] { navigator.InfoScrn_Click(); }, info},
        {"close control on user information", closeOf(info), front},
    };
    for (const auto& w : walk) {
        SCOPED_TRACE(w.step);
        const std::string_view step = w.step;
        w.act();
        EXPECT_EQ(visibleScreen(), w.shown());
        if (step == "back to data entry") {
            // The values as entered, the angles as sorted for the tables.
            for (auto [i, text] : {std::pair{0, "46"}, {2, "-0.5"}, {4, "10"}, {5, "90"}}) {
                EXPECT_EQ(box(i)->text(), text) << i;
            }
            EXPECT_TRUE(entryChild("GeomCom_1")->isEnabled());
        }
        // The finder is a dialog of the tables screen, open only while it is.
        const auto* finder = tables() ? tables()->findChild<FindAngleDialog*>() : nullptr;
        EXPECT_EQ(finder != nullptr && finder->isVisible(), step == "find stays");
    }
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(navigator.screens().size(), 4u) << "each screen made once";
}

// The construct command always presents an empty data entry screen in its
// first state, whatever the previous visit left.
TEST_F(NavigatorTest, ConstructAlwaysPresentsAnEmptyDataEntryScreen)
{
    navigator.start();
    const struct {
        const char* before;
        std::initializer_list<const char*> values;
        bool displayed;
    } visits[] = {{"first visit", {}, false},
                  {"left with values", {"46", "100", "0", "3", "5"}, false},
                  {"after tables were displayed", {"46", "100", "0.5", "1", "77"}, true}};
    for (const auto& v : visits) {
        SCOPED_TRACE(v.before);
        if (v.values.size() > 0) {
            navigator.Tables_Click();
            QTest::keyClicks(entryChild("EngNamTxt"), "Twin");
            fill(v.values);
            click(entry(), v.displayed ? "GeomCom_1" : "GeomCom_0");
            if (v.displayed) {
                click(tables(), "AngDispCom_0");
            }
        }
        navigator.tabsMenu().Tables()->trigger();
        EXPECT_EQ(visibleScreen(), entry());
        EXPECT_EQ(static_cast<QLineEdit*>(entryChild("EngNamTxt"))->text(), "");
        for (int i = 0; i <= 6; ++i) {
            EXPECT_EQ(box(i)->text(), "") << i;
            EXPECT_TRUE(i < 4 || !box(i)->isVisible()) << i;
        }
        EXPECT_FALSE(entryChild("GeomFram")->isVisible());
        EXPECT_FALSE(entryChild("GeomCom_1")->isEnabled());
        const auto& t = state.tables;
        EXPECT_EQ(std::tuple(t.NumTables, t.InitAngle[1], t.InitAngle[3], state.GeomFramShown,
                             state.geometry.Stroke),
                  std::tuple(0, -1.0f, -1.0f, false, 0.0f));
        click(entry(), "GeomCom_0");
    }
}

TEST_F(NavigatorTest, UserInformationKeepsItsScrollPosition)
{
    navigator.start();
    navigator.InfoScrn_Click();
    UserInfo* first = &navigator.userInfo();
    first->findChild<QScrollBar*>("VScroll1")->setValue(30);
    first->Command1_Click();
    navigator.InfoScrn_Click();
    EXPECT_EQ(&navigator.userInfo(), first);
    EXPECT_EQ(first->findChild<QScrollBar*>("VScroll1")->value(), 30);
    EXPECT_EQ(first->panelTopTwips(), -1077);
}

// Exit, from the menu or the front screen's close control, ends the event
// loop at once and leaves no screen on show.
TEST_F(NavigatorTest, ExitEndsTheProgram)
{
    for (const bool viaClose : {false, true}) {
        SCOPED_TRACE(viaClose ? "close control" : "menu command");
        Navigator nav(state, messages, printer);
        nav.start();
        nav.InfoScrn_Click();
        nav.userInfo().Command1_Click();
        QTimer::singleShot(0, [&] {
            viaClose ? void(nav.tabsMenu().close()) : nav.tabsMenu().ExitProg()->trigger();
        });
        // A loop that is not ended comes back with 99 after two seconds.
        QTimer::singleShot(2000, &nav, [] { QCoreApplication::exit(99); });
        EXPECT_EQ(QApplication::exec(), 0);
        for (QWidget* s : nav.screens()) {
            EXPECT_FALSE(s->isVisible()) << s->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace crank
