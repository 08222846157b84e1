// The wheel's and the strip's pages read back from the recording printer, in mm on the sheet.
#include "wheel/wheel_page.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "model/engine_test_support.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

constexpr double kTwipsInMm = 1440.0 / 25.4;

struct Mm {
    double x;
    double y;
};

Mm mm(TwipPoint p)
{
    return {p.x / kTwipsInMm, p.y / kTwipsInMm};
}

double apart(Mm a, Mm b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The page of engine 46/100/+3 with one crown port timed 83.1 ATDC to 83.2 BTDC.
RecordingPagePrinter page(WheelInput input)
{
    std::array<PortRowView, kMaxPorts> ports{};
    ports[0].timed = true;
    ports[0].name = "Exhaust";
    ports[0].opens = 83.1f;
    ports[0].closes = 83.2f;
    const Engine engine(46, 100, 3);
    RecordingPagePrinter printer;
    EXPECT_TRUE(
        PrintWheelPage(BuildWheelView(engine.shown({"Kart", "46", "100", "3"}), ports, input, {}),
                       printer)
            .ok);
    EXPECT_EQ(printer.endDocs, 1);
    return printer;
}

RecordingPagePrinter wheel(const char* diameter, Turning turning = Turning::Clockwise)
{
    WheelInput input;
    input.diameter = diameter;
    input.turning = turning;
    return page(input);
}

RecordingPagePrinter strip(const char* rim)
{
    WheelInput input;
    input.rim = rim;
    input.sheet = WheelSheet::Strip;
    return page(input);
}

// The rim: the widest line drawn, a circle; its centre and radius.
struct Rim {
    Mm centre;
    double radius;
};

Rim rimOf(const RecordingPagePrinter& printer)
{
    const auto width = [](const DrawnLine& l) {
        const auto [lo, hi] = std::ranges::minmax(l.points, {}, &TwipPoint::x);
        return hi.x - lo.x;
    };
    // Circles are drawn with many points, and the rim is the larger one.
    const DrawnLine& rim = *std::ranges::max_element(printer.lines, {}, [&](const DrawnLine& l) {
        return l.points.size() > 100 ? width(l) : 0.0f;
    });
    const auto [top, bottom] = std::ranges::minmax(rim.points, {}, &TwipPoint::y);
    const auto [left, right] = std::ranges::minmax(rim.points, {}, &TwipPoint::x);
    return {mm({(left.x + right.x) / 2, (top.y + bottom.y) / 2}), width(rim) / kTwipsInMm / 2};
}

// The ends on the rim of the black lines drawn in from it: the degree ticks.
std::vector<Mm> tickEnds(const RecordingPagePrinter& printer)
{
    const Rim rim = rimOf(printer);
    std::vector<Mm> ends;
    for (const DrawnLine& l : printer.lines) {
        for (const TwipPoint& p : l.points) {
            if (l.points.size() == 2 && l.pen.colour == Rgb{} &&
                std::abs(apart(mm(p), rim.centre) - rim.radius) < 0.01) {
                ends.push_back(mm(p));
            }
        }
    }
    return ends;
}

Mm textCentre(const RecordingPagePrinter& printer, const std::string& text)
{
    const auto found = std::ranges::find(printer.texts, text, &DrawnText::text);
    EXPECT_NE(found, printer.texts.end()) << text;
    const float high = found->face.size * kTwipsPerPoint * kFixedPitchLineSpacing;
    return mm({found->at.x + FixedPitchWidth(text, found->face.size) / 2, found->at.y + high / 2});
}

// The tick end nearest a label.
Mm tickAt(const RecordingPagePrinter& printer, const std::string& label)
{
    const Mm centre = textCentre(printer, label);
    const std::vector<Mm> ends = tickEnds(printer);
    return *std::ranges::min_element(ends, {}, [&](Mm p) { return apart(p, centre); });
}

// On a 180 mm wheel the chord over 60 degrees is the radius and over 90 it is 90 sqrt 2.
TEST(WheelPageTest, ChordsBetweenMarksAreTrueSize)
{
    const RecordingPagePrinter printer = wheel("180");
    const Mm zero = tickAt(printer, "0");
    for (const auto& [label, chord] : {std::pair{"60", 90.00}, {"90", 127.28}, {"180", 180.00}}) {
        SCOPED_TRACE(label);
        EXPECT_NEAR(apart(zero, tickAt(printer, label)), chord, 0.005);
    }
}

// The pointer stands still while the wheel turns with the engine, so the readings rise the
// other way round: 90 sits at nine o'clock on an engine turning clockwise.
TEST(WheelPageTest, ReadingsRiseAgainstTheWayTheEngineTurns)
{
    for (const auto& [turning, side] :
         {std::pair{Turning::Clockwise, -1.0}, {Turning::Anticlockwise, 1.0}}) {
        const RecordingPagePrinter printer = wheel("120", turning);
        const Mm zero = tickAt(printer, "0");
        const Mm ninety = tickAt(printer, "90");
        EXPECT_NEAR(ninety.x - zero.x, side * 60.0, 0.005);
        EXPECT_NEAR(ninety.y - zero.y, 60.0, 0.005);
    }
}

TEST(WheelPageTest, HalfDegreesFromTwoHundredMillimetres)
{
    for (const auto& [diameter, ticks] : {std::pair{"80", 360u}, {"199.9", 360u}, {"200", 720u}}) {
        SCOPED_TRACE(diameter);
        EXPECT_EQ(tickEnds(wheel(diameter)).size(), ticks);
    }
}

// Marks from the top, the way the readings rise: TDC, BDC at
// 180 + asin(e / (L - r)) - asin(e / (L + r)), the port 83.1 ATDC and 83.2 BTDC.
TEST(WheelPageTest, EventsAreMarkedAtTheirTrueAngles)
{
    const ReferenceEngine reference(46, 100, 3);
    const double bdc =
        180.0 + (std::asin(3 / (100 - reference.r)) - std::asin(3 / (100 + reference.r))) * 180 /
                    std::numbers::pi;
    const RecordingPagePrinter printer = wheel("180");
    const Rim rim = rimOf(printer);
    std::vector<double> marked;
    for (const DrawnLine& l : printer.lines) {
        if (l.pen.colour != Rgb{}) {
            const Mm outer = mm(l.points.front());
            const double degrees =
                std::atan2(rim.centre.x - outer.x, rim.centre.y - outer.y) * 180 / std::numbers::pi;
            marked.push_back(degrees < -0.001 ? degrees + 360 : degrees);
        }
    }
    ASSERT_EQ(marked.size(), 4u);
    const double expected[] = {0.0, bdc, 83.1, 360 - 83.2};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(marked[i], expected[i], 0.001) << i;
    }
}

// A degree on the rim is pi D / 360 long: 1.309 mm on a 150 mm pulley.
TEST(WheelPageTest, StripMarksTrueDegreesOfTheRim)
{
    for (const auto& [rim, perDegree] : {std::pair{"150", 1.309}, {"300", 2.618}}) {
        SCOPED_TRACE(rim);
        const RecordingPagePrinter printer = strip(rim);
        const auto tick = [&](const std::string& label) {
            const Mm centre = textCentre(printer, label);
            double best = 1e9;
            for (const DrawnLine& l : printer.lines) {
                const Mm foot = mm(l.points.front());
                if (l.points.size() == 2 && std::abs(foot.y - centre.y) < 4 &&
                    std::abs(foot.x - centre.x) < std::abs(best - centre.x)) {
                    best = foot.x;
                }
            }
            return best;
        };
        EXPECT_NEAR((tick("20") - tick("10")) / 10, perDegree, 0.0005);
    }
}

// The largest wheel and the longest strip stay on A4 (5 mm either side), and over the line
// that says how to print sits the calibration bar, 100 mm long.
TEST(WheelPageTest, LargestPagesStayOnTheSheetWithTheirBar)
{
    for (const RecordingPagePrinter& printer : {wheel("200"), strip("400")}) {
        const Mm asks =
            textCentre(printer, "print at 100% (no fit to page): the bar must measure 100 mm");
        const DrawnLine* bar = nullptr;
        for (const DrawnLine& l : printer.lines) {
            for (const TwipPoint& p : l.points) {
                EXPECT_TRUE(mm(p).x >= 5 && mm(p).x <= 205 && mm(p).y >= 0 && mm(p).y <= 290);
            }
            const double above = asks.y - mm(l.points[0]).y;
            if (l.points.size() == 2 && l.points[0].y == l.points[1].y && above > 0 &&
                (!bar || above < asks.y - mm(bar->points[0]).y)) {
                bar = &l;
            }
        }
        for (const DrawnText& t : printer.texts) {
            EXPECT_LE(mm(t.at).x + FixedPitchWidth(t.text, t.face.size) / kTwipsInMm, 205.0)
                << t.text;
        }
        ASSERT_NE(bar, nullptr);
        EXPECT_NEAR(apart(mm(bar->points[0]), mm(bar->points[1])), 100.0, 0.05);
    }
}

} // namespace
} // namespace crank
