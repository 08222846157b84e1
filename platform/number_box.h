#pragma once

#include <QLocale>

#include "model/typed_number.h"

class QLineEdit;

namespace crank {

// The number style of the locale: its decimal separator.
NumberStyle LocaleNumberStyle(const QLocale& locale = QLocale());

// Makes box a number box of the program's own tools (not of the four
// screens): it takes the style's decimal separator and refuses only a
// keystroke or a paste that cannot belong to a number (a letter, a second
// separator, a "-" anywhere but first, or at all without allowMinus). It
// never empties itself, so nothing typed is lost; a text on the way to a
// number ("-", ",") stays for the owner to explain.
void MakeNumberBox(QLineEdit& box, const NumberStyle& style, bool allowMinus);

} // namespace crank
