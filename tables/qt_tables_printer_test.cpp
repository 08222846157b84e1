#include "tables/qt_tables_printer.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/pdf_words_test_support.h"
#include "tables/table_builder.h"
#include "tests/test_doubles.h"

namespace crank {
namespace {

struct NoPrinter final : PrinterSource {
    QPrinterInfo defaultPrinter() const override { return {}; }
};

struct ScriptedChooser final : SaveFileChooser {
    QString answer; // empty: the user cancels
    QStringList suggested;
    QString chooseSavePath(const QString& path) override
    {
        suggested.append(path);
        return answer;
    }
};

DisplayView twoOffsetTables()
{
    EngineState state;
    state.geometry = {.Stroke = 46, .RodLength = 100, .PinOffset = -0.5f};
    state.geometry.OffsetNonZero = true;
    state.tables.NumTables = 2;
    state.tables.InitAngle = {0, 77, 90, 0};
    return ComputeDisplay(state, {"Test", "46", "100", "-0.5"});
}

// Without a printer the page is saved where the user chooses; a cancel saves
// and shows nothing, an unwritable file is told in plain words with its path.
TEST(QtTablesPrinterTest, WithoutPrinterSavesWhereTheUserChooses)
{
    for (const QString& answer :
         {QStringLiteral("tables.pdf"), QString(), QStringLiteral("no/tables.pdf")}) {
        SCOPED_TRACE(answer.toStdString());
        QTemporaryDir dir;
        NoPrinter printers;
        ScriptedChooser chooser;
        RecordingMessageBox messages;
        chooser.answer = answer.isEmpty() ? answer : dir.filePath(answer);
        QtTablesPrinter(messages, printers, chooser).printTables(twoOffsetTables());
        ASSERT_EQ(chooser.suggested.size(), 1);
        EXPECT_TRUE(chooser.suggested[0].endsWith(QStringLiteral("/crank-angle-tables.pdf")));
        if (answer == QStringLiteral("tables.pdf")) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(testing::readPdfWords(chooser.answer).pages, 1);
            continue;
        }
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
        EXPECT_EQ(messages.shown.size(), answer.isEmpty() ? 0u : 1u);
        for (const auto& shown : messages.shown) {
            EXPECT_EQ(shown.title, kPrintFailedTitle);
            EXPECT_NE(shown.prompt.find("could not be written"), std::string::npos);
            EXPECT_NE(shown.prompt.find(chooser.answer.toStdString()), std::string::npos);
        }
    }
}

} // namespace
} // namespace crank
