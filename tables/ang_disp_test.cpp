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
    LineShape* line(const char* name, int n) const
    {
        return child<LineShape>(QString::fromLatin1(name) + QString::number(n));
    }
    // Visible at x twips from its parent's left, or hidden when x is -1.
    static void expectAt(const QWidget* widget, int x)
    {
        EXPECT_EQ(widget->isVisible(), x >= 0);
        if (x >= 0) {
            EXPECT_EQ(widget->x(), twipsToPixels(x));
        }
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
    const struct {
        const char* name;
        const char* caption;
        QRect rect;
        QColor colour;
    } buttons[] = {
        {"AngDispCom_0", "Return to &Front Screen", twipRect(520, 150, 1330, 650), {192, 192, 255}},
        {"AngDispCom_1",
         "Return to &Data Entry Screen",
         twipRect(520, 950, 1330, 650),
         {255, 192, 255}},
        {"AngDispCom_2", "&Print Screen Content", twipRect(7920, 550, 1240, 615), {255, 255, 128}},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        auto* button = child<QPushButton>(QString::fromLatin1(b.name));
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));
        EXPECT_EQ(button->geometry(), b.rect);
        EXPECT_EQ(button->palette().color(QPalette::Button), b.colour);
    }
    EXPECT_EQ(child(QStringLiteral("Picture1"))->geometry(), twipRect(200, 2640, 9440, 4600));
    auto* scroll = child<QScrollBar>(QStringLiteral("VScroll1"));
    EXPECT_EQ(scroll->maximum(), 60);
    EXPECT_EQ(scroll->pageStep(), 1);
    EXPECT_EQ(child(QStringLiteral("Ang2_10"))->y(), twipsToPixels(2500));
    EXPECT_TRUE(child<QLineEdit>(QStringLiteral("DispA3_48"))->isReadOnly());
    EXPECT_EQ(line("BDCLine_", 1)->twipLine(), QLine(20, 1275, 3360, 1275));
    EXPECT_EQ(line("BDCLine_", 1)->color(), QColor(Qt::white));
}

// Rules, x in twips (-1: hidden), the same with and without offset.
struct Rules {
    int panelWidth;
    std::array<int, 6> vLines; // VLine1..6
    std::array<int, 6> tvLines;
    std::array<std::pair<int, int>, 3> thSpans; // THLine1..3 and 4..6
};
const Rules kRules[] = {
    {5900,
     {3340, 5880, -1, -1, -1, -1},
     {3540, 6080, -1, -1, -1, -1},
     {{{3540, 6080}, {-1, -1}, {-1, -1}}}},
    {7440,
     {1800, 4340, 4890, 7430, -1, -1},
     {1990, 4530, 5090, 7620, -1, -1},
     {{{1990, 4530}, {5090, 7630}, {-1, -1}}}},
    {9000,
     {240, 2770, 3340, 5880, 6450, 8980},
     {440, 2980, 3540, 6080, 6640, 9180},
     {{{440, 2980}, {3540, 6080}, {6640, 9180}}}},
};

struct Layout {
    int n;
    bool offset;
    std::array<int, 9> cells;  // Ang1, DispB1, DispA1, Ang2, ..., DispA3
    std::array<int, 6> labels; // Lab1a, Lab1b, Lab2a, ...
};
// clang-format off
const Layout kLayouts[] = {
    {1, false, {3610, 4740, -1, -1, -1, -1, -1, -1, -1}, {3800, 4780, -1, -1, -1, -1}},
    {1, true, {3580, 4310, 5120, -1, -1, -1, -1, -1, -1}, {3800, 4400, -1, -1, -1, -1}},
    {2, false, {2060, 3180, -1, 5160, 6280, -1, -1, -1, -1}, {2250, 3230, 5350, 6330, -1, -1}},
    {2, true, {2030, 2760, 3570, 5140, 5860, 6680, -1, -1, -1}, {2250, 2850, 5350, 5950, -1, -1}},
    {3, false, {510, 1620, -1, 3610, 4740, -1, 6710, 7830, -1}, {700, 1680, 3800, 4780, 6900, 7880}},
    {3, true, {480, 1210, 2020, 3580, 4310, 5120, 6690, 7410, 8220}, {700, 1300, 3800, 4400, 6900, 7500}},
};
// clang-format on

TEST_F(AngDispTest, SixLayouts)
{
    screen.show();
    // Run the layouts twice in turn, so each one also overrides the one before.
    for (int round = 0; round < 2; ++round) {
        for (const Layout& l : kLayouts) {
            SCOPED_TRACE(testing::Message() << l.n << " tables, offset " << l.offset);
            layOut(l.n, l.offset);
            const char* columns[] = {"Ang", "DispB", "DispA"};
            for (int i = 0; i < 9; ++i) {
                SCOPED_TRACE(testing::Message() << columns[i % 3] << i / 3 + 1);
                for (int row : {0, 48}) {
                    expectAt(child(QStringLiteral("%1%2_%3")
                                       .arg(QString::fromLatin1(columns[i % 3]))
                                       .arg(i / 3 + 1)
                                       .arg(row)),
                             l.cells[i]);
                }
            }
            for (int i = 0; i < 6; ++i) {
                const QString name =
                    QStringLiteral("Lab%1%2").arg(i / 2 + 1).arg(i % 2 ? 'b' : 'a');
                SCOPED_TRACE(name.toStdString());
                auto* label = child<QLabel>(name);
                expectAt(label, l.labels[i]);
                if (i % 2 == 0) {
                    EXPECT_EQ(label->text(), QStringLiteral("Angle (deg)"));
                } else {
                    EXPECT_EQ(label->text(),
                              l.offset ? QStringLiteral("Displacement (mm) BTDC       ATDC  ")
                                       : QStringLiteral("Displacement (mm)"));
                    EXPECT_EQ(label->width(), twipsToPixels(l.offset ? 1760 : 1000));
                }
            }
            const Rules& r = kRules[l.n - 1];
            EXPECT_EQ(child(QStringLiteral("fdisp_2"))->width(), twipsToPixels(r.panelWidth));
            EXPECT_EQ(child(QStringLiteral("VScroll1"))->x(), twipsToPixels(r.panelWidth));
            for (int i = 0; i < 6; ++i) {
                SCOPED_TRACE(i + 1);
                LineShape* body = line("VLine", i + 1);
                LineShape* head = line("TVLine", i + 1);
                EXPECT_EQ(body->isVisible(), r.vLines[i] >= 0);
                EXPECT_EQ(head->isVisible(), r.tvLines[i] >= 0);
                if (r.vLines[i] >= 0) {
                    const int x = r.vLines[i];
                    const int tx = r.tvLines[i];
                    const int drop = i == 1 || i == 4 ? 20 : 0; // lowered head rules
                    EXPECT_EQ(body->twipLine(), QLine(x, 0, x, 12240));
                    EXPECT_EQ(head->twipLine(), QLine(tx, 2020 + drop, tx, 2700 + drop));
                }
            }
            for (int t = 1; t <= 3; ++t) {
                SCOPED_TRACE(t);
                const auto [x1, x2] = r.thSpans[t - 1];
                EXPECT_EQ(line("THLine", t)->isVisible(), x1 >= 0);
                EXPECT_EQ(line("THLine", t + 3)->isVisible(), x1 >= 0);
                EXPECT_EQ(line("HLine", t)->isVisible(), x1 >= 0);
                if (x1 >= 0) {
                    EXPECT_EQ(line("THLine", t)->twipLine(), QLine(x1, 2020, x2, 2020));
                    EXPECT_EQ(line("THLine", t + 3)->twipLine(), QLine(x1, 2600, x2, 2600));
                }
            }
        }
    }
    // Body bottoms, which differ from the header spans for two tables.
    layOut(2, false);
    EXPECT_EQ(line("HLine", 1)->twipLine(), QLine(1800, 12240, 4330, 12240));
    EXPECT_EQ(line("HLine", 2)->twipLine(), QLine(4890, 12240, 7430, 12240));
    EXPECT_EQ(child<LineShape>(QStringLiteral("VScrollLine"))->twipLine(),
              QLine(7820, 240, 7820, 6000));
}

TEST_F(AngDispTest, ScrollMovesThePanel)
{
    layOut(3, true);
    auto* scroll = child<QScrollBar>(QStringLiteral("VScroll1"));
    QWidget* panel = child(QStringLiteral("fdisp_2"));
    const std::pair<int, int> cases[] = {{1, -127}, {59, -7522}, {60, -7650}, {0, 0}};
    for (const auto& [value, top] : cases) {
        SCOPED_TRACE(value);
        scroll->setValue(value);
        EXPECT_EQ(screen.panelTopTwips(), top);
        EXPECT_EQ(panel->y(), twipsToPixels(top));
    }
    scroll->setValue(60);
    layOut(1, false); // a new layout and a print keep the scroll position
    screen.AngDispCom_Click(2);
    EXPECT_EQ(screen.panelTopTwips(), -7650);
    EXPECT_EQ(scroll->value(), 60);
}

} // namespace
} // namespace crank
