// The port timing sheet opened on the tables screen after a real display.
#include "ports/port_timing_sheet.h"

#include <QClipboard>
#include <QComboBox>
#include <QLocale>
#include <QTabWidget>

#include "platform/pdf_words_test_support.h"
#include "ports/port_tool.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

// One table of the engine without offset; Ctrl+T opens the sheet.
class PortTimingSheetTest : public TablesScreenTest {
protected:
    PortTimingSheetTest()
    {
        show(DisplayKart(state, 0, 1, {0, 0, 0, 0}));
        tool = new PortTool(tables, *extras, services()); // owned by the screen
    }
    void open()
    {
        QTest::keyClick(&tables, Qt::Key_T, Qt::ControlModifier);
        sheet = tool->sheet();
        ASSERT_TRUE(sheet != nullptr && sheet->isVisible());
    }
    template <class T> T* in(const QString& name) const { return child<T>(*sheet, name); }
    void typeInto(const QString& name, const char* keys)
    {
        auto* box = in<QLineEdit>(name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QString::fromUtf8(keys));
    }

    NoPrinter none;
    PortTool* tool = nullptr;
    PortTimingSheet* sheet = nullptr;
};

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

// Tab walks every control in reading order, and each caption has an access key of its own.
TEST_F(PortTimingSheetTest, TheKeyboardReachesEveryControlTopToBottom)
{
    open();
    EXPECT_EQ(sheet->focusWidget(), in<QLineEdit>("portNameTxt_1"));
    in<QComboBox>("unitBox")->setFocus();
    QWidget* previous = sheet->focusWidget();
    QStringList walked;
    for (int step = 0; step < 40 && !walked.contains(previous->objectName()); ++step) {
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
    EXPECT_EQ(walked.size(), 3 + 3 * kMaxPorts + 3 + 7 + 1) << walked.join(' ').toStdString();

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
    EXPECT_EQ(keys.size(), 4 + 7 + 3); // timing, buttons, time-area
}

// The longest messages stand whole in their labels, wrapped where they wrap, clear of the others,
// on either page of the sheet; a window never fully open keeps its figures with the note beside.
TEST_F(PortTimingSheetTest, EveryTextShowsWhole)
{
    open();
    typeInto("pistonTxt", "-");
    for (int row = 1; row <= kMaxPorts; ++row) {
        in<QComboBox>(QString("portRoleBox_%1").arg(row))->setCurrentIndex(row % 2 * 3);
        // Row 2: an exhaust 30 mm down, its 20 mm window 4 mm below the crown at BDC.
        typeInto(QString("portHeightTxt_%1").arg(row), row == 2 ? "30" : row < 5 ? "999" : "-999");
        typeInto(QString("widthTxt_%1").arg(row), "40");
        typeInto(QString("windowHeightTxt_%1").arg(row), row < 3 ? "20" : "-");
    }
    typeInto("targetTxt", "-");
    typeInto("targetLowTxt_1", "1");
    typeInto("staTargetTxt", "1");
    in<QTabWidget>("sheetTabs")->setCurrentIndex(1);
    EXPECT_EQ(in<QComboBox>("staRowBox")->count(), kMaxPorts);
    EXPECT_TRUE(in<QLabel>("staLab_2")->isVisible());
    const QLabel* note = in<QLabel>("shapeNoteLab_2");
    EXPECT_TRUE(note->isVisible() && note->text().startsWith("Never fully open"));
    for (const int page : {0, 1}) {
        in<QTabWidget>("sheetTabs")->setCurrentIndex(page);
        for (const QLabel* label : sheet->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(sheet) || label->text().isEmpty()) {
                continue;
            }
            const QRect room = label->contentsRect();
            const QRect needed = QFontMetrics(label->font())
                                     .boundingRect(room, label->wordWrap() ? Qt::TextWordWrap : 0,
                                                   QString(label->text()).remove('&'));
            EXPECT_TRUE(room.contains(needed)) << label->text().toStdString();
            for (const QWidget* other :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(!other->isVisibleTo(sheet) || other == label ||
                            !other->geometry().intersects(label->geometry()))
                    << label->text().toStdString() << " under "
                    << other->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace crank
