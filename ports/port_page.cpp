#include "ports/port_page.h"

#include <algorithm>
#include <array>

#include "ports/area_plot.h"
#include "ports/comparison.h"
#include "ports/compression.h"
#include "ports/sheet_texts.h"
#include "ports/time_area.h"
#include "ports/timing_diagram.h"

namespace crank {
namespace {

constexpr float kLeft = 1100.0f;   // twips from the left edge of the printable area
constexpr float kRight = 10800.0f; // the right end of every text: A4 is 11906 twips wide
constexpr float kTop = 900.0f;
constexpr float kBottomReserve = 600.0f;
constexpr float kDiagramWidth = 7000.0f;   // at most
constexpr float kDiagramMinimum = 2000.0f; // below this the diagram is left out
constexpr float kTitlePoints = 12.0f;
constexpr float kTextPoints = 10.0f;
constexpr float kRowPoints = 8.0f;
constexpr std::size_t kTimedFrom = 3; // the first column of the angles

// Draws lines of text down the page from a current y.
class PageText {
public:
    explicit PageText(PagePrinter& printer) : m_printer(printer) {}

    float y() const { return m_y; }
    void skip(float twips) { m_y += twips; }

    void line(float x, const std::string& text, float points, int weight = kRegularWeight)
    {
        m_printer.drawText({x, m_y}, text, FixedFace(points, weight));
        m_y += LineHeight(points);
    }
    void wrapped(float x, const std::string& text, float points)
    {
        for (const std::string& part : WrapFixedPitch(text, kRight - x, points)) {
            line(x, part, points);
        }
    }

private:
    PagePrinter& m_printer;
    float m_y = kTop;
};

// The row's cells; compared, each angle followed by the baseline's and the change.
std::vector<std::string> cellsOf(const PortSheetView& view, std::size_t index)
{
    const PortRowView& row = view.rows[index];
    std::vector<std::string> cells = {row.name, RoleName(row.role), row.heightText};
    const std::array<std::string, 3> angles = {row.opensText, row.closesText, row.durationText};
    const SheetTexts texts(view.unit, view.style);
    for (std::size_t a = 0; a < angles.size(); ++a) {
        cells.push_back(angles[a]);
        if (view.compare.on) {
            const auto compared = ComparedCells(view.compare.rows[index][a], 1, false, texts);
            cells.push_back(compared[1]);
            cells.push_back(compared[2]);
        }
    }
    return cells;
}

std::vector<std::string> captionsOf(const PortSheetView& view)
{
    if (!view.compare.on) {
        return view.captions;
    }
    std::vector<std::string> captions(view.captions.begin(), view.captions.begin() + kTimedFrom);
    for (std::size_t c = kTimedFrom; c < view.captions.size(); ++c) {
        captions.insert(captions.end(), {view.captions[c], "before", "change"});
    }
    return captions;
}

// The rows in columns, each two characters wider than its widest text, in a
// size that keeps them inside the page.
void printRows(const PortSheetView& view, PagePrinter& printer, PageText& text)
{
    const std::vector<std::string> captions = captionsOf(view);
    const std::size_t columns = captions.size();
    std::vector<float> widest(columns); // at one point
    const auto measure = [&widest](const std::vector<std::string>& cells, std::size_t count) {
        for (std::size_t c = 0; c < count; ++c) {
            widest[c] = std::max(widest[c], FixedPitchWidth(cells[c] + "  ", 1.0f));
        }
    };
    measure(captions, columns);
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        if (view.rows[i].used) {
            measure(cellsOf(view, i), view.rows[i].timed ? columns : kTimedFrom);
        }
    }
    float total = 0.0f;
    for (const float w : widest) {
        total += w;
    }
    const float points = std::min(kRowPoints, (kRight - kLeft) / total);
    std::vector<float> x(columns, kLeft);
    for (std::size_t c = 1; c < columns; ++c) {
        x[c] = x[c - 1] + widest[c - 1] * points;
    }

    const float top = text.y();
    for (std::size_t c = 0; c < columns; ++c) {
        printer.drawText({x[c], top}, captions[c], FixedFace(points, kBoldWeight));
    }
    text.skip(LineHeight(points));
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const PortRowView& row = view.rows[i];
        if (!row.used) {
            continue;
        }
        const std::vector<std::string> cells = cellsOf(view, i);
        const float rowTop = text.y();
        for (std::size_t c = 0; c < kTimedFrom; ++c) {
            printer.drawText({x[c], rowTop}, cells[c], FixedFace(points));
        }
        if (!row.timed) {
            // The message in place of the angles, wrapped under them.
            text.wrapped(x[kTimedFrom], row.message, points);
            continue;
        }
        for (std::size_t c = kTimedFrom; c < columns; ++c) {
            printer.drawText({x[c], rowTop}, cells[c], FixedFace(points));
        }
        text.skip(LineHeight(points));
    }
}

// Lines of cells padded to their columns, in a size that keeps the widest
// inside the page: the face's characters all advance the same, so the
// columns line up.
void printTable(const std::vector<std::vector<std::string>>& lines, PageText& text)
{
    std::vector<std::size_t> widths;
    const auto length = [](const std::string& cell) { return FixedPitchCharacters(cell); };
    for (const auto& cells : lines) {
        widths.resize(std::max(widths.size(), cells.size()));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            widths[c] = std::max(widths[c], length(cells[c]));
        }
    }
    std::vector<std::string> out;
    float widest = 1.0f; // at one point
    for (const auto& cells : lines) {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            line += cells[c];
            if (c + 1 < cells.size()) {
                line += std::string(widths[c] - length(cells[c]) + 2, ' ');
            }
        }
        widest = std::max(widest, FixedPitchWidth(line, 1.0f));
        out.push_back(line);
    }
    const float points = std::min(kRowPoints, (kRight - kLeft) / widest);
    for (const std::string& line : out) {
        text.line(kLeft, line, points);
    }
}

// Each shaped row's windows as typed, in the sheet's unit, and its figures,
// one line each.
void printShapes(const PortSheetView& view, PageText& text)
{
    const SheetTexts texts(view.unit, view.style);
    text.wrapped(kLeft,
                 std::string("Windows in ") + UnitName(view.unit) +
                     " (the count as typed; a bridge splits each in two), area in mm², "
                     "angle-area in mm²·deg, STA in s·cm²/cm³.",
                 kRowPoints);
    std::vector<std::vector<std::string>> rows = {{"Port", "Count", "Chord", "Arc", "Height",
                                                   "Top r", "Bot r", "Bridge", "Area", "Angle-area",
                                                   "STA"}};
    std::vector<std::string> notes;
    for (const PortRowView& row : view.rows) {
        const ShapeView& shape = row.shape;
        if (!shape.shaped) {
            continue;
        }
        const bool arc = shape.measure == WidthMeasure::Arc;
        rows.push_back({row.name, shape.count > 0 ? std::to_string(shape.count) : "",
                        shape.figures ? texts.length(shape.chord)
                        : arc         ? ""
                                      : texts.cell(shape.width),
                        arc ? texts.cell(shape.width) : "", texts.cell(shape.windowHeight),
                        texts.cell(shape.topRadius), texts.cell(shape.bottomRadius),
                        texts.cell(shape.bridge), shape.fullAreaText, shape.angleAreaText,
                        shape.staCmText});
        const std::string& note = shape.figures ? shape.note : shape.message;
        if (!note.empty()) {
            notes.push_back(row.name + ": " + note);
        }
    }
    printTable(rows, text);
    for (const std::string& note : notes) {
        text.wrapped(kLeft, note, kRowPoints);
    }
}

void printTimeArea(const PortSheetView& view, PageText& text)
{
    const TimeAreaView& flow = view.timeArea;
    text.skip(240.0f);
    text.line(kLeft, "Time-area", kTextPoints, kBoldWeight);
    text.wrapped(kLeft, flow.engineLine, kRowPoints);
    printShapes(view, text);
    text.skip(120.0f);
    std::vector<std::vector<std::string>> figures = {flow.captions};
    for (const FlowFigures& f : flow.figures) {
        figures.push_back(f.cells);
    }
    printTable(figures, text);
    text.skip(120.0f);
    // Compared, the table of figures before and after says this.
    if (!view.compare.on) {
        for (const TargetView& target : flow.targets) {
            text.wrapped(kLeft, target.line, kRowPoints);
        }
        text.wrapped(kLeft, kTargetsExplained, kRowPoints);
        if (!flow.blowdown.empty()) {
            text.wrapped(kLeft, flow.blowdown, kRowPoints);
        }
    }
    const WayBackView& way = flow.wayBack;
    if (way.status != WayBackStatus::NotAsked) {
        const SheetTexts texts(view.unit, view.style);
        text.wrapped(kLeft,
                     "Way back: " + view.rows[static_cast<std::size_t>(way.row)].name + " (" +
                         GroupName(way.group) + "), goal " + texts.sta(way.target) +
                         " s·cm²/cm³ at " + texts.fixed(way.rpm, 0) + " rpm. " + way.line,
                     kRowPoints);
    }
}

// Its figures in one paragraph; compared, in the table of figures instead.
void printCompression(const PortSheetView& view, PageText& text)
{
    text.skip(240.0f);
    text.line(kLeft, "Compression", kTextPoints, kBoldWeight);
    if (!view.compare.on) {
        std::string figures;
        for (const std::string& line : view.compression.lines) {
            figures += (figures.empty() ? "" : " ") + line;
        }
        text.wrapped(kLeft, figures, kRowPoints);
    }
    text.wrapped(kLeft, kCompressionExplained, kRowPoints);
}

// Every figure compared: now, before and the change.
void printComparison(const PortSheetView& view, PageText& text)
{
    const SheetTexts texts(view.unit, view.style);
    text.skip(240.0f);
    std::vector<std::vector<std::string>> lines = {{"Before and after", "now", "before", "change"}};
    for (const auto* figures : {&view.compare.flow, &view.compare.compression}) {
        for (const ComparedFigure& figure : *figures) {
            const auto cells =
                ComparedCells(figure.value, figure.digits, figure.significant, texts);
            lines.push_back({figure.name, cells[0], cells[1], cells[2]});
        }
    }
    printTable(lines, text);
}

} // namespace

PrintOutcome PrintPortSheetPage(const PortSheetView& view, PagePrinter& printer)
{
    PageText text(printer);
    const ComparisonView& compare = view.compare;
    text.line(kLeft, compare.on ? "Port Timing: Before and After" : "Port Timing", kTitlePoints,
              kBoldWeight);
    if (compare.on) {
        text.wrapped(kLeft, compare.label, kTextPoints);
        if (!compare.engineLine.empty()) {
            text.wrapped(kLeft, compare.engineLine, kRowPoints);
        }
    }
    text.skip(120.0f);
    for (const SummaryLine& line : view.summary) {
        text.wrapped(kLeft, line.label + " " + line.value, kTextPoints);
    }
    text.wrapped(kLeft, view.deckLine, kTextPoints);
    if (!view.pistonLine.empty()) {
        text.wrapped(kLeft, view.pistonLine, kTextPoints);
    }
    text.skip(120.0f);
    text.wrapped(kLeft, view.note, kTextPoints);
    text.skip(120.0f);
    text.wrapped(kLeft, kHeightsExplained, kRowPoints);
    text.skip(240.0f);
    printRows(view, printer, text);
    const bool plot =
        !view.timeArea.plot.curves.empty() || !view.timeArea.plot.beforeCurves.empty();
    if (view.timeArea.any) {
        printTimeArea(view, text);
    }
    if (view.compression.any) {
        printCompression(view, text);
    }
    if (compare.on) {
        printComparison(view, text);
    }

    // The diagram, and the plot beside it, in the room left.
    const float top = text.y() + 360.0f;
    const float room = static_cast<float>(printer.pageHeight()) - top - kBottomReserve;
    const float across = kRight - kLeft;
    const float diagramShare = plot ? 0.38f : 1.0f;
    const float width = std::min({kDiagramWidth, room / kDiagramAspect, across * diagramShare});
    if (width >= kDiagramMinimum) {
        DrawTimingDiagram(printer, {kLeft, top, width, width * kDiagramAspect}, view.diagram);
    }
    if (plot) {
        const float left = kLeft + across * diagramShare + 200.0f;
        const float plotWidth = std::min(kRight - left, room / kAreaPlotAspect);
        if (plotWidth >= kDiagramMinimum) {
            DrawAreaPlot(printer, {left, top, plotWidth, plotWidth * kAreaPlotAspect},
                         view.timeArea.plot);
        }
    }
    return printer.endDoc();
}

} // namespace crank
