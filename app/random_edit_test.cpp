// Seeded random edits of the data entry screen, with displays and returns between them; after
// every step the state agrees with the boxes. A failure names its seed and step.

#include <QClipboard>
#include <cstdlib>
#include <random>
#include <sstream>

#include "entry/validation.h"
#include "model/numeric_text.h"
#include "tests/screens_fixture.h"

#ifndef CRANK_RANDOM_DEFAULT_STEPS
#define CRANK_RANDOM_DEFAULT_STEPS 100000
#endif

namespace crank {
namespace {

const std::string kKeys = "0123456789012345678901234567890123456789..--abcXyz "; // some refused

// Values the boxes expect, so that displays happen often.
const std::array<std::vector<std::string>, 7> kPlausible{{
    {"46", "60", "100", "12.5"},
    {"100", "150", "200", "90"},
    {"0", "-0.5", "3.2", "-7.1"},
    {"1", "2", "3"},
    {"0", "77", "150", "176"},
    {"10", "90", "175", "176"},
    {"4", "120", "174", "33"},
}};

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 0) : fallback;
}

class RandomEditTest : public ScreensTest {
protected:
    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    std::string randomText(int maxLength)
    {
        std::string text;
        const int length = pick(maxLength + 1);
        for (int i = 0; i < length; ++i) {
            text += kKeys[static_cast<std::size_t>(pick(static_cast<int>(kKeys.size())))];
        }
        return text;
    }
    static void typeOver(QLineEdit* target, const std::string& text)
    {
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(target, QString::fromStdString(text));
    }

    // One edit of the name (7) or of a value box on show, at a random cursor position.
    void edit()
    {
        int index = pick(8);
        while (index < 7 && !boxes[index]->isVisibleTo(&entry())) {
            index = pick(8);
        }
        QLineEdit* target = boxes[index];
        target->setFocus(Qt::MouseFocusReason);
        target->setCursorPosition(pick(static_cast<int>(target->text().size()) + 1));
        const int kind = pick(100);
        if (kind < 40) {
            QTest::keyClicks(target, QString::fromStdString(randomText(1)));
        } else if (kind < 65) {
            QTest::keyClick(target, kind < 55 ? Qt::Key_Backspace : Qt::Key_Delete);
        } else if (kind < 94 && index < 7 && pick(2) == 0) {
            const auto& values = kPlausible[static_cast<std::size_t>(index)];
            typeOver(target,
                     values[static_cast<std::size_t>(pick(static_cast<int>(values.size())))]);
        } else if (kind < 94) {
            typeOver(target, randomText(8));
        } else { // a long string pasted into the text
            QGuiApplication::clipboard()->setText(QString::fromStdString(randomText(60)));
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        }
    }

    // The display command, then back: a geometry inside the limits reaches the tables screen,
    // any other stays on the data entry screen.
    std::string displayAndReturn()
    {
        const bool accepted = command(1)->isEnabled() && !ValidateGeometry(state.geometry);
        command(1)->click();
        if (!accepted) {
            return entry().isVisible() ? "" : "a refused display left the screen; ";
        }
        if (!tables()->isVisible()) {
            return "the tables screen is not shown; ";
        }
        returnToEntry();
        return "";
    }

    std::string invariants() const
    {
        std::ostringstream fault;
        const auto visible = std::ranges::count_if(navigator.screens(), &QWidget::isVisible);
        if (visible != 1 || !entry().isVisible()) {
            fault << visible << " screens visible; ";
        }
        const EngineGeometry& g = state.geometry;
        const std::array<float, 3> values{g.Stroke, g.RodLength, g.PinOffset};
        for (int i = 0; i < 3; ++i) {
            const std::string text = boxes[i]->text().toStdString();
            if (values[i] != static_cast<float>(ReadNumber(text))) {
                fault << "value " << values[i] << " of GeomTxt_" << i << " \"" << text << "\"; ";
            }
        }
        // A request is -1, or whole as its box reads.
        for (int t = 1; t <= 3; ++t) {
            const std::string text = boxes[3 + t]->text().toStdString();
            const float angle = state.tables.InitAngle[t];
            if (angle != -1.0f && angle != static_cast<float>(RoundHalfEven(ReadNumber(text)))) {
                fault << "InitAngle(" << t << ") " << angle << " for \"" << text << "\"; ";
            }
        }
        const int n = state.tables.NumTables;
        bool complete = n > 0;
        for (int i = 0; complete && i <= n + 3; ++i) {
            complete = !boxes[i]->text().isEmpty();
        }
        if (command(1)->isEnabled() != complete) {
            fault << "display command " << (complete ? "disabled" : "enabled") << "; ";
        }
        return fault.str();
    }

    std::mt19937_64 random;
    std::array<QLineEdit*, 8> boxes{}; // GeomTxt_0..6, then the name
};

TEST_F(RandomEditTest, StateFollowsTheBoxesThroughRandomEditsAndDisplays)
{
    const std::uint64_t seed = fromEnvironment("CRANK_RANDOM_SEED", 0x5eed2024);
    const std::uint64_t wanted = fromEnvironment("CRANK_RANDOM_STEPS", CRANK_RANDOM_DEFAULT_STEPS);
    random.seed(seed);
    for (int i = 0; i < 7; ++i) {
        boxes[i] = box(i);
    }
    boxes[7] = child<QLineEdit>(entry(), "EngNamTxt");
    std::uint64_t edits = 0;
    for (std::uint64_t n = 1; edits < wanted; ++n) {
        std::string fault;
        if (pick(100) < 93) {
            edit();
            ++edits;
        } else {
            fault = displayAndReturn();
        }
        fault += invariants();
        ASSERT_EQ(fault, "") << "seed " << seed << ", step " << n << " (edit " << edits
                             << "); repeat with CRANK_RANDOM_SEED=" << seed
                             << " CRANK_RANDOM_STEPS=" << edits;
    }
}

} // namespace
} // namespace crank
