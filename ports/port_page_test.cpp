// The port timing page and its diagram, read back from what reached the recording printer.
#include "ports/port_page.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "model/engine_test_support.h"
#include "ports/baseline.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// A4 is 11906 x 16838 twips; nothing may come closer than 1000 twips to the sides.
constexpr float kPageRight = 11906 - 1000;

// The longest texts: eight 25-character names, five ports timed (one by the skirt), three messages;
// with shapes, every port's windows (one bridged, one a boost, bad ones) and the way back;
// compared, compression and a baseline with another engine and 1 mm more deck.
PortSheetView fullSheet(bool shaped = false, bool compared = false)
{
    const Engine engine(54.5f, 110, -1);
    PortSheetInput input;
    input.deck = {"0.6"};
    input.pistonLength = {"70"};
    for (int i = 0; i < kMaxPorts; ++i) {
        PortRowInput& row = input.rows[static_cast<std::size_t>(i)];
        row.name = std::string(24, 'W') + std::to_string(i + 1);
        row.height = {std::to_string(10 + 4 * i)};
    }
    input.rows[4].role = PortRole::Inlet;
    input.rows[4].height = {"100"};
    input.rows[5].height = {"80"};
    input.rows[6].height = {"-"};
    input.rows[7].height = {"-5"};
    if (shaped) {
        input.bore = {"54.5"};
        input.rpm = "12500";
        input.staTarget = "0.00015";
        for (PortRowInput& row : input.rows) {
            row.role = &row == &input.rows[4] ? PortRole::Inlet : PortRole::Transfer;
            row.shape = {"2", {"18"}, WidthMeasure::Arc, {"12"}, {"3"}, {"3"}, {}};
        }
        input.rows[0].role = PortRole::Exhaust;
        input.rows[2].role = PortRole::Boost;
        input.rows[2].shape.bridge = {"3"};
        input.rows[3].shape.bottomRadius = {"9.5"};
    }
    const EntryTexts texts = {std::string(25, 'W'), "54.5", "110", "-1"};
    if (!compared) {
        return BuildPortSheetView(engine.shown(texts), input, {});
    }
    input.clearanceVolume = "10";
    input.squish = {"1.2"};
    input.squishBand = {"40"};
    Baseline before{
        {"Before", "54.5", "110", "1"}, input, {std::string(25, 'W') + ".crank", "2026-12-01"}};
    before.input.deck = {"1.6"};
    return BuildPortSheetView(engine.shown(texts), input, {}, &before);
}

// Degrees clockwise from the top at which point lies seen from centre.
double clockAngle(TwipPoint centre, TwipPoint point)
{
    const double degrees = std::atan2(double{point.x - centre.x}, double{centre.y - point.y}) *
                           180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

// Every text stands on the sheet, clear of the texts beside it, and the note is there whole; with
// eight shaped rows the diagram and the plot still find room, and the plot when compared.
void expectAllOnTheSheet(const PortSheetView& view)
{
    ASSERT_EQ(view.timeArea.plot.curves.size(), 3u);
    RecordingPagePrinter printer;
    EXPECT_TRUE(PrintPortSheetPage(view, printer).ok);
    EXPECT_EQ(printer.endDocs, 1);
    const auto right = [](const DrawnText& t) {
        return t.at.x + FixedPitchWidth(t.text, t.face.size);
    };
    for (const DrawnText& t : printer.texts) {
        SCOPED_TRACE(t.text);
        EXPECT_GE(t.at.x, 1000);
        EXPECT_LE(right(t), kPageRight);
        EXPECT_LE(t.at.y + t.face.size * 20 * 1.2f, 16838 - 600);
        EXPECT_EQ(t.face.family, "Courier");
        for (const DrawnText& other : printer.texts) {
            const bool level = std::fabs(other.at.y - t.at.y) < t.face.size * 20;
            EXPECT_TRUE(&other == &t || !level || right(other) < t.at.x || other.at.x > right(t))
                << "over " << other.text;
        }
    }
    // The note's lines follow each other and make up the note.
    auto line = std::ranges::find_if(printer.texts, [&](const DrawnText& t) {
        return t.text.size() > 10 && view.note.starts_with(t.text);
    });
    std::string note;
    for (; line != printer.texts.end() && view.note.starts_with(note + line->text); ++line) {
        note += line->text + " ";
    }
    EXPECT_EQ(note, view.note + " ");
    for (const DrawnLine& line : printer.lines) {
        for (const TwipPoint& p : line.points) {
            EXPECT_TRUE(p.x >= 1000 && p.x <= kPageRight && p.y <= 16838 - 600)
                << p.x << ", " << p.y;
        }
    }
    const std::size_t engine = view.compare.on ? 3 : 1; // after where the baseline came from
    EXPECT_EQ(printer.texts.front().text,
              view.compare.on ? "Port Timing: Before and After" : "Port Timing");
    EXPECT_EQ(printer.texts[engine].text, "Engine: WWWWWWWWWWWWWWWWWWWWWWWWW");
    // The way back's goal, a bridged port counted as typed as in the copy, the diagram and the
    // plot in the room left below.
    const auto printed = [&](const std::string& start) {
        return std::ranges::any_of(printer.texts,
                                   [&](const DrawnText& t) { return t.text.starts_with(start); });
    };
    EXPECT_TRUE(printed("Way back: " + view.rows[0].name +
                        " (Exhaust), goal 0.0001500 s·cm²/cm³ at 12500 rpm."));
    EXPECT_TRUE(printed(view.rows[2].name + "  2  "));
    EXPECT_TRUE(std::ranges::any_of(PortSheetRecords(view), [&](const Record& r) {
        return r.size() > 8 && r[0] == view.rows[2].name && r[1] == "2" && r[8] == "3.00";
    }));
    // Compared, the plot holds both states; the diagram may give way to the figures before.
    EXPECT_TRUE(printed("TDC") || view.compare.on);
    EXPECT_EQ(std::ranges::count_if(printer.lines,
                                    [](const DrawnLine& l) { return l.points.size() == 721; }),
              view.compare.on ? 6 : 3);
}

TEST(PortPageTest, EveryTextStaysOnTheSheetAndTheNoteIsWhole)
{
    for (const bool compared : {false, true}) {
        SCOPED_TRACE(compared);
        expectAllOnTheSheet(fullSheet(true, compared));
    }
}

// Each role is drawn in one colour and dash pattern (in widths of the pen) on the diagram as on
// the plot.
TEST(PortPageTest, EachRoleLooksTheSameInBothPictures)
{
    const PortSheetView view = fullSheet(true);
    RecordingPagePrinter printer;
    PrintPortSheetPage(view, printer);
    std::vector<std::pair<Rgb, std::vector<float>>> arcs; // then the curves
    for (const DrawnLine& line : printer.lines) {
        if (line.pen.colour != Rgb{} && line.points.size() > 2) {
            arcs.push_back({line.pen.colour, {}});
            for (const float dash : line.pen.dashes) {
                arcs.back().second.push_back(std::round(dash / line.pen.width * 100) / 100);
            }
        }
    }
    const std::size_t curves = view.diagram.arcs.size();
    ASSERT_EQ(arcs.size(), curves + view.timeArea.plot.curves.size());
    for (std::size_t a = 0; a < curves; ++a) {
        for (std::size_t c = 0; c < view.timeArea.plot.curves.size(); ++c) {
            if (view.diagram.arcs[a].role == view.timeArea.plot.curves[c].role) {
                EXPECT_EQ(arcs[a], arcs[curves + c]) << view.diagram.arcs[a].legend;
            }
        }
    }
}

// Each port's arc lies round the crank centre from its opening through its duration; the lines and
// the texts below the centre stay in the diagram, 100 units wide with the circle 32 in radius.
TEST(PortPageTest, TheDiagramDrawsEachPortFromItsOpeningThroughItsDuration)
{
    const PortSheetView view = fullSheet();
    RecordingPagePrinter printer;
    PrintPortSheetPage(view, printer);
    // The TDC line runs straight up from the crank centre.
    const auto tdc = std::ranges::find_if(printer.lines, [](const DrawnLine& line) {
        return line.points.size() == 2 && line.points[0].x == line.points[1].x &&
               line.points[1].y < line.points[0].y;
    });
    ASSERT_NE(tdc, printer.lines.end());
    const TwipPoint centre = tdc->points[0];
    const auto radius = [&](TwipPoint p) { return std::hypot(p.x - centre.x, p.y - centre.y); };
    const float halfWidth = radius(printer.lines.front().points.front()) * 50 / 32;
    for (const DrawnText& t : printer.texts) {
        if (t.at.y > centre.y) {
            EXPECT_LE(t.at.x + FixedPitchWidth(t.text, t.face.size), centre.x + halfWidth)
                << t.text;
        }
    }
    std::size_t arc = 0;
    for (const DrawnLine& line : printer.lines) {
        for (const TwipPoint& p : line.points) {
            EXPECT_LE(std::fabs(p.x - centre.x), halfWidth);
        }
        if (line.points.size() < 3 || line.pen.colour == Rgb{} || arc >= view.diagram.arcs.size()) {
            continue; // the black circle and rotation arrow
        }
        const DiagramArc& port = view.diagram.arcs[arc++];
        SCOPED_TRACE(port.legend);
        for (const TwipPoint& p : line.points) {
            EXPECT_NEAR(radius(p), radius(line.points.front()), 1);
        }
        EXPECT_NEAR(clockAngle(centre, line.points.front()), port.from, 0.05);
        EXPECT_NEAR(std::fmod(clockAngle(centre, line.points.back()) + 360 - port.from, 360),
                    port.sweep, 0.05);
    }
    EXPECT_EQ(arc, 5u);
    // The number at each arc's start is the one its legend begins with.
    std::string numbers;
    std::string legends;
    for (const DrawnText& t : printer.texts) {
        numbers += t.text.size() == 1 && std::isdigit(t.text[0]) != 0 ? t.text : "";
    }
    for (const DiagramArc& port : view.diagram.arcs) {
        legends += port.legend.front();
    }
    EXPECT_EQ(numbers, legends);
}

// The plot's curves, in the order drawn: those with a point every half degree.
std::vector<const DrawnLine*> curvesOf(const RecordingPagePrinter& printer)
{
    std::vector<const DrawnLine*> curves;
    for (const DrawnLine& line : printer.lines) {
        if (line.points.size() == 721) {
            curves.push_back(&line);
        }
    }
    return curves;
}

// The plot's curves run from TDC to TDC across the same axis, each role's height above its baseline
// in proportion to its open area, and the exhaust opening's mark stands where the exhaust rises.
TEST(PortPageTest, ThePlotDrawsEachRolesAreaToOneScale)
{
    const PortSheetView view = fullSheet(true);
    RecordingPagePrinter printer;
    PrintPortSheetPage(view, printer);
    const std::vector<const DrawnLine*> curves = curvesOf(printer);
    ASSERT_EQ(curves.size(), view.timeArea.plot.curves.size());
    const float left = curves[0]->points.front().x;
    const float right = curves[0]->points.back().x;
    const float baseline = curves[0]->points.front().y; // the exhaust is shut at TDC
    // Heights over areas at every half degree, for every role: one scale.
    const float scale = (baseline - curves[0]->points[360].y) /
                        static_cast<float>(view.timeArea.plot.curves[0].area[360]);
    for (std::size_t c = 0; c < curves.size(); ++c) {
        const std::vector<double>& area = view.timeArea.plot.curves[c].area;
        for (std::size_t k = 0; k < 721; k += 20) {
            const TwipPoint p = curves[c]->points[k];
            EXPECT_NEAR(p.x, left + (right - left) * static_cast<float>(k) / 720, 0.5f);
            EXPECT_NEAR(baseline - p.y, scale * static_cast<float>(area[k]), 0.5f);
        }
    }
    // Under the axis the angles every 30 degrees from TDC to TDC, each over its own degree.
    for (int degrees = 0; degrees <= 360; degrees += 30) {
        const float x = left + (right - left) * static_cast<float>(degrees) / 360;
        EXPECT_TRUE(std::ranges::any_of(printer.texts, [&](const DrawnText& t) {
            const float width = FixedPitchWidth(t.text, t.face.size);
            return t.text == std::to_string(degrees) && t.at.x - 0.5f <= x &&
                   x <= t.at.x + width + 0.5f;
        })) << degrees;
    }
    // The crank angle's caption ends where the axis does.
    const auto across = std::ranges::find(printer.texts, std::string("deg ATDC"), &DrawnText::text);
    ASSERT_NE(across, printer.texts.end());
    EXPECT_NEAR(across->at.x + FixedPitchWidth(across->text, across->face.size), right, 0.5f);
    // The exhaust opening's upright line, drawn dashed in black.
    const float opens = view.rows[0].opens;
    const float at = left + (right - left) * opens / 360;
    EXPECT_TRUE(std::ranges::any_of(printer.lines, [&](const DrawnLine& line) {
        return line.points.size() == 2 && !line.pen.dashes.empty() &&
               std::fabs(line.points[0].x - at) < 0.5f && line.points[0].x == line.points[1].x;
    })) << opens;
}

// Compared, the baseline's curves go first, under the present's, thinner and grey, to the same
// scale; its exhaust opening, earlier with 1 mm more deck, has a grey upright line of its own.
TEST(PortPageTest, ThePlotDrawsTheBaselineThinAndGreyUnderThePresent)
{
    const PortSheetView view = fullSheet(true, true);
    RecordingPagePrinter printer;
    PrintPortSheetPage(view, printer);
    const std::vector<const DrawnLine*> curves = curvesOf(printer);
    const AreaPlotView& plot = view.timeArea.plot;
    ASSERT_EQ(curves.size(), 6u);
    const float baseline = curves[3]->points.front().y;
    const float scale =
        (baseline - curves[3]->points[360].y) / static_cast<float>(plot.curves[0].area[360]);
    for (std::size_t c = 0; c < 3; ++c) {
        const Pen& pen = curves[c]->pen;
        EXPECT_TRUE(pen.colour.r == pen.colour.g && pen.colour.g == pen.colour.b &&
                    pen.colour.r > 100);
        EXPECT_LT(pen.width, curves[3 + c]->pen.width);
        EXPECT_NEAR(baseline - curves[c]->points[400].y,
                    scale * static_cast<float>(plot.beforeCurves[c].area[400]), 0.5f);
    }
    const float left = curves[0]->points.front().x;
    const float right = curves[0]->points.back().x;
    ASSERT_EQ(plot.beforeMarks.size(), plot.marks.size() - 1); // BDC once, the engine's
    EXPECT_LT(plot.beforeMarks[0].angle, plot.marks[0].angle);
    const float at = left + (right - left) * plot.beforeMarks[0].angle / 360;
    EXPECT_TRUE(std::ranges::any_of(printer.lines, [&](const DrawnLine& line) {
        return line.points.size() == 2 && line.pen.colour == curves[0]->pen.colour &&
               std::fabs(line.points[0].x - at) < 0.5f && line.points[0].x == line.points[1].x;
    }));
}

} // namespace
} // namespace crank
