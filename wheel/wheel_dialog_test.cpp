// The degree wheel opened on the tables screen after a real display, and from the port sheet.
#include "wheel/wheel_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QScrollArea>

#include "platform/pdf_words_test_support.h"
#include "ports/port_timing_sheet.h"
#include "ports/port_tool.h"
#include "tests/screens_fixture.h"
#include "wheel/wheel_tool.h"

namespace crank {
namespace {

// One table of the 46/100 engine with a pin offset of +3 mm.
class WheelDialogTest : public TablesScreenTest {
protected:
    WheelDialogTest()
    {
        show(DisplayKart(state, 3, 1, {0, 0, 0, 0}));
        ports = new PortTool(tables, *extras, services()); // owned by the screen
        tool = new WheelTool(tables, *extras, *ports, services());
    }

    WheelDialog& open()
    {
        QTest::keyClick(&tables, Qt::Key_D, Qt::ControlModifier);
        EXPECT_TRUE(tool->wheel() != nullptr && tool->wheel()->isVisible());
        return *tool->wheel();
    }
    // Types over a box's text as a user.
    static void type(WheelDialog& wheel, const char* box, const char* keys)
    {
        QLineEdit* target = child<QLineEdit>(wheel, box);
        target->setFocus(Qt::MouseFocusReason);
        target->selectAll();
        QTest::keyClicks(target, QString::fromLatin1(keys));
    }
    static QPoint at(const WheelDialog& wheel, const QWidget& control)
    {
        return control.mapTo(&wheel, QPoint());
    }

    PortTool* ports = nullptr;
    WheelTool* tool = nullptr;
};

// A stop 10 mm down touched at 50.63 either side of TDC on a 0-180-0 wheel: true TDC lies
// 0.124 degree before its zero. A wheel too large for A4 less 6 mm is not saved; one that
// fits is, at A4.
TEST_F(WheelDialogTest, ChecksAStopAndSavesOnlyAWheelThatFits)
{
    WheelDialog& wheel = open();
    type(wheel, "stopBeforeTxt", "50.63");
    type(wheel, "stopAfterTxt", "50,63");
    type(wheel, "stopDropTxt", "10");
    EXPECT_TRUE(child<QLabel>(wheel, "stopResultLab")->text().contains("0.124 degree after true"));

    type(wheel, "diameterTxt", "198");
    EXPECT_FALSE(child<QPushButton>(wheel, "savePdfCom")->isEnabled());
    type(wheel, "diameterTxt", "197");
    pdfChooser.answer = dir.filePath("wheel.pdf");
    QTest::mouseClick(child<QPushButton>(wheel, "savePdfCom"), Qt::LeftButton);
    EXPECT_TRUE(pdfChooser.suggested.last().endsWith("/Kart degree wheel.pdf"));
    EXPECT_TRUE(testing::readPdfText(pdfChooser.answer)
                    .words.contains("print at 100% (no fit to page): the bar must measure 100 mm"));

    QTest::mouseClick(child<QPushButton>(wheel, "copyCom"), Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("\nTDC\t0.00\t\t0.00\t\n"));
    QTest::mouseClick(child<QPushButton>(tables, "AngDispCom_1"), Qt::LeftButton);
    EXPECT_FALSE(wheel.isVisible());
}

// The port sheet's button opens the wheel with the sheet's timed ports marked as it times them.
TEST_F(WheelDialogTest, TheSheetsButtonMarksItsPorts)
{
    QTest::keyClick(&tables, Qt::Key_T, Qt::ControlModifier);
    PortTimingSheet* sheet = ports->sheet();
    QTest::keyClicks(child<QLineEdit>(*sheet, "portNameTxt_1"), "Exhaust");
    QTest::keyClicks(child<QLineEdit>(*sheet, "portHeightTxt_1"), "20");
    QTest::mouseClick(child<QPushButton>(*sheet, "wheelCom"), Qt::LeftButton);
    ASSERT_TRUE(tool->wheel() != nullptr && tool->wheel()->isVisible());
    const std::vector<WheelMark>& marks = tool->wheel()->view().marks;
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[2].name, "Exhaust opens");
    EXPECT_EQ(marks[2].reading, double{sheet->view().rows[0].opens});
    EXPECT_EQ(marks[3].reading, 360.0 - double{sheet->view().rows[0].closes});
}

// The ports of the sheet's input are marked though the sheet was never opened.
TEST_F(WheelDialogTest, MarksThePortsOfASheetNeverOpened)
{
    PortSheetInput input;
    input.rows[0] = {"Exhaust", PortRole::Exhaust, {"20"}, {}};
    ports->setInput(input);
    const std::vector<WheelMark>& marks = open().view().marks;
    EXPECT_EQ(ports->sheet(), nullptr);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[2].name, "Exhaust opens");
}

// Each edit goes into the wheel's input, and so does the side a port's kind gives its readings;
// an input set whole shows in the boxes in the locale's style, without side boxes on a 0-360
// wheel.
TEST_F(WheelDialogTest, WhatIsTypedIsHeldAsAValue)
{
    WheelDialog& wheel = open();
    type(wheel, "diameterTxt", "150");
    child<QComboBox>(wheel, "portKindBox")->setCurrentIndex(1);
    EXPECT_EQ(wheel.input().diameter, "150");
    EXPECT_EQ(tool->input().diameter, "150") << "the tool's value is the one edited";
    EXPECT_EQ(wheel.input().portOpens.side, TdcSide::Btdc);
    EXPECT_EQ(child<QComboBox>(wheel, "portClosesSideBox")->currentText(), "ATDC");

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German));
    WheelInput input;
    WheelDialog german(input, services());
    QLocale::setDefault(before);
    WheelInput typed;
    typed.diameter = "154.5";
    typed.marking = WheelMarking::FullTurn;
    german.setInput(typed);
    EXPECT_EQ(child<QLineEdit>(german, "diameterTxt")->text(), "154,5");
    EXPECT_FALSE(child<QComboBox>(german, "stopBeforeSideBox")->isVisibleTo(&german));
    typed.diameter = "154.56789"; // from a file: longer than the box lets one type
    german.setInput(typed);
    EXPECT_EQ(child<QLineEdit>(german, "diameterTxt")->text(), "154,56789");
}

// On a laptop's screen less a panel every box, choice and button is in the window or scrolls
// into view; a long answer does not make the window grow, and a message under a box does not
// move the boxes sideways.
TEST_F(WheelDialogTest, FitsALaptopScreen)
{
    WheelDialog& wheel = open();
    auto* scroll = child<QScrollArea>(wheel, "settingsScroll");
    for (const QSize size : {QSize(1366, 728), QSize(1280, 680)}) {
        SCOPED_TRACE(size.width());
        wheel.resize(size);
        QTest::qWait(20); // the layouts, a level of the window per round of events
        EXPECT_EQ(wheel.size(), size);
        std::vector<std::pair<QLineEdit*, int>> boxes;
        for (QWidget* control : wheel.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control) &&
                !qobject_cast<QPushButton*>(control)) {
                continue;
            }
            QRect seen = wheel.rect();
            if (scroll->widget()->isAncestorOf(control)) {
                scroll->ensureWidgetVisible(control);
                seen = {at(wheel, *scroll->viewport()), scroll->viewport()->size()};
            }
            EXPECT_TRUE(seen.contains(QRect(at(wheel, *control), control->size())))
                << control->objectName().toStdString();
            if (auto* box = qobject_cast<QLineEdit*>(control)) {
                boxes.emplace_back(box, at(wheel, *box).x());
            }
        }
        // Both checks with their slips named, under a message on the diameter.
        WheelInput slips;
        slips.diameter = "300";
        slips.stopBefore = slips.portOpens = {"43.8", TdcSide::Atdc};
        slips.stopAfter = slips.portCloses = {"47.8", TdcSide::Atdc};
        wheel.setInput(slips);
        QTest::qWait(20);
        for (const char* answer : {"stopResultLab", "portResultLab"}) {
            const QLabel* label = child<QLabel>(wheel, answer);
            EXPECT_TRUE(label->text().contains("side of TDC")) << answer; // the slip, named
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << answer;
        }
        EXPECT_TRUE(child<QLabel>(wheel, "diameterMessageLab")->isVisible());
        EXPECT_EQ(wheel.size(), size);
        for (const auto& [box, x] : boxes) {
            EXPECT_EQ(at(wheel, *box).x(), x) << box->objectName().toStdString();
        }
        wheel.setInput({});
    }
}

} // namespace
} // namespace crank
