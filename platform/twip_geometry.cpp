#include "platform/twip_geometry.h"

#include <QVariant>
#include <QWidget>

#include "platform/twips_qt.h"

namespace crank {
namespace {

constexpr const char* kProperty = "crankTwipGeometry";

} // namespace

void setTwipGeometry(QWidget& widget, const QRect& twips)
{
    widget.setProperty(kProperty, twips);
    widget.setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

QRect twipGeometry(const QWidget& widget)
{
    const QVariant stored = widget.property(kProperty);
    if (stored.isValid()) {
        return stored.toRect();
    }
    const QRect px = widget.geometry();
    return QRect(px.x() * kTwipsPerPixel, px.y() * kTwipsPerPixel, px.width() * kTwipsPerPixel,
                 px.height() * kTwipsPerPixel);
}

} // namespace crank
