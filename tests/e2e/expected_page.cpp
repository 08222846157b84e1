// Prints the page that the layout code computes for one display, as the
// end-to-end test needs it to check the PDF the program wrote.
//
//   expected_page [--page-height TWIPS] NAME STROKE ROD OFFSET ANGLE1 [ANGLE2 [ANGLE3]]
//
// The arguments are the box texts as typed on the data entry screen; the
// number of angles is the number of tables, each one the screen accepts. The
// display command's core steps run on them (ordering and spacing of the
// requests, then ComputeDisplay), and the page goes to the recording page
// printer. Output: one line per printed text, "x<TAB>y<TAB>points<TAB>text",
// x and y in twips from the sheet's top-left corner. The sheet is A4 unless
// --page-height gives its height in twips. Exit status 2 for bad arguments,
// 3 when the page would overflow.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/numeric_text.h"
#include "tables/display_view.h"
#include "tables/print_page.h"
#include "tables/table_builder.h"
#include "tests/test_doubles.h"

namespace {

using namespace crank;

// The page font (Liberation Mono standing in for Courier) advances a line by
// its ascent plus descent (kFixedPitchLineSpacing of the size).
// An A4 sheet, 297 mm high.
constexpr int kA4HeightTwips = 16838;

// The view of the tables as the display command builds it from the typed
// box texts: requests read, ordered and spaced, then the display's core step.
DisplayView buildView(const std::vector<std::string>& texts)
{
    EngineState state;
    EngineGeometry& geometry = state.geometry;
    geometry.Stroke = static_cast<float>(ReadNumber(texts[1]));
    geometry.RodLength = static_cast<float>(ReadNumber(texts[2]));
    geometry.PinOffset = static_cast<float>(ReadNumber(texts[3]));
    geometry.OffsetNonZero = geometry.PinOffset != 0.0f;
    const int n = static_cast<int>(texts.size()) - 4;
    state.tables.NumTables = static_cast<std::int16_t>(n);
    for (int t = 1; t <= n; ++t) {
        const std::string& angle = texts[static_cast<size_t>(3 + t)];
        state.tables.InitAngle[t] = static_cast<float>(RoundHalfEven(ReadNumber(angle)));
    }
    SortTableRequests(state.tables);
    return ComputeDisplay(state, {texts[0], texts[1], texts[2], texts[3]});
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> texts(argv + 1, argv + argc);
    int pageHeight = kA4HeightTwips;
    if (texts.size() > 2 && texts[0] == "--page-height") {
        pageHeight = std::atoi(texts[1].c_str());
        texts.erase(texts.begin(), texts.begin() + 2);
    }
    if (texts.size() < 5 || texts.size() > 7) {
        std::fprintf(stderr, "usage: %s NAME STROKE ROD OFFSET ANGLE1 [ANGLE2 [ANGLE3]]\n",
                     argv[0]);
        return 2;
    }
    RecordingPagePrinter printer;
    printer.lineHeight = LineHeight;
    printer.height = pageHeight;
    RecordingMessageBox messages;
    SetPrinterFont(printer);
    PrintTablesPage(buildView(texts), printer, messages);
    for (const Printed& line : printer.printed) {
        std::printf("%.2f\t%.2f\t%g\t%s\n", double{line.x}, double{line.y}, double{line.size},
                    line.text.c_str());
    }
    for (const RecordingMessageBox::Shown& shown : messages.shown) {
        std::fprintf(stderr, "%s: %s\n", shown.title.c_str(), shown.prompt.c_str());
    }
    return messages.shown.empty() ? 0 : 3;
}
