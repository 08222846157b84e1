// The port timing sheet opened on the tables screen after a real display.
#include "tables/port_timing_sheet.h"

#include <QClipboard>
#include <QComboBox>

#include "platform/pdf_words_test_support.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

// One table of the engine without offset, the sheet opened with Ctrl+T.
class PortTimingSheetTest : public TablesScreenTest {
protected:
    PortTimingSheetTest()
    {
        show(DisplayKart(state, 0, 1, {0, 0, 0, 0}));
        QTest::keyClick(&tables, Qt::Key_T, Qt::ControlModifier);
        sheet = extras->portTimingSheet();
    }
    template <class T> T* in(const QString& name) const { return child<T>(*sheet, name); }
    void typeInto(const QString& name, const char* keys)
    {
        auto* box = in<QLineEdit>(name);
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }
    QString shown(const QString& name, int row) const
    {
        return in<QLabel>(QStringLiteral("%1_%2").arg(name).arg(row))->text();
    }

    PortTimingSheet* sheet = nullptr;
};

// Typed ports are timed row by row, a bad height kept to its row, and the copy and the PDF
// carry the rows as shown.
TEST_F(PortTimingSheetTest, TimesTypedPortsAndCarriesTheRowsToCopyAndPdf)
{
    ASSERT_TRUE(sheet != nullptr && sheet->isVisible());
    typeInto(QStringLiteral("portNameTxt_1"), "Exhaust");
    // Drop at 90 degrees with no offset: 123 - sqrt(100^2 - 23^2) = 25.681 mm.
    typeInto(QStringLiteral("portHeightTxt_1"), "25.681");
    typeInto(QStringLiteral("portNameTxt_2"), "Inlet");
    in<QComboBox>(QStringLiteral("portKindBox_2"))->setCurrentIndex(1); // skirt
    typeInto(QStringLiteral("portHeightTxt_2"), "50");
    typeInto(QStringLiteral("portHeightTxt_3"), "-3"); // no minus: the box empties, then 3
    EXPECT_EQ(in<QLineEdit>(QStringLiteral("portHeightTxt_3"))->text(), "3");
    EXPECT_EQ(shown("portMessageLab", 3), "");
    QTest::mouseClick(in<QPushButton>(QStringLiteral("copyCom")), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 2),
              "Port\tOpened by\tHeight (mm)\tOpens (deg)\tCloses (deg)\tDuration (deg)\n"
              "Exhaust\tcrown\t25.68\t90.0 ATDC\t90.0 BTDC\t180.0\n"
              "Inlet\tskirt\t50.00\tBeyond the stroke: the drop is 50.00 mm, the stroke 46.00 "
              "mm.");

    // In inches the typed heights are converted, and restored as typed on the way back.
    in<QComboBox>(QStringLiteral("unitBox"))->setCurrentIndex(1);
    EXPECT_EQ(in<QLineEdit>(QStringLiteral("portHeightTxt_1"))->text(), "1.0111");
    EXPECT_EQ(shown("durationLab", 1), "180.0");
    in<QComboBox>(QStringLiteral("unitBox"))->setCurrentIndex(0);
    EXPECT_EQ(in<QLineEdit>(QStringLiteral("portHeightTxt_1"))->text(), "25.681");

    in<QComboBox>(QStringLiteral("targetKindBox"))->setCurrentIndex(1); // duration
    typeInto(QStringLiteral("targetTxt"), "180");
    QTest::mouseClick(in<QPushButton>(QStringLiteral("findHeightCom")), Qt::LeftButton);
    EXPECT_EQ(in<QLabel>(QStringLiteral("targetLab"))->text(),
              "Exhaust needs a height of 25.68 mm.");

    pdfChooser.answer = dir.filePath(QStringLiteral("ports.pdf"));
    QTest::mouseClick(in<QPushButton>(QStringLiteral("savePdfCom")), Qt::LeftButton);
    EXPECT_TRUE(messages.shown.empty());
    const testing::PdfText pdf = testing::readPdfText(pdfChooser.answer);
    EXPECT_EQ(pdf.pages, 1);
    for (const char* expected : {"Exhaust crown 25.68 90.0 ATDC 90.0 BTDC 180.0",
                                 "Inlet skirt 50.00 Beyond the stroke", "Stroke (mm): 46"}) {
        EXPECT_TRUE(pdf.words.contains(QLatin1String(expected)))
            << expected << " in " << pdf.words.toStdString();
    }

    // With no printer installed, "Print..." offers the same save.
    NoPrinter none;
    sheet->setPrinterSource(none);
    pdfChooser.answer = dir.filePath(QStringLiteral("printed.pdf"));
    QTest::mouseClick(in<QPushButton>(QStringLiteral("printCom")), Qt::LeftButton);
    EXPECT_EQ(testing::readPdfText(pdfChooser.answer).pages, 1);
    pdfChooser.answer = dir.filePath(QStringLiteral("missing/ports.pdf"));
    QTest::mouseClick(in<QPushButton>(QStringLiteral("savePdfCom")), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Page Not Printed");

    QTest::mouseClick(tables.findChild<QPushButton*>(QStringLiteral("AngDispCom_1")),
                      Qt::LeftButton);
    EXPECT_FALSE(sheet->isVisible());
}

} // namespace
} // namespace crank
