#include "platform/qt_page_printer.h"

#include <QFontMetricsF>
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

bool anyBold(const std::vector<std::string>& fonts)
{
    return std::ranges::any_of(fonts, [](const std::string& f) { return f.ends_with("-Bold"); });
}

bool anyRegular(const std::vector<std::string>& fonts)
{
    return std::ranges::any_of(fonts, [](const std::string& f) { return !f.ends_with("-Bold"); });
}

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

// The layout counts on Courier at 10 points advancing 120 twips per character.
TEST(QtPagePrinterTest, CourierAt10PointsAdvances120TwipsPerCharacter)
{
    QTemporaryDir dir;
    QtPagePrinter pdf(dir.filePath(QStringLiteral("font.pdf")));
    pdf.setFontName("Courier");
    pdf.setFontSize(10.0f);
    const QFontMetricsF metrics(pdf.deviceFont());
    const QString text = QStringLiteral(" Engine: 0123456789.-");
    EXPECT_NEAR(metrics.horizontalAdvance(text) * 1440.0 / pdf.resolution(), 120.0 * text.size(),
                0.5);
}

// Text lands at its twip position, in its size: a character is 0.6 of the
// point size wide, 12 twips a point.
TEST(QtPagePrinterTest, TextLandsAtItsPositionInItsSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.pdf"));
    QtPagePrinter pdf(path);
    EXPECT_EQ(pdf.pageHeight(), 16838); // A4, 297 mm
    SetPrinterFont(pdf);
    const struct {
        const char* text;
        float x;
        float y;
        float points;
    } lines[] = {{"Title", 3250, 600, 12}, {"Plain", 1400, 5000, 10}, {"Nine", 10370, 14000, 9}};
    for (const auto& line : lines) {
        pdf.setFontSize(line.points);
        pdf.setCurrentX(line.x);
        pdf.setCurrentY(line.y);
        pdf.printLine(line.text);
    }
    EXPECT_TRUE(pdf.endDoc().ok);
    const testing::PdfText read = testing::readPdfWords(path);
    EXPECT_EQ(read.pages, 1);
    ASSERT_EQ(read.words.size(), 3u);
    for (const auto& line : lines) {
        SCOPED_TRACE(line.text);
        const testing::PdfWord* word = wordAt(read, line.text, line.x, line.y);
        ASSERT_NE(word, nullptr);
        const double width =
            12.0 * line.points * static_cast<double>(std::string(line.text).size());
        EXPECT_NEAR(word->right - word->left, width, 3.0);
    }
}

TEST(QtPagePrinterTest, WeightsReachThePdfAsBoldAndRegularFaces)
{
    QTemporaryDir dir;
    for (const int weight : {0, 400, 700}) {
        SCOPED_TRACE(weight);
        const QString path = dir.filePath(QStringLiteral("%1.pdf").arg(weight));
        QtPagePrinter pdf(path);
        SetPrinterFont(pdf);
        pdf.setFontWeight(weight);
        pdf.printLine("Weight");
        EXPECT_TRUE(pdf.endDoc().ok);
        const std::vector<std::string> fonts = testing::pdfFontNames(path);
        ASSERT_FALSE(fonts.empty());
        EXPECT_EQ(anyBold(fonts), weight == 700);
        EXPECT_EQ(anyRegular(fonts), weight != 700);
    }
}

// Three offset tables: the widest page. Row 0 prints bold, row 1 regular;
// the texts stand at the page's fixed x positions, rows at 10 points.
TEST(QtPagePrinterTest, ThePrintedPageReachesOnePdfPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QtPagePrinter pdf(path);
    RecordingMessageBox messages;
    EXPECT_TRUE(PrintTablesPage(testing::sampleView(3, true), pdf, messages).ok);
    EXPECT_TRUE(messages.shown.empty());
    const testing::PdfText read = testing::readPdfWords(path);
    EXPECT_EQ(read.pages, 1);
    EXPECT_NE(wordAt(read, "Crank", 3250, 600), nullptr);
    const std::vector<std::string> fonts = testing::pdfFontNames(path);
    EXPECT_TRUE(anyBold(fonts));
    EXPECT_TRUE(anyRegular(fonts));
    // Row 48: 12 degrees from 8 degrees right-aligned one digit in, and the
    // sample's ATDC value 8 mm one character in.
    const auto last = std::ranges::find(read.words, std::string("a1.48"), &testing::PdfWord::text);
    ASSERT_NE(last, read.words.end());
    EXPECT_NEAR(last->left, 820 + 120, 3.0);
    EXPECT_NEAR(last->right - last->left, 5 * 120, 3.0);
    EXPECT_NE(wordAt(read, "b2.48", 5610, last->top), nullptr);
    EXPECT_NE(wordAt(read, "c3.48", 10250 + 120, last->top), nullptr);
    EXPECT_LT(last->top, 16838 - 1000);
}

// On A4 with the real font metrics no layout overflows.
TEST(QtPagePrinterTest, SixLayoutsFitOnA4)
{
    QTemporaryDir dir;
    for (const int tables : {1, 2, 3}) {
        for (const bool offset : {false, true}) {
            SCOPED_TRACE(::testing::Message() << tables << " tables, offset " << offset);
            QtPagePrinter pdf(dir.filePath(QStringLiteral("%1-%2.pdf").arg(tables).arg(offset)));
            RecordingPagePrinter noting(&pdf);
            RecordingMessageBox messages;
            EXPECT_TRUE(PrintTablesPage(testing::sampleView(tables, offset), noting, messages).ok);
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(noting.printed.back().size, 10.0f); // the engine line fits 228 twips
        }
    }
}

} // namespace
} // namespace crank
