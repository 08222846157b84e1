// At the desktop's scale factors the rules of the tables screen reach the screen, and no control
// of any screen stands on another's text.
#include <QImage>
#include <QScrollBar>
#include <QStyle>

#include "app/tabs_menu.h"
#include "info/user_info.h"

#include "platform/line_shape.h"
#include "tests/screens_fixture.h"

namespace crank {
namespace {

// Names of the shown rules that no device pixel across their middle shows in
// their colour, with the screen drawn as the window system draws it at `scale`.
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

// Where a control draws: a label only where its text stands.
QRect inkOf(const QWidget& control, const QWidget& screen)
{
    const QRect whole(control.mapTo(&screen, QPoint(0, 0)), control.size());
    const auto* label = qobject_cast<const QLabel*>(&control);
    if (label == nullptr) {
        return whole;
    }
    const QRect room = label->contentsRect().translated(whole.topLeft());
    const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QSize text = QFontMetrics(label->font()).boundingRect(room, flags, label->text()).size();
    return QStyle::alignedRect(Qt::LeftToRight, label->alignment(), text, room);
}

// Pairs of shown controls (rules aside) of which one stands on the other's ink.
std::string overlaps(const QWidget& screen)
{
    QList<const QWidget*> controls;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (w->isVisibleTo(&screen) && qobject_cast<const LineShape*>(w) == nullptr &&
            w->findChildren<QWidget*>().isEmpty()) {
            controls.append(w);
        }
    }
    std::string found;
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            if (inkOf(*controls[i], screen).intersects(inkOf(*controls[j], screen))) {
                found += controls[i]->objectName().toStdString() + " on " +
                         controls[j]->objectName().toStdString() + " ";
            }
        }
    }
    return found;
}

using ScalingTest = ScreensTest;

TEST_F(ScalingTest, NoControlCoversARuleAtTheDesktopsScaleFactors)
{
    enterGeometry("54.5", "110", "-0.5");
    for (const char* tablesShown : {"1", "2", "3"}) {
        requestTables(tablesShown, {"77", "100", "176"});
        display();
        auto* bar = child<QScrollBar>(*tables(), QStringLiteral("VScroll1"));
        for (const int value : {0, 60}) { // the top rules, then the bottom ones
            bar->setValue(value);
            for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
                SCOPED_TRACE(std::string(tablesShown) + " tables at " + std::to_string(scale));
                EXPECT_EQ(hiddenRules(*tables(), scale), "");
            }
        }
        returnToEntry();
    }
}

// Every scale factor multiplies the same whole logical pixels, so controls
// apart at one are apart at all.
TEST_F(ScalingTest, NoControlStandsOnAnothersTextOnAnyScreen)
{
    enterGeometry("54.5", "110", "-0.5");
    requestTables("3", {"77", "100", "176"});
    EXPECT_EQ(overlaps(entry()), "");
    EXPECT_EQ(overlaps(navigator.tabsMenu()), "");
    EXPECT_EQ(overlaps(navigator.userInfo()), "");
    display();
    EXPECT_EQ(overlaps(*tables()), "");
}

} // namespace
} // namespace crank
