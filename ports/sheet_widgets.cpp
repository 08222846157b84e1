#include "ports/sheet_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "platform/number_box.h"
#include "platform/painter_canvas.h"
#include "platform/twips.h"

namespace crank {

QString QtText(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* ResultLabel(QWidget* parent, const QString& name, bool wraps)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(wraps);
    return label;
}

void MakeLengthBox(LengthBox& length, QWidget* parent, const QString& name,
                   const NumberStyle& style, bool allowMinus,
                   const std::function<LengthUnit()>& unit, const std::function<void()>& edited)
{
    length.box = new QLineEdit(parent);
    length.box->setObjectName(name);
    length.box->setMaxLength(LengthBox::kMaxChars);
    MakeNumberBox(*length.box, style, allowMinus);
    QObject::connect(length.box, &QLineEdit::textEdited, parent,
                     [&length, unit, edited](const QString& typed) {
                         length.typed = {typed.toStdString(), unit()};
                         edited();
                     });
}

void CanvasWidget::paintWhite()
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void CanvasWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PainterCanvas canvas(painter, 1.0 / kTwipsPerPixel);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const auto twips = [](double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    draw(canvas, {twips(area.x()), twips(area.y()), twips(area.width()), twips(area.height())});
}

} // namespace crank
