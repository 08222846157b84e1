#include "platform/qt_page_printer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/pdf_words_test_support.h"
#include "tables/page_test_support.h"
#include "tables/print_page.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// Where every word stands on the sheet is compared by the end-to-end
// sessions; what they cannot see is the face of the font. Two offset tables
// make the tallest of the six pages.
TEST(QtPagePrinterTest, ThePageFitsOneA4PdfPageInBothFaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QtPagePrinter pdf(path, QStringLiteral("Crank angle tables"));
    EXPECT_EQ(pdf.pageHeight(), 16838); // A4, 297 mm
    RecordingMessageBox messages;
    EXPECT_TRUE(PrintTablesPage(testing::sampleView(2, true), pdf, messages).ok);
    EXPECT_TRUE(messages.shown.empty());
    const testing::PdfText read = testing::readPdfText(path);
    EXPECT_EQ(read.pages, 1);
    EXPECT_TRUE(read.words.contains(QStringLiteral("a2.48 b2.48 c2.48")));
    // Bold and regular rows: the two faces of the monospaced font, one line
    // each below the two heading lines of the font list.
    const QString fonts = testing::runPoppler(QStringLiteral("pdffonts"), {path});
    EXPECT_EQ(fonts.count(QLatin1Char('\n')), 4) << fonts.toStdString();
    EXPECT_EQ(fonts.count(QStringLiteral("Mono-Bold ")), 1);
    EXPECT_EQ(fonts.count(QStringLiteral("Mono ")), 1);
}

} // namespace
} // namespace crank
