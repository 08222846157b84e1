// The degree wheel opened on the tables screen after a real display, and from the port sheet.
#include "wheel/wheel_dialog.h"

#include <QClipboard>

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
        ports = new PortTool(tables, *extras, messages, pdfChooser, none); // owned by the screen
        tool = new WheelTool(tables, *extras, *ports, messages, pdfChooser, none);
    }

    NoPrinter none;
    PortTool* ports = nullptr;
    WheelTool* tool = nullptr;
};

// A stop 10 mm down touched at readings 50.63 either side of the wheel's zero: true TDC lies
// 0.124 degree before it. A wheel too large for A4 is not saved; one that fits is, at A4.
TEST_F(WheelDialogTest, ChecksAStopAndSavesOnlyAWheelThatFits)
{
    QTest::keyClick(&tables, Qt::Key_D, Qt::ControlModifier);
    WheelDialog* wheel = tool->wheel();
    ASSERT_TRUE(wheel != nullptr && wheel->isVisible());
    QTest::keyClicks(child<QLineEdit>(*wheel, "stopBeforeTxt"), "-50.63");
    QTest::keyClicks(child<QLineEdit>(*wheel, "stopAfterTxt"), "50.63");
    QTest::keyClicks(child<QLineEdit>(*wheel, "stopDropTxt"), "10");
    EXPECT_TRUE(child<QLabel>(*wheel, "stopResultLab")->text().contains("0.124 degree after true"));

    child<QLineEdit>(*wheel, "diameterTxt")->setText("198");
    EXPECT_FALSE(child<QPushButton>(*wheel, "savePdfCom")->isEnabled());
    child<QLineEdit>(*wheel, "diameterTxt")->setText("197");
    pdfChooser.answer = dir.filePath("wheel.pdf");
    QTest::mouseClick(child<QPushButton>(*wheel, "savePdfCom"), Qt::LeftButton);
    EXPECT_TRUE(pdfChooser.suggested.last().endsWith("/Kart degree wheel.pdf"));
    EXPECT_TRUE(testing::readPdfText(pdfChooser.answer)
                    .words.contains("print at 100% (no fit to page): the bar must measure 100 mm"));

    QTest::mouseClick(child<QPushButton>(*wheel, "copyCom"), Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("\nTDC\t0.00\t\t0.00\t\n"));
    QTest::mouseClick(child<QPushButton>(tables, "AngDispCom_1"), Qt::LeftButton);
    EXPECT_FALSE(wheel->isVisible());
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

} // namespace
} // namespace crank
