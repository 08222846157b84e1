#pragma once

#include <string>

#include "platform/canvas.h"

namespace crank {

// How a print job ended. reason is empty on success and otherwise says in
// plain words what went wrong, ready to be shown to the user.
struct PrintOutcome {
    bool ok = true;
    std::string reason;
};

// The printer as a printed page sees it: a font, a current print position
// and lines of text on one page, and the lines, marks and texts of a canvas.
// Positions are twips (1/1440 inch) from the top-left corner of the printable
// area, x to the right and y downwards. Font settings stay in force until
// changed; a canvas text brings its own face. The first thing drawn begins
// the document; endDoc finishes it and sends it out.
class PagePrinter : public Canvas {
public:
    virtual ~PagePrinter() = default;

    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(float points) = 0;
    // 400 regular, 700 bold; 0 is the default weight, which prints regular.
    virtual void setFontWeight(int weight) = 0;
    virtual void setFontUnderline(bool on) = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual void setFontStrikethrough(bool on) = 0;
    // 0 is the ordinary Western character set.
    virtual void setFontCharset(int charset) = 0;

    // Current print position, twips.
    virtual float currentX() const = 0;
    virtual void setCurrentX(float twips) = 0;
    virtual float currentY() const = 0;
    virtual void setCurrentY(float twips) = 0;

    // Height of the sheet, whole twips.
    virtual int pageHeight() const = 0;

    // Draws text with its top-left corner at the current position; then y
    // grows by the line height of the current font and x returns to 0.
    virtual void printLine(const std::string& text) = 0;

    // Ends the document: the page goes to the printer or into its file.
    virtual PrintOutcome endDoc() = 0;
};

} // namespace crank
