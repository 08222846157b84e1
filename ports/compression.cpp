#include "ports/compression.h"

#include <cmath>

namespace crank {
namespace {

std::string ratioText(double ratio, const SheetTexts& texts)
{
    return texts.hundredths(ratio) + ":1";
}

std::string volumeText(double cc, const SheetTexts& texts)
{
    return texts.hundredths(cc) + " cm³";
}

// The highest exhaust row, the one that closes last; -1 for none, and none
// while an exhaust row typed is not timed (stoppedBy), which may be it.
int closingExhaust(const PortSheetView& sheet, int& stoppedBy)
{
    int highest = -1;
    for (int i = 0; i < kMaxPorts; ++i) {
        const PortRowView& row = sheet.rows[static_cast<std::size_t>(i)];
        if (row.role != PortRole::Exhaust || !row.used) {
            continue;
        }
        if (!row.timed) {
            stoppedBy = stoppedBy < 0 ? i : stoppedBy;
        } else if (highest < 0 ||
                   row.height.millimetres <
                       sheet.rows[static_cast<std::size_t>(highest)].height.millimetres) {
            highest = i;
        }
    }
    return stoppedBy < 0 ? highest : -1;
}

std::string clearanceLine(const CompressionView& view, const PortSheetView& sheet,
                          const SheetTexts& texts)
{
    const bool head = view.by == ClearanceBy::HeadAndSquish;
    if (!view.volume) {
        return "Type the clearance volume for the ratios.";
    }
    if (head && !(view.squish.number && view.squish.message.empty())) {
        return "Type the squish clearance: the clearance volume is the head's volume and the "
               "bore's area times the squish clearance.";
    }
    const double raise = sheet.raise.millimetres;
    const std::string raised = raise == 0.0
                                   ? std::string()
                                   : std::string(", ") + volumeText(std::abs(view.raised), texts) +
                                         (raise > 0.0 ? " more with the cylinder raised "
                                                      : " less with the cylinder lowered ") +
                                         texts.lengthWithUnit(std::abs(raise));
    if (!view.clearance) {
        return "Lowered " + texts.lengthWithUnit(-raise) +
               ", the cylinder leaves no clearance volume.";
    }
    const double typed = view.clearanceVolume - view.raised;
    const double overSquish = SweptVolume(sheet.timeArea.bore.millimetres, view.squish.millimetres);
    return "Clearance volume " + volumeText(view.clearanceVolume, texts) + ": " +
           (head ? volumeText(typed - overSquish, texts) + " in the head and " +
                       volumeText(overSquish, texts) + " over the squish clearance of " +
                       texts.lengthWithUnit(view.squish.millimetres)
                 : volumeText(typed, texts) + " measured at TDC") +
           raised + ".";
}

} // namespace

const char* const kCompressionExplained =
    "Geometric ratio: (swept + clearance) / clearance. Trapped ratio: (the volume swept above the "
    "highest exhaust roof + clearance) / clearance; a pin offset moves the crank angle at which "
    "the exhaust closes, not that volume. A base gasket adds the bore's area times its "
    "thickness to the clearance.";

double CompressionRatio(double swept, double clearance)
{
    return (swept + clearance) / clearance;
}

double SquishAreaRatio(double bore, double inner)
{
    return 1.0 - (inner / bore) * (inner / bore);
}

CompressionView BuildCompression(const EngineSnapshot& engine, const PortSheetInput& input,
                                 const PortSheetView& sheet, const SheetTexts& texts)
{
    CompressionView view;
    const NumberStyle& style = texts.style();
    view.squish = ReadLength(input.squish, input.unit, style);
    view.band = ReadLength(input.squishBand, input.unit, style);
    view.any = !input.clearanceVolume.empty() || view.squish.typed || view.band.typed;
    view.by = input.clearanceBy;
    view.volumeShown = InStyle(input.clearanceVolume, style);
    const std::optional<double> volume = ReadTyped(input.clearanceVolume, style);
    view.volume = volume && *volume > 0.0;
    if (!input.clearanceVolume.empty() && !view.volume) {
        view.volumeMessage = "Must be a number more than 0.";
    }
    if (view.squish.number && view.squish.millimetres < 0.0) {
        view.squish.message = "Cannot be negative.";
    }
    const LengthView& bore = sheet.timeArea.bore;
    const bool bored = bore.number && bore.millimetres > 0.0;
    if (view.band.number &&
        !(view.band.millimetres > 0.0 && (!bored || view.band.millimetres < bore.millimetres))) {
        view.band.message = "Must be more than 0 and less than the bore.";
    }
    const double raise = sheet.raise.millimetres;
    view.squishInUse = view.squish.millimetres + raise;
    if (!view.any) {
        return view;
    }
    if (!bored) {
        view.lines = {"Type the bore on the time-area page: every volume needs it."};
        return view;
    }
    view.sweptVolume = SweptVolume(bore.millimetres, engine.geometry.Stroke);
    const bool head = view.by == ClearanceBy::HeadAndSquish;
    if (view.volume && (!head || (view.squish.number && view.squish.message.empty()))) {
        view.raised = SweptVolume(bore.millimetres, raise);
        view.clearanceVolume =
            *volume + view.raised +
            (head ? SweptVolume(bore.millimetres, view.squish.millimetres) : 0.0);
        view.clearance = view.clearanceVolume > 0.0;
    }
    if (view.clearance) {
        view.geometric = true;
        view.geometricRatio = CompressionRatio(view.sweptVolume, view.clearanceVolume);
        view.exhaustRow = closingExhaust(sheet, view.stoppedBy);
        if (view.exhaustRow >= 0) {
            const PortRowView& row = sheet.rows[static_cast<std::size_t>(view.exhaustRow)];
            view.trapped = true;
            view.closingDepth = DepthOfHeight(PortKind::CrownOpened, row.height.millimetres, sheet);
            view.trappedSwept = SweptVolume(bore.millimetres, view.closingDepth);
            view.trappedRatio = CompressionRatio(view.trappedSwept, view.clearanceVolume);
        }
    }
    if (view.band.number && view.band.message.empty()) {
        view.squishArea = true;
        view.squishAreaRatio = SquishAreaRatio(bore.millimetres, view.band.millimetres);
    }
    view.lines = CompressionLines(view, sheet, texts);
    return view;
}

std::vector<std::string> CompressionLines(const CompressionView& view, const PortSheetView& sheet,
                                          const SheetTexts& texts)
{
    std::vector<std::string> lines = {clearanceLine(view, sheet, texts)};
    if (view.geometric) {
        lines.push_back("Swept volume " + volumeText(view.sweptVolume, texts) +
                        "; geometric compression ratio " + ratioText(view.geometricRatio, texts) +
                        ".");
        if (view.trapped) {
            const PortRowView& row = sheet.rows[static_cast<std::size_t>(view.exhaustRow)];
            lines.push_back(
                "Trapped compression ratio " + ratioText(view.trappedRatio, texts) + ": " +
                row.name + ", the highest exhaust port, closes at " + row.closesText +
                " with the crown " + texts.lengthWithUnit(view.closingDepth) +
                " below TDC, above which it sweeps " + volumeText(view.trappedSwept, texts) + ".");
        } else if (view.stoppedBy >= 0) {
            const PortRowView& row = sheet.rows[static_cast<std::size_t>(view.stoppedBy)];
            lines.push_back("No trapped compression ratio while " + row.name +
                            " has no timing: " + row.message);
        } else {
            lines.emplace_back("Time an exhaust port for the trapped compression ratio.");
        }
    }
    const double raise = sheet.raise.millimetres;
    if (view.squish.number && view.squish.message.empty()) {
        const std::string clearance = texts.lengthWithUnit(view.squishInUse);
        lines.push_back(raise == 0.0 ? "Squish clearance " + clearance + "."
                        : view.squishInUse < 0.0
                            ? "Lowered " + texts.lengthWithUnit(-raise) +
                                  ", the crown would strike the head."
                            : "Squish clearance " + clearance + " with the cylinder " +
                                  (raise > 0.0 ? "raised" : "lowered") + " (" +
                                  texts.lengthWithUnit(view.squish.millimetres) + " typed).");
    }
    if (view.squishArea) {
        lines.push_back("The squish band covers " + texts.fixed(100.0 * view.squishAreaRatio, 1) +
                        "% of the bore's area.");
    }
    return lines;
}

std::vector<Record> CompressionRecords(const PortSheetView& sheet)
{
    const CompressionView& view = sheet.compression;
    const SheetTexts texts(sheet.unit, sheet.style);
    const std::string unit = " (" + std::string(UnitName(sheet.unit)) + "):";
    const auto known = [&](bool known, double value, int decimals) {
        return known ? texts.fixed(value, decimals) : std::string();
    };
    return {
        {},
        {"Compression"},
        {view.by == ClearanceBy::AtTdc ? "Clearance volume at TDC (cm³):" : "Head volume (cm³):",
         view.volumeShown},
        {"Squish clearance" + unit, texts.cell(view.squish)},
        {"Squish band inner diameter" + unit, texts.cell(view.band)},
        {"Clearance volume (cm³):", known(view.clearance, view.clearanceVolume, 2)},
        {"Geometric compression ratio (:1):", known(view.geometric, view.geometricRatio, 2)},
        {"Trapped swept volume (cm³):", known(view.trapped, view.trappedSwept, 2)},
        {"Trapped compression ratio (:1):", known(view.trapped, view.trappedRatio, 2)},
        {"Squish area ratio (%):", known(view.squishArea, 100.0 * view.squishAreaRatio, 1)},
    };
}

} // namespace crank
