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

TEST(QtPagePrinterTest, SixLayoutsFitOnePdfPage)
{
    QTemporaryDir dir;
    for (const int tables : {1, 2, 3}) {
        for (const float offset : {0.0f, -0.5f}) {
            SCOPED_TRACE(::testing::Message() << tables << " tables, offset " << offset);
            const QString path = dir.filePath(QStringLiteral("%1-%2.pdf").arg(tables).arg(offset));
            QtPagePrinter pdf(path);
            EXPECT_EQ(pdf.pageHeight(), 16838); // A4, 297 mm
            RecordingPagePrinter noting(&pdf);
            RecordingMessageBox messages;
            SetPrinterFont(noting);
            const PrintOutcome outcome = PrintTablesPage(
                testing::buildPageContent(
                    {.offset = offset, .tables = tables, .initAngle = {0, 8, 96, 150}}),
                noting, messages);
            EXPECT_TRUE(outcome.ok) << outcome.reason;
            EXPECT_TRUE(messages.shown.empty());
            ASSERT_EQ(noting.printed.size(),
                      (offset == 0 ? 5u + 102u * tables : 6u + 152u * tables));
            EXPECT_EQ(noting.printed.back().size, 10.0f); // Courier's engine line fits 228 twips
            const testing::PdfText text = testing::readPdfWords(path);
            EXPECT_EQ(text.pages, 1);
            // Every text's first word stands where the layout put it, the
            // leading blanks 120 twips each at 10 points (Courier, A4).
            for (const Printed& line : noting.printed) {
                const auto start = line.text.find_first_not_of(' ');
                const std::string first =
                    line.text.substr(start, line.text.find(' ', start) - start);
                const double left = line.x + static_cast<double>(start) * 12.0 * line.size;
                EXPECT_TRUE(std::any_of(text.words.begin(), text.words.end(),
                                        [&](const auto& w) {
                                            return w.text == first &&
                                                   std::abs(w.left - left) <= 3.0 &&
                                                   std::abs(w.top - line.y) <= 3.0;
                                        }))
                    << line.text << " at " << left << ", " << line.y;
            }
        }
    }
}

} // namespace
} // namespace crank
