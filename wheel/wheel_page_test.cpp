// The wheel's and the strip's pages read back from the recording printer, in mm on the sheet.
#include "wheel/wheel_page.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <tuple>

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

// The page of engine 46/100/+3 with three crown ports, the transfers timed alike: a wheel of
// that diameter or a strip for that rim.
RecordingPagePrinter page(const char* size, WheelSheet sheet = WheelSheet::Wheel,
                          Turning turning = Turning::Clockwise)
{
    WheelInput input;
    (sheet == WheelSheet::Wheel ? input.diameter : input.rim) = size;
    input.sheet = sheet;
    input.turning = turning;
    std::array<PortRowView, kMaxPorts> ports{};
    const std::tuple<const char*, float, float> timed[] = {
        {"Exhaust", 83.1f, 83.2f}, {"Transfer A", 115.2f, 115.5f}, {"Transfer B", 115.2f, 115.5f}};
    for (std::size_t i = 0; i < 3; ++i) {
        ports[i].timed = true;
        std::tie(ports[i].name, ports[i].opens, ports[i].closes) = timed[i];
    }
    const Engine engine(46, 100, 3);
    RecordingPagePrinter printer;
    const WheelView view =
        BuildWheelView(engine.shown({"Kart", "46", "100", "3"}), ports, input, {});
    EXPECT_TRUE(PrintWheelPage(view, printer).ok);
    EXPECT_EQ(printer.endDocs, 1);
    return printer;
}

// The rim: the wider of the circles drawn (lines of many points); its centre and radius.
struct Rim {
    Mm centre;
    double radius;
};

Rim rimOf(const RecordingPagePrinter& printer)
{
    const auto width = [](const DrawnLine& l) {
        const auto [lo, hi] = std::ranges::minmax(l.points, {}, &TwipPoint::x);
        return l.points.size() > 100 ? hi.x - lo.x : 0.0f;
    };
    const DrawnLine& rim = *std::ranges::max_element(printer.lines, {}, width);
    const auto [top, bottom] = std::ranges::minmax(rim.points, {}, &TwipPoint::y);
    const auto [left, right] = std::ranges::minmax(rim.points, {}, &TwipPoint::x);
    return {mm({(left.x + right.x) / 2, (top.y + bottom.y) / 2}), width(rim) / kTwipsInMm / 2};
}

// The black straight lines drawn in from the rim, the degree ticks, as {rim end, inner end}.
std::vector<std::pair<Mm, Mm>> ticks(const RecordingPagePrinter& printer)
{
    const Rim rim = rimOf(printer);
    std::vector<std::pair<Mm, Mm>> found;
    for (const DrawnLine& l : printer.lines) {
        const Mm outer = mm(l.points.front());
        if (l.points.size() == 2 && l.pen.colour == Rgb{} &&
            std::abs(apart(outer, rim.centre) - rim.radius) < 0.01) {
            found.emplace_back(outer, mm(l.points.back()));
        }
    }
    return found;
}

// Where a text covers the page: left, top, right, bottom.
std::array<double, 4> box(const DrawnText& t)
{
    const Mm at = mm(t.at);
    return {at.x, at.y, at.x + FixedPitchWidth(t.text, t.face.size) / kTwipsInMm,
            at.y + t.face.size * kTwipsPerPoint * kFixedPitchLineSpacing / kTwipsInMm};
}

Mm textCentre(const RecordingPagePrinter& printer, const std::string& text)
{
    const auto found = std::ranges::find(printer.texts, text, &DrawnText::text);
    EXPECT_NE(found, printer.texts.end()) << text;
    const auto [left, top, right, bottom] = found == printer.texts.end() ? box({}) : box(*found);
    return {(left + right) / 2, (top + bottom) / 2};
}

// The rim end of the tick nearest a label.
Mm tickAt(const RecordingPagePrinter& printer, const std::string& label)
{
    const Mm centre = textCentre(printer, label);
    return std::ranges::min(ticks(printer), {},
                            [&](const auto& t) { return apart(t.first, centre); })
        .first;
}

// On a 180 mm wheel the chord over 60 degrees is the radius and over 90 it is 90 sqrt 2.
TEST(WheelPageTest, ChordsBetweenMarksAreTrueSize)
{
    const RecordingPagePrinter printer = page("180");
    const Mm zero = tickAt(printer, "0");
    for (const auto& [label, chord] : {std::pair{"60", 90.00}, {"90", 127.28}, {"180", 180.00}}) {
        SCOPED_TRACE(label);
        EXPECT_NEAR(apart(zero, tickAt(printer, label)), chord, 0.005);
    }
}

// The pointer stands still while the wheel turns, so the readings rise against the turning:
// 90 at three o'clock on an engine turning anticlockwise (the ticks' test has it clockwise).
TEST(WheelPageTest, ReadingsRiseAgainstTheWayTheEngineTurns)
{
    const RecordingPagePrinter printer = page("120", WheelSheet::Wheel, Turning::Anticlockwise);
    EXPECT_NEAR(tickAt(printer, "90").x - tickAt(printer, "0").x, 60.0, 0.005);
    EXPECT_NEAR(tickAt(printer, "90").y - tickAt(printer, "0").y, 60.0, 0.005);
}

// A tick every degree, every half degree from 200 mm: from the top, anticlockwise on an engine
// turning clockwise, a tenth degree's tick is longer than a fifth's, longer than a degree's.
TEST(WheelPageTest, TicksEveryDegreeLongerEveryFiveAndTenHalvesFromTwoHundred)
{
    for (const auto& [diameter, count] : {std::pair{"80", 360u}, {"199.9", 360u}, {"200", 720u}}) {
        SCOPED_TRACE(diameter);
        const RecordingPagePrinter printer = page(diameter);
        const Rim rim = rimOf(printer);
        const auto length = [&](double reading) {
            const double a = reading * std::numbers::pi / 180;
            const Mm end{rim.centre.x - rim.radius * std::sin(a),
                         rim.centre.y - rim.radius * std::cos(a)};
            const auto all = ticks(printer);
            const auto at =
                std::ranges::find_if(all, [&](auto& t) { return apart(t.first, end) < 0.01; });
            return at == all.end() ? 0.0 : apart(at->first, at->second);
        };
        EXPECT_EQ(ticks(printer).size(), count);
        EXPECT_GT(length(20), length(15));
        EXPECT_GT(length(15), length(11));
        EXPECT_GT(length(11), length(11.5));
        EXPECT_EQ(length(11.5) > 0, count == 720u);
    }
}

// Marks from the top, the way the readings rise: TDC, BDC at 180 + asin(e / (L - r)) -
// asin(e / (L + r)), each port's opening ATDC and closing BTDC; and the list names them.
TEST(WheelPageTest, EventsAreMarkedAtTheirTrueAnglesAndListed)
{
    const ReferenceEngine reference(46, 100, 3);
    const double bdc =
        180.0 + (std::asin(3 / (100 - reference.r)) - std::asin(3 / (100 + reference.r))) * 180 /
                    std::numbers::pi;
    const RecordingPagePrinter printer = page("180");
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
    const std::vector<double> expected = {0.0, bdc, 83.1, 276.8, 115.2, 244.5, 115.2, 244.5};
    ASSERT_EQ(marked.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(marked[i], expected[i], 0.001) << i;
    }
    textCentre(printer, "TDC: 0");
    textCentre(printer, "Transfer B closes: 115.5 BTDC");
}

// A degree on the rim is pi D / 360 long: 1.309 mm on a 150 mm pulley.
TEST(WheelPageTest, StripMarksTrueDegreesOfTheRim)
{
    const RecordingPagePrinter printer = page("150", WheelSheet::Strip);
    std::vector<Mm> ends;
    for (const DrawnLine& l : printer.lines) {
        ends.push_back(mm(l.points.front()));
    }
    const auto tick = [&](const char* label) {
        const Mm centre = textCentre(printer, label);
        return std::ranges::min(ends, {}, [&](Mm p) { return apart(p, centre); }).x;
    };
    EXPECT_NEAR((tick("20") - tick("10")) / 10, 1.309, 0.0005);
}

// No text covers another, on the wheel (the transfers' names stack) or on the strip, where each
// also stays inside the cut lines of its own line (boxes of five points).
TEST(WheelPageTest, NamesNeitherCoverOneAnotherNorLeaveTheirStrip)
{
    for (const auto& [printer, onStrip] :
         {std::pair{page("180"), false}, {page("150", WheelSheet::Strip), true}}) {
        for (std::size_t i = 0; i < printer.texts.size(); ++i) {
            const auto [l, t, r, b] = box(printer.texts[i]);
            for (std::size_t j = i + 1; j < printer.texts.size(); ++j) {
                const auto [l2, t2, r2, b2] = box(printer.texts[j]); // touching is fine
                EXPECT_FALSE(l < r2 - 0.01 && l2 < r - 0.01 && t < b2 - 0.01 && t2 < b - 0.01)
                    << printer.texts[i].text << " over " << printer.texts[j].text;
            }
            const bool inside = std::ranges::any_of(printer.lines, [&](const DrawnLine& cut) {
                const auto [lo, hi] = std::ranges::minmax(cut.points, {}, &TwipPoint::x);
                const auto [top, bottom] = std::ranges::minmax(cut.points, {}, &TwipPoint::y);
                return cut.points.size() == 5 && mm(lo).x <= l && r <= mm(hi).x && mm(top).y <= t &&
                       b <= mm(bottom).y;
            });
            EXPECT_TRUE(inside || !onStrip || t < 34) << printer.texts[i].text;
        }
    }
}

// The largest wheel and the longest strip stay on A4 (5 mm either side), and over the line
// that says how to print sits the calibration bar, 100 mm long.
TEST(WheelPageTest, LargestPagesStayOnTheSheetWithTheirBar)
{
    for (const RecordingPagePrinter& printer : {page("200"), page("400", WheelSheet::Strip)}) {
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
            EXPECT_LE(box(t)[2], 205.0) << t.text;
        }
        ASSERT_NE(bar, nullptr);
        EXPECT_NEAR(apart(mm(bar->points[0]), mm(bar->points[1])), 100.0, 0.05);
    }
}

} // namespace
} // namespace crank
