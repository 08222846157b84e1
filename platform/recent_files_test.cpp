#include "platform/recent_files.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace crank {
namespace {

// Newest first, each file once, eight at most; a file gone is dropped and named.
TEST(RecentFilesTest, KeepsTheLastEightOnceEachAndDropsTheMissing)
{
    QTemporaryDir dir;
    QSettings store(dir.filePath("settings.ini"), QSettings::IniFormat);
    RecentFiles recent(store);
    QStringList made;
    for (int i = 0; i < 10; ++i) {
        made.append(dir.filePath(QStringLiteral("kart%1.crank").arg(i)));
        QFile(made.last()).open(QIODevice::WriteOnly);
        recent.add(made.last());
    }
    recent.add(made[4]);
    const QStringList kept = recent.paths();
    ASSERT_EQ(kept.size(), RecentFiles::kMost);
    EXPECT_EQ(kept.front(), made[4]);
    EXPECT_EQ(kept[1], made[9]);
    EXPECT_EQ(kept.count(made[4]), 1);
    EXPECT_FALSE(kept.contains(made[1])) << "the oldest beyond eight";

    QFile::remove(made[9]);
    EXPECT_EQ(recent.dropMissing(), QStringList{made[9]});
    // Kept in the store: a later run reads the same list.
    QSettings again(dir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(RecentFiles(again).paths().size(), RecentFiles::kMost - 1);
    EXPECT_FALSE(RecentFiles(again).paths().contains(made[9]));
}

} // namespace
} // namespace crank
