// The wheel's and the strip's pages read back from the recording printer, in mm on the sheet.
#include "wheel/wheel_page.h"

#include <algorithm>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numbers>
#include <tuple>

#include "model/engine_test_support.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

constexpr double kTwipsInMm = 1440.0 / 25.4;
using Mm = MmPoint; // mm on the sheet, from its top-left corner

Mm mm(TwipPoint p)
{
    return {p.x / kTwipsInMm, p.y / kTwipsInMm};
}

double apart(Mm a, Mm b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Engine 46/100/+3 with an exhaust, two transfers timed alike, a boost port, a skirt-opened
// inlet and an ignition mark 18 degrees BTDC, as typed in `input`.
WheelView busyView(WheelInput input)
{
    std::array<PortRowView, kMaxPorts> ports{};
    const std::tuple<const char*, float, float, PortKind> timed[] = {
        {"Exhaust", 83.1f, 83.2f, PortKind::CrownOpened},
        {"Transfer A", 115.2f, 115.5f, PortKind::CrownOpened},
        {"Transfer B", 115.2f, 115.5f, PortKind::CrownOpened},
        {"Boost", 112.0f, 112.3f, PortKind::CrownOpened},
        {"Inlet", 65.0f, 70.0f, PortKind::SkirtOpened}};
    for (std::size_t i = 0; i < std::size(timed); ++i) {
        ports[i].timed = true;
        std::tie(ports[i].name, ports[i].opens, ports[i].closes, ports[i].kind) = timed[i];
    }
    input.ignition = "18";
    return BuildWheelView(Engine(46, 100, 3).shown({"Kart", "46", "100", "3"}), ports, input, {});
}

RecordingPagePrinter printed(const WheelView& view)
{
    RecordingPagePrinter printer;
    EXPECT_TRUE(PrintWheelPage(view, printer).ok);
    EXPECT_EQ(printer.endDocs, 1);
    return printer;
}

// The page of a wheel of that diameter or a strip for that rim.
RecordingPagePrinter page(const char* size, WheelSheet sheet = WheelSheet::Wheel,
                          Turning turning = Turning::Clockwise,
                          WheelMarking marking = WheelMarking::FullTurn)
{
    WheelInput input;
    (sheet == WheelSheet::Wheel ? input.diameter : input.rim) = size;
    input.sheet = sheet;
    input.turning = turning;
    input.marking = marking;
    return printed(busyView(input));
}

// The circles drawn (lines of many points), widest first: the rim, then the hole.
struct Circle {
    Mm centre;
    double radius;
};

std::vector<Circle> circles(const RecordingPagePrinter& printer)
{
    std::vector<Circle> found;
    for (const DrawnLine& l : printer.lines) {
        if (l.points.size() > 100) {
            const auto [top, bottom] = std::ranges::minmax(l.points, {}, &TwipPoint::y);
            const auto [left, right] = std::ranges::minmax(l.points, {}, &TwipPoint::x);
            found.push_back({mm({(left.x + right.x) / 2, (top.y + bottom.y) / 2}),
                             (right.x - left.x) / kTwipsInMm / 2});
        }
    }
    std::ranges::sort(found, std::greater{}, &Circle::radius);
    return found;
}

// The straight lines drawn in from the rim in a colour (the ticks in black, the marks in red)
// as {rim end, inner end}.
std::vector<std::pair<Mm, Mm>> fromRim(const RecordingPagePrinter& printer, bool black = true)
{
    const Circle rim = circles(printer).front();
    std::vector<std::pair<Mm, Mm>> found;
    for (const DrawnLine& l : printer.lines) {
        const Mm outer = mm(l.points.front());
        if (l.points.size() == 2 && (l.pen.colour == Rgb{}) == black &&
            std::abs(apart(outer, rim.centre) - rim.radius) < 0.01) {
            found.emplace_back(outer, mm(l.points.back()));
        }
    }
    return found;
}

// Where a text covers the page: left, top, right, bottom.
using Box = std::array<double, 4>;
Box box(const DrawnText& t)
{
    const Mm at = mm(t.at);
    return {at.x, at.y, at.x + FixedPitchWidth(t.text, t.face.size) / kTwipsInMm,
            at.y + LineHeight(t.face.size) / kTwipsInMm};
}

double distanceToBox(Mm p, const Box& b)
{
    return apart(p, {std::clamp(p.x, b[0], b[2]), std::clamp(p.y, b[1], b[3])});
}

bool overlap(const Box& a, const Box& b) // touching is fine
{
    return a[0] < b[2] - 0.01 && b[0] < a[2] - 0.01 && a[1] < b[3] - 0.01 && b[1] < a[3] - 0.01;
}

void expectTextsApart(const std::vector<DrawnText>& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(overlap(box(texts[i]), box(texts[j])))
                << texts[i].text << " over " << texts[j].text;
        }
    }
}

Mm centreOf(const Box& b)
{
    return {(b[0] + b[2]) / 2, (b[1] + b[3]) / 2};
}

Mm textCentre(const RecordingPagePrinter& printer, const std::string& text)
{
    const auto found = std::ranges::find(printer.texts, text, &DrawnText::text);
    EXPECT_NE(found, printer.texts.end()) << text;
    return centreOf(found == printer.texts.end() ? box({}) : box(*found));
}

// The rim end of the tick nearest a point, or nearest a text.
Mm tickNear(const RecordingPagePrinter& printer, Mm p)
{
    return std::ranges::min(fromRim(printer), {}, [&](const auto& t) { return apart(t.first, p); })
        .first;
}
Mm tickAt(const RecordingPagePrinter& printer, const std::string& label)
{
    return tickNear(printer, textCentre(printer, label));
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
// 90 at three o'clock on an engine turning anticlockwise. Marked 0-180-0, the numbers fall
// back to 0 past 180: 100 degrees on from 90 stands 170, and ATDC is written on 90's side.
TEST(WheelPageTest, ReadingsRiseAgainstTheWayTheEngineTurns)
{
    const RecordingPagePrinter printer = page("120", WheelSheet::Wheel, Turning::Anticlockwise);
    EXPECT_NEAR(tickAt(printer, "90").x - tickAt(printer, "0").x, 60.0, 0.005);
    EXPECT_NEAR(tickAt(printer, "90").y - tickAt(printer, "0").y, 60.0, 0.005);
    const RecordingPagePrinter both =
        page("120", WheelSheet::Wheel, Turning::Anticlockwise, WheelMarking::BothWays);
    // Chords from 90 to the two 170s, 80 and 100 degrees away: 120 sin 40 and 120 sin 50.
    std::vector<double> chords;
    for (const DrawnText& t : both.texts) {
        if (t.text == "170") {
            chords.push_back(apart(tickAt(both, "90"), tickNear(both, centreOf(box(t)))));
        }
    }
    EXPECT_THAT(chords, testing::ElementsAre(testing::DoubleNear(77.135, 0.005),
                                             testing::DoubleNear(91.925, 0.005)));
    EXPECT_LT(apart(textCentre(both, "ATDC"), tickAt(both, "90")),
              apart(textCentre(both, "BTDC"), tickAt(both, "90")));
}

// A tick every degree, every half degree from 190 mm: from the top, anticlockwise on an engine
// turning clockwise, a tenth degree's tick is longer than a fifth's, longer than a degree's.
TEST(WheelPageTest, TicksEveryDegreeLongerEveryFiveAndTenHalvesFrom190)
{
    for (const auto& [diameter, count] : {std::pair{"80", 360u}, {"189.9", 360u}, {"190", 720u}}) {
        SCOPED_TRACE(diameter);
        const RecordingPagePrinter printer = page(diameter);
        const Circle rim = circles(printer).front();
        const auto all = fromRim(printer);
        const auto length = [&](double reading) {
            const double a = reading * std::numbers::pi / 180;
            const Mm end{rim.centre.x - rim.radius * std::sin(a),
                         rim.centre.y - rim.radius * std::cos(a)};
            const auto at =
                std::ranges::find_if(all, [&](auto& t) { return apart(t.first, end) < 0.01; });
            return at == all.end() ? 0.0 : apart(at->first, at->second);
        };
        EXPECT_EQ(all.size(), count);
        EXPECT_GT(length(20), length(15));
        EXPECT_GT(length(15), length(11));
        EXPECT_GT(length(11), length(11.5));
        EXPECT_EQ(length(11.5) > 0, count == 720u);
    }
}

// Marks from the top, the way the readings rise: TDC, BDC at 180 + asin(e / (L - r)) -
// asin(e / (L + r)), each crown port's opening ATDC and closing BTDC, the inlet's opening BTDC
// and closing ATDC, the ignition BTDC; and the list names them.
TEST(WheelPageTest, EventsAreMarkedAtTheirTrueAnglesAndListed)
{
    const ReferenceEngine reference(46, 100, 3);
    const double bdc =
        180.0 + (std::asin(3 / (100 - reference.r)) - std::asin(3 / (100 + reference.r))) * 180 /
                    std::numbers::pi;
    const RecordingPagePrinter printer = page("180");
    const Circle rim = circles(printer).front();
    std::vector<double> marked;
    for (const auto& [outer, inner] : fromRim(printer, false)) {
        const double degrees =
            std::atan2(rim.centre.x - outer.x, rim.centre.y - outer.y) * 180 / std::numbers::pi;
        marked.push_back(degrees < -0.001 ? degrees + 360 : degrees);
    }
    const std::vector<double> expected = {0.0,   bdc,   83.1,  276.8, 115.2, 244.5, 115.2,
                                          244.5, 112.0, 247.7, 295.0, 70.0,  342.0};
    ASSERT_EQ(marked.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(marked[i], expected[i], 0.001) << i;
    }
    textCentre(printer, "Transfer B closes: 115.5 BTDC");
}

// A degree on the rim is pi D / 360 long: 1.309 mm on a 150 mm pulley, in its first line.
TEST(WheelPageTest, StripMarksTrueDegreesOfTheRim)
{
    const RecordingPagePrinter printer = page("150", WheelSheet::Strip);
    const auto tick = [&](const char* label) {
        const Mm centre = textCentre(printer, label);
        const auto near = [&](const DrawnLine& l) { return apart(mm(l.points.front()), centre); };
        return mm(std::ranges::min(printer.lines, {}, near).points.front()).x;
    };
    EXPECT_NEAR((tick("20") - tick("10")) / 10, 1.309, 0.0005);
    const auto inTens = [&](const DrawnLine& l) {
        const Mm at = mm(l.points.front());
        return at.x > tick("10") + 0.01 && at.x < tick("20") - 0.01 && at.y > 34 && at.y < 60;
    };
    EXPECT_EQ(std::ranges::count_if(printer.lines, inTens), 9); // no half degrees under 190 mm
}

// Everything drawn (lines with half their width round their points, texts with their line's
// box) keeps 6 mm from the sheet's edges, as the view says, where many printers cannot print;
// and over the line that says how to print sits the calibration bar, 100 mm long.
void expectOnSheet(const RecordingPagePrinter& printer, double viewMargin)
{
    double least = 1000;
    const auto reach = [&](double x, double y) {
        least = std::min({least, x, y, 210 - x, 297 - y});
    };
    for (const DrawnLine& l : printer.lines) {
        for (const TwipPoint& p : l.points) {
            const double half = l.pen.width / kTwipsInMm / 2;
            reach(mm(p).x - half, mm(p).y - half);
            reach(mm(p).x + half, mm(p).y + half);
        }
    }
    for (const DrawnText& t : printer.texts) {
        reach(box(t)[0], box(t)[1]);
        reach(box(t)[2], box(t)[3]);
    }
    EXPECT_GE(least, 6.0);
    EXPECT_NEAR(viewMargin, least, 0.001);
    const Mm asks =
        textCentre(printer, "print at 100% (no fit to page): the bar must measure 100 mm");
    const auto bar = std::ranges::find_if(printer.lines, [&](const DrawnLine& l) {
        return l.points.size() == 2 && l.points[0].y == l.points[1].y &&
               std::abs(asks.y - mm(l.points[0]).y - 2.9) < 1;
    });
    ASSERT_NE(bar, printer.lines.end());
    EXPECT_NEAR(apart(mm(bar->points[0]), mm(bar->points[1])), 100.0, 0.05);
    EXPECT_NEAR(textCentre(printer, "100 mm").y, mm(bar->points[0]).y, 0.5); // named beside it
}

// No text covers another, the hole or the centre cross (the two lines through the centre);
// each event's name and angle stand within 0.6 mm of the end of its mark or have a leader
// from there to them. Every event is named where `allNamed`.
void expectTextsClear(const RecordingPagePrinter& printer, const WheelView& view, bool allNamed)
{
    const Circle rim = circles(printer).front();
    const Circle hole = circles(printer).back();
    std::vector<Box> cross;
    for (const DrawnLine& l : printer.lines) {
        const Mm a = mm(l.points.front());
        const Mm b = mm(l.points.back());
        if (l.points.size() == 2 && apart({(a.x + b.x) / 2, (a.y + b.y) / 2}, rim.centre) < 0.01) {
            cross.push_back(
                {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
        }
    }
    ASSERT_EQ(cross.size(), 2u);
    EXPECT_GT(cross[0][2] - cross[0][0], 2 * hole.radius); // the cross shows round the hole
    const auto& texts = printer.texts;
    expectTextsApart(texts);
    for (const DrawnText& text : texts) {
        EXPECT_GE(distanceToBox(hole.centre, box(text)), hole.radius) << text.text;
        for (const Box& arm : cross) {
            EXPECT_FALSE(overlap(box(text), arm)) << text.text << " over the cross";
        }
    }
    // The marks' lines, in the order of the marks (as the marks' own test finds them).
    const auto lines = fromRim(printer, false);
    ASSERT_EQ(lines.size(), view.marks.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const WheelMark& mark = view.marks[i];
        const auto name = std::ranges::find(texts, mark.name, &DrawnText::text);
        EXPECT_TRUE(name != texts.end() || !allNamed) << mark.name;
        if (name == texts.end()) {
            continue;
        }
        // Names of events at one reading share their angle, under them: the label is the
        // angle and the lines stacked on it, centred alike.
        const auto angle = std::ranges::find(name, texts.end(), mark.angle, &DrawnText::text);
        ASSERT_NE(angle, texts.end()) << mark.name;
        Box label = box(*angle);
        for (auto line = angle; line != texts.begin() &&
                                std::abs(centreOf(box(line[-1])).x - centreOf(label).x) < 0.01 &&
                                std::abs(box(line[-1])[3] - label[1]) < 0.01;
             --line) {
            label = {std::min(label[0], box(line[-1])[0]), box(line[-1])[1],
                     std::max(label[2], box(line[-1])[2]), label[3]};
        }
        const Mm end = lines[i].second;
        const bool led = std::ranges::any_of(printer.lines, [&](const DrawnLine& l) {
            return l.points.size() == 2 && apart(mm(l.points.front()), end) < 0.01 &&
                   distanceToBox(mm(l.points.back()), label) < 0.01;
        });
        EXPECT_TRUE(led || distanceToBox(end, label) <= 0.6) << mark.name;
    }
}

// From the shortest strip to the longest: no name covers another, each stays inside the cut
// lines of its own line (boxes of five points), and the page keeps 6 mm from the sheet's edges.
TEST(WheelPageTest, EveryStripKeepsItsNamesInsideItsLinesAndOnTheSheet)
{
    for (int rim = 40; rim <= 400; rim += 40) {
        SCOPED_TRACE(rim);
        WheelInput input;
        input.sheet = WheelSheet::Strip;
        input.rim = std::to_string(rim);
        const WheelView view = busyView(input);
        const RecordingPagePrinter printer = printed(view);
        expectOnSheet(printer, view.sheetMargin);
        expectTextsApart(printer.texts);
        for (const DrawnText& text : printer.texts) {
            const auto [l, t, r, b] = box(text);
            const bool inside = std::ranges::any_of(printer.lines, [&](const DrawnLine& cut) {
                const auto [lo, hi] = std::ranges::minmax(cut.points, {}, &TwipPoint::x);
                const auto [top, bottom] = std::ranges::minmax(cut.points, {}, &TwipPoint::y);
                return cut.points.size() == 5 && mm(lo).x <= l && r <= mm(hi).x && mm(top).y <= t &&
                       b <= mm(bottom).y;
            });
            EXPECT_TRUE(inside || t < 34) << text.text;
        }
    }
}

// From the least wheel to the largest, either marking and turning, with a small hole and the
// largest: no text covers another, the hole or the centre cross; every event is named by its
// mark, and a name that had to move from the end of its mark is joined to it by a leader;
// and the page keeps 6 mm clear of the sheet's edges.
TEST(WheelPageTest, EveryWheelSizeKeepsItsTextsClearAndOnTheSheet)
{
    for (int diameter = 80; diameter <= 197; diameter += 3) {
        for (int variant = 0; variant < 8; ++variant) {
            WheelInput input;
            input.diameter = std::to_string(diameter);
            input.hole = std::to_string(variant % 2 == 0 ? 10 : diameter / 2);
            input.marking = variant / 2 % 2 == 0 ? WheelMarking::BothWays : WheelMarking::FullTurn;
            input.turning = variant / 4 == 0 ? Turning::Clockwise : Turning::Anticlockwise;
            SCOPED_TRACE(testing::Message() << diameter << " mm, variant " << variant);
            const WheelView view = busyView(input);
            const RecordingPagePrinter printer = printed(view);
            expectOnSheet(printer, view.sheetMargin);
            expectTextsClear(printer, view, variant % 2 == 0);
        }
    }
}

} // namespace
} // namespace crank
