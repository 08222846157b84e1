#include "platform/print_targets.h"
#include "platform/save_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace crank {
namespace {

// A fresh account: a home folder, and the documents folder made only later.
class SaveLocationTest : public testing::Test {
protected:
    SaveLocationTest()
    {
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME"); // the folder names come from the home's own
    }
    ~SaveLocationTest() override { qputenv("HOME", oldHome); }
    QByteArray oldHome = qgetenv("HOME");
    QTemporaryDir home;
};

TEST_F(SaveLocationTest, StartsInTheLastFolderChosenThenDocumentsThenHome)
{
    RememberSaveFolder(home.filePath(QStringLiteral("gone/page.pdf")));
    EXPECT_EQ(SaveFolder(), home.path());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    EXPECT_EQ(SuggestedSavePath(QStringLiteral("a.csv")), home.filePath("Documents/a.csv"));
    RememberSaveFolder(home.filePath(QStringLiteral("page.pdf")));
    EXPECT_EQ(SaveFolder(), home.path());
}

TEST_F(SaveLocationTest, AFailedSaveSaysWhyAndKeepsTheOldFile)
{
    const QString path = home.filePath(QStringLiteral("tables.csv"));
    EXPECT_EQ(WriteWholeFile(path, "old"), QString());
    EXPECT_EQ(WriteWholeFile(home.filePath(QStringLiteral("none/tables.csv")), "new"),
              QStringLiteral("The folder does not exist."));
    // A folder where the file should be: the words of the file system layer.
    EXPECT_EQ(WriteWholeFile(home.path(), "new"),
              QStringLiteral("Filename refers to a directory."));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{"tables.csv"});
}

TEST(CsvSaveDialogTest, OffersFirstTheTypeOfTheLocalesDecimalSeparator)
{
    EXPECT_EQ(CsvSaveDialog(QLocale(QLocale::English, QLocale::UnitedKingdom)).defaultType(), 0);
    EXPECT_EQ(CsvSaveDialog(QLocale(QLocale::German, QLocale::Germany)).defaultType(), 1);
}

} // namespace
} // namespace crank
