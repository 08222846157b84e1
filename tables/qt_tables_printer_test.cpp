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

// Without a printer the page is saved where the user chooses; a cancel saves
// and shows nothing, an unwritable file is told in plain words.
TEST(QtTablesPrinterTest, WithoutPrinterSavesWhereTheUserChooses)
{
    for (const QString& answer :
         {QStringLiteral("tables.pdf"), QString(), QStringLiteral("no-such-folder/tables.pdf")}) {
        SCOPED_TRACE(answer.toStdString());
        QTemporaryDir dir;
        NoPrinter printers;
        ScriptedChooser chooser;
        RecordingMessageBox messages;
        chooser.answer = answer.isEmpty() ? answer : dir.filePath(answer);
        QtTablesPrinter(messages, printers, chooser)
            .printTables(testing::buildPageContent({.offset = -0.5f, .tables = 2}));

        ASSERT_EQ(chooser.suggested.size(), 1u);
        EXPECT_TRUE(chooser.suggested[0].endsWith(QStringLiteral("/crank-angle-tables.pdf")));
        if (answer.startsWith(QStringLiteral("no-such"))) {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].title, kPrintFailedTitle);
            EXPECT_NE(messages.shown[0].prompt.find("could not be written"), std::string::npos);
            EXPECT_NE(messages.shown[0].prompt.find(chooser.answer.toStdString()),
                      std::string::npos);
            EXPECT_TRUE(QDir(dir.path()).isEmpty());
            continue;
        }
        EXPECT_TRUE(messages.shown.empty());
        if (answer.isEmpty()) {
            EXPECT_TRUE(QDir(dir.path()).isEmpty());
        } else {
            EXPECT_EQ(testing::readPdfWords(chooser.answer).pages, 1);
        }
    }
}

} // namespace
} // namespace crank
