#include "app/tabs_menu.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/twips_qt.h"

namespace crank {
namespace {

TEST(TabsMenuTest, ShowsTitleClientSizeAndBackground)
{
    TabsMenu front;
    front.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&front));
    EXPECT_EQ(front.windowTitle(), QStringLiteral("Crank Angle/Piston Displacement Utility"));
    const QWidget* client = front.centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), twipSize(7080, 7410));
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(192, 0, 0));
    // The client area begins below the menu bar.
    EXPECT_GE(client->y(), front.menuBar()->height());
}

TEST(TabsMenuTest, LabelsFollowTheFixedDesign)
{
    TabsMenu front;
    const QColor red(192, 0, 0), white(255, 255, 255), peach(255, 224, 192);
    const QColor systemText = QApplication::palette("QLabel").color(QPalette::WindowText);
    const struct {
        const char* name;
        QRect twips;
        QString text;
        const char* family;
        qreal points;
        bool bold, italic;
        QColor colour;
        Qt::Alignment horizontal;
    } cases[] = {
        {"Label2", {360, 480, 6375, 515}, "Crank Angle/Piston Displacement", "MS Sans Serif", 18,
         true, false, white, Qt::AlignHCenter},
        {"Label3", {360, 1200, 6375, 515}, "Tables Construction", "MS Sans Serif", 18, true, false,
         white, Qt::AlignHCenter},
        {"Label4", {1540, 2000, 4000, 355}, "(An Engine Tuner's Assistant)", "MS Sans Serif", 12,
         true, false, systemText, Qt::AlignHCenter},
        {"Label5", {400, 3140, 2400, 450}, "Provided by . . .", "MS Sans Serif", 13.5, true, true,
         peach, Qt::AlignLeft},
        {"Label1", {4180, 5800, 1150, 300}, TabsMenu::kBannerName, "Times New Roman", 14.25, true,
         false, white, Qt::AlignLeft},
        {"Label6", {1960, 6600, 4800, 450}, TabsMenu::kBannerSlogan, "MS Sans Serif", 13.5, true,
         true, peach, Qt::AlignHCenter},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* label = front.findChild<QLabel*>(QString::fromLatin1(c.name));
        ASSERT_NE(label, nullptr);
        const QRect& t = c.twips;
        EXPECT_EQ(label->geometry(), twipRect(t.x(), t.y(), t.width(), t.height()));
        EXPECT_EQ(label->text(), c.text);
        EXPECT_EQ(label->font().family(), QString::fromLatin1(c.family));
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), c.points);
        EXPECT_EQ(label->font().bold(), c.bold);
        EXPECT_EQ(label->font().italic(), c.italic);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.colour);
        EXPECT_EQ(label->palette().color(QPalette::Window), red);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, c.horizontal);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction);
    }

    auto* picture = front.findChild<QWidget*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), twipRect(1750, 4000, 3600, 1800));
    EXPECT_EQ(picture->palette().color(QPalette::Window), red);
}

// The banner's own name and slogan must show whole at their fonts.
TEST(TabsMenuTest, BannerTextsFitTheirLabels)
{
    TabsMenu front;
    for (const char* name : {"Label1", "Label6", "Label5", "Label2", "Label3", "Label4"}) {
        SCOPED_TRACE(name);
        auto* label = front.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr);
        const QFontMetrics metrics(label->font());
        const QRect ink = metrics.tightBoundingRect(label->text());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
        // Drawn from the top: the ink lies between the label's top and bottom.
        EXPECT_GE(metrics.ascent() + ink.top(), 0);
        EXPECT_LE(metrics.ascent() + ink.bottom(), label->height());
    }
}

TEST(TabsMenuTest, LogoIsWhiteLinesOnRed)
{
    TabsMenu front;
    front.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&front));
    auto* picture = front.findChild<QWidget*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->grab().toImage();
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            white += image.pixelColor(x, y) == QColor(255, 255, 255);
        }
    }
    EXPECT_GT(white, 200);
    EXPECT_LT(white, image.width() * image.height() / 4);
    // No border: the corners are the background.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(192, 0, 0));
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(192, 0, 0));
}

TEST(TabsMenuTest, MenuBarHoldsThreeDirectCommands)
{
    TabsMenu front;
    const QList<QAction*> actions = front.menuBar()->actions();
    const struct {
        const char* name;
        QString text;
        QKeySequence accessKey;
    } cases[] = {
        {"InfoScrn", "&User Information", QKeySequence(Qt::ALT | Qt::Key_U)},
        {"Tables", "&Construct Crank Angle/Piston Displacement Table(s)",
         QKeySequence(Qt::ALT | Qt::Key_C)},
        {"ExitProg", "E&xit the Program", QKeySequence(Qt::ALT | Qt::Key_X)},
    };
    ASSERT_EQ(actions.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(cases[i].name));
        EXPECT_EQ(actions[i]->text(), cases[i].text);
        EXPECT_EQ(actions[i]->menu(), nullptr);
        EXPECT_EQ(QKeySequence::mnemonic(actions[i]->text()), cases[i].accessKey);
    }
    // All three on show side by side, none behind an overflow button.
    front.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&front));
    const QRect bar = front.menuBar()->rect();
    int right = 0;
    for (QAction* action : actions) {
        SCOPED_TRACE(action->objectName().toStdString());
        const QRect place = front.menuBar()->actionGeometry(action);
        EXPECT_TRUE(bar.contains(place));
        EXPECT_GE(place.left(), right);
        right = place.right();
    }
}

TEST(TabsMenuTest, AccessKeyRunsTheCommand)
{
    TabsMenu front;
    front.show();
    front.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&front));
    QSignalSpy info(&front, &TabsMenu::InfoScrn_Click);
    QTest::keyClick(&front, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(info.count(), 1);
}

} // namespace
} // namespace crank
