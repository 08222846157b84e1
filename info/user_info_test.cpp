#include "info/user_info.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "info/user_info_text.h"
#include "platform/twip_geometry.h"
#include "platform/twips_qt.h"

namespace crank {
namespace {

QRect pixels(const QRect& t)
{
    return twipRect(t.x(), t.y(), t.width(), t.height());
}

TEST(UserInfoTest, WindowAndControlsFollowTheFixedDesign)
{
    UserInfo info;
    const QColor peach(255, 224, 192);
    EXPECT_EQ(info.windowTitle(),
              QStringLiteral("Crank Angle/Piston Displacement Utility - User Information"));
    EXPECT_EQ(info.size(), twipSize(7500, 7200));
    EXPECT_EQ(info.palette().color(QPalette::Window), peach);

    auto* command = info.findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->geometry(), twipRect(360, 160, 1215, 615));
    EXPECT_EQ(command->text(), QStringLiteral("Return to &Front Screen"));
    EXPECT_EQ(command->palette().color(QPalette::Button), QColor(192, 192, 255));

    auto* picture = info.findChild<QFrame*>(QStringLiteral("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), twipRect(240, 950, 7190, 6100));
    EXPECT_EQ(picture->frameShape(), QFrame::Box);
    EXPECT_EQ(picture->lineWidth(), 1);

    // Inside the viewport: the scroll bar and the panel, placed from the
    // inside of its border.
    const struct {
        const char* name;
        QRect twips;
    } inside[] = {{"VScroll1", {6815, 0, 375, 6070}}, {"finfo_1", {0, 0, 6800, 8255}}};
    for (const auto& c : inside) {
        SCOPED_TRACE(c.name);
        auto* w = info.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(picture->isAncestorOf(w));
        EXPECT_EQ(w->geometry(), pixels(c.twips));
        EXPECT_EQ(w->mapTo(picture, QPoint(0, 0)), pixels(c.twips).topLeft() + QPoint(1, 1));
    }
    auto* bar = info.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 60);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_EQ(bar->pageStep(), 1);
}

TEST(UserInfoTest, PanelLabelsCarryTheirExactTexts)
{
    UserInfo info;
    auto* panel = info.findChild<QWidget*>(QStringLiteral("finfo_1"));
    ASSERT_NE(panel, nullptr);

    auto* heading = panel->findChild<QLabel*>(QStringLiteral("HeadLab"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->geometry(), twipRect(240, 240, 6255, 320));
    EXPECT_EQ(heading->text(), QStringLiteral("Crank Angle/Piston Displacement Table(s)"));
    EXPECT_EQ(heading->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(heading->font().pointSizeF(), 12);
    EXPECT_TRUE(heading->font().bold());
    EXPECT_TRUE(heading->font().underline());
    EXPECT_EQ(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // A few lines spelled out here, blanks and the "dagrees" included, so a
    // slip in the table itself shows.
    const struct {
        const char* name;
        const char* text;
    } spelled[] = {
        {"InfoLab_1", "tables on the same screen. "},
        {"InfoLab_3",
         "defined angle.  Whilst the basic increment in Crank Angle is 0.1 degrees, a 0.25 degree"},
        {"InfoLab_16",
         "The tables constructed can be useful when setting the port timing of an engine. "
         "Examples  "},
        {"InfoLab_21",
         "of the difference in the displacements at angles such as 90 dagrees BTDC and ATDC can "},
    };
    for (const auto& c : spelled) {
        SCOPED_TRACE(c.name);
        auto* label = panel->findChild<QLabel*>(QString::fromLatin1(c.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(c.text));
    }

    // InfoLab_0 .. InfoLab_26 and LabInfo, each once.
    EXPECT_EQ(InfoBodyLabels().size(), 28u);
    for (const InfoLabelDesign& d : InfoBodyLabels()) {
        SCOPED_TRACE(d.name);
        auto* label = panel->findChild<QLabel*>(QString::fromLatin1(d.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), twipRect(d.left, d.top, d.width, 255));
        EXPECT_EQ(label->font().family(), QStringLiteral("MS Sans Serif"));
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25);
        const bool bold = label == panel->findChild<QLabel*>(QStringLiteral("InfoLab_23")) ||
                          label == panel->findChild<QLabel*>(QStringLiteral("InfoLab_25"));
        EXPECT_EQ(label->font().bold(), bold);
        EXPECT_FALSE(label->wordWrap());
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 224, 192));
        // One line, never clipped at the right.
        EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(label->text()), label->width());
    }
    for (int i = 0; i <= 26; ++i) {
        EXPECT_NE(panel->findChild<QLabel*>(QStringLiteral("InfoLab_%1").arg(i)), nullptr) << i;
    }
}

TEST(UserInfoTest, ScrollMovesThePanelByTheWholeTwipFormula)
{
    UserInfo info;
    auto* bar = info.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    auto* panel = info.findChild<QWidget*>(QStringLiteral("finfo_1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(info.panelTopTwips(), 0);
    // -floor(v * 2155 / 60)
    const struct {
        int value;
        int top;
    } cases[] = {{1, -35}, {2, -71}, {30, -1077}, {59, -2119}, {60, -2155}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        bar->setValue(c.value);
        EXPECT_EQ(info.panelTopTwips(), c.top);
        EXPECT_EQ(panel->y(), twipsToPixels(c.top));
        EXPECT_EQ(twipGeometry(*panel).height(), 8255);
    }
}

TEST(UserInfoTest, HeightsAreReadAtEachChange)
{
    UserInfo info;
    auto* bar = info.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    auto* panel = info.findChild<QWidget*>(QStringLiteral("finfo_1"));
    auto* picture = info.findChild<QWidget*>(QStringLiteral("Picture1"));
    bar->setValue(30);
    // A taller panel and a shorter viewport: travel 9000 - 6000 = 3000.
    setTwipGeometry(*panel, QRect(0, twipGeometry(*panel).y(), 6800, 9000));
    setTwipGeometry(*picture, QRect(240, 950, 7190, 6000));
    bar->setValue(31);
    EXPECT_EQ(info.panelTopTwips(), -1550);
    bar->setMaximum(62);
    bar->setValue(1);
    EXPECT_EQ(info.panelTopTwips(), -48); // floor(3000 / 62)
}

TEST(UserInfoTest, DraggingMovesNothingUntilRelease)
{
    UserInfo info;
    auto* bar = info.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    bar->setSliderDown(true);
    for (int position : {10, 45, 30}) {
        bar->setSliderPosition(position);
        EXPECT_EQ(info.panelTopTwips(), 0) << position;
    }
    bar->setSliderDown(false);
    EXPECT_EQ(bar->value(), 30);
    EXPECT_EQ(info.panelTopTwips(), -1077);
}

TEST(UserInfoTest, ArrowClickMovesAtOnce)
{
    UserInfo info;
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    auto* bar = info.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    // The lower arrow sits at the bottom of the bar.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(info.panelTopTwips(), -35);
}

TEST(UserInfoTest, ReturnHidesAndAsksForTheFrontScreen)
{
    UserInfo info;
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    EXPECT_TRUE(info.findChild<QPushButton*>(QStringLiteral("Command1"))->hasFocus());
    bool visibleWhenAsked = true;
    QObject::connect(&info, &UserInfo::frontScreenRequested,
                     [&] { visibleWhenAsked = info.isVisible(); });
    QTest::mouseClick(info.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
    EXPECT_FALSE(visibleWhenAsked);
}

} // namespace
} // namespace crank
