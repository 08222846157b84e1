#pragma once

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QString;

namespace crank {

// The screens were designed for fonts whose stand-ins on this system can be a
// few per cent wider, so a one-line label could lose its last letters. Closes
// up the letter spacing of the label's font (family and size unchanged) just
// enough for its text to fit its width; a text that fits is left alone.
void condenseToFit(QLabel& label);

// The same for a box that shows values: `widest` is the widest text the box
// will be given, measured against the room Qt's line edit leaves for text
// (inside the frame, the text margins and its own small side margins).
void condenseToFit(QLineEdit& box, const QString& widest);

// The same for a frame's caption, which must fit the frame's width. A
// caption carries a name the user chose, of any letters, so it may close up
// further, to 70 %.
void condenseToFit(QGroupBox& frame);

// The same for a multi-line box without wrapping: its longest line must fit
// inside the frame and the document margins.
void condenseToFit(QPlainTextEdit& box);

// The same, for a control of a screen that is made long before it is first
// shown: measuring loads the text's face and shapes the text, which a hidden
// control does not need yet. A visible control is closed up at once, a hidden
// one the next time it is shown, before it is painted.
void condenseToFitWhenShown(QLabel& label);
void condenseToFitWhenShown(QPlainTextEdit& box);

} // namespace crank
