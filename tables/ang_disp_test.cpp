#include "tables/ang_disp.h"

#include <QImage>
#include <QScrollBar>

#include "platform/line_shape.h"
#include "platform/twips_qt.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

// Names of the shown rules that no device pixel across their middle shows in their colour, with
// the screen drawn as the window system draws it at `scale`.
std::string hiddenRules(QWidget& screen, qreal scale)
{
    QImage image((QSizeF(screen.size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    screen.render(&image);
    std::string hidden;
    for (const LineShape* line : screen.findChildren<LineShape*>()) {
        // The part in sight: the viewport clips the panel's rules.
        QRect shown(line->mapTo(&screen, QPoint(0, 0)), line->size());
        for (const QWidget* w = line->parentWidget(); w != &screen; w = w->parentWidget()) {
            shown &= QRect(w->mapTo(&screen, QPoint(0, 0)), w->size());
        }
        if (!line->isVisibleTo(&screen) || shown.isEmpty()) {
            continue;
        }
        const QRect device =
            QRectF(QPointF(shown.topLeft()) * scale, QSizeF(shown.size()) * scale).toAlignedRect() &
            image.rect();
        const bool vertical = device.height() > device.width();
        bool seen = false;
        for (int i = 0; i < (vertical ? device.width() : device.height()); ++i) {
            const QPoint at = vertical ? QPoint(device.left() + i, device.center().y())
                                       : QPoint(device.center().x(), device.top() + i);
            seen = seen || image.pixelColor(at) == line->color();
        }
        if (!seen) {
            hidden += line->objectName().toStdString() + " ";
        }
    }
    return hidden;
}

class AngDispTest : public ::testing::Test {
protected:
    // Shows n tables from 0, 10, 90 and 176 degrees, as a display would.
    void showTables(int n, float offset)
    {
        EngineState state;
        screen.showView(DisplayKart(state, offset, n, {0, 10, 90, 176}));
    }
    // Where a control stands on the screen, in pixels.
    QRect onScreen(const QString& name) const
    {
        const auto* control = screen.findChild<QWidget*>(name);
        return QRect(control->mapTo(&screen, QPoint(0, 0)), control->size());
    }

    RecordingTablesPrinter printer;
    Ang_Disp screen{printer};
};

// In every layout each shown table is boxed: its columns run left to right inside its two rules
// without overlap, its header and body rules span from one to the other, headers over columns. The
// panel holds them all, the scroll bar at its right edge; unused tables and columns are hidden. A
// new display keeps the panel scrolled as it was. No control covers a shown rule at the desktop's
// scale factors, scrolled to the top or to the bottom.
TEST_F(AngDispTest, EveryLayoutBoxesEachTableWithItsColumnsInside)
{
    screen.show();
    auto* scroll = screen.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    scroll->setValue(60);
    for (int n = 1; n <= 3; ++n) {
        for (const float offset : {0.0f, -0.5f, 0.0f}) {
            SCOPED_TRACE(testing::Message() << n << " tables, offset " << offset);
            showTables(n, offset);
            EXPECT_EQ(screen.panelTopTwips(), -7650);
            const QRect panel = onScreen(QStringLiteral("fdisp_2"));
            const QRect bar = onScreen(QStringLiteral("VScroll1"));
            EXPECT_EQ(bar.x(), panel.right() + 1);
            int previousRight = -1;
            for (int t = 1; t <= 3; ++t) {
                const bool shown = t <= n;
                EXPECT_EQ(Cell(screen, "Ang", t, 7)->isVisible(), shown);
                EXPECT_EQ(Cell(screen, "DispA", t, 7)->isVisible(), shown && offset != 0.0f);
                EXPECT_EQ(child<QWidget>(screen, QStringLiteral("VLine%1").arg(2 * t))->isVisible(),
                          shown);
                if (!shown) {
                    continue;
                }
                const QRect a = onScreen(QStringLiteral("Ang%1_7").arg(t));
                const QRect b = onScreen(QStringLiteral("DispB%1_7").arg(t));
                const QRect c = onScreen(QStringLiteral("DispA%1_7").arg(t));
                const QRect left = onScreen(QStringLiteral("VLine%1").arg(2 * t - 1));
                const QRect right = onScreen(QStringLiteral("VLine%1").arg(2 * t));
                EXPECT_GT(a.left(), left.x());
                EXPECT_GT(a.left(), previousRight);
                EXPECT_LT(a.right(), b.left());
                if (offset != 0.0f) {
                    EXPECT_LT(b.right(), c.left());
                }
                EXPECT_LT((offset != 0.0f ? c : b).right(), right.x());
                EXPECT_LE(right.x(), panel.right());
                previousRight = right.x();

                const QRect headLeft = onScreen(QStringLiteral("TVLine%1").arg(2 * t - 1));
                const QRect headRight = onScreen(QStringLiteral("TVLine%1").arg(2 * t));
                const QRect top = onScreen(QStringLiteral("THLine%1").arg(t));
                const QRect bottom = onScreen(QStringLiteral("THLine%1").arg(t + 3));
                for (const QRect& across :
                     {top, bottom, onScreen(QStringLiteral("HLine%1").arg(t))}) {
                    EXPECT_NEAR(across.left(), left.x(), 1);
                    EXPECT_NEAR(across.right(), right.x(), 1);
                }
                EXPECT_LT(top.y(), bottom.y());
                EXPECT_LE(bottom.y(), std::min(headLeft.bottom(), headRight.bottom()));

                const QRect angleHead = onScreen(QStringLiteral("Lab%1a").arg(t));
                const QRect dispHead = onScreen(QStringLiteral("Lab%1b").arg(t));
                EXPECT_GT(angleHead.left(), headLeft.x());
                EXPECT_LE(angleHead.right(), a.right());
                EXPECT_LE(dispHead.left(), b.left());
                EXPECT_GE(dispHead.left(), b.left() - twipsToPixels(200));
                EXPECT_LT(dispHead.left(), headRight.x());
            }
            for (const int value : {0, 60}) { // ends at the bottom, where the next display keeps it
                scroll->setValue(value);
                for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
                    EXPECT_EQ(hiddenRules(screen, scale), "")
                        << "scrolled to " << value << ", at " << scale;
                }
            }
        }
    }
}

// Every cell shows the screen's rose behind its value, without a box of its own, and every
// cell has the values' font: the tables' digits line up from column to column.
TEST_F(AngDispTest, EveryCellShowsTheScreensBackgroundInTheValuesFont)
{
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    showTables(3, -0.5f);
    const QImage image = screen.grab().toImage();
    const QFont values = Cell(screen, "Ang", 1, 0)->font();
    EXPECT_EQ(values.pointSizeF(), 7.5);
    for (const char* column : {"Ang", "DispB", "DispA"}) {
        for (int t = 1; t <= 3; ++t) {
            for (const int r : {0, 5}) {
                SCOPED_TRACE(testing::Message() << column << t << "_" << r);
                EXPECT_EQ(Cell(screen, column, t, r)->font(), values);
                // Values are right-aligned: the cell's left edge and its
                // corners show what lies behind the cell.
                const QRect cell = onScreen(QStringLiteral("%1%2_%3").arg(column).arg(t).arg(r));
                for (const QPoint at : {cell.topLeft(), cell.bottomLeft(), cell.topRight(),
                                        QPoint(cell.left() + 1, cell.center().y())}) {
                    EXPECT_EQ(image.pixel(at), qRgb(255, 128, 128)) << at.x() << "," << at.y();
                }
            }
        }
    }
}

// The screen opens with the rows in the viewport; once it is painted, the rows below come too,
// showing the display on show: table 2 of 46 x 100, no offset, from 90 degrees ends at 94, where
// 23 (1 - cos 94) + 100 - sqrt(100² - (23 sin 94)²) = 27.27 mm.
TEST_F(AngDispTest, TheRowsBelowTheViewportComeAfterTheFirstPaint)
{
    showTables(3, 0.0f);
    screen.show();
    QLineEdit* last = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        last = screen.findChild<QLineEdit*>(QStringLiteral("DispB2_48"));
        return last != nullptr;
    }));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(), QStringLiteral("27.27"));
    EXPECT_TRUE(last->isVisibleTo(&screen));
    EXPECT_EQ(last->font(), Cell(screen, "Ang", 1, 0)->font());
    EXPECT_FALSE(Cell(screen, "DispA", 2, 48)->isVisibleTo(&screen)) << "no offset, no ATDC";
}

// The header rules end under the top of the viewport; what lies beneath it must not show
// through, so each column of pixels there looks as it does further down the viewport.
TEST_F(AngDispTest, TheViewportCoversTheLowerEndsOfTheHeaderRules)
{
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    const QRect viewport = screen.findChild<QWidget*>(QStringLiteral("Picture1"))->geometry();
    for (int n = 1; n <= 3; ++n) {
        showTables(n, -0.5f);
        // Painted in a colour nothing else has, a header rule shows above the
        // viewport and nowhere inside it, although its lower end reaches in.
        for (int i = 1; i <= 2 * n; ++i) {
            SCOPED_TRACE(testing::Message() << n << " tables, TVLine" << i);
            auto* rule = screen.findChild<LineShape*>(QStringLiteral("TVLine%1").arg(i));
            const QColor colour = rule->color();
            rule->setColor(Qt::green);
            const QImage image = screen.grab().toImage();
            rule->setColor(colour);
            ASSERT_TRUE(rule->geometry().intersects(viewport));
            int above = 0;
            int inside = 0;
            for (int y = rule->y(); y <= rule->geometry().bottom(); ++y) {
                const bool green = image.pixelColor(rule->x(), y) == QColor(Qt::green);
                (viewport.contains(rule->x(), y) ? inside : above) += green;
            }
            EXPECT_GT(above, 0);
            EXPECT_EQ(inside, 0);
        }
    }
}

} // namespace
} // namespace crank
