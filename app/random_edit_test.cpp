// Seeded random editing of the data entry screen, interleaved with the display
// command and the moves between screens; after every step the shared state must
// agree with what the boxes show. CRANK_RANDOM_SEED picks the seed and
// CRANK_RANDOM_STEPS the number of edits; a failure names both.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

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

// Mostly characters a box accepts, some it refuses.
const std::string kKeys = "0123456789012345678901234567890123456789..--abcXyz ";

struct Session {
    explicit Session(std::uint64_t seed) : random(seed)
    {
        navigator.start();
        entry = &navigator.engVals();
        for (int i = 0; i < 7; ++i)
            box[i] = entry->findChild<QLineEdit*>(QStringLiteral("GeomTxt_%1").arg(i));
    }
    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    void note(std::string what)
    {
        recent.push_back(std::move(what));
        if (recent.size() > 12)
            recent.pop_front();
    }
    std::vector<QWidget*> visible() const
    {
        std::vector<QWidget*> shown = navigator.screens();
        std::erase_if(shown, [](QWidget* s) { return !s->isVisible(); });
        return shown;
    }
    char key() { return kKeys[static_cast<size_t>(pick(static_cast<int>(kKeys.size())))]; }
    std::string randomText(int maxLength)
    {
        std::string text(static_cast<size_t>(pick(maxLength + 1)), ' ');
        std::generate(text.begin(), text.end(), [this] { return key(); });
        return text;
    }
    // A value of the range the box expects, so that displays happen often; the
    // rod length mostly 1.5 to 3 strokes.
    std::string plausible(int i)
    {
        const float stroke = state.geometry.Stroke > 0 ? state.geometry.Stroke : 50.0f;
        switch (i) {
        case 0:
            return std::to_string(10 + pick(200)) + (pick(3) == 0 ? ".5" : "");
        case 1:
            return std::to_string(static_cast<int>(stroke * (1.4 + pick(17) / 10.0)));
        case 2:
            return pick(3) == 0 ? "0"
                                : (pick(2) == 0 ? "-" : "") + std::to_string(pick(8)) + "." +
                                      std::to_string(pick(10));
        case 3:
            return std::to_string(1 + pick(3));
        default:
            return std::to_string(pick(20) == 0 ? 150 + pick(60) : pick(177));
        }
    }
    void selectAllAndType(QLineEdit* b, const std::string& text)
    {
        QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(b, QString::fromStdString(text));
    }

    void edit()
    {
        std::vector<int> reachable{-1}; // the name and every value box shown
        for (int i = 0; i < 7; ++i)
            if (box[i]->isVisibleTo(entry))
                reachable.push_back(i);
        const int index = reachable[static_cast<size_t>(pick(static_cast<int>(reachable.size())))];
        QLineEdit* b = index < 0 ? entry->findChild<QLineEdit*>("EngNamTxt") : box[index];
        b->setFocus(Qt::MouseFocusReason);
        b->setCursorPosition(pick(static_cast<int>(b->text().size()) + 1));
        std::ostringstream what;
        what << b->objectName().toStdString() << " \"" << b->text().toStdString() << "\" at "
             << b->cursorPosition() << ": ";
        const int kind = pick(100);
        if (kind < 3) { // every box the screen asks for, in tab order
            what << "fill in";
            for (int i = 0; i < 7; ++i)
                if (box[i]->isVisibleTo(entry)) { // the count shows more boxes
                    const std::string text = plausible(i);
                    what << " \"" << text << "\"";
                    selectAllAndType(box[i], text);
                }
        } else if (kind < 40) {
            const char k = key();
            what << "key '" << k << "'";
            QTest::keyClick(b, k);
        } else if (kind < 65) {
            what << (kind < 55 ? "Backspace" : "Delete");
            QTest::keyClick(b, kind < 55 ? Qt::Key_Backspace : Qt::Key_Delete);
        } else if (kind < 94) {
            const std::string text = index >= 0 && pick(2) == 0 ? plausible(index) : randomText(8);
            what << "select all, type \"" << text << "\"";
            selectAllAndType(b, text);
        } else {
            const std::string text = randomText(60);
            const bool replace = pick(2) == 0;
            what << (replace ? "select all, " : "") << "paste \"" << text << "\"";
            QGuiApplication::clipboard()->setText(QString::fromStdString(text));
            if (replace)
                QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        }
        note(what.str());
    }

    std::string display()
    {
        auto* command = entry->findChild<QPushButton*>("GeomCom_1");
        const bool enabled = command->isEnabled();
        const bool valid = !ValidateGeometry(state.geometry).has_value();
        const size_t before = messages.shown.size();
        note(std::string("&Display the Table(s)") + (enabled ? "" : " (disabled)"));
        command->click();
        ++displays;
        if (!enabled)
            return entry->isVisible() ? "" : "a disabled display command left the screen";
        if (!valid) {
            ++refused;
            const bool answered = messages.shown.size() == before + 1 &&
                                  messages.shown.back().title == kValidationTitle;
            return answered && entry->isVisible() ? "" : "a refused geometry not answered once";
        }
        if (messages.shown.size() != before)
            return "a message for a geometry inside the limits";
        ++shown;
        const TableSpec& r = state.tables;
        for (int t = 1; t <= r.NumTables; ++t) {
            if (t > 1 && r.InitAngle[t] - r.InitAngle[t - 1] < kTableSpan)
                return "requests not ordered and spaced after a display";
            raised[t] = r.InitAngle[t] > kMaxTypedAngle ? r.InitAngle[t] : -1.0f;
        }
        return navigator.tablesScreen().isVisible() ? "" : "the tables screen is not shown";
    }

    std::string invariants() const
    {
        std::ostringstream problem;
        if (visible().size() != 1)
            problem << visible().size() << " screens visible; ";
        const EngineGeometry& g = state.geometry;
        const float values[3] = {g.Stroke, g.RodLength, g.PinOffset};
        for (int i = 0; i < 7; ++i) {
            const std::string text = box[i]->text().toStdString();
            if (!IsNumericText(text, i == 2 || i > 3, i < 3)) // the keystroke filter
                problem << "GeomTxt_" << i << " holds \"" << text << "\"; ";
            if (i < 3 && values[i] != static_cast<float>(ReadNumber(text)))
                problem << "value " << values[i] << " of GeomTxt_" << i << " \"" << text << "\"; ";
        }
        const TableSpec& r = state.tables;
        const std::string count = box[3]->text().toStdString();
        const int typed = count.size() == 1 ? count[0] - '0' : 0;
        if (r.NumTables != (typed >= 1 && typed <= 3 ? typed : 0) ||
            (!count.empty() && r.NumTables == 0))
            problem << "NumTables " << r.NumTables << " for \"" << count << "\"; ";
        // Each request: -1, or whole, as its box reads, 0..176 or raised by spacing.
        for (int k = 1; k <= 3; ++k) {
            const float a = r.InitAngle[k];
            const std::string text = box[3 + k]->text().toStdString();
            const bool inRange = (a >= 0.0f && a <= kMaxTypedAngle) || a == raised[k];
            if (a != -1.0f && !(a == std::floor(a) && inRange &&
                                a == static_cast<float>(RoundHalfEven(ReadNumber(text)))))
                problem << "InitAngle(" << k << ") " << a << " for \"" << text << "\"; ";
        }
        bool complete = r.NumTables > 0;
        for (int i = 0; complete && i <= r.NumTables + 3; ++i)
            complete = !box[i]->text().isEmpty();
        if (entry->findChild<QPushButton*>("GeomCom_1")->isEnabled() != complete)
            problem << "display command " << (complete ? "disabled" : "enabled") << "; ";
        return problem.str();
    }

    // One step; `edited` tells whether it typed into a box. Returns the fault, or "".
    std::string step(bool& edited)
    {
        QWidget* screen = visible().empty() ? nullptr : visible()[0];
        edited = screen == entry && pick(100) < 90;
        if (edited) {
            edit();
        } else if (screen == entry) {
            if (pick(4) != 0)
                return display();
            note("Return to &Front Screen");
            entry->findChild<QPushButton*>("GeomCom_0")->click();
        } else if (screen == navigator.tablesScreenIfCreated()) {
            const int c = pick(10), command = c < 5 ? 1 : c < 8 ? 0 : 2;
            note(std::array{"Return to &Front Screen", "Return to &Data Entry Screen",
                            "Print"}[command]);
            navigator.tablesScreen().AngDispCom_Click(command);
        } else if (screen == &navigator.tabsMenu() && pick(8) != 0) {
            note("construct");
            navigator.tabsMenu().Tables()->trigger();
            raised.fill(-1.0f);
        } else if (screen == &navigator.tabsMenu()) {
            note("user information");
            navigator.tabsMenu().InfoScrn()->trigger();
        } else if (screen != nullptr) {
            note("user information: Return to &Front Screen");
            navigator.userInfo().Command1_Click();
        }
        return invariants();
    }

    std::mt19937_64 random;
    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, messages, printer};
    EngVals* entry = nullptr;
    std::array<QLineEdit*, 7> box{};
    std::array<float, 4> raised{-1.0f, -1.0f, -1.0f, -1.0f}; // above 176 by the last display
    std::deque<std::string> recent;
    int displays = 0, refused = 0, shown = 0;
};

TEST(RandomEditTest, StateFollowsTheBoxesThroughRandomEditsAndNavigation)
{
    auto env = [](const char* name, std::uint64_t fallback) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0' ? std::strtoull(v, nullptr, 0) : fallback;
    };
    const std::uint64_t seed = env("CRANK_RANDOM_SEED", 0x5eed2024);
    const std::uint64_t edits = env("CRANK_RANDOM_STEPS", CRANK_RANDOM_DEFAULT_STEPS);
    Session s(seed);
    ASSERT_TRUE(std::all_of(s.box.begin(), s.box.end(), [](auto* b) { return b != nullptr; }));
    std::uint64_t done = 0;
    for (std::uint64_t step = 1; done < edits; ++step) {
        bool edited = false;
        const std::string problem = s.step(edited);
        done += edited ? 1 : 0;
        if (!problem.empty()) {
            std::string last;
            for (const std::string& r : s.recent)
                last += "\n  " + r;
            FAIL() << problem << "\nseed " << seed << ", step " << step << " (edit " << done
                   << "); repeat with CRANK_RANDOM_SEED=" << seed << " CRANK_RANDOM_STEPS=" << done
                   << ". Last steps:" << last;
        }
    }
    std::cout << "seed " << seed << ": " << done << " edits, " << s.displays << " displays, "
              << s.refused << " refused, " << s.shown << " tables shown\n";
}

} // namespace
} // namespace crank
