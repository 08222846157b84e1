#include "tables/qt_tables_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

#include "platform/pdf_words_test_support.h"
#include "tables/page_test_support.h"
#include "tables/test_doubles.h"

namespace crank {
namespace {

class NoPrinter final : public PrinterSource {
public:
    QPrinterInfo defaultPrinter() const override { return {}; }
};

class ScriptedChooser final : public SaveFileChooser {
public:
    QString answer; // empty: the user cancels
    std::vector<QString> suggested;
    QString chooseSavePath(const QString& suggestedPath) override
    {
        suggested.push_back(suggestedPath);
        return answer;
    }
};

struct Fixture {
    QTemporaryDir dir;
    NoPrinter printers;
    ScriptedChooser chooser;
    RecordingMessageBox messages;
    QtTablesPrinter printer{messages, printers, chooser};
    PageContent content =
        testing::buildPageContent({.offset = -0.5f, .tables = 2, .initAngle = {0, 10, 60, 0}});
};

TEST(QtTablesPrinterTest, WithoutPrinterSavesThePageWhereTheUserChooses)
{
    Fixture f;
    f.chooser.answer = f.dir.filePath(QStringLiteral("tables.pdf"));
    f.printer.printTables(f.content);

    ASSERT_EQ(f.chooser.suggested.size(), 1u);
    EXPECT_TRUE(f.chooser.suggested[0].endsWith(QStringLiteral("/crank-angle-tables.pdf")));
    EXPECT_TRUE(f.messages.shown.empty());
    const testing::PdfText text = testing::readPdfWords(f.chooser.answer);
    ASSERT_TRUE(text.read);
    EXPECT_EQ(text.pages, 1);
    EXPECT_FALSE(text.words.empty());
}

TEST(QtTablesPrinterTest, CancelSavesAndShowsNothing)
{
    Fixture f;
    f.printer.printTables(f.content);
    EXPECT_EQ(f.chooser.suggested.size(), 1u);
    EXPECT_TRUE(QDir(f.dir.path()).isEmpty());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(QtTablesPrinterTest, UnwritableFileIsToldInPlainWords)
{
    Fixture f;
    f.chooser.answer = f.dir.filePath(QStringLiteral("no-such-folder/tables.pdf"));
    f.printer.printTables(f.content);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].title, kPrintFailedTitle);
    EXPECT_NE(f.messages.shown[0].prompt.find("could not be written"), std::string::npos);
    EXPECT_NE(f.messages.shown[0].prompt.find(f.chooser.answer.toStdString()), std::string::npos);
    EXPECT_FALSE(QFile::exists(f.chooser.answer));
}

} // namespace
} // namespace crank
