// Seeded random edits of the data entry screen between displays and moves between screens;
// after every step the state agrees with the boxes. A failure names its seed and step.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

#include "app/navigator.h"
#include "entry/eng_vals.h"
#include "entry/validation.h"
#include "model/numeric_text.h"
#include "tables/ang_disp.h"
#include "tables/table_builder.h"
#include "tests/test_doubles.h"

#ifndef CRANK_RANDOM_DEFAULT_STEPS
#define CRANK_RANDOM_DEFAULT_STEPS 100000
#endif

namespace crank {
namespace {

const std::string kKeys = "0123456789012345678901234567890123456789..--abcXyz "; // some refused

class RandomEditTest : public ::testing::Test {
protected:
    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    char key() { return kKeys[static_cast<size_t>(pick(static_cast<int>(kKeys.size())))]; }
    static void click(QWidget* s, const char* name) { s->findChild<QPushButton*>(name)->click(); }
    std::string randomText(int maxLength)
    {
        std::string text;
        std::generate_n(std::back_inserter(text), pick(maxLength + 1), [this] { return key(); });
        return text;
    }
    // A value in the range box i expects, so that displays happen often.
    std::string plausible(int i)
    {
        const float stroke = state.geometry.Stroke > 0 ? state.geometry.Stroke : 50.0f;
        if (i == 2)
            return pick(3) == 0 ? "0"
                                : (pick(2) == 0 ? "-" : "") + std::to_string(pick(8)) + "." +
                                      std::to_string(pick(10));
        return std::to_string(i == 0   ? 10 + pick(200)
                              : i == 1 ? static_cast<int>(stroke * (1.4 + pick(17) / 10.0))
                              : i == 3 ? 1 + pick(3)
                                       : (pick(20) == 0 ? 150 + pick(60) : pick(177))) +
               (i == 0 && pick(3) == 0 ? ".5" : "");
    }
    static void type(QLineEdit* b, const std::string& text, bool selectAll = true)
    {
        if (selectAll)
            QTest::keyClick(b, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(b, QString::fromStdString(text));
    }

    void edit()
    {
        int index = pick(8); // the name (7) or a value box shown
        while (index < 7 && !box[index]->isVisibleTo(entry))
            index = pick(8);
        QLineEdit* b = box[index];
        b->setFocus(Qt::MouseFocusReason);
        b->setCursorPosition(pick(static_cast<int>(b->text().size()) + 1));
        const int kind = pick(100);
        if (kind < 3) { // every box asked for, in tab order; the count may show more
            for (int i = 0; i < 7; ++i)
                if (box[i]->isVisibleTo(entry))
                    type(box[i], plausible(i));
        } else if (kind < 40) {
            QTest::keyClick(b, key());
        } else if (kind < 65) {
            QTest::keyClick(b, kind < 55 ? Qt::Key_Backspace : Qt::Key_Delete);
        } else if (kind < 94) {
            type(b, index < 7 && pick(2) == 0 ? plausible(index) : randomText(8));
        } else { // a long string pasted over or into the text
            QGuiApplication::clipboard()->setText(QString::fromStdString(randomText(60)));
            type(b, "", pick(2) == 0);
            QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
        }
    }

    std::string display()
    {
        const bool enabled = show->isEnabled(), valid = !ValidateGeometry(state.geometry);
        const size_t before = messages.shown.size();
        show->click();
        if (!enabled || !valid) { // refused: answered once (if enabled), on the same screen
            const bool answered = messages.shown.size() == before + enabled &&
                                  (!enabled || messages.shown.back().title == kValidationTitle);
            return answered && entry->isVisible() ? "" : "a refused display not answered once";
        }
        if (messages.shown.size() != before)
            return "a message for a geometry inside the limits";
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
        std::ostringstream fault;
        if (const auto n = std::ranges::count_if(navigator.screens(), &QWidget::isVisible); n != 1)
            fault << n << " screens visible; ";
        const EngineGeometry& g = state.geometry;
        const TableSpec& r = state.tables;
        for (int i = 0; i < 7; ++i) {
            const std::string text = box[i]->text().toStdString();
            const float value =
                std::array{g.Stroke, g.RodLength, g.PinOffset, 0.0f}[std::min(i, 3)];
            if (!IsNumericText(text, i == 2 || i > 3, i < 3)) // the keystroke filter
                fault << "GeomTxt_" << i << " holds \"" << text << "\"; ";
            if (i < 3 && value != static_cast<float>(ReadNumber(text)))
                fault << "value " << value << " of GeomTxt_" << i << " \"" << text << "\"; ";
            // A request: -1, or whole as its box reads, 0..176 or raised by spacing.
            const float a = i > 3 ? r.InitAngle[i - 3] : -1.0f;
            const bool inRange =
                (a >= 0.0f && a <= kMaxTypedAngle) || a == raised[std::max(i - 3, 0)];
            if (a != -1.0f &&
                !(inRange && a == static_cast<float>(RoundHalfEven(ReadNumber(text)))))
                fault << "InitAngle(" << i - 3 << ") " << a << " for \"" << text << "\"; ";
        }
        const std::string count = box[3]->text().toStdString();
        const int typed = count == "1" || count == "2" || count == "3" ? count[0] - '0' : 0;
        if (r.NumTables != typed || (!count.empty() && typed == 0))
            fault << "NumTables " << r.NumTables << " for \"" << count << "\"; ";
        const bool complete =
            r.NumTables > 0 && std::all_of(box.begin(), box.begin() + r.NumTables + 4,
                                           [](auto* b) { return !b->text().isEmpty(); });
        if (show->isEnabled() != complete)
            fault << "display command " << (complete ? "disabled" : "enabled") << "; ";
        return fault.str();
    }

    std::mt19937_64 random;
    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, messages, printer};
    QWidget* entry = (navigator.start(), &navigator.engVals());
    QPushButton* show = entry->findChild<QPushButton*>("GeomCom_1");
    std::array<QLineEdit*, 8> box{};                         // the value boxes 0..6, then the name
    std::array<float, 4> raised{-1.0f, -1.0f, -1.0f, -1.0f}; // above 176 by the last display
};

TEST_F(RandomEditTest, StateFollowsTheBoxesThroughRandomEditsAndNavigation)
{
    auto env = [](const char* name, std::uint64_t fallback) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0' ? std::strtoull(v, nullptr, 0) : fallback;
    };
    const std::uint64_t seed = env("CRANK_RANDOM_SEED", 0x5eed2024);
    const std::uint64_t edits = env("CRANK_RANDOM_STEPS", CRANK_RANDOM_DEFAULT_STEPS);
    random.seed(seed);
    for (int i = 0; i < 8; ++i)
        box[i] =
            entry->findChild<QLineEdit*>(i < 7 ? QStringLiteral("GeomTxt_%1").arg(i) : "EngNamTxt");
    ASSERT_TRUE(std::ranges::none_of(box, [](auto* b) { return b == nullptr; }));
    std::uint64_t done = 0;
    for (std::uint64_t step = 1; done < edits; ++step) {
        const std::vector<QWidget*> all = navigator.screens();
        QWidget* screen = *std::ranges::find_if(all, &QWidget::isVisible); // one, or it failed
        std::string fault;
        if (screen == entry && pick(100) < 90) {
            edit();
            ++done;
        } else if (screen == entry && pick(4) != 0) {
            fault = display();
        } else if (screen == entry) {
            click(screen, "GeomCom_0");                  // back to the front screen
        } else if (screen->objectName() == "Ang_Disp") { // to data entry or front, or print
            const int c = pick(10);
            click(screen, c < 5 ? "AngDispCom_1" : c < 8 ? "AngDispCom_0" : "AngDispCom_2");
        } else if (screen->objectName() == "UserInfo") {
            click(screen, "Command1");
        } else { // the front screen: construct, or user information
            screen->findChild<QAction*>(pick(8) != 0 ? "Tables" : "InfoScrn")->trigger();
            raised.fill(-1.0f);
        }
        fault += invariants();
        ASSERT_EQ(fault, "") << "seed " << seed << ", step " << step << " (edit " << done
                             << "); repeat with CRANK_RANDOM_SEED=" << seed
                             << " CRANK_RANDOM_STEPS=" << done;
    }
}

} // namespace
} // namespace crank
