#include "app/navigator.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/tabs_menu.h"
#include "info/user_info.h"
#include "model/engine_state.h"
#include "platform/message_box.h"
#include "tables/tables_printer.h"

namespace crank {
namespace {

class NoMessages final : public MessageBox {
public:
    void show(const std::string&, const std::string&) override {}
};

class NoPrinter final : public TablesPrinter {
public:
    void printTables(const PageContent&) override {}
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
    NoPrinter printer;
    Navigator navigator{state, messages, printer};
};

TEST_F(NavigatorTest, FrontAndUserInformationTakeTurns)
{
    navigator.start();
    EXPECT_EQ(visibleScreen(), &navigator.tabsMenu());
    // The user information screen is made on first use only.
    EXPECT_EQ(navigator.screens().size(), 1u);
    const struct {
        const char* step;
        std::function<void()> act;
        bool front;
    } walk[] = {
        {"menu command", [&] { navigator.tabsMenu().InfoScrn()->trigger(); }, false},
        {"return button",
         [&] { QTest::mouseClick(navigator.userInfo().findChild<QPushButton*>("Command1"),
                                 Qt::LeftButton); },
         true},
        {"menu command again", [&] { navigator.tabsMenu().InfoScrn()->trigger(); }, false},
        {"close control, refused", [&] { EXPECT_FALSE(navigator.userInfo().close()); }, true},
        {"construct, not yet joined", [&] { navigator.tabsMenu().Tables()->trigger(); }, true},
    };
    for (const auto& w : walk) {
        SCOPED_TRACE(w.step);
        w.act();
        QWidget* expected = w.front ? static_cast<QWidget*>(&navigator.tabsMenu())
                                    : static_cast<QWidget*>(&navigator.userInfo());
        EXPECT_EQ(visibleScreen(), expected);
    }
    // One user information screen for the whole run.
    EXPECT_EQ(navigator.screens().size(), 2u);
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
