#include "app/tabs_menu.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/twips_qt.h"

namespace crank {
namespace {

TEST(TabsMenuTest, FollowsTheFixedDesign)
{
    TabsMenu front;
    front.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&front));
    const QColor red(192, 0, 0), white(Qt::white), peach(255, 224, 192);
    EXPECT_EQ(front.windowTitle(), "Crank Angle/Piston Displacement Utility");
    const QWidget* client = front.centralWidget();
    EXPECT_EQ(client->size(), twipSize(7080, 7410));
    EXPECT_EQ(client->palette().color(QPalette::Window), red);
    EXPECT_GE(client->y(), front.menuBar()->height()) << "client area below the menu bar";

    const QColor system = QApplication::palette("QLabel").color(QPalette::WindowText);
    const struct {
        const char* name;
        QRect twips;
        qreal points;
        bool serif, italic, centred;
        QColor colour;
    } labels[] = {
        {"Label2", twipRect(360, 480, 6375, 515), 18, false, false, true, white},
        {"Label3", twipRect(360, 1200, 6375, 515), 18, false, false, true, white},
        {"Label4", twipRect(1540, 2000, 4000, 355), 12, false, false, true, system},
        {"Label5", twipRect(400, 3140, 2400, 450), 13.5, false, true, false, peach},
        {"Label1", twipRect(4180, 5800, 1150, 300), 14.25, true, false, false, white},
        {"Label6", twipRect(1960, 6600, 4800, 450), 13.5, false, true, true, peach},
    };
    for (const auto& c : labels) {
        SCOPED_TRACE(c.name);
        auto* label = front.findChild<QLabel*>(c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), c.twips);
        const QFont& f = label->font();
        EXPECT_EQ(
            std::tuple(f.family(), f.pointSizeF(), f.bold(), f.italic()),
            std::tuple(c.serif ? "Times New Roman" : "MS Sans Serif", c.points, true, c.italic));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colour);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask,
                  c.centred ? Qt::AlignHCenter : Qt::AlignLeft);
        // Shown whole: drawn from the top, the ink lies inside the label.
        const QFontMetrics metrics(f);
        const QRect ink = metrics.tightBoundingRect(label->text());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        EXPECT_GE(metrics.ascent() + ink.top(), 0);
        EXPECT_LE(metrics.ascent() + ink.bottom(), label->height());
    }
    EXPECT_EQ(front.findChild<QLabel*>("Label4")->text(), "(An Engine Tuner's Assistant)");

    // The logo: white lines on red, no border.
    auto* picture = front.findChild<QWidget*>("Picture1");
    EXPECT_EQ(picture->geometry(), twipRect(1750, 4000, 3600, 1800));
    const QImage image = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    const auto whites = std::count(pixels, pixels + image.width() * image.height(), white.rgb());
    EXPECT_GT(whites, 200);
    EXPECT_LT(whites, image.width() * image.height() / 4);
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), red);

    // Three direct commands, side by side, none behind an overflow button.
    const QList<QAction*> actions = front.menuBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    int right = 0;
    for (int i = 0; auto name : {"InfoScrn", "Tables", "ExitProg"}) {
        QAction* a = actions[i++];
        EXPECT_EQ(a->objectName(), name);
        EXPECT_EQ(a->menu(), nullptr);
        const QRect place = front.menuBar()->actionGeometry(a);
        EXPECT_TRUE(front.menuBar()->rect().contains(place) && place.left() >= right) << name;
        right = place.right();
    }
    EXPECT_EQ(actions[1]->text(), "&Construct Crank Angle/Piston Displacement Table(s)");
    // Alt+U runs the first at once.
    front.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&front));
    QSignalSpy info(&front, &TabsMenu::InfoScrn_Click);
    QTest::keyClick(&front, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(info.count(), 1);
}

} // namespace
} // namespace crank
