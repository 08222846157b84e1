#include "platform/fonts.h"

#include <QFont>

namespace crank {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void installCourierSubstitution()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
        return true;
    }();
    (void)installed;
}

} // namespace crank
