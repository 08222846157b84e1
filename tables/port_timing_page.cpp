#include "tables/port_timing_page.h"

#include <QPainter>
#include <algorithm>

#include "platform/page_output.h"
#include "platform/qt_page_printer.h"
#include "platform/save_location.h"

namespace crank {
namespace {

constexpr float kLeft = 1100.0f;         // twips from the left edge of the printable area
constexpr float kTop = 900.0f;           // twips
constexpr double kDiagramWidth = 7000.0; // twips; the diagram is 1.32 times as high
constexpr double kDiagramAspect = 1.32;

// Each cell padded to its column's width, measured over the rows with every
// column; a row with a message in place of its angles lets the message run on.
std::vector<std::string> columnLines(const std::vector<std::vector<std::string>>& rows)
{
    const std::size_t columns = rows.empty() ? 0 : rows.front().size();
    std::vector<std::size_t> widths(columns, 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; row.size() == columns && c < columns; ++c) {
            widths[c] = std::max(widths[c], row[c].size() + 2);
        }
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                const std::size_t width = c < columns ? widths[c] : 0;
                line.append(width > row[c].size() ? width - row[c].size() : 1, ' ');
            }
        }
        lines.push_back(line);
    }
    return lines;
}

PageDrawing portTimingPage(const PortTimingPage& page)
{
    return [&page](QtPagePrinter& printer) { return PrintPortTimingPage(page, printer); };
}

QString suggestedPath()
{
    return SuggestedSavePath(QStringLiteral("port-timing.pdf"));
}

} // namespace

PrintOutcome PrintPortTimingPage(const PortTimingPage& page, QtPagePrinter& printer)
{
    printer.setFontName("Courier");
    printer.setFontSize(12.0f);
    printer.setFontWeight(700);
    printer.setCurrentY(kTop);
    printer.setCurrentX(kLeft);
    printer.printLine("Port Timing");
    printer.setFontSize(10.0f);
    printer.setFontWeight(400);
    printer.setCurrentY(printer.currentY() + 120.0f);
    for (const std::string& line : page.summary) {
        printer.setCurrentX(kLeft);
        printer.printLine(line);
    }
    for (const std::string& line : {page.deck, page.note}) {
        printer.setCurrentX(kLeft);
        printer.printLine(line);
    }
    printer.setFontSize(8.0f);
    printer.setCurrentY(printer.currentY() + 240.0f);
    bool header = true;
    for (const std::string& line : columnLines(page.rows)) {
        printer.setFontWeight(header ? 700 : 400);
        printer.setCurrentX(kLeft);
        printer.printLine(line);
        header = false;
    }
    const double top = double{printer.currentY()} + 360.0;
    const double room = printer.pageHeight() - top - 600.0;
    const double width = std::min(kDiagramWidth, room / kDiagramAspect);
    if (width > 0) {
        printer.drawGraphic(QRectF(kLeft, top, width, width * kDiagramAspect),
                            [&](QPainter& painter, const QRectF& area) {
                                PaintTimingDiagram(painter, area, page.diagram);
                            });
    }
    return printer.endDoc();
}

void SavePortTimingAsPdf(const PortTimingPage& page, SaveFileChooser& chooser, MessageBox& messages)
{
    SavePageAsPdfFile(portTimingPage(page), suggestedPath(), chooser, messages);
}

void PrintPortTiming(const PortTimingPage& page, PrinterSource& printers, SaveFileChooser& chooser,
                     MessageBox& messages)
{
    PrintPage(portTimingPage(page), suggestedPath(), printers, chooser, messages);
}

} // namespace crank
