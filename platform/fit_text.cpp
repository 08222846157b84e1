#include "platform/fit_text.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace crank {
namespace {

// Pixels Qt's line edit keeps clear on each side of its text area.
constexpr qreal kLineEditSideMargin = 2;

// `font` with its letter spacing closed up until `text` fits `available`
// pixels, down to 85 % in half per cent steps; below that the text would be
// harder to read than clipped.
QFont condensed(QFont font, const QString& text, qreal available, qreal floor = 85)
{
    for (qreal percent = 100; percent >= floor; percent -= 0.5) {
        font.setLetterSpacing(QFont::PercentageSpacing, percent);
        if (QFontMetricsF(font).horizontalAdvance(text) <= available) {
            break;
        }
    }
    return font;
}

// Closes up its label or help box once, when it is next shown.
class CondenseOnShow : public QObject {
public:
    explicit CondenseOnShow(QWidget& widget) : QObject(&widget) { widget.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            if (auto* label = qobject_cast<QLabel*>(watched)) {
                condenseToFit(*label);
            } else if (auto* box = qobject_cast<QPlainTextEdit*>(watched)) {
                condenseToFit(*box);
            }
            deleteLater();
        }
        return false;
    }
};

template <class Widget> void condenseWhenShown(Widget& widget)
{
    if (widget.isVisible()) {
        condenseToFit(widget);
    } else {
        new CondenseOnShow(widget);
    }
}

} // namespace

void condenseToFit(QLabel& label)
{
    label.setFont(condensed(label.font(), label.text(), label.contentsRect().width()));
}

void condenseToFit(QLineEdit& box, const QString& widest)
{
    const int frame =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box) : 0;
    const QMargins margins = box.textMargins();
    const qreal available =
        box.width() - 2 * frame - margins.left() - margins.right() - 2 * kLineEditSideMargin;
    box.setFont(condensed(box.font(), widest, available));
}

void condenseToFit(QGroupBox& frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect title = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    // As much room on the right of the caption as the style leaves on its left.
    const qreal available = frame.width() - 2 * title.x();
    // The frame's font is inherited by its labels, which close up their own.
    frame.setFont(condensed(frame.font(), frame.title(), available, 70));
}

void condenseToFit(QPlainTextEdit& box)
{
    QString longest;
    const QFontMetricsF metrics(box.font());
    for (const QString& line : box.toPlainText().split(QLatin1Char('\n'))) {
        if (metrics.horizontalAdvance(line) > metrics.horizontalAdvance(longest)) {
            longest = line;
        }
    }
    const qreal available = box.contentsRect().width() - 2 * box.document()->documentMargin();
    box.setFont(condensed(box.font(), longest, available));
}

void condenseToFitWhenShown(QLabel& label)
{
    condenseWhenShown(label);
}

void condenseToFitWhenShown(QPlainTextEdit& box)
{
    condenseWhenShown(box);
}

} // namespace crank
