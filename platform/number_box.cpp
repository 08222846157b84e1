#include "platform/number_box.h"

#include <QLineEdit>
#include <QValidator>

namespace crank {
namespace {

class TypedNumberValidator final : public QValidator {
public:
    TypedNumberValidator(NumberStyle style, bool allowMinus, QObject* parent)
        : QValidator(parent), m_style(std::move(style)), m_allowMinus(allowMinus)
    {
    }

    State validate(QString& input, int&) const override
    {
        switch (ClassifyTyped(input.toStdString(), m_style, m_allowMinus)) {
        case TypedNumber::Refused:
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
    NumberStyle m_style;
    bool m_allowMinus;
};

} // namespace

NumberStyle LocaleNumberStyle(const QLocale& locale)
{
    return {locale.decimalPoint().toStdString()};
}

void MakeNumberBox(QLineEdit& box, const NumberStyle& style, bool allowMinus)
{
    box.setValidator(new TypedNumberValidator(style, allowMinus, &box));
}

} // namespace crank
