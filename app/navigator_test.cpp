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
#include "platform/message_box.h"
#include "tables/ang_disp.h"
#include "tables/find_angle_dialog.h"
#include "tables/tables_printer.h"

namespace crank {
namespace {

class NoMessages final : public MessageBox {
public:
    void show(const std::string&, const std::string&) override {}
};

class CountingPrinter final : public TablesPrinter {
public:
    void printTables(const PageContent&) override { ++printed; }
    int printed = 0;
};

class NavigatorTest : public ::testing::Test {
protected:
    // The one visible screen, or a failure when there is not exactly one.
    QWidget* visibleScreen() const
    {
        QWidget* visible = nullptr;
        int count = 0;
        for (QWidget* s : navigator.screens()) {
            if (s->isVisible()) {
                visible = s;
                ++count;
            }
        }
        EXPECT_EQ(count, 1) << "screens visible";
        return count == 1 ? visible : nullptr;
    }

    QScrollBar* scrollBar() { return navigator.userInfo().findChild<QScrollBar*>("VScroll1"); }

    EngineState state;
    NoMessages messages;
    CountingPrinter printer;
    Navigator navigator{state, messages, printer};
};

TEST_F(NavigatorTest, StartShowsOnlyTheFrontScreenWithDataEntryMadeHidden)
{
    navigator.start();
    EXPECT_EQ(visibleScreen(), &navigator.tabsMenu());
    // The data entry screen exists from the start; the others come on first use.
    ASSERT_EQ(navigator.screens().size(), 2u);
    EXPECT_EQ(navigator.screens()[1], &navigator.engVals());
    EXPECT_EQ(navigator.tablesScreenIfCreated(), nullptr);
}

// The whole navigation map, as a user moves: after every command exactly one
// screen is visible, and it is the one the command leads to.
TEST_F(NavigatorTest, WalkTheNavigationMap)
{
    navigator.start();
    QWidget* front = &navigator.tabsMenu();
    QWidget* entry = &navigator.engVals();
    auto entryBox = [&](int i) {
        return navigator.engVals().findChild<QLineEdit*>(QStringLiteral("GeomTxt_%1").arg(i));
    };
    auto type = [&](int i, const char* keys) {
        entryBox(i)->setFocus();
        entryBox(i)->selectAll();
        QTest::keyClicks(entryBox(i), QString::fromLatin1(keys));
    };
    auto button = [&](QWidget* screen, const char* name) {
        auto* b = screen->findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    };
    auto fillAndDisplay = [&] {
        type(0, "46");
        type(1, "100");
        type(2, "-0.5");
        type(3, "2");
        type(4, "90");
        type(5, "10");
        QTest::mouseClick(button(entry, "GeomCom_1"), Qt::LeftButton);
    };
    auto tables = [&]() -> QWidget* { return navigator.tablesScreenIfCreated(); };

    const struct {
        const char* step;
        std::function<void()> act;
        std::function<QWidget*()> shown;
    } walk[] = {
        {"user information", [&] { navigator.tabsMenu().InfoScrn()->trigger(); },
         [&] { return &navigator.userInfo(); }},
        {"back from user information",
         [&] { QTest::mouseClick(button(&navigator.userInfo(), "Command1"), Qt::LeftButton); },
         [&] { return front; }},
        {"construct", [&] { navigator.tabsMenu().Tables()->trigger(); }, [&] { return entry; }},
        {"back from data entry",
         [&] { QTest::mouseClick(button(entry, "GeomCom_0"), Qt::LeftButton); },
         [&] { return front; }},
        {"construct again", [&] { navigator.tabsMenu().Tables()->trigger(); },
         [&] { return entry; }},
        {"display", fillAndDisplay, tables},
        {"back to data entry",
         [&] { QTest::mouseClick(button(tables(), "AngDispCom_1"), Qt::LeftButton); },
         [&] { return entry; }},
        {"display again", [&] { QTest::mouseClick(button(entry, "GeomCom_1"), Qt::LeftButton); },
         tables},
        {"print stays",
         [&] { QTest::mouseClick(button(tables(), "AngDispCom_2"), Qt::LeftButton); }, tables},
        {"find stays",
         [&] {
             ASSERT_TRUE(QTest::qWaitForWindowActive(tables()));
             QTest::keyClick(tables(), Qt::Key_F, Qt::ControlModifier);
         },
         tables},
        {"back to front from tables",
         [&] { QTest::mouseClick(button(tables(), "AngDispCom_0"), Qt::LeftButton); },
         [&] { return front; }},
        {"construct after tables", [&] { navigator.tabsMenu().Tables()->trigger(); },
         [&] { return entry; }},
        {"close control on data entry", [&] { EXPECT_FALSE(entry->close()); },
         [&] { return front; }},
        {"user information again", [&] { navigator.InfoScrn_Click(); },
         [&] { return &navigator.userInfo(); }},
        {"close control on user information", [&] { EXPECT_FALSE(navigator.userInfo().close()); },
         [&] { return front; }},
    };
    for (const auto& w : walk) {
        SCOPED_TRACE(w.step);
        w.act();
        EXPECT_EQ(visibleScreen(), w.shown());
        if (std::string_view(w.step) == "back to data entry") {
            // The values as entered, the angles as sorted for the tables.
            EXPECT_EQ(entryBox(0)->text(), "46");
            EXPECT_EQ(entryBox(2)->text(), "-0.5");
            EXPECT_EQ(entryBox(4)->text(), "10");
            EXPECT_EQ(entryBox(5)->text(), "90");
            EXPECT_TRUE(button(entry, "GeomCom_1")->isEnabled());
        }
        // The finder is a dialog of the tables screen, open only while it is.
        const auto* finder = tables() ? tables()->findChild<FindAngleDialog*>() : nullptr;
        EXPECT_EQ(finder != nullptr && finder->isVisible(),
                  std::string_view(w.step) == "find stays");
    }
    EXPECT_EQ(printer.printed, 1);
    // Four screens for the whole run, each made once.
    EXPECT_EQ(navigator.screens().size(), 4u);
}

// The construct command always presents an empty data entry screen in its
// first state, whatever the previous visit left.
TEST_F(NavigatorTest, ConstructAlwaysPresentsAnEmptyDataEntryScreen)
{
    navigator.start();
    auto child = [&](const char* name) {
        return navigator.engVals().findChild<QWidget*>(QString::fromLatin1(name));
    };
    auto box = [&](int i) {
        return navigator.engVals().findChild<QLineEdit*>(QStringLiteral("GeomTxt_%1").arg(i));
    };
    const struct {
        const char* before;
        std::function<void()> act;
    } visits[] = {
        {"first visit", [] {}},
        {"left with values",
         [&] {
             navigator.Tables_Click();
             QTest::keyClicks(child("EngNamTxt"), "Twin");
             for (auto [i, t] : {std::pair{0, "46"}, {1, "100"}, {2, "0"}, {3, "3"}}) {
                 box(i)->setText(QString::fromLatin1(t));
             }
             box(4)->setText("5");
             navigator.engVals().GeomCom_Click(0);
         }},
        {"after tables were displayed",
         [&] {
             navigator.Tables_Click();
             for (auto [i, t] : {std::pair{0, "46"}, {1, "100"}, {2, "0.5"}, {3, "1"}, {4, "77"}}) {
                 box(i)->setText(QString::fromLatin1(t));
             }
             navigator.engVals().GeomCom_Click(1);
             ASSERT_NE(navigator.tablesScreenIfCreated(), nullptr);
             navigator.tablesScreenIfCreated()->AngDispCom_Click(0);
         }},
    };
    for (const auto& v : visits) {
        SCOPED_TRACE(v.before);
        v.act();
        navigator.tabsMenu().Tables()->trigger();
        EXPECT_EQ(visibleScreen(), &navigator.engVals());
        EXPECT_EQ(static_cast<QLineEdit*>(child("EngNamTxt"))->text(), "");
        for (int i = 0; i <= 6; ++i) {
            EXPECT_EQ(box(i)->text(), "") << i;
        }
        for (int i = 4; i <= 6; ++i) {
            EXPECT_FALSE(box(i)->isVisible()) << i;
        }
        EXPECT_FALSE(child("GeomFram")->isVisible());
        EXPECT_FALSE(child("GeomCom_1")->isEnabled());
        EXPECT_EQ(state.tables.NumTables, 0);
        EXPECT_EQ(state.tables.InitAngle[1], -1.0f);
        EXPECT_EQ(state.tables.InitAngle[3], -1.0f);
        EXPECT_FALSE(state.GeomFramShown);
        EXPECT_EQ(state.geometry.Stroke, 0.0f);
        navigator.engVals().GeomCom_Click(0);
    }
}

TEST_F(NavigatorTest, UserInformationKeepsItsScrollPosition)
{
    navigator.start();
    navigator.InfoScrn_Click();
    scrollBar()->setValue(30);
    UserInfo* first = &navigator.userInfo();
    navigator.userInfo().Command1_Click();
    navigator.InfoScrn_Click();
    EXPECT_EQ(&navigator.userInfo(), first);
    EXPECT_EQ(scrollBar()->value(), 30);
    EXPECT_EQ(navigator.userInfo().panelTopTwips(), -1077);
}

// Exit, from the menu or the front screen's close control, ends the event
// loop at once and leaves no screen on show.
TEST_F(NavigatorTest, ExitEndsTheProgram)
{
    const struct {
        const char* how;
        bool viaClose;
    } cases[] = {{"menu command", false}, {"close control", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Navigator nav(state, messages, printer);
        nav.start();
        nav.InfoScrn_Click();
        nav.userInfo().Command1_Click();
        QTimer::singleShot(0, [&] {
            if (c.viaClose) {
                nav.tabsMenu().close();
            } else {
                nav.tabsMenu().ExitProg()->trigger();
            }
        });
        // A loop that is not ended comes back with 99 after two seconds.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(2000);
        EXPECT_EQ(QApplication::exec(), 0);
        for (QWidget* s : nav.screens()) {
            EXPECT_FALSE(s->isVisible()) << s->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace crank
