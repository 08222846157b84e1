// The port timing sheet opened on the tables screen after a real display.
#include "ports/port_timing_sheet.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>

#include "platform/pdf_words_test_support.h"
#include "ports/port_sheet_file.h"
#include "ports/port_sheet_fixture.h"

namespace crank {
namespace {

// With decimal commas: every box reaches the timing and refuses only what cannot be a number, the
// found height follows the deck, a unit change keeps what was typed, copy and PDF carry the sheet.
TEST_F(PortTimingSheetTest, TimesTypedPortsAndCarriesThemToCopyAndPdf)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    open();
    QLocale::setDefault(before);
    typeInto("portNameTxt_1", "Exhaust");
    // Drop at 90 degrees with no offset: 123 - sqrt(100^2 - 23^2) = 25.681 mm.
    typeInto("portHeightTxt_1", "2a5,.681");
    in<QComboBox>("portRoleBox_2")
        ->setCurrentIndex(3); // inlet, by the skirt, 60 mm below the crown
    typeInto("pistonTxt", "60");
    typeInto("portHeightTxt_2", "85,681");
    typeInto("portHeightTxt_3", "-3");
    EXPECT_EQ(in<QLineEdit>("portHeightTxt_1")->text(), "25,681");
    EXPECT_EQ(in<QLabel>("opensLab_1")->text(), "90,0 ATDC");
    EXPECT_EQ(in<QLabel>("opensLab_2")->text(), "90,0 BTDC");
    EXPECT_EQ(in<QLineEdit>("portHeightTxt_3")->text(), "-3");
    EXPECT_TRUE(in<QLabel>("portMessageLab_3")->isVisible());

    typeInto("targetTxt", "90");
    typeInto("deckTxt", "1");
    EXPECT_EQ(in<QLabel>("targetLab")->text(), "Exhaust needs a height of 26,68 mm.");
    EXPECT_EQ(in<QLabel>("opensLab_1")->text(), "87,5 ATDC"); // now 24.681 mm down, by hand
    typeInto("deckTxt", "");

    in<QComboBox>("unitBox")->setCurrentIndex(1);
    EXPECT_EQ(in<QLineEdit>("portHeightTxt_1")->text(), "1,011");
    EXPECT_EQ(in<QLabel>("headerLab_0")->text() + " " + in<QLabel>("headerLab_2")->text(),
              "Port Height (in)");
    in<QComboBox>("unitBox")->setCurrentIndex(0);
    EXPECT_EQ(in<QLineEdit>("portHeightTxt_1")->text(), "25,681");

    QTest::mouseClick(in<QPushButton>("copyCom"), Qt::LeftButton);
    EXPECT_TRUE(
        QGuiApplication::clipboard()->text().startsWith("Engine:\tKart\nStroke (mm):\t46\n"));
    pdfChooser.answer = dir.filePath("ports.pdf");
    QTest::mouseClick(in<QPushButton>("savePdfCom"), Qt::LeftButton);
    EXPECT_TRUE(pdfChooser.suggested.last().endsWith("/Kart port timing.pdf"));
    EXPECT_TRUE(testing::readPdfText(pdfChooser.answer)
                    .words.contains("Exhaust exhaust 25,68 90,0 ATDC 90,0 BTDC 180,0"));
    EXPECT_TRUE(testing::runPoppler("pdfinfo", {pdfChooser.answer}).contains("Port timing\n"));

    // With no printer installed, "Print..." offers the same save; a failed save says so.
    pdfChooser.answer = dir.filePath("missing/ports.pdf");
    QTest::mouseClick(in<QPushButton>("printCom"), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Page Not Saved");

    QTest::mouseClick(child<QPushButton>(tables, "AngDispCom_1"), Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
}

// Tab walks every control in reading order, the page itself (which scrolls by the keys) after the
// tabs, and each caption has an access key of its own.
TEST_F(PortTimingSheetTest, TheKeyboardReachesEveryControlTopToBottom)
{
    open();
    EXPECT_EQ(sheet->focusWidget(), in<QLineEdit>("portNameTxt_1"));
    sheet->resize(sheet->sizeHint()); // nothing scrolls while positions are compared
    QTest::qWait(20);
    in<QComboBox>("unitBox")->setFocus();
    QWidget* previous = sheet->focusWidget();
    QStringList walked;
    for (int step = 0; step < 50 && !walked.contains(previous->objectName()); ++step) {
        walked.append(previous->objectName());
        QTest::keyClick(previous, Qt::Key_Tab);
        QWidget* next = sheet->focusWidget();
        const QPoint a = previous->mapTo(sheet, QPoint(0, previous->height() / 2));
        const QPoint b = next->mapTo(sheet, QPoint(0, next->height() / 2));
        // From the last button the chain goes round to the tabs, then the top.
        if (next->objectName() != "unitBox" && previous->objectName() != "closeCom") {
            EXPECT_TRUE(b.y() > a.y() + 2 || (std::abs(b.y() - a.y()) <= 2 && b.x() > a.x()))
                << previous->objectName().toStdString() << " then "
                << next->objectName().toStdString();
        }
        previous = next;
    }
    EXPECT_EQ(walked.size(), 4 + 3 * kMaxPorts + 3 + 6 + 2) << walked.join(' ').toStdString();

    // Every page's captions: the compression page is made when first chosen.
    in<QTabWidget>("sheetTabs")->setCurrentIndex(2);
    QString keys;
    for (const QWidget* w : sheet->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QPushButton*>(w);
        const auto* label = qobject_cast<const QLabel*>(w);
        const QString caption = button                    ? button->text()
                                : label && label->buddy() ? label->text()
                                                          : "";
        const qsizetype amp = caption.indexOf(QLatin1Char('&'));
        if (button || !caption.isEmpty()) {
            ASSERT_GE(amp, 0) << caption.toStdString();
            EXPECT_FALSE(keys.contains(caption[amp + 1].toLower())) << caption.toStdString();
            keys += caption[amp + 1].toLower();
        }
    }
    EXPECT_EQ(keys.size(), 5 + 6 + 3 + 3); // timing, buttons, time-area, compression
}

// A deck of 0.3 mm typed with either separator, in a locale of decimal points and in one of
// decimal commas: a roof 25.981 mm down passes the crown 25.681 mm below TDC, at 90 degrees on
// this engine (123 - sqrt(100² - 23²) = 25.681).
TEST_F(PortTimingSheetTest, TheDeckReadsEitherSeparatorInEitherLocale)
{
    const QLocale before;
    for (const char* opens : {"90.0 ATDC", "90,0 ATDC"}) {
        QLocale::setDefault(opens[2] == ',' ? QLocale(QLocale::German) : QLocale::c());
        PortSheetInput input;
        std::optional<Baseline> none;
        PortTimingSheet local(tables.view().engine, input, none, services());
        QLocale::setDefault(before);
        typeInto(local, "portHeightTxt_1", "25.981");
        for (const char* deck : {"0,3", "0.3"}) {
            SCOPED_TRACE(std::string(deck) + " for " + opens);
            typeInto(local, "deckTxt", deck);
            EXPECT_EQ(child<QLabel>(local, "opensLab_1")->text(), opens);
            EXPECT_EQ(child<QLineEdit>(local, "deckTxt")->text(), deck); // as typed
        }
        // A crown that stands above the cylinder top: the port opens later.
        typeInto(local, "deckTxt", "-0,3");
        EXPECT_EQ(child<QLineEdit>(local, "deckTxt")->text(), "-0,3");
        const QString later = child<QLabel>(local, "opensLab_1")->text();
        EXPECT_GT(later.section(' ', 0, 0).replace(',', '.').toDouble(), 90.0)
            << later.toStdString();
    }
}

// The figures table on the time-area page: its captions, and for an exhaust window of 40 x 20 mm
// without corners, fully open at BDC, its role, its area of 800 mm² and an angle-area.
TEST_F(PortTimingSheetTest, TheFiguresTableShowsEachRolesFigures)
{
    PortSheetInput input;
    input.bore = {"54"};
    input.rpm = "10000";
    input.rows[0] = {"Ex", PortRole::Exhaust, {"26"}, {"", {"40"}, {}, {"20"}, {}, {}, {}}};
    tool->setInput(input);
    open();
    EXPECT_EQ(in<QLabel>("figureLab_0_0")->text(), "Ports");
    EXPECT_EQ(in<QLabel>("figureLab_0_1")->text(), "Area (mm²)");
    EXPECT_EQ(in<QLabel>("figureLab_1_0")->text(), "Exhaust");
    EXPECT_EQ(in<QLabel>("figureLab_1_1")->text().replace(',', '.'), "800.00");
    EXPECT_TRUE(
        QRegularExpression("^[0-9]+$").match(in<QLabel>("figureLab_1_2")->text()).hasMatch())
        << "an angle-area in whole mm²·deg";
    EXPECT_TRUE(in<QLabel>("figureLab_2_0")->isHidden()); // one role, one row
}

// Each edit goes into the tool's input. An input set whole shows in the boxes in the locale's
// style and stays as it was set; the rows it times are there before the sheet ever opened.
TEST_F(PortTimingSheetTest, WhatIsTypedIsHeldAsAValue)
{
    PortSheetInput set;
    set.deck = {"0.3000001"};        // longer than one types into the box
    set.rows[0].height = {"25.981"}; // 90 degrees, as above
    set.targets[0].low = "0.000130";
    tool->setInput(set);
    EXPECT_EQ(tool->sheet(), nullptr);
    EXPECT_NEAR(tool->rows(tables.view().engine)[0].opens, 90.0, 0.05);

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    open();
    QLocale::setDefault(before);
    EXPECT_EQ(in<QLineEdit>("deckTxt")->text(), "0,3000001");
    EXPECT_EQ(in<QLineEdit>("targetLowTxt_1")->text(), "0,000130");
    EXPECT_EQ(in<QLabel>("opensLab_1")->text(), "90,0 ATDC");
    EXPECT_EQ(tool->input().deck.text, "0.3000001");

    typeInto("portNameTxt_2", "Boost");
    in<QComboBox>("portRoleBox_2")->setCurrentIndex(2);
    typeInto("rpmTxt", "9000");
    EXPECT_EQ(tool->input().rows[1].name, "Boost");
    EXPECT_EQ(tool->input().rows[1].role, PortRole::Boost);
    EXPECT_EQ(tool->input().rpm, "9000");

    tool->setInput(set);
    EXPECT_EQ(in<QLineEdit>("portNameTxt_2")->text(), "");
    EXPECT_EQ(in<QComboBox>("portRoleBox_2")->currentIndex(), 1); // a transfer, as made fresh
    EXPECT_EQ(in<QLineEdit>("rpmTxt")->text(), "");
}

// "Keep as Before" freezes the sheet and a 0.5 mm gasket then shows what it does: bore 54, stroke
// 46 sweep 22.902·4.6 = 105.35 cm³, (105.35 + 10) / 10 = 11.54:1, and 1.15 cm³ more clearance
// gives (105.35 + 11.15) / 11.15 = 10.45:1. "Clear Before" gives back the sheet and its copy as
// they were; "Compare With File..." takes an engine file's sheet and refuses what is none.
TEST_F(PortTimingSheetTest, KeepsComparesWithAFileAndClearsABaseline)
{
    PortSheetInput input;
    input.deck = {"0.5"};
    input.bore = {"54"};
    input.clearanceVolume = "10";
    input.rows[0].height = {"26"};
    tool->setInput(input);
    open();
    const auto copied = [this] {
        QTest::mouseClick(in<QPushButton>("copyCom"), Qt::LeftButton);
        return QGuiApplication::clipboard()->text();
    };
    const QString alone = copied();
    const auto command = [this](const char* name) { sheet->findChild<QAction*>(name)->trigger(); };
    QSignalSpy changed(tool, &PortTool::inputChanged);
    command("keepBeforeCom");
    EXPECT_EQ(changed.size(), 1);
    EXPECT_TRUE(in<QLabel>("beforeLab")->text().startsWith("before: kept "));
    EXPECT_TRUE(in<QLabel>("comparedLab_1")->text().endsWith("; change 0.0, 0.0, 0.0"));
    typeInto("raiseTxt", "0.5");
    in<QTabWidget>("sheetTabs")->setCurrentIndex(2); // the compression page, made when chosen
    EXPECT_EQ(in<QLineEdit>("clearanceTxt")->text(), "10");
    EXPECT_TRUE(in<QLabel>("compressionComparedLab")
                    ->text()
                    .contains("Geometric compression ratio (:1): 10.45 now, 11.54 before, "
                              "change -1.08."));
    EXPECT_TRUE(copied().contains("\nCompared with:\tbefore: kept "));
    typeInto("raiseTxt", "");
    command("clearBeforeCom");
    EXPECT_FALSE(tool->before());
    EXPECT_EQ(copied(), alone);
    EXPECT_TRUE(in<QLabel>("beforeLab")->isHidden());
    EXPECT_FALSE(sheet->findChild<QAction*>("clearBeforeCom")->isEnabled());

    input.deck = {"1"};
    const auto write = [this](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        doubles.engineOpener.answer = file.fileName();
    };
    write("a.crank", QJsonDocument(QJsonObject{{"kind", "engine"},
                                               {"version", 2},
                                               {"engine", QJsonObject{{"name", "A"},
                                                                      {"stroke", "46"},
                                                                      {"rod", "100"},
                                                                      {"offset", "0"}}},
                                               {"ports", PortSheetAsJson(input)}})
                         .toJson());
    command("compareFileCom");
    EXPECT_EQ(in<QLabel>("beforeLab")->text(),
              "before: a.crank, saved " + QDate::currentDate().toString(Qt::ISODate));
    write("b.crank", "hello");
    command("compareFileCom");
    EXPECT_EQ(messages.shown.back().title, "File Not Compared");
    EXPECT_TRUE(messages.shown.back().prompt.ends_with(
        "b.crank is not an engine file. Nothing of it was compared."));
    ASSERT_TRUE(tool->before());
    EXPECT_EQ(tool->before()->input.deck.text, "1");
}

} // namespace
} // namespace crank
