#include "tables/qt_tables_printer.h"

#include <QDir>

#include "tests/screens_fixture.h"

namespace crank {
namespace {

// Without a printer the page is saved where the user chooses, under a name taken from the
// engine; a cancel saves and shows nothing, a missing folder is told in plain words with the
// path and leaves no file.
TEST(QtTablesPrinterTest, WithoutPrinterACancelOrAMissingFolderSavesNothing)
{
    for (const QString& answer : {QString(), QStringLiteral("no/tables.pdf")}) {
        SCOPED_TRACE(answer.toStdString());
        QTemporaryDir dir;
        EngineState state;
        NoPrinter printers;
        ScriptedChooser chooser;
        RecordingMessageBox messages;
        chooser.answer = answer.isEmpty() ? answer : dir.filePath(answer);
        const DisplayView view = DisplayKart(state, -0.5f, 2, {0, 77, 90, 0}, "Test");
        QtTablesPrinter(messages, printers, chooser).printTables(view);
        ASSERT_EQ(chooser.suggested.size(), 1);
        EXPECT_TRUE(chooser.suggested[0].endsWith(QStringLiteral("/Test crank angles.pdf")));
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
        EXPECT_EQ(messages.shown.size(), answer.isEmpty() ? 0u : 1u);
        for (const auto& shown : messages.shown) {
            EXPECT_EQ(shown.title, kPrintFailedTitle);
            EXPECT_NE(shown.prompt.find("The folder does not exist."), std::string::npos);
            EXPECT_NE(shown.prompt.find(chooser.answer.toStdString()), std::string::npos);
        }
    }
}

} // namespace
} // namespace crank
