#include "tables/ang_disp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/line_shape.h"
#include "platform/twips_qt.h"
#include "tables/test_doubles.h"

namespace crank {
namespace {

class AngDispTest : public ::testing::Test {
protected:
    AngDispTest() : screen(state, printer) {}

    template <class T = QWidget> T* child(const QString& name) const
    {
        T* found = screen.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QWidget* cell(const char* column, int table, int row) const
    {
        return child(QStringLiteral("%1%2_%3").arg(QLatin1String(column)).arg(table).arg(row));
    }
    QLine rule(const char* name, int n = -1) const
    {
        const QString suffix = n < 0 ? QString() : QString::number(n);
        return child<LineShape>(QLatin1String(name) + suffix)->twipLine();
    }
    void layOut(int numTables, bool offset)
    {
        state.tables.NumTables = static_cast<std::int16_t>(numTables);
        state.geometry.OffsetNonZero = offset;
        screen.SetColumnHeaders();
        screen.PlaceTableCells();
        screen.PlaceTableRules();
    }

    EngineState state;
    RecordingTablesPrinter printer;
    Ang_Disp screen;
};

TEST_F(AngDispTest, FixedDesign)
{
    EXPECT_EQ(screen.windowTitle(),
              QStringLiteral("Crank Angles/Piston Displacement Utility - Tables Screen"));
    EXPECT_EQ(screen.size(), twipSize(9720, 7395));
    const std::tuple<const char*, const char*, QRect, QColor> buttons[] = {
        {"AngDispCom_0", "Return to &Front Screen", twipRect(520, 150, 1330, 650), {192, 192, 255}},
        {"AngDispCom_1",
         "Return to &Data Entry Screen",
         twipRect(520, 950, 1330, 650),
         {255, 192, 255}},
        {"AngDispCom_2", "&Print Screen Content", twipRect(7920, 550, 1240, 615), {255, 255, 128}}};
    for (const auto& [name, caption, rect, colour] : buttons) {
        SCOPED_TRACE(name);
        auto* button = child<QPushButton>(QString::fromLatin1(name));
        EXPECT_EQ(button->text(), QString::fromLatin1(caption));
        EXPECT_EQ(button->geometry(), rect);
        EXPECT_EQ(button->palette().color(QPalette::Button), colour);
    }
    EXPECT_EQ(child(QStringLiteral("Picture1"))->geometry(), twipRect(200, 2640, 9440, 4600));
    EXPECT_EQ(child<QScrollBar>(QStringLiteral("VScroll1"))->maximum(), 60);
    EXPECT_EQ(cell("Ang", 2, 10)->y(), twipsToPixels(2500));
    EXPECT_TRUE(child<QLineEdit>(QStringLiteral("DispA3_48"))->isReadOnly());
    EXPECT_EQ(rule("BDCLine_", 1), QLine(20, 1275, 3360, 1275));
    EXPECT_EQ(child<LineShape>(QStringLiteral("BDCLine_1"))->color(), QColor(Qt::white));
}

// Per layout, lefts in twips (-1: hidden): the cells of table 1 (angle,
// BTDC, ATDC), the angle cell of the last table, the headers of table 1, the
// first body and head rules; then the panel width.
struct Layout {
    int n;
    bool offset;
    std::array<int, 7> x;
    int panelWidth;
};
const Layout kLayouts[] = {
    {1, false, {3610, 4740, -1, 3610, 3800, 4780, 3340}, 5900},
    {1, true, {3580, 4310, 5120, 3580, 3800, 4400, 3340}, 5900},
    {2, false, {2060, 3180, -1, 5160, 2250, 3230, 1800}, 7440},
    {2, true, {2030, 2760, 3570, 5140, 2250, 2850, 1800}, 7440},
    {3, false, {510, 1620, -1, 6710, 700, 1680, 240}, 9000},
    {3, true, {480, 1210, 2020, 6690, 700, 1300, 240}, 9000},
};

TEST_F(AngDispTest, SixLayouts)
{
    screen.show();
    // Twice in turn, so each layout also overrides the one before.
    for (int round = 0; round < 2; ++round) {
        for (const auto& [n, offset, x, panelWidth] : kLayouts) {
            SCOPED_TRACE(testing::Message() << n << " tables, offset " << offset);
            layOut(n, offset);
            const QWidget* placed[] = {
                cell("Ang", 1, 0),  cell("DispB", 1, 48),           cell("DispA", 1, 0),
                cell("Ang", n, 48), child(QStringLiteral("Lab1a")), child(QStringLiteral("Lab1b"))};
            for (int i = 0; i < 6; ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(placed[i]->isVisible() ? placed[i]->x() : -1,
                          x[i] < 0 ? -1 : twipsToPixels(x[i]));
            }
            for (int t = 1; t <= 3; ++t) {
                SCOPED_TRACE(t);
                EXPECT_EQ(cell("DispB", t, 0)->isVisible(), t <= n);
                EXPECT_EQ(cell("DispA", t, 48)->isVisible(), t <= n && offset);
                EXPECT_EQ(child(QStringLiteral("Lab%1a").arg(t))->isVisible(), t <= n);
                EXPECT_EQ(child(QStringLiteral("THLine%1").arg(t + 3))->isVisible(), t <= n);
                EXPECT_EQ(child(QStringLiteral("VLine%1").arg(2 * t))->isVisible(), t <= n);
            }
            EXPECT_EQ(child<QLabel>(QStringLiteral("Lab1b"))->text(),
                      offset ? QStringLiteral("Displacement (mm) BTDC       ATDC  ")
                             : QStringLiteral("Displacement (mm)"));
            EXPECT_EQ(child(QStringLiteral("Lab%1b").arg(n))->width(),
                      twipsToPixels(offset ? 1760 : 1000));
            EXPECT_EQ(child(QStringLiteral("fdisp_2"))->width(), twipsToPixels(panelWidth));
            EXPECT_EQ(child(QStringLiteral("VScroll1"))->x(), twipsToPixels(panelWidth));
            EXPECT_EQ(rule("VLine", 1), QLine(x[6], 0, x[6], 12240));
        }
    }
    // Distinctive rules of the last layouts: head rules, a lowered one, spans.
    EXPECT_EQ(rule("TVLine", 1), QLine(440, 2020, 440, 2700));
    EXPECT_EQ(rule("TVLine", 5), QLine(6640, 2040, 6640, 2720));
    EXPECT_EQ(rule("THLine", 3), QLine(6640, 2020, 9180, 2020));
    EXPECT_EQ(rule("THLine", 6), QLine(6640, 2600, 9180, 2600));
    layOut(2, false); // body bottoms differ from the header spans
    EXPECT_EQ(rule("THLine", 2), QLine(5090, 2020, 7630, 2020));
    EXPECT_EQ(rule("HLine", 2), QLine(4890, 12240, 7430, 12240));
    EXPECT_EQ(rule("VScrollLine"), QLine(7820, 240, 7820, 6000));
}

TEST_F(AngDispTest, ScrollMovesThePanelAndKeepsItsPlace)
{
    layOut(3, true);
    auto* scroll = child<QScrollBar>(QStringLiteral("VScroll1"));
    for (const auto& [value, top] : {std::pair{1, -127}, {60, -7650}, {0, 0}}) {
        SCOPED_TRACE(value);
        scroll->setValue(value);
        EXPECT_EQ(screen.panelTopTwips(), top);
        EXPECT_EQ(child(QStringLiteral("fdisp_2"))->y(), twipsToPixels(top));
    }
    scroll->setValue(60);
    layOut(1, false); // a new layout and a print keep the scroll position
    screen.AngDispCom_Click(2);
    EXPECT_EQ(screen.panelTopTwips(), -7650);
    EXPECT_EQ(scroll->value(), 60);
}

} // namespace
} // namespace crank
