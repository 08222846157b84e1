#include "platform/qt_page_printer.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/pdf_words_test_support.h"
#include "tables/page_test_support.h"
#include "tables/print_page.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// The word, when the PDF holds it with its top-left corner within 3 twips of
// (x, y).
const testing::PdfWord* wordAt(const testing::PdfText& pdf, const std::string& text, double x,
                               double y)
{
    for (const testing::PdfWord& word : pdf.words) {
        if (word.text == text && std::abs(word.left - x) <= 3 && std::abs(word.top - y) <= 3) {
            return &word;
        }
    }
    return nullptr;
}

// Two offset tables: the tallest of the six pages, with its wider gaps.
TEST(QtPagePrinterTest, ThePrintedPageReachesOnePdfPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QtPagePrinter pdf(path);
    EXPECT_EQ(pdf.pageHeight(), 16838); // A4, 297 mm
    RecordingMessageBox messages;
    EXPECT_TRUE(PrintTablesPage(testing::sampleView(2, true), pdf, messages).ok);
    EXPECT_TRUE(messages.shown.empty());
    const testing::PdfText read = testing::readPdfWords(path);
    EXPECT_EQ(read.pages, 1);
    // A character is 0.6 of the point size wide: 12 twips a point.
    const testing::PdfWord* title = wordAt(read, "Crank", 3250, 600);
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->right - title->left, 5 * 144, 3.0);
    // Row 48 at 10 points: 12 degrees one digit in from 2120; the ATDC value
    // 8 mm of the second table one character in from 8950.
    const auto last = std::ranges::find(read.words, std::string("a1.48"), &testing::PdfWord::text);
    ASSERT_NE(last, read.words.end());
    EXPECT_NEAR(last->left, 2120 + 120, 3.0);
    EXPECT_NEAR(last->right - last->left, 5 * 120, 3.0);
    EXPECT_NE(wordAt(read, "b1.48", 3370, last->top), nullptr);
    EXPECT_NE(wordAt(read, "c2.48", 8950 + 120, last->top), nullptr);
    EXPECT_LT(last->top, 16838 - 1000);
    // Bold and regular rows: the two faces of the monospaced font.
    const std::vector<std::string> fonts = testing::pdfFontNames(path);
    EXPECT_EQ(fonts.size(), 2u);
    EXPECT_EQ(std::ranges::count_if(fonts, [](auto& f) { return f.ends_with("Mono-Bold"); }), 1);
    EXPECT_EQ(std::ranges::count_if(fonts, [](auto& f) { return f.ends_with("Mono"); }), 1);
}

} // namespace
} // namespace crank
