#include "tables/ang_disp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "platform/line_shape.h"
#include "platform/twips_qt.h"
#include "tests/test_doubles.h"

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
    QLine rule(const QString& name) const { return child<LineShape>(name)->twipLine(); }
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

// Per layout, lefts in twips (-1: hidden) of table 1's angle, BTDC and ATDC cells, the last
// table's angle cell, table 1's headers and the first body rule; then the panel width.
const std::tuple<int, bool, std::array<int, 7>, int> kLayouts[] = {
    {1, false, {3610, 4740, -1, 3610, 3800, 4780, 3340}, 5900},
    {1, true, {3580, 4310, 5120, 3580, 3800, 4400, 3340}, 5900},
    {2, false, {2060, 3180, -1, 5160, 2250, 3230, 1800}, 7440},
    {2, true, {2030, 2760, 3570, 5140, 2250, 2850, 1800}, 7440},
    {3, false, {510, 1620, -1, 6710, 700, 1680, 240}, 9000},
    {3, true, {480, 1210, 2020, 6690, 700, 1300, 240}, 9000}};

TEST_F(AngDispTest, FixedDesignSixLayoutsAndTheScrolledPanel)
{
    EXPECT_EQ(screen.windowTitle(),
              QStringLiteral("Crank Angles/Piston Displacement Utility - Tables Screen"));
    EXPECT_EQ(screen.size(), twipSize(9720, 7395));
    const std::tuple<const char*, const char*, std::array<int, 4>, QRgb> buttons[] = {
        {"AngDispCom_0", "Return to &Front Screen", {520, 150, 1330, 650}, 0xffc0c0ff},
        {"AngDispCom_1", "Return to &Data Entry Screen", {520, 950, 1330, 650}, 0xffffc0ff},
        {"AngDispCom_2", "&Print Screen Content", {7920, 550, 1240, 615}, 0xffffff80}};
    for (const auto& [name, caption, r, colour] : buttons) {
        auto* button = child<QPushButton>(QString::fromLatin1(name));
        EXPECT_EQ(button->text(), QString::fromLatin1(caption));
        EXPECT_EQ(button->geometry(), twipRect(r[0], r[1], r[2], r[3])) << name;
        EXPECT_EQ(button->palette().color(QPalette::Button).rgba(), colour) << name;
    }
    EXPECT_EQ(child(QStringLiteral("Picture1"))->geometry(), twipRect(200, 2640, 9440, 4600));
    EXPECT_EQ(cell("Ang", 2, 10)->y(), twipsToPixels(2500));
    EXPECT_TRUE(child<QLineEdit>(QStringLiteral("DispA3_48"))->isReadOnly());
    EXPECT_EQ(child<LineShape>(QStringLiteral("BDCLine_1"))->color(), QColor(Qt::white));
    screen.show();
    for (int round = 0; round < 2; ++round) { // each layout also overrides the one before
        for (const auto& [n, offset, x, panelWidth] : kLayouts) {
            SCOPED_TRACE(testing::Message() << n << " tables, offset " << offset);
            layOut(n, offset);
            const QWidget* placed[] = {
                cell("Ang", 1, 0),  cell("DispB", 1, 48),           cell("DispA", 1, 0),
                cell("Ang", n, 48), child(QStringLiteral("Lab1a")), child(QStringLiteral("Lab1b"))};
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(placed[i]->isVisible() ? placed[i]->x() : -1,
                          x[i] < 0 ? -1 : twipsToPixels(x[i]))
                    << i;
            }
            for (int t = 1; t <= 3; ++t) {
                EXPECT_EQ(cell("DispB", t, 0)->isVisible(), t <= n) << t;
                EXPECT_EQ(cell("DispA", t, 48)->isVisible(), t <= n && offset) << t;
                EXPECT_EQ(child(QStringLiteral("Lab%1a").arg(t))->isVisible(), t <= n) << t;
            }
            EXPECT_EQ(child<QLabel>(QStringLiteral("Lab1b"))->text(),
                      offset ? QStringLiteral("Displacement (mm) BTDC       ATDC  ")
                             : QStringLiteral("Displacement (mm)"));
            EXPECT_EQ(child(QStringLiteral("Lab%1b").arg(n))->width(),
                      twipsToPixels(offset ? 1760 : 1000));
            EXPECT_EQ(child(QStringLiteral("fdisp_2"))->width(), twipsToPixels(panelWidth));
            EXPECT_EQ(child(QStringLiteral("VScroll1"))->x(), twipsToPixels(panelWidth));
            EXPECT_EQ(rule(QStringLiteral("VLine1")), QLine(x[6], 0, x[6], 12240));
        }
    }
    EXPECT_EQ(rule(QStringLiteral("TVLine1")), QLine(440, 2020, 440, 2700));

    auto* scroll = child<QScrollBar>(QStringLiteral("VScroll1"));
    EXPECT_EQ(scroll->maximum(), 60);
    for (const auto& [value, top] : {std::pair{1, -127}, {60, -7650}, {0, 0}, {60, -7650}}) {
        scroll->setValue(value);
        EXPECT_EQ(screen.panelTopTwips(), top) << value;
        EXPECT_EQ(child(QStringLiteral("fdisp_2"))->y(), twipsToPixels(top)) << value;
    }
    layOut(2, false); // a new layout and a print keep the scroll position
    screen.AngDispCom_Click(2);
    EXPECT_EQ(std::pair(screen.panelTopTwips(), scroll->value()), std::pair(-7650, 60));
    EXPECT_EQ(rule(QStringLiteral("THLine2")), QLine(5090, 2020, 7630, 2020));
    EXPECT_EQ(rule(QStringLiteral("HLine2")), QLine(4890, 12240, 7430, 12240)); // not the header's
    EXPECT_EQ(rule(QStringLiteral("VScrollLine")), QLine(7820, 240, 7820, 6000));
}

} // namespace
} // namespace crank
