// Engine files: whole or refused, whatever the bytes, naming what is wrong.
#include "app/engine_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace crank {
namespace {

EngineFile sample()
{
    EngineFile file;
    file.engine = {"Kart \"B\"", "54.5", "110", "1", "2", {"40", "96", ""}};
    PortSheetInput& ports = file.ports;
    ports.unit = LengthUnit::Inch;
    ports.deck = {"0,6", LengthUnit::Millimetre};
    ports.bore = {"2,125", LengthUnit::Inch};
    ports.rows[0].name = "Exhaust";
    ports.rows[0].height = {"26,2"};
    ports.rows[0].shape = {"", {"40"}, WidthMeasure::Arc, {"25"}, {"4"}, {"4"}, {"5"}};
    ports.staRow = 1;
    ports.staTarget = "0,00015";
    ports.targets[0] = {"0,000130", "0,000155"};
    ports.wayBackBy = WayBackBy::Width;
    ports.raise = {"0,5"};
    ports.clearanceBy = ClearanceBy::HeadAndSquish;
    ports.clearanceVolume = "7,7";
    ports.squishBand = {"40"};
    file.before = Baseline{{"Kart A", "54", "110", "0"}, ports, {"kart-a.crank", "2026-12-01"}};
    file.wheel.diameter = "150";
    file.wheel.stopBefore = {"50,6", TdcSide::Btdc};
    file.wheel.stopAfter = {"50.9", TdcSide::Atdc};
    return file;
}

TEST(EngineFileTest, ASavedFileReadsBackWholeWithPoints)
{
    const QByteArray saved = EngineFileAsJson(sample());
    const EngineFileRead read = ReadEngineFile(saved);
    ASSERT_TRUE(read.file) << read.problem;
    EXPECT_EQ(read.version, 2);
    EXPECT_EQ(read.file->engine, sample().engine);
    // Written with a point whatever was typed, so that it reads the same in every locale.
    EXPECT_EQ(read.file->ports.rows[0].height.text, "26.2");
    EXPECT_EQ(read.file->wheel.stopBefore.degrees, "50.6");
    EXPECT_EQ(read.file->wheel.stopAfter.side, TdcSide::Atdc);
    EXPECT_EQ(read.file->ports.clearanceVolume, "7.7");
    EXPECT_EQ(read.file->before->source.file, "kart-a.crank");
    EXPECT_EQ(EngineFileAsJson(*read.file), saved);
}

TEST(EngineFileTest, EveryCutOrChangedCopyIsRefusedOrWhole)
{
    const QByteArray saved = EngineFileAsJson(sample());
    const qsizetype end = saved.trimmed().size();
    for (qsizetype n = 0; n < end; ++n) {
        const EngineFileRead read = ReadEngineFile(saved.left(n));
        ASSERT_FALSE(read.file) << n;
        EXPECT_EQ(read.problem, n == 0 ? "is not an engine file." : "is cut short.") << n;
    }
    QRandomGenerator random(25);
    for (int copy = 0; copy < 3000; ++copy) {
        QByteArray changed = saved;
        for (int k = 0; k <= copy % 3; ++k) {
            changed[random.bounded(changed.size())] = static_cast<char>(random.bounded(256));
        }
        const EngineFileRead read = ReadEngineFile(changed);
        // What is read is whole: it saves again and reads back the same.
        ASSERT_NE(read.file.has_value(), !read.problem.empty());
        if (read.file) {
            const QByteArray again = EngineFileAsJson(*read.file);
            EXPECT_EQ(EngineFileAsJson(*ReadEngineFile(again).file), again);
        }
    }
}

// A value of the wrong kind is named by its path; so is one too long.
TEST(EngineFileTest, AWrongValueIsNamedByItsPath)
{
    const QJsonObject root = QJsonDocument::fromJson(EngineFileAsJson(sample())).object();
    const auto with = [&root](const std::function<void(QJsonObject&)>& change) {
        QJsonObject changed = root;
        change(changed);
        return ReadEngineFile(QJsonDocument(changed).toJson()).problem;
    };
    EXPECT_EQ(with([](QJsonObject& r) {
                  QJsonObject ports = r["ports"].toObject();
                  QJsonArray rows = ports["rows"].toArray();
                  QJsonObject row = rows[2].toObject();
                  row["windowHeight"] = 28.5;
                  rows[2] = row;
                  ports["rows"] = rows;
                  r["ports"] = ports;
              }),
              "is damaged: ports.rows[3].windowHeight is not a group of fields.");
    EXPECT_EQ(with([](QJsonObject& r) {
                  QJsonObject engine = r["engine"].toObject();
                  engine["name"] = QString(26, QLatin1Char('W'));
                  r["engine"] = engine;
              }),
              "is damaged: engine.name is longer than 25 characters.");
    EXPECT_EQ(with([](QJsonObject& r) {
                  QJsonObject wheel = r["wheel"].toObject();
                  wheel["marked"] = "0-360-0";
                  r["wheel"] = wheel;
              }),
              "is damaged: wheel.marked is \"0-360-0\", which is none of its choices.");
    EXPECT_EQ(with([](QJsonObject& r) { r["version"] = 3; }),
              "comes from a newer version of this program (file version 3); this one reads "
              "versions up to 2.");
    EXPECT_EQ(with([](QJsonObject& r) { r["kind"] = "tables"; }), "is not an engine file.");
}

// Bytes no JSON reader should choke on: nesting far past any file's, a
// name that is not UTF-8.
TEST(EngineFileTest, DeepNestingAndBrokenTextAreRefused)
{
    QByteArray nested = "{\"kind\": \"engine\", \"version\": 2, \"engine\": ";
    nested += QByteArray(100000, '[') + QByteArray(100000, ']') + "}";
    EXPECT_TRUE(ReadEngineFile(nested).problem.starts_with("is damaged: "));
    QByteArray broken = EngineFileAsJson(sample());
    broken.replace("Kart", "K\xff\xfe");
    EXPECT_TRUE(ReadEngineFile(broken).problem.starts_with("is damaged: "));
}

// A port setup, as the program wrote it before engine files held the tables
// and the wheel, opens with one table from TDC and the wheel as made fresh.
TEST(EngineFileTest, AVersionOnePortSetupStillOpens)
{
    QJsonObject setup = QJsonDocument::fromJson(EngineFileAsJson(sample()))["ports"].toObject();
    setup["kind"] = "port setup";
    setup["version"] = 1;
    setup["engine"] =
        QJsonObject{{"name", "Kart"}, {"stroke", "46"}, {"rod", "100"}, {"offset", "0.5"}};
    const EngineFileRead read = ReadEngineFile(QJsonDocument(setup).toJson());
    ASSERT_TRUE(read.file) << read.problem;
    EXPECT_EQ(read.version, 1);
    EXPECT_EQ(read.file->engine, (EntryBoxes{"Kart", "46", "100", "0.5", "1", {"0", "", ""}}));
    EXPECT_EQ(read.file->ports.rows[0].height.text, "26.2");
    EXPECT_EQ(read.file->wheel.diameter, WheelInput{}.diameter);
}

// A file saved before the baseline, the raise, compression and the way back by width came opens
// with them as a fresh sheet has them.
TEST(EngineFileTest, AFileFromBeforeTheBaselineStillOpens)
{
    QJsonObject root = QJsonDocument::fromJson(EngineFileAsJson(sample())).object();
    QJsonObject ports = root["ports"].toObject();
    QJsonObject sta = ports["staTarget"].toObject();
    sta.remove("by");
    ports["staTarget"] = sta;
    ports.remove("raise");
    ports.remove("compression");
    root["ports"] = ports;
    root.remove("before");
    const EngineFileRead read = ReadEngineFile(QJsonDocument(root).toJson());
    ASSERT_TRUE(read.file) << read.problem;
    EXPECT_FALSE(read.file->before);
    EXPECT_EQ(read.file->ports.wayBackBy, WayBackBy::Edge);
    EXPECT_EQ(read.file->ports.raise.text, "");
    EXPECT_EQ(read.file->ports.clearanceBy, ClearanceBy::AtTdc);
    EXPECT_EQ(read.file->ports.staTarget, "0.00015");
}

} // namespace
} // namespace crank
