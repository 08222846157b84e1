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
    EXPECT_EQ(command->text(), "Return to &Front Screen");
    EXPECT_EQ(command->palette().color(QPalette::Button), QColor(192, 192, 255));
    auto* picture = info.findChild<QFrame*>("Picture1");
    EXPECT_EQ(picture->geometry(), twipRect(240, 950, 7190, 6100));
    EXPECT_EQ(std::pair(picture->frameShape(), picture->lineWidth()), std::pair(QFrame::Box, 1));
    // The scroll bar and the panel are placed from the inside of its border.
    for (auto [name, inside] : {std::pair{"VScroll1", twipRect(6815, 0, 375, 6070)},
                                {"finfo_1", twipRect(0, 0, 6800, 8255)}}) {
        SCOPED_TRACE(name);
        auto* w = info.findChild<QWidget*>(name);
        ASSERT_TRUE(picture->isAncestorOf(w));
        EXPECT_EQ(QRect(w->mapTo(picture, QPoint(0, 0)), w->size()), inside.translated(1, 1));
    }
    auto* bar = info.findChild<QScrollBar*>("VScroll1");
    EXPECT_EQ(std::tuple(bar->orientation(), bar->minimum(), bar->maximum(), bar->value(),
                         bar->singleStep(), bar->pageStep()),
              std::tuple(Qt::Vertical, 0, 60, 0, 1, 1));

    auto* panel = info.findChild<QWidget*>("finfo_1");
    auto* heading = panel->findChild<QLabel*>("HeadLab");
    EXPECT_EQ(heading->geometry(), twipRect(240, 240, 6255, 320));
    EXPECT_EQ(heading->text(), "Crank Angle/Piston Displacement Table(s)");
    const QFont& h = heading->font();
    EXPECT_EQ(std::tuple(h.family(), h.pointSizeF(), h.bold(), h.underline()),
              std::tuple(QString("MS Sans Serif"), 12.0, true, true));
    EXPECT_EQ(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    // A few lines spelled out, blanks and the "dagrees" included, so that a
    // slip in the text table shows.
    for (auto [name, text] :
         {std::pair{"InfoLab_3", "defined angle.  Whilst the basic increment in Crank Angle is "
                                 "0.1 degrees, a 0.25 degree"},
          {"InfoLab_16", "The tables constructed can be useful when setting the port timing "
                         "of an engine. Examples  "},
          {"InfoLab_21", "of the difference in the displacements at angles such as 90 "
                         "dagrees BTDC and ATDC can "}}) {
        EXPECT_EQ(panel->findChild<QLabel*>(name)->text(), text) << name;
    }
    // InfoLab_0 .. InfoLab_26 and LabInfo, each once, one line never clipped.
    EXPECT_EQ(InfoBodyLabels().size(), 28u);
    for (int i = 0; i <= 26; ++i) {
        EXPECT_NE(panel->findChild<QLabel*>(QString("InfoLab_%1").arg(i)), nullptr) << i;
    }
    for (const InfoLabelDesign& d : InfoBodyLabels()) {
        SCOPED_TRACE(d.name);
        auto* label = panel->findChild<QLabel*>(d.name);
        EXPECT_EQ(label->geometry(), twipRect(d.left, d.top, d.width, 255));
        const QFont& f = label->font();
        const bool bold =
            label->objectName() == "InfoLab_23" || label->objectName() == "InfoLab_25";
        EXPECT_EQ(std::tuple(f.family(), f.pointSizeF(), f.bold(), label->wordWrap()),
                  std::tuple(QString("MS Sans Serif"), 8.25, bold, false));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_LE(QFontMetricsF(f).horizontalAdvance(label->text()), label->width());
    }
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
    for (auto [value, top] : {std::pair{1, -35}, {2, -71}, {59, -2119}, {60, -2155}, {0, 0}}) {
        SCOPED_TRACE(value);
        bar->setValue(value);
        EXPECT_EQ(info.panelTopTwips(), top);
        EXPECT_EQ(panel->y(), twipsToPixels(top));
        EXPECT_EQ(twipGeometry(*panel).height(), 8255);
    }
    bar->setSliderDown(true);
    for (int position : {10, 45, 30}) {
        bar->setSliderPosition(position);
        EXPECT_EQ(info.panelTopTwips(), 0) << position;
    }
    bar->setSliderDown(false);
    EXPECT_EQ(info.panelTopTwips(), -1077);
    // The heights and the maximum are read at each change. A taller panel and
    // a shorter viewport: travel 9000 - 6000 = 3000.
    setTwipGeometry(*panel, QRect(0, twipGeometry(*panel).y(), 6800, 9000));
    setTwipGeometry(*info.findChild<QWidget*>("Picture1"), QRect(240, 950, 7190, 6000));
    bar->setValue(31);
    EXPECT_EQ(info.panelTopTwips(), -1550);
    bar->setMaximum(62);
    bar->setValue(1);
    EXPECT_EQ(info.panelTopTwips(), -48); // floor(3000 / 62)

    bool visibleWhenAsked = true;
    QObject::connect(&info, &UserInfo::frontScreenRequested,
                     [&] { visibleWhenAsked = info.isVisible(); });
    QTest::mouseClick(command, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
    EXPECT_FALSE(visibleWhenAsked) << "hidden before the front screen is asked for";
}

} // namespace
} // namespace crank
