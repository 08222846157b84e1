#pragma once

class QLabel;

namespace crank {

// The screens were designed for fonts whose stand-ins on this system can be a
// few per cent wider, so a one-line label could lose its last letters. Closes
// up the letter spacing of the label's font (family and size unchanged) just
// enough for its text to fit its width; a text that fits is left alone.
void condenseToFit(QLabel& label);

} // namespace crank
