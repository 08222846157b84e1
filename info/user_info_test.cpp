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

TEST(UserInfoTest, FollowsTheFixedDesign)
{
    UserInfo info;
    EXPECT_EQ(info.windowTitle(), "Crank Angle/Piston Displacement Utility - User Information");
    EXPECT_EQ(info.size(), twipSize(7500, 7200));
    EXPECT_EQ(info.palette().color(QPalette::Window), QColor(255, 224, 192));
    auto* command = info.findChild<QPushButton*>("Command1");
    EXPECT_EQ(command->geometry(), twipRect(360, 160, 1215, 615));
    EXPECT_EQ(command->palette().color(QPalette::Button), QColor(192, 192, 255));
    auto* picture = info.findChild<QFrame*>("Picture1");
    EXPECT_EQ(picture->geometry(), twipRect(240, 950, 7190, 6100));
    // The scroll bar and the panel are placed from the inside of its 1 px border.
    for (auto [name, inside] : {std::pair{"VScroll1", twipRect(6815, 0, 375, 6070)},
                                {"finfo_1", twipRect(0, 0, 6800, 8255)}}) {
        auto* w = info.findChild<QWidget*>(name);
        ASSERT_TRUE(picture->isAncestorOf(w));
        EXPECT_EQ(QRect(w->mapTo(picture, QPoint(0, 0)), w->size()), inside.translated(1, 1))
            << name;
    }
    auto* bar = info.findChild<QScrollBar*>("VScroll1");
    EXPECT_EQ(std::tuple(bar->maximum(), bar->singleStep(), bar->pageStep()), std::tuple(60, 1, 1));
    auto* panel = info.findChild<QWidget*>("finfo_1");
    const QFont& h = panel->findChild<QLabel*>("HeadLab")->font();
    EXPECT_EQ(std::tuple(h.pointSizeF(), h.bold(), h.underline()), std::tuple(12.0, true, true));
    // A line spelled out, blanks and the "dagrees" included.
    EXPECT_EQ(panel->findChild<QLabel*>("InfoLab_21")->text(),
              "of the difference in the displacements at angles such as 90 dagrees BTDC and "
              "ATDC can ");
    // Every body label once, placed from its row, bold only for two, never clipped.
    EXPECT_EQ(InfoBodyLabels().size(), 28u);
    for (const InfoLabelDesign& d : InfoBodyLabels()) {
        SCOPED_TRACE(d.name);
        auto* label = panel->findChild<QLabel*>(d.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), twipRect(d.left, d.top, d.width, 255));
        const QFont& f = label->font();
        const bool bold =
            label->objectName() == "InfoLab_23" || label->objectName() == "InfoLab_25";
        EXPECT_EQ(std::tuple(f.family(), f.pointSizeF(), f.bold(), label->wordWrap()),
                  std::tuple(QString("MS Sans Serif"), 8.25, bold, false));
        EXPECT_LE(QFontMetricsF(f).horizontalAdvance(label->text()), label->width());
    }
    EXPECT_NE(panel->findChild<QLabel*>("InfoLab_26"), nullptr);
}

// On show the return command has the focus; the panel moves by the whole
// twip formula, at once on an arrow click, only on release when dragged.
TEST(UserInfoTest, ScrollMovesThePanelAndReturnHidesTheScreen)
{
    UserInfo info;
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    auto* command = info.findChild<QPushButton*>("Command1");
    EXPECT_TRUE(command->hasFocus());
    auto* bar = info.findChild<QScrollBar*>("VScroll1");
    auto* panel = info.findChild<QWidget*>("finfo_1");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    EXPECT_EQ(bar->value(), 1);
    // -floor(v * 2155 / 60)
    for (auto [value, top] : {std::pair{1, -35}, {59, -2119}, {60, -2155}, {0, 0}}) {
        bar->setValue(value);
        EXPECT_EQ(std::pair(info.panelTopTwips(), panel->y()), std::pair(top, twipsToPixels(top)))
            << value;
    }
    bar->setSliderDown(true);
    bar->setSliderPosition(45);
    bar->setSliderPosition(30);
    EXPECT_EQ(info.panelTopTwips(), 0);
    bar->setSliderDown(false);
    EXPECT_EQ(info.panelTopTwips(), -1077);
    // The heights and the maximum are read at each change: travel 9000 - 6000.
    setTwipGeometry(*panel, QRect(0, twipGeometry(*panel).y(), 6800, 9000));
    setTwipGeometry(*info.findChild<QWidget*>("Picture1"), QRect(240, 950, 7190, 6000));
    bar->setMaximum(62);
    bar->setValue(1);
    EXPECT_EQ(info.panelTopTwips(), -48); // floor(3000 / 62)

    bool visibleWhenAsked = true;
    QObject::connect(&info, &UserInfo::frontScreenRequested,
                     [&] { visibleWhenAsked = info.isVisible(); });
    QTest::mouseClick(command, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible() || visibleWhenAsked) << "hidden before the front is asked for";
}

} // namespace
} // namespace crank
