// The port timing sheet on a laptop's screen: what shows, what scrolls and
// what takes the room.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <map>

#include "ports/port_sheet_fixture.h"

namespace crank {
namespace {

// A slip in every box that can say why, on every row: the longest messages of both pages.
PortSheetInput slips()
{
    PortSheetInput input;
    input.pistonLength = {"-"};
    for (std::size_t i = 0; i < kMaxPorts; ++i) {
        PortRowInput& row = input.rows[i];
        row.role = i % 2 == 0 ? PortRole::Inlet : PortRole::Exhaust;
        // Row 2: an exhaust 30 mm down, its 20 mm window 4 mm below the crown at BDC.
        row.height = {i == 1 ? "30" : i < 4 ? "999" : "-999"};
        row.shape.width = {"40"};
        row.shape.windowHeight = {i < 2 ? "20" : "-"};
    }
    input.targetDegrees = "-";
    input.targets[0].low = "1";
    input.staTarget = "1";
    input.raise = {"-0.05"}; // a lowered cylinder and its message under the squish
    input.clearanceVolume = "-";
    input.squish = {"-1"};
    input.squishBand = {"-"};
    return input;
}

// Every text shown stands whole in its label, wrapped where it wraps, clear of the others.
void expectTextsWhole(const QWidget& window)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) {
            continue;
        }
        const QRect room = label->contentsRect();
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(room, label->wordWrap() ? Qt::TextWordWrap : 0,
                                               QString(label->text()).remove('&'));
        EXPECT_TRUE(room.contains(needed)) << label->text().toStdString();
        for (const QWidget* other :
             label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(!other->isVisibleTo(&window) || other == label ||
                        !other->geometry().intersects(label->geometry()))
                << label->text().toStdString() << " under " << other->objectName().toStdString();
        }
    }
}

// On a laptop's screen less its panels: the window opens within the screen; the longest
// messages of both pages stand whole, and neither grow the window nor move a box sideways; every
// box, choice and button is in the window or scrolls into view as the keyboard reaches it. Made
// wider, the window gives the room to the diagram and the plot, not to the boxes.
TEST_F(PortTimingSheetTest, FitsALaptopScreen)
{
    open();
    EXPECT_TRUE(sheet->screen()->availableGeometry().contains(sheet->frameGeometry()));
    auto* tabs = in<QTabWidget>("sheetTabs");
    tabs->setCurrentIndex(2); // the compression page is made when first chosen
    const auto at = [this](const QWidget& w) { return w.mapTo(sheet, QPoint()); };
    // The slips compared with themselves on another engine, from a file of a long name; the
    // sheet names both.
    std::string words;
    for (int w = 0; w < 14; ++w) {
        words += "WWWWWWWW ";
    }
    const Baseline other{
        {std::string(25, 'W'), "46", "110", "-1"}, slips(), {words + ".crank", "2026-12-01"}};
    const auto show = [&](int page, const PortSheetInput& input) {
        tabs->setCurrentIndex(page);
        tool->setInput(input);
        tool->setBefore(input.staTarget.empty() ? std::nullopt : std::optional(other));
        QTest::qWait(20);             // the layouts, a level of the window per round of events
        std::map<std::string, int> x; // of each box on the page
        for (const QLineEdit* box : tabs->currentWidget()->findChildren<QLineEdit*>()) {
            x[box->objectName().toStdString()] = box->x();
        }
        return x;
    };
    for (const QSize size : {QSize(1366, 728), QSize(1280, 680)}) {
        sheet->resize(size);
        for (const int page : {0, 1, 2}) {
            SCOPED_TRACE(
                QStringLiteral("%1 wide, page %2").arg(size.width()).arg(page).toStdString());
            const std::map<std::string, int> plain = show(page, {});
            EXPECT_EQ(show(page, slips()), plain);
            for (const char* shown :
                 {"portMessageLab_8", "shapeNoteLab_2", "targetLinesLab", "blowdownLab",
                  "wayBackLab", "beforeLab", "comparedLab_2", "flowComparedLab", "compressionLab",
                  "compressionComparedLab", "squishMessageLab"}) {
                EXPECT_FALSE(in<QLabel>(shown)->isHidden()) << shown;
            }
            EXPECT_EQ(sheet->size(), size);
            expectTextsWhole(*sheet);
            // With the messages the time-area page is taller than the window.
            auto* scroll = qobject_cast<QScrollArea*>(tabs->currentWidget());
            for (QWidget* control : sheet->findChildren<QWidget*>()) {
                if ((!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control) &&
                     !qobject_cast<QPushButton*>(control)) ||
                    !control->isVisibleTo(sheet)) {
                    continue;
                }
                control->setFocus(Qt::TabFocusReason);
                const QRect seen = scroll->widget()->isAncestorOf(control)
                                       ? QRect(at(*scroll->viewport()), scroll->viewport()->size())
                                       : sheet->rect();
                EXPECT_TRUE(seen.contains(QRect(at(*control), control->size())))
                    << control->objectName().toStdString();
            }
            EXPECT_EQ(show(page, {}), plain);
        }
    }
    const auto* diagram = in<QWidget>("timingDiagram");
    const auto* plot = in<QWidget>("areaPlot");
    const QSize before[] = {diagram->size(), plot->size(),
                            in<QLineEdit>("portHeightTxt_1")->size()};
    sheet->resize(1600, 680); // 320 pixels wider, all of them the picture's
    show(0, {});
    EXPECT_EQ(diagram->width(), before[0].width() + 320);
    EXPECT_EQ(in<QLineEdit>("portHeightTxt_1")->size(), before[2]);
    show(1, {});
    EXPECT_EQ(plot->width(), before[1].width() + 320);
}

} // namespace
} // namespace crank
