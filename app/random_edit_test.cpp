// Seeded random editing of the whole program in-process: keystrokes, deletions,
// select-all-and-type and long pastes into random boxes of the data entry
// screen, interleaved with the display command and the moves between screens.
// After every step the shared state must agree with what the boxes show.
//
// CRANK_RANDOM_SEED picks the seed, CRANK_RANDOM_STEPS the number of edits;
// a failure names both, so that the same run can be repeated.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>

#include "app/navigator.h"
#include "app/tabs_menu.h"
#include "entry/eng_vals.h"
#include "entry/numeric_text.h"
#include "entry/validation.h"
#include "info/user_info.h"
#include "tables/ang_disp.h"
#include "tables/table_builder.h"
#include "tables/test_doubles.h"

#ifndef CRANK_RANDOM_DEFAULT_STEPS
#define CRANK_RANDOM_DEFAULT_STEPS 100000
#endif

namespace crank {
namespace {

constexpr std::uint64_t kDefaultSeed = 0x5eed2024;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 0) : fallback;
}

// Keystroke filter of each value box: leading minus, decimal point.
constexpr std::array<std::array<bool, 2>, 7> kFilters{{
    {false, true}, {false, true}, {true, true}, {false, false},
    {true, false}, {true, false}, {true, false},
}};

class RandomSession {
public:
    explicit RandomSession(std::uint64_t seed) : m_random(seed)
    {
        m_navigator.start();
        m_entry = &m_navigator.engVals();
        for (int i = 0; i < 7; ++i) {
            m_box[i] = m_entry->findChild<QLineEdit*>(QStringLiteral("GeomTxt_%1").arg(i));
        }
        m_name = m_entry->findChild<QLineEdit*>(QStringLiteral("EngNamTxt"));
        m_display = m_entry->findChild<QPushButton*>(QStringLiteral("GeomCom_1"));
    }

    bool ready() const
    {
        return m_name != nullptr && m_display != nullptr &&
               std::all_of(m_box.begin(), m_box.end(), [](auto* b) { return b != nullptr; });
    }

    // Runs one step; counts it as an edit when it typed into a box. Returns
    // what went wrong, or an empty string.
    std::string step(bool& edited)
    {
        edited = false;
        QWidget* shown = visibleScreen();
        if (shown == m_entry) {
            if (pick(100) < 90) {
                edit();
                edited = true;
            } else if (pick(4) != 0) {
                return display();
            } else {
                note("Return to &Front Screen");
                m_entry->findChild<QPushButton*>(QStringLiteral("GeomCom_0"))->click();
            }
        } else if (shown == m_navigator.tablesScreenIfCreated()) {
            const int choice = pick(10);
            note(choice < 5 ? "Return to &Data Entry Screen"
                            : choice < 8 ? "Return to &Front Screen" : "Print");
            m_navigator.tablesScreen().AngDispCom_Click(choice < 5 ? 1 : choice < 8 ? 0 : 2);
        } else if (shown == &m_navigator.tabsMenu()) {
            if (pick(8) != 0) {
                note("construct");
                m_navigator.tabsMenu().Tables()->trigger();
                m_raised.fill(-1.0f);
            } else {
                note("user information");
                m_navigator.tabsMenu().InfoScrn()->trigger();
            }
        } else if (shown != nullptr) {
            note("user information: Return to &Front Screen");
            m_navigator.userInfo().Command1_Click();
        }
        return invariants();
    }

    struct Stats {
        int displays = 0; // display commands given, disabled ones included
        int refused = 0;  // answered by a validation message
        int shown = 0;    // tables built and shown
    } stats;

    std::string recentSteps() const
    {
        std::string all;
        for (const std::string& s : m_recent) {
            all += "\n  " + s;
        }
        return all;
    }

private:
    int pick(int n) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(n)); }

    void note(std::string what)
    {
        m_recent.push_back(std::move(what));
        if (m_recent.size() > 12) {
            m_recent.pop_front();
        }
    }

    QWidget* visibleScreen() const
    {
        for (QWidget* s : m_navigator.screens()) {
            if (s->isVisible()) {
                return s;
            }
        }
        return nullptr;
    }

    // A key a user might press: mostly characters a box accepts, some it refuses.
    char randomKey()
    {
        static const std::string kKeys = "0123456789012345678901234567890123456789..--abcXyz ";
        return kKeys[static_cast<size_t>(pick(static_cast<int>(kKeys.size())))];
    }

    std::string randomText(int maxLength)
    {
        std::string text;
        const int length = pick(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            text += randomKey();
        }
        return text;
    }

    // A value of the range the box expects, so that displays happen often.
    std::string plausibleValue(int index)
    {
        switch (index) {
        case 0:
            return std::to_string(10 + pick(200)) + (pick(3) == 0 ? ".5" : "");
        case 1: {
            // Mostly a rod length the stroke allows: 1.5 to 3 strokes.
            const double stroke = m_state.geometry.Stroke > 0 ? m_state.geometry.Stroke : 50.0;
            return std::to_string(static_cast<int>(stroke * (1.4 + pick(17) / 10.0)));
        }
        case 2:
            return pick(3) == 0 ? "0" : (pick(2) == 0 ? "-" : "") + std::to_string(pick(8)) + "." +
                                            std::to_string(pick(10));
        case 3:
            return std::to_string(1 + pick(3));
        default:
            return std::to_string(pick(20) == 0 ? 150 + pick(60) : pick(177));
        }
    }

    void edit()
    {
        // The boxes a user can reach: the name and every value box shown.
        std::array<int, 8> reachable{};
        int count = 0;
        reachable[count++] = -1;
        for (int i = 0; i < 7; ++i) {
            if (m_box[i]->isVisibleTo(m_entry)) {
                reachable[count++] = i;
            }
        }
        const int index = reachable[static_cast<size_t>(pick(count))];
        QLineEdit* box = index < 0 ? m_name : m_box[index];
        box->setFocus(Qt::MouseFocusReason);
        box->setCursorPosition(pick(static_cast<int>(box->text().size()) + 1));
        std::ostringstream what;
        what << (index < 0 ? std::string("EngNamTxt") : "GeomTxt_" + std::to_string(index))
             << " \"" << box->text().toStdString() << "\" at " << box->cursorPosition() << ": ";
        const int kind = pick(100);
        if (kind < 3) {
            // The user fills in every box the screen asks for, in tab order.
            what << "fill in";
            for (int i = 0; i < 7; ++i) {
                if (m_box[i]->isVisibleTo(m_entry)) {
                    const std::string text = plausibleValue(i);
                    what << " \"" << text << "\"";
                    QTest::keyClick(m_box[i], Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(m_box[i], QString::fromStdString(text));
                }
            }
        } else if (kind < 40) {
            const char key = randomKey();
            what << "key '" << key << "'";
            QTest::keyClick(box, key);
        } else if (kind < 55) {
            what << "Backspace";
            QTest::keyClick(box, Qt::Key_Backspace);
        } else if (kind < 65) {
            what << "Delete";
            QTest::keyClick(box, Qt::Key_Delete);
        } else if (kind < 94) {
            const std::string text =
                index >= 0 && pick(2) == 0 ? plausibleValue(index) : randomText(8);
            what << "select all, type \"" << text << "\"";
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, QString::fromStdString(text));
        } else {
            const std::string text = randomText(60);
            const bool replace = pick(2) == 0;
            what << (replace ? "select all, " : "") << "paste \"" << text << "\"";
            QGuiApplication::clipboard()->setText(QString::fromStdString(text));
            if (replace) {
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            }
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        }
        note(what.str());
    }

    std::string display()
    {
        const bool enabled = m_display->isEnabled();
        const bool valid = !ValidateGeometry(m_state.geometry).has_value();
        const size_t messagesBefore = m_messages.shown.size();
        note(std::string("&Display the Table(s)") + (enabled ? "" : " (disabled)"));
        m_display->click();
        ++stats.displays;
        if (!enabled) {
            return m_entry->isVisible() ? "" : "a disabled display command left the screen";
        }
        if (!valid) {
            ++stats.refused;
            if (m_messages.shown.size() != messagesBefore + 1 ||
                m_messages.shown.back().title != kValidationTitle || !m_entry->isVisible()) {
                return "a refused geometry was not answered by one message on the data entry "
                       "screen";
            }
            return "";
        }
        if (m_messages.shown.size() != messagesBefore) {
            return "a message for a geometry inside the limits";
        }
        ++stats.shown;
        const TableSpec& requests = m_state.tables;
        for (int t = 1; t <= requests.NumTables; ++t) {
            if (t > 1 && requests.InitAngle[t] - requests.InitAngle[t - 1] < kTableSpan) {
                return "requests not ordered and spaced after a display";
            }
            m_raised[t] = requests.InitAngle[t] > kMaxTypedAngle ? requests.InitAngle[t] : -1.0f;
        }
        return m_navigator.tablesScreen().isVisible() ? "" : "the tables screen is not shown";
    }

    std::string invariants() const
    {
        std::ostringstream problem;
        int visible = 0;
        for (QWidget* s : m_navigator.screens()) {
            visible += s->isVisible() ? 1 : 0;
        }
        if (visible != 1) {
            problem << visible << " screens visible; ";
        }
        const EngineGeometry& g = m_state.geometry;
        const std::array<float, 3> values{g.Stroke, g.RodLength, g.PinOffset};
        for (int i = 0; i < 7; ++i) {
            const std::string text = m_box[i]->text().toStdString();
            if (!IsNumericText(text, kFilters[i][0], kFilters[i][1])) {
                problem << "GeomTxt_" << i << " holds \"" << text << "\"; ";
            }
            if (i < 3 && values[i] != static_cast<float>(ReadNumber(text))) {
                problem << "value " << values[i] << " of GeomTxt_" << i << " \"" << text << "\"; ";
            }
        }
        const TableSpec& requests = m_state.tables;
        const std::string tablesText = m_box[3]->text().toStdString();
        const int typedTables = tablesText.size() == 1 ? tablesText[0] - '0' : 0;
        if (requests.NumTables != (typedTables >= 1 && typedTables <= 3 ? typedTables : 0) ||
            (!tablesText.empty() && requests.NumTables == 0)) {
            problem << "NumTables " << requests.NumTables << " for \"" << tablesText << "\"; ";
        }
        for (int k = 1; k <= 3; ++k) {
            const float angle = requests.InitAngle[k];
            const std::string text = m_box[3 + k]->text().toStdString();
            const bool whole = angle == std::floor(angle);
            const bool inRange = (angle >= 0.0f && angle <= kMaxTypedAngle) ||
                                 (angle > kMaxTypedAngle && angle == m_raised[k]);
            const bool asShown =
                angle == static_cast<float>(RoundHalfEven(ReadNumber(text)));
            if (angle != -1.0f && !(whole && inRange && asShown)) {
                problem << "InitAngle(" << k << ") " << angle << " for \"" << text << "\"; ";
            }
        }
        bool complete = requests.NumTables > 0;
        for (int i = 0; complete && i <= requests.NumTables + 3; ++i) {
            complete = !m_box[i]->text().isEmpty();
        }
        if (m_display->isEnabled() != complete) {
            problem << "display command " << (complete ? "disabled" : "enabled") << "; ";
        }
        return problem.str();
    }

    std::mt19937_64 m_random;
    EngineState m_state;
    RecordingMessageBox m_messages;
    RecordingTablesPrinter m_printer;
    Navigator m_navigator{m_state, m_messages, m_printer};
    EngVals* m_entry = nullptr;
    std::array<QLineEdit*, 7> m_box{};
    QLineEdit* m_name = nullptr;
    QPushButton* m_display = nullptr;
    // Requests that the last display raised above the typed limit, per table.
    std::array<float, 4> m_raised{-1.0f, -1.0f, -1.0f, -1.0f};
    std::deque<std::string> m_recent;
};

TEST(RandomEditTest, StateFollowsTheBoxesThroughRandomEditsAndNavigation)
{
    const std::uint64_t seed = fromEnvironment("CRANK_RANDOM_SEED", kDefaultSeed);
    const std::uint64_t edits = fromEnvironment("CRANK_RANDOM_STEPS", CRANK_RANDOM_DEFAULT_STEPS);
    RandomSession session(seed);
    ASSERT_TRUE(session.ready());

    std::uint64_t done = 0;
    for (std::uint64_t step = 1; done < edits; ++step) {
        bool edited = false;
        const std::string problem = session.step(edited);
        done += edited ? 1 : 0;
        ASSERT_EQ(problem, "") << "seed " << seed << ", step " << step << " (edit " << done
                               << "); repeat with CRANK_RANDOM_SEED=" << seed
                               << " CRANK_RANDOM_STEPS=" << done << ". Last steps:"
                               << session.recentSteps();
    }
    std::cout << "seed " << seed << ": " << done << " edits, " << session.stats.displays
              << " display commands, " << session.stats.refused << " refused, "
              << session.stats.shown << " tables shown\n";
}

} // namespace
} // namespace crank
