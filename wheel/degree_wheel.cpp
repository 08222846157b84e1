#include "wheel/degree_wheel.h"

#include <numbers>
#include <optional>

#include "model/reverse_lookup.h"
#include "platform/vector_unit.h"
#include "tables/file_name.h"
#include "tables/table_builder.h"
#include "wheel/wheel_page.h"

namespace crank {
namespace {

// A size box read against its limits: the value, or why it is not used.
struct Size {
    std::optional<double> mm;
    std::string message;
};

Size readSize(const std::string& text, double least, double most, const NumberStyle& style,
              const std::string& why)
{
    Size size;
    if (text.empty()) {
        size.message = "Type a size in mm.";
        return size;
    }
    const std::optional<double> value = ReadTyped(text, style);
    if (!value) {
        size.message = "Not a number.";
    } else if (!(*value >= least && *value <= most)) {
        size.message = "From " + FormatDecimal(least, 0, style) + " to " +
                       FormatDecimal(most, 0, style) + " mm" + why + ".";
    } else {
        size.mm = value;
    }
    return size;
}

class Marks {
public:
    explicit Marks(const NumberStyle& style) : m_style(style) {}

    // An event `degrees` after TDC (atdc) or before it.
    void add(const std::string& name, double degrees, bool atdc, int decimals)
    {
        WheelMark mark;
        mark.name = name;
        mark.degrees = degrees;
        mark.side = atdc ? "ATDC" : "BTDC";
        mark.angle = FormatDecimal(degrees, decimals, m_style) + " " + mark.side;
        mark.reading = atdc ? degrees : 360.0 - degrees;
        if (mark.reading >= 360.0) {
            mark.reading -= 360.0;
        }
        marks.push_back(mark);
    }
    std::vector<WheelMark> marks;

private:
    const NumberStyle& m_style;
};

std::string turningWords(Turning turning)
{
    return turning == Turning::Clockwise ? "clockwise" : "anticlockwise";
}

} // namespace

WheelView BuildWheelView(const EngineSnapshot& engine,
                         const std::array<PortRowView, kMaxPorts>& ports, const WheelInput& input,
                         const NumberStyle& style)
{
    SettleVectorUnit();
    WheelView view;
    view.style = style;
    view.sheet = input.sheet;
    view.turning = input.turning;
    view.marking = input.marking;
    view.engineName = engine.typed.name;
    view.title = (input.sheet == WheelSheet::Wheel ? "Degree wheel: " : "Timing strip: ") +
                 engine.typed.name;
    const EngineGeometry& g = engine.geometry;
    const bool engineReady =
        FindCrankAngles(g, engine.model, 0.0f).status != DropLookupStatus::NoGeometry;
    if (!engineReady) {
        view.engineMessage = "Display the tables first.";
    }
    view.geometry = "Stroke " + InStyle(engine.typed.stroke, style) + " mm, rod " +
                    InStyle(engine.typed.rod, style) + " mm, pin offset " +
                    InStyle(engine.typed.offset, style) + " mm, BDC at " +
                    FormatDecimal(double{g.BdcAngle}, 2, style) + " ATDC";

    const Size diameter = readSize(
        input.diameter, kLeastWheel, kLargestWheel, style,
        ": the largest wheel that keeps " + FormatDecimal(kSheetMargin, 0, style) +
            " mm clear of the edges of A4 is " + FormatDecimal(kLargestWheel, 0, style) + " mm");
    view.diameterMessage = diameter.message;
    view.diameter = diameter.mm.value_or(0.0);
    view.halfDegrees = view.diameter >= kHalfDegreeWheel;
    bool holeFine = true;
    if (!input.hole.empty()) {
        const Size hole = readSize(input.hole, 1.0, diameter.mm ? view.diameter / 2.0 : 100.0,
                                   style, ", at most half the wheel");
        view.holeMessage = hole.message;
        view.hole = hole.mm.value_or(0.0);
        holeFine = hole.mm.has_value();
    }
    const Size rim = readSize(input.rim, kLeastRim, kLargestRim, style, "");
    view.rimMessage = rim.message;
    view.rim = rim.mm.value_or(0.0);
    view.mmPerDegree = std::numbers::pi * view.rim / 360.0;
    view.rimHalfDegrees = view.mmPerDegree >= std::numbers::pi * kHalfDegreeWheel / 360.0;
    view.ready =
        engineReady && (input.sheet == WheelSheet::Wheel ? diameter.mm.has_value() && holeFine
                                                         : rim.mm.has_value());
    const std::string sides =
        "engine turns " + turningWords(input.turning) + " seen from the wheel's side";
    const std::string marked = " marked " + MarkingName(input.marking);
    view.sizeLine =
        input.sheet == WheelSheet::Wheel
            ? "Wheel " + FormatDecimal(view.diameter, 1, style) + " mm" + marked + ", " + sides
            : "Rim " + FormatDecimal(view.rim, 1, style) + " mm" + marked + ": " +
                  FormatDecimal(view.mmPerDegree, 3, style) + " mm per degree, " +
                  FormatDecimal(view.mmPerDegree * 360.0, 1, style) + " mm around";
    if (!engineReady) {
        view.sheetMargin = SheetMargin(view);
        return view;
    }

    Marks marks(style);
    marks.add("TDC", 0.0, true, 0);
    marks.marks.back().side.clear();
    marks.marks.back().angle = "0";
    marks.add("BDC", double{g.BdcAngle}, true, 2);
    for (const PortRowView& row : ports) {
        if (!row.timed) {
            continue;
        }
        const bool crown = row.kind == PortKind::CrownOpened;
        marks.add(row.name + " opens", double{row.opens}, crown, 1);
        marks.add(row.name + " closes", double{row.closes}, !crown, 1);
    }
    if (!input.ignition.empty()) {
        const std::optional<double> typed = ReadTyped(input.ignition, style);
        std::optional<double> degrees;
        if (!typed) {
            view.ignitionMessage = "Not a number.";
        } else if (input.ignitionUnit == IgnitionUnit::DegreesBtdc) {
            degrees = typed;
        } else if (!(*typed >= 0.0 && *typed <= double{g.Stroke})) {
            view.ignitionMessage = "From 0 mm to the stroke.";
        } else {
            degrees = double{FindCrankAngles(g, engine.model, static_cast<float>(*typed)).btdc};
        }
        if (degrees && !(*degrees >= 0.0 && *degrees <= 90.0)) {
            view.ignitionMessage = "That is " + FormatDecimal(*degrees, 1, style) +
                                   " degrees BTDC: the mark goes from 0 to 90.";
            degrees.reset();
        }
        if (degrees) {
            marks.add("Ignition", *degrees, false, 1);
        }
    }
    view.marks = std::move(marks.marks);
    view.sheetMargin = SheetMargin(view);
    return view;
}

std::vector<Record> WheelRecords(const WheelView& view)
{
    const auto number = [&view](double value, int decimals) {
        return FormatDecimal(value, decimals, view.style);
    };
    std::vector<Record> records = {{"Engine:", view.engineName}};
    records.push_back({"Geometry:", view.geometry});
    if (view.sheet == WheelSheet::Wheel) {
        records.push_back({"Wheel diameter (mm):", number(view.diameter, 1)});
        records.push_back({"Engine turns, seen from the wheel:", turningWords(view.turning)});
    } else {
        records.push_back({"Rim diameter (mm):", number(view.rim, 1)});
        records.push_back({"mm per degree:", number(view.mmPerDegree, 4)});
    }
    records.push_back({"Wheel marked:", MarkingName(view.marking)});
    records.push_back({});
    const bool bothWays = view.marking == WheelMarking::BothWays;
    records.push_back(bothWays
                          ? Record{"Event", "Reading (deg)", "Reading side", "Angle (deg)", "Side"}
                          : Record{"Event", "Reading (deg)", "Angle (deg)", "Side"});
    for (const WheelMark& mark : view.marks) {
        const ShownReading shown = ShowReading(mark.reading, 2, view.marking);
        Record row{mark.name, number(shown.degrees, 2)};
        if (bothWays) {
            row.push_back(shown.side);
        }
        row.insert(row.end(), {number(mark.degrees, 2), mark.side});
        records.push_back(row);
    }
    return records;
}

std::string WheelFileName(const WheelView& view)
{
    return view.sheet == WheelSheet::Wheel
               ? EngineFileName(view.engineName, "degree wheel", "degree-wheel", "pdf")
               : EngineFileName(view.engineName, "timing strip", "timing-strip", "pdf");
}

} // namespace crank
