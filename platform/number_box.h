#pragma once

#include <QLocale>
#include <QString>

#include "model/typed_number.h"

class QLineEdit;

namespace crank {

// The number style of the locale: its decimal separator.
NumberStyle LocaleNumberStyle(const QLocale& locale = QLocale());

// Makes box a number box of the program's own tools (not of the four
// screens): it takes "." and "," alike as the decimal separator and refuses
// only a keystroke or a paste that cannot belong to a number (a letter, a
// second separator, a "-" anywhere but first, or at all without
// allowMinus). A refused edit leaves the box as it was and says why in a tip
// under the box, so nothing typed is lost and nothing is dropped unseen; a
// text on the way to a number ("-", ",") stays for the owner to explain.
void MakeNumberBox(QLineEdit& box, const NumberStyle& style, bool allowMinus);

// Shows a value as a tool's input holds it, without an edit: the whole of
// it, although a value from a file may be longer than the box lets one type;
// a box that already shows it keeps its cursor.
void ShowValue(QLineEdit& box, const QString& value);

// Why the box refused its last edit, while that is the last thing that
// happened to it; empty once an edit is taken.
QString NumberBoxRefusal(const QLineEdit& box);

} // namespace crank
