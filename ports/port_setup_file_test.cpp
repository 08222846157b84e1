// Port setups as files: whole or refused, whatever the bytes, and opened on the sheet.
#include "ports/port_setup_file.h"

#include <QClipboard>
#include <QFile>
#include <QRandomGenerator>

#include "ports/port_timing_sheet.h"
#include "ports/port_tool.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

const NumberStyle kComma{","};

PortSetup sampleSetup()
{
    PortSetup setup;
    setup.engine = {"Kart", "46", "100", "0.5"};
    PortSheetInput& input = setup.input;
    input.unit = LengthUnit::Inch;
    input.deck = {"0,6", LengthUnit::Millimetre};
    input.bore = {"2,125", LengthUnit::Inch};
    input.rpm = "11000";
    input.rows[0] = {"Exhaust \"main\"",
                     PortRole::Exhaust,
                     {"26,2"},
                     {"", {"40"}, WidthMeasure::Arc, {"25"}, {"4"}, {"4"}, {"5"}}};
    input.rows[7] = {
        "Inlet", PortRole::Inlet, {"-"}, {"2", {"30"}, WidthMeasure::Chord, {}, {}, {}, {}}};
    input.targetRow = 7;
    input.target = TimingTarget::Duration;
    input.targetDegrees = "190,5";
    input.staRow = 1;
    input.staTarget = "0,00015";
    return setup;
}

TEST(PortSetupFileTest, ASavedSetupReadsBackWhole)
{
    const QByteArray saved = SetupAsJson(sampleSetup(), kComma);
    EXPECT_TRUE(
        saved.contains("\"deck\": {\n        \"text\": \"0.6\",\n        \"unit\": \"mm\""));
    const SetupRead read = ReadSetup(saved, kComma);
    ASSERT_TRUE(read.setup) << read.problem;
    EXPECT_EQ(read.setup->input.rows[0].height.text, "26,2");
    EXPECT_EQ(read.setup->input.rows[0].name, "Exhaust \"main\"");
    EXPECT_EQ(SetupAsJson(*read.setup, kComma), saved);
    // Read in a locale of decimal points, the same numbers.
    EXPECT_EQ(ReadSetup(saved, {}).setup->input.targetDegrees, "190.5");
}

TEST(PortSetupFileTest, EveryCutOrChangedCopyIsRefusedOrWhole)
{
    const QByteArray saved = SetupAsJson(sampleSetup(), kComma);
    const qsizetype end = saved.trimmed().size();
    for (qsizetype n = 0; n < end; ++n) {
        const SetupRead read = ReadSetup(saved.left(n), kComma);
        ASSERT_FALSE(read.setup) << n;
        EXPECT_EQ(read.problem, n == 0 ? "is not a port setup." : "is cut short.") << n;
    }
    QRandomGenerator random(7);
    for (int copy = 0; copy < 3000; ++copy) {
        QByteArray changed = saved;
        for (int k = 0; k <= copy % 3; ++k) {
            changed[random.bounded(changed.size())] = static_cast<char>(random.bounded(256));
        }
        const SetupRead read = ReadSetup(changed, kComma);
        // What is read is a whole setup: it saves again and reads back the same.
        EXPECT_NE(read.setup.has_value(), !read.problem.empty());
        if (read.setup) {
            const QByteArray again = SetupAsJson(*read.setup, kComma);
            EXPECT_EQ(SetupAsJson(*ReadSetup(again, kComma).setup, kComma), again);
        }
    }
    QByteArray newer = saved;
    newer.replace("\"version\": 1", "\"version\": 2");
    EXPECT_EQ(ReadSetup(newer, kComma).problem,
              "comes from a newer version of this program (setup version 2); this one reads "
              "version 1.");
    EXPECT_EQ(ReadSetup("{\"kind\": \"tables\"}", kComma).problem, "is not a port setup.");
}

// On the sheet: what was not typed saves as the sheet made fresh; a refused file changes nothing
// and says why; a setup made for another engine says so, naming both, and its ports are timed on
// the engine on display.
using PortSetupSheetTest = TablesScreenTest;

TEST_F(PortSetupSheetTest, TheSheetOpensWholeSetupsOnly)
{
    show(DisplayKart(state, 0, 1, {0, 0, 0, 0}));
    auto* tool = new PortTool(tables, *extras, services());
    tool->openSheet();
    PortTimingSheet& sheet = *tool->sheet();
    ScriptedChooser& csv = doubles.portsCsvChooser;
    ScriptedChooser& setups = doubles.setupSaver;
    ScriptedOpener& opener = doubles.setupOpener;
    QTest::keyClicks(child<QLineEdit>(sheet, "portHeightTxt_1"), "26");
    QTest::keyClicks(child<QLineEdit>(sheet, "portHeightTxt_2"), "30");
    setups.answer = dir.filePath("kart.json");
    sheet.saveSetup();
    QFile file(setups.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    // What was not typed is the sheet's value as made fresh.
    PortSetup typed = *ReadSetup(saved, {}).setup;
    typed.input = PortSheetInput{};
    typed.input.rows[0].height = {"26"};
    typed.input.rows[1].height = {"30"};
    EXPECT_EQ(saved, SetupAsJson(typed, {}));
    sheet.copyRows();
    const QString before = QGuiApplication::clipboard()->text();

    QByteArray other = saved;
    other.replace("\"stroke\": \"46\"", "\"stroke\": \"54.5\"");
    for (const QByteArray& bytes : {saved.left(saved.size() / 2), other}) {
        QFile out(dir.filePath("other.json"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        opener.answer = out.fileName();
        QTest::keyClicks(child<QLineEdit>(sheet, "portHeightTxt_2"), "1"); // now 301: not timed
        sheet.openSetup();
    }
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].title, "Setup Not Opened");
    EXPECT_TRUE(messages.shown[0].prompt.ends_with(
        "other.json is cut short. The sheet is left as it was."));
    EXPECT_EQ(messages.shown[1].title, "Other Engine");
    EXPECT_EQ(messages.shown[1].prompt,
              "This setup was made for Kart (stroke 54.5 mm, rod 100 mm, offset 0 mm). Its ports "
              "are timed on Kart (stroke 46 mm, rod 100 mm, offset 0 mm), the engine on display.");
    sheet.copyRows();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), before);

    // The same rows as CSV, named for the engine, with semicolons and decimal commas if chosen.
    // 30 mm down: 123 - 30 = 23 cos t + sqrt(100² - 23² sin² t) at t = 101.08 degrees.
    csv.answer = dir.filePath("kart.csv");
    csv.type = 1;
    sheet.saveAsCsv();
    EXPECT_TRUE(csv.suggested.last().endsWith("/Kart ports.csv"));
    QFile written(csv.answer);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.contains("\r\nPort 2;transfer;crown;30,00;101,1;101,1;;;157,8;\r\n"));
}

} // namespace
} // namespace crank
