#include "platform/qt_page_printer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/pdf_words_test_support.h"
#include "tables/page_test_support.h"
#include "tables/print_page.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

// Where every word stands on the sheet, and that the page fits one A4 page, the end-to-end
// sessions compare; what they cannot see is the face of the font and the document's title.
TEST(QtPagePrinterTest, ThePageCarriesBothFacesAndItsTitle)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    QtPagePrinter pdf(path, QStringLiteral("Crank angle tables"));
    RecordingMessageBox messages;
    EXPECT_TRUE(PrintTablesPage(testing::sampleView(2, true), pdf, messages).ok);
    EXPECT_TRUE(testing::runPoppler("pdfinfo", {path}).contains("Crank angle tables\n"));
    // Bold and regular rows: the two faces of the monospaced font, one line
    // each below the two heading lines of the font list.
    const QString fonts = testing::runPoppler(QStringLiteral("pdffonts"), {path});
    EXPECT_EQ(fonts.count(QLatin1Char('\n')), 4) << fonts.toStdString();
    EXPECT_EQ(fonts.count(QStringLiteral("Mono-Bold ")), 1);
    EXPECT_EQ(fonts.count(QStringLiteral("Mono ")), 1);
}

} // namespace
} // namespace crank
