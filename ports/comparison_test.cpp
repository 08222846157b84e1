// Compression, a raised cylinder and the sheet beside a baseline, against figures worked out by
// hand and invariants of the engine.
#include "ports/comparison.h"

#include <gtest/gtest.h>

#include "model/engine_test_support.h"

namespace crank {
namespace {

// Bore 54, stroke 54.5: π/4·5.4²·5.45 = 124.82 cm³; the bore's area is 22.902 cm². An exhaust roof
// 26 mm down, a transfer 38 mm down, an inlet's floor 100 mm down with a 60 mm piston; deck 0.5.
const EntryTexts kTexts = {"Kart", "54.5", "110", "0"};
const EngineSnapshot kEngine = Engine(54.5f, 110, 0).shown(kTexts);

PortSheetInput engineInput()
{
    PortSheetInput input;
    input.deck = {"0.5"};
    input.pistonLength = {"60"};
    input.bore = {"54"};
    input.rpm = "12000";
    input.clearanceVolume = "10";
    input.squishBand = {"40"};
    input.rows[0] = {"Exhaust", PortRole::Exhaust, {"26"}, {"", {"38"}, {}, {"22"}, {"4"}, {}, {}}};
    input.rows[1] = {"Transfer", PortRole::Transfer, {"38"}, {"2", {"14"}, {}, {"12"}, {}, {}, {}}};
    input.rows[2] = {"Inlet", PortRole::Inlet, {"100"}, {"", {"30"}, {}, {"20"}, {}, {}, {}}};
    return input;
}

std::string hundredths(double value)
{
    return FormatDecimal(value, 2, {});
}

// The exhaust closes with the crown 26 - 0.5 = 25.5 mm down: 22.902·2.55 = 58.40 cm³ trapped,
// (58.40 + 10) / 10 = 6.84:1, and (124.82 + 10) / 10 = 13.48:1. A 0.5 mm base gasket adds
// 22.902·0.05 = 1.15 cm³: (124.82 + 11.15) / 11.15 = 12.20:1, (57.26 + 11.15) / 11.15 = 6.14:1.
// A head of 7.71 cm³ and a squish clearance of 1 mm make 7.71 + 2.29 = 10.00 cm³. A pin offset
// moves the closing angle, not the volume. A band of 40 mm inside 54 covers 1 - (40/54)² = 45.1%.
TEST(CompressionTest, FiguresAsWorkedByHand)
{
    const struct {
        const char* raise;
        ClearanceBy by;
        const char* volume;
        float offset;
        const char* clearance;
        const char* geometric;
        const char* trappedSwept;
        const char* trapped;
    } cases[] = {
        {"", ClearanceBy::AtTdc, "10", 0, "10.00", "13.48", "58.40", "6.84"},
        {"0.5", ClearanceBy::AtTdc, "10", 0, "11.15", "12.20", "57.26", "6.14"},
        {"", ClearanceBy::HeadAndSquish, "7.71", 0, "10.00", "13.48", "58.40", "6.84"},
        {"", ClearanceBy::AtTdc, "10", 5, "10.00", "13.48", "58.40", "6.84"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.raise) + " " + c.volume + " " + std::to_string(c.offset));
        PortSheetInput input = engineInput();
        input.raise = {c.raise};
        input.clearanceBy = c.by;
        input.clearanceVolume = c.volume;
        input.squish = {"1"};
        const EngineSnapshot engine = Engine(54.5f, 110, c.offset).shown(kTexts);
        const PortSheetView view = BuildPortSheetView(engine, input, {});
        const CompressionView& compression = view.compression;
        EXPECT_EQ(hundredths(compression.sweptVolume), "124.82");
        EXPECT_EQ(hundredths(compression.clearanceVolume), c.clearance);
        EXPECT_EQ(hundredths(compression.geometricRatio), c.geometric);
        EXPECT_EQ(hundredths(compression.trappedSwept), c.trappedSwept);
        EXPECT_EQ(hundredths(compression.trappedRatio), c.trapped);
        EXPECT_EQ(FormatDecimal(100 * compression.squishAreaRatio, 1, {}), "45.1");
        EXPECT_EQ(compression.exhaustRow, 0);
        EXPECT_EQ(compression.squishInUse, *c.raise == '\0' ? 1.0 : 1.5); // the gasket's 0.5 more
    }
    // An exhaust row typed but not timed may be the highest: no trapped ratio until it is.
    PortSheetInput input = engineInput();
    input.rows[3] = {"Aux", PortRole::Exhaust, {"-"}, {}};
    const CompressionView stopped = BuildPortSheetView(kEngine, input, {}).compression;
    EXPECT_FALSE(stopped.trapped);
    EXPECT_EQ(stopped.stoppedBy, 3);
}

// A base gasket moves every edge against the piston: a crown-opened port opens earlier and closes
// later, exactly as the same heights 0.5 mm less are timed without it; an inlet's skirt clears
// the floor for less.
TEST(CompressionTest, ARaisedCylinderTimesEachPortAsAHeightThatMuchLess)
{
    PortSheetInput raised = engineInput();
    raised.raise = {"0.5"};
    PortSheetInput less = engineInput();
    for (PortRowInput& row : less.rows) {
        row.height.text =
            row.height.text.empty() ? "" : FormatDecimal(std::stod(row.height.text) - 0.5, 1, {});
    }
    const PortSheetView plain = BuildPortSheetView(kEngine, engineInput(), {});
    const PortSheetView gasket = BuildPortSheetView(kEngine, raised, {});
    const PortSheetView lowered = BuildPortSheetView(kEngine, less, {});
    EXPECT_EQ(gasket.deckInUse, 1.0);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(plain.rows[i].name);
        ASSERT_TRUE(gasket.rows[i].timed);
        EXPECT_EQ(gasket.rows[i].opens, lowered.rows[i].opens);
        EXPECT_EQ(gasket.rows[i].closes, lowered.rows[i].closes);
        const bool inlet = i == 2;
        EXPECT_EQ(gasket.rows[i].duration < plain.rows[i].duration, inlet);
    }
    EXPECT_LT(gasket.rows[0].opens, plain.rows[0].opens);
}

// Kept as it stands, the baseline shows every change as 0; with the gasket fitted after, the
// changes are the gasket's: 12.20 - 13.48 and 6.14 - 6.84.
TEST(ComparisonTest, ABaselineShowsWhatTheChangeDoes)
{
    const Baseline kept{kTexts, engineInput(), {"", "14:32"}};
    const PortSheetView same = BuildPortSheetView(kEngine, engineInput(), {}, &kept);
    ASSERT_TRUE(same.compare.on);
    EXPECT_EQ(same.compare.label, "before: kept 14:32");
    EXPECT_EQ(same.compare.flow.size(), 3u * 3 + 3);
    EXPECT_EQ(same.compare.compression.size(), 4u);
    for (const auto* figures : {&same.compare.flow, &same.compare.compression}) {
        for (const ComparedFigure& figure : *figures) {
            SCOPED_TRACE(figure.name);
            EXPECT_TRUE(figure.value.both());
            EXPECT_EQ(figure.value.change(), 0.0);
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(same.compare.rowLines[i].ends_with("; change 0.0, 0.0, 0.0"))
            << same.compare.rowLines[i];
    }
    EXPECT_TRUE(same.compare.rowLines[3].empty());
    EXPECT_EQ(same.timeArea.plot.beforeCurves.size(), same.timeArea.plot.curves.size());

    PortSheetInput gasket = engineInput();
    gasket.raise = {"0.5"};
    const PortSheetView after = BuildPortSheetView(kEngine, gasket, {}, &kept);
    const SheetTexts texts(LengthUnit::Millimetre, after.style);
    EXPECT_EQ(ComparedLine(after.compare.compression[1], texts),
              "Geometric compression ratio (:1): 12.20 now, 13.48 before, change -1.28.");
    EXPECT_EQ(ComparedCells(after.compare.compression[2].value, 2, false, texts)[2], "-0.70");
    const ComparedFigure& squish = after.compare.compression[3];
    EXPECT_EQ(ComparedCells(squish.value, squish.digits, squish.significant, texts),
              (std::array<std::string, 3>{"45.1", "45.1", "0.0"}));
    EXPECT_EQ(after.compare.rows[0][0].change(),
              double{after.rows[0].opens} - double{after.compare.rows[0][0].beforeValue});
    EXPECT_LT(after.compare.rows[0][0].change(), 0.0); // opens earlier
}

// A file's baseline from another engine is timed on its own geometry and says so; an engine that
// cannot be timed leaves nothing to compare but says why.
TEST(ComparisonTest, ABaselineFromAnotherEngineIsTimedOnItsOwn)
{
    const Baseline other{{"Old", "46", "100", "0"}, engineInput(), {"old.crank", "2026-12-01"}};
    const PortSheetView view = BuildPortSheetView(kEngine, engineInput(), {}, &other);
    const PortSheetView alone =
        BuildPortSheetView(Engine(46, 100, 0).shown(other.engine), engineInput(), {});
    EXPECT_EQ(view.compare.label, "before: old.crank, saved 2026-12-01");
    EXPECT_EQ(view.compare.engineLine, "The baseline was made on Old (stroke 46 mm, rod 100 mm, "
                                       "offset 0 mm) and is timed on it.");
    EXPECT_EQ(view.compare.rows[0][0].beforeValue, double{alone.rows[0].opens});

    const Baseline broken{{"Old", "4000", "100", "0"}, engineInput(), {}};
    const PortSheetView none = BuildPortSheetView(kEngine, engineInput(), {}, &broken);
    EXPECT_TRUE(none.compare.engineLine.ends_with("cannot be timed (Stroke too large): it has "
                                                  "no figures to compare."))
        << none.compare.engineLine;
    EXPECT_FALSE(none.compare.rows[0][0].before);
    EXPECT_EQ(none.compare.rowLines[0], "none before");
}

} // namespace
} // namespace crank
