// The rules of the tables screen reach the screen at the desktop's scale factors.
#include <QImage>
#include <QScrollBar>

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

} // namespace
} // namespace crank
