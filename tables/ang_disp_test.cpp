#include "tables/ang_disp.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
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
        return child(
            QStringLiteral("%1%2_%3").arg(QString::fromLatin1(column)).arg(table).arg(row));
    }
    LineShape* line(const QString& name) const { return child<LineShape>(name); }

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
    EXPECT_EQ(scroll->minimum(), 0);
    EXPECT_EQ(scroll->maximum(), 60);
    EXPECT_EQ(scroll->singleStep(), 1);
    EXPECT_EQ(scroll->pageStep(), 1);
    EXPECT_EQ(cell("Ang", 2, 10)->geometry().top(), twipsToPixels(2500));
    EXPECT_TRUE(child<QLineEdit>(QStringLiteral("DispA3_48"))->isReadOnly());
    EXPECT_EQ(line(QStringLiteral("BDCLine_1"))->twipLine(), QLine(20, 1275, 3360, 1275));
    EXPECT_EQ(line(QStringLiteral("BDCLine_1"))->color(), QColor(Qt::white));
}

struct Layout {
    int n;
    bool offset;
    std::array<int, 9> cells;  // Ang1, DispB1, DispA1, Ang2, ..., DispA3 (-1: hidden)
    std::array<int, 6> labels; // Lab1a, Lab1b, Lab2a, ... (-1: hidden)
    int panelWidth;
    std::array<int, 6> vLines; // x of VLine1..6 (-1: hidden)
    std::array<int, 6> tvLines;
    std::array<std::pair<int, int>, 3> thSpans; // THLine1..3 and 4..6
};

// clang-format off
const Layout kLayouts[] = {
    {1, false, {3610, 4740, -1, -1, -1, -1, -1, -1, -1}, {3800, 4780, -1, -1, -1, -1}, 5900,
     {3340, 5880, -1, -1, -1, -1}, {3540, 6080, -1, -1, -1, -1}, {{{3540, 6080}, {-1, -1}, {-1, -1}}}},
    {1, true, {3580, 4310, 5120, -1, -1, -1, -1, -1, -1}, {3800, 4400, -1, -1, -1, -1}, 5900,
     {3340, 5880, -1, -1, -1, -1}, {3540, 6080, -1, -1, -1, -1}, {{{3540, 6080}, {-1, -1}, {-1, -1}}}},
    {2, false, {2060, 3180, -1, 5160, 6280, -1, -1, -1, -1}, {2250, 3230, 5350, 6330, -1, -1},
     7440, {1800, 4340, 4890, 7430, -1, -1}, {1990, 4530, 5090, 7620, -1, -1},
     {{{1990, 4530}, {5090, 7630}, {-1, -1}}}},
    {2, true, {2030, 2760, 3570, 5140, 5860, 6680, -1, -1, -1}, {2250, 2850, 5350, 5950, -1, -1},
     7440, {1800, 4340, 4890, 7430, -1, -1}, {1990, 4530, 5090, 7620, -1, -1},
     {{{1990, 4530}, {5090, 7630}, {-1, -1}}}},
    {3, false, {510, 1620, -1, 3610, 4740, -1, 6710, 7830, -1}, {700, 1680, 3800, 4780, 6900, 7880},
     9000, {240, 2770, 3340, 5880, 6450, 8980}, {440, 2980, 3540, 6080, 6640, 9180},
     {{{440, 2980}, {3540, 6080}, {6640, 9180}}}},
    {3, true, {480, 1210, 2020, 3580, 4310, 5120, 6690, 7410, 8220},
     {700, 1300, 3800, 4400, 6900, 7500}, 9000, {240, 2770, 3340, 5880, 6450, 8980},
     {440, 2980, 3540, 6080, 6640, 9180}, {{{440, 2980}, {3540, 6080}, {6640, 9180}}}},
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
                    QWidget* c = cell(columns[i % 3], i / 3 + 1, row);
                    EXPECT_EQ(c->isVisible(), l.cells[i] >= 0);
                    if (l.cells[i] >= 0) {
                        EXPECT_EQ(c->x(), twipsToPixels(l.cells[i]));
                    }
                }
            }
            for (int i = 0; i < 6; ++i) {
                const QString name =
                    QStringLiteral("Lab%1%2").arg(i / 2 + 1).arg(i % 2 ? 'b' : 'a');
                SCOPED_TRACE(name.toStdString());
                auto* label = child<QLabel>(name);
                EXPECT_EQ(label->isVisible(), l.labels[i] >= 0);
                if (l.labels[i] >= 0) {
                    EXPECT_EQ(label->x(), twipsToPixels(l.labels[i]));
                }
                if (i % 2 == 1) {
                    EXPECT_EQ(label->text(),
                              l.offset ? QStringLiteral("Displacement (mm) BTDC       ATDC  ")
                                       : QStringLiteral("Displacement (mm)"));
                    EXPECT_EQ(label->width(), twipsToPixels(l.offset ? 1760 : 1000));
                } else {
                    EXPECT_EQ(label->text(), QStringLiteral("Angle (deg)"));
                }
            }
            EXPECT_EQ(child(QStringLiteral("fdisp_2"))->width(), twipsToPixels(l.panelWidth));
            EXPECT_EQ(child(QStringLiteral("VScroll1"))->x(), twipsToPixels(l.panelWidth));
            for (int i = 0; i < 6; ++i) {
                SCOPED_TRACE(i + 1);
                LineShape* body = line(QStringLiteral("VLine%1").arg(i + 1));
                LineShape* head = line(QStringLiteral("TVLine%1").arg(i + 1));
                EXPECT_EQ(body->isVisible(), l.vLines[i] >= 0);
                EXPECT_EQ(head->isVisible(), l.tvLines[i] >= 0);
                if (l.vLines[i] >= 0) {
                    EXPECT_EQ(body->twipLine(), QLine(l.vLines[i], 0, l.vLines[i], 12240));
                    const bool lowered = i == 1 || i == 4;
                    EXPECT_EQ(head->twipLine(), QLine(l.tvLines[i], lowered ? 2040 : 2020,
                                                      l.tvLines[i], lowered ? 2720 : 2700));
                }
            }
            for (int t = 1; t <= 3; ++t) {
                SCOPED_TRACE(t);
                const auto [x1, x2] = l.thSpans[t - 1];
                LineShape* top = line(QStringLiteral("THLine%1").arg(t));
                LineShape* bottom = line(QStringLiteral("THLine%1").arg(t + 3));
                EXPECT_EQ(top->isVisible(), x1 >= 0);
                EXPECT_EQ(bottom->isVisible(), x1 >= 0);
                EXPECT_EQ(line(QStringLiteral("HLine%1").arg(t))->isVisible(), x1 >= 0);
                if (x1 >= 0) {
                    EXPECT_EQ(top->twipLine(), QLine(x1, 2020, x2, 2020));
                    EXPECT_EQ(bottom->twipLine(), QLine(x1, 2600, x2, 2600));
                }
            }
        }
    }
    // Body bottoms, which differ from the header spans for two tables.
    layOut(2, false);
    EXPECT_EQ(line(QStringLiteral("HLine1"))->twipLine(), QLine(1800, 12240, 4330, 12240));
    EXPECT_EQ(line(QStringLiteral("HLine2"))->twipLine(), QLine(4890, 12240, 7430, 12240));
    EXPECT_EQ(line(QStringLiteral("VScrollLine"))->twipLine(), QLine(7820, 240, 7820, 6000));
}

TEST_F(AngDispTest, OffsetHeaderWrapsWithBtdcAndAtdcOnTheSecondLine)
{
    layOut(1, true);
    auto* header = child<QLabel>(QStringLiteral("Lab1b"));
    const QFontMetrics metrics(header->font());
    EXPECT_TRUE(header->wordWrap());
    EXPECT_GT(metrics.horizontalAdvance(QStringLiteral("Displacement (mm) BTDC")), header->width());
    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("BTDC       ATDC")), header->width());
    EXPECT_GE(header->height(), 2 * metrics.height() - 4);
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
    layOut(1, false); // a new layout keeps the scroll position
    EXPECT_EQ(screen.panelTopTwips(), -7650);
    screen.AngDispCom_Click(2);
    EXPECT_EQ(scroll->value(), 60);
}

TEST_F(AngDispTest, ReturnCommandsHideThenAsk)
{
    screen.show();
    QSignalSpy front(&screen, &Ang_Disp::frontScreenRequested);
    QSignalSpy entry(&screen, &Ang_Disp::dataEntryRequested);
    QObject::connect(&screen, &Ang_Disp::frontScreenRequested,
                     [this] { EXPECT_FALSE(screen.isVisible()); });
    QTest::mouseClick(child<QPushButton>(QStringLiteral("AngDispCom_0")), Qt::LeftButton);
    EXPECT_EQ(front.count(), 1);
    EXPECT_EQ(entry.count(), 0);
    screen.show();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("AngDispCom_1")), Qt::LeftButton);
    EXPECT_EQ(entry.count(), 1);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(printer.printed.empty());
}

} // namespace
} // namespace crank
