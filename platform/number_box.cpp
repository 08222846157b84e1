#include "platform/number_box.h"

#include <algorithm>

#include <QLineEdit>
#include <QPointer>
#include <QToolTip>
#include <QValidator>

namespace crank {
namespace {

constexpr const char* kRefusal = "numberBoxRefusal";
constexpr int kTipMilliseconds = 5000;

class TypedNumberValidator final : public QValidator {
public:
    TypedNumberValidator(NumberStyle style, bool allowMinus, QLineEdit& box)
        : QValidator(&box), m_style(std::move(style)), m_allowMinus(allowMinus), m_box(&box)
    {
    }

    State validate(QString& input, int&) const override
    {
        const std::string text = input.toStdString();
        switch (ClassifyTyped(text, m_style, m_allowMinus)) {
        case TypedNumber::Refused:
            refuse(QString::fromStdString(WhyRefused(text, m_style, m_allowMinus)));
            return Invalid;
        case TypedNumber::Partial:
            return Intermediate;
        case TypedNumber::Empty:
        case TypedNumber::Complete:
            break;
        }
        return Acceptable;
    }

private:
    // The box keeps what it had; the tip says why, where the user looks.
    void refuse(const QString& why) const
    {
        if (!m_box) {
            return;
        }
        m_box->setProperty(kRefusal, why);
        QToolTip::showText(m_box->mapToGlobal(QPoint(0, m_box->height())), why, m_box, {},
                           kTipMilliseconds);
    }

    NumberStyle m_style;
    bool m_allowMinus;
    QPointer<QLineEdit> m_box;
};

} // namespace

NumberStyle LocaleNumberStyle(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString()};
}

void MakeNumberBox(QLineEdit& box, const NumberStyle& style, bool allowMinus)
{
    box.setValidator(new TypedNumberValidator(style, allowMinus, box));
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box] {
        box.setProperty(kRefusal, QString());
        QToolTip::hideText();
    });
}

QString NumberBoxRefusal(const QLineEdit& box)
{
    return box.property(kRefusal).toString();
}

void ShowValue(QLineEdit& box, const QString& value)
{
    box.setMaxLength(std::max(box.maxLength(), static_cast<int>(value.size())));
    if (box.text() != value) {
        box.setText(value);
    }
}

} // namespace crank
