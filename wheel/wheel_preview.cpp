#include "wheel/wheel_preview.h"

#include <QPainter>
#include <cmath>

#include "platform/painter_canvas.h"
#include "wheel/wheel_page.h"

namespace crank {

WheelPreview::WheelPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("wheelPreview"));
    setMinimumSize(360, 509);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WheelPreview::setView(const WheelView& view)
{
    m_view = view;
    update();
}

QSize WheelPreview::sizeHint() const
{
    return {420, heightForWidth(420)};
}

int WheelPreview::heightForWidth(int width) const
{
    return static_cast<int>(std::lround(width * double{kPageHeightMm} / double{kPageWidthMm}));
}

void WheelPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());
    // The whole sheet inside the widget, in its own proportions, in the
    // middle of the room the window gives it.
    const double scale = std::min(width() / double{kPageWidthMm}, height() / double{kPageHeightMm});
    const QRectF sheet((width() - kPageWidthMm * scale) / 2.0, 0, kPageWidthMm * scale,
                       kPageHeightMm * scale);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    PainterCanvas canvas(painter, scale / double{kTwipsPerMm}, sheet.topLeft());
    DrawWheelPage(canvas, m_view);
}

} // namespace crank
