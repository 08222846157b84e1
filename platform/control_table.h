#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <span>
#include <utility>
#include <vector>

class QWidget;

namespace crank {

// Colours of the screens' designs, named once.
inline constexpr QRgb kNoColour = 0;                // keep what the holder gives
inline constexpr QRgb kRose = qRgb(255, 128, 128);  // data entry and tables screens
inline constexpr QRgb kFrontRed = qRgb(192, 0, 0);  // front screen
inline constexpr QRgb kPeach = qRgb(255, 224, 192); // information screen, help box
inline constexpr QRgb kCream = qRgb(255, 255, 192); // value boxes
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kReturnBlue = qRgb(192, 192, 255);  // "Return to &Front Screen"
inline constexpr QRgb kCommandPink = qRgb(255, 192, 255); // the other screen commands
inline constexpr QRgb kPrintYellow = qRgb(255, 255, 128); // "&Print Screen Content"

// A typeface of the designs: family, size in points and style.
struct Face {
    const char* family;
    qreal points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The screens' ordinary face, which every control inherits unless its row
// names another.
inline constexpr Face kDialogFace{"MS Sans Serif", 8.25};

enum class ControlKind {
    Button,       // CommandButton in `colour`
    Label,        // one line of plain text unless `wraps`; closed up to fit its width
    Box,          // value box: QLineEdit on `colour`, `maxLength` characters
    Help,         // read-only multi-line text without wrapping or focus, on `colour`
    Group,        // QGroupBox with `caption` as its title
    Picture,      // plain area, filled with `colour` when one is given
    BoxedPicture, // plain area with a one-pixel black border, filled with `colour`
    Cell,         // read-only, frameless, right-aligned value on the holder's colour
    ScrollBar,    // vertical, 0 to `maxLength` in steps of 1, moving on release only
    Line,         // LineShape in `colour` (black if none); `twips` holds x1, y1, x2, y2
};

// One control of a screen's fixed design.
struct ControlDesign {
    ControlKind kind;
    const char* name;   // objectName
    const char* holder; // name of an earlier row it sits in; nullptr: the screen
    QRect twips;        // Left, Top, Width, Height in the holder (see Line)
    const char* caption = "";
    const Face* face = nullptr; // nullptr: inherited
    QRgb colour = kNoColour;    // background, or a line's colour
    QRgb textColour = kNoColour;
    int maxLength = 0; // characters for a Box, the maximum for a ScrollBar
    int tabIndex = -1; // position in the tab order; -1 for none
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wraps = false;
};

// A screen's own design: object name, title, client size (twips), colour and
// face.
struct ScreenDesign {
    const char* name;
    const char* title;
    int width;
    int height;
    QRgb colour;
    const Face* face = &kDialogFace; // nullptr: the application's
    // Labels are closed up to fit their width. A screen whose texts fit as
    // designed says no, so that it measures no text before it is first drawn.
    bool closeUpLabels = true;
};

// The widgets made from a control table, found by their design names.
class Controls {
public:
    // Gives `screen` its design.
    Controls(QWidget& screen, const ScreenDesign& design);
    // Makes every row's control in table order, each above those made before
    // it, and sets the tab order of the rows that have a tab index.
    void add(std::span<const ControlDesign> table);

    // The control of the row named `name`; the design must have it.
    template <class T> T* get(const QString& name) const { return static_cast<T*>(widget(name)); }
    QWidget* widget(const QString& name) const;

private:
    QWidget& m_screen;
    bool m_closeUpLabels;
    std::vector<std::pair<QString, QWidget*>> m_made;
};

// Makes the control of one row in `holder`; `name` replaces the row's name
// (for generated controls such as the cells of a table). Labels and help
// boxes are closed up to fit when they are first shown, unless closeUpLabels
// is false.
QWidget* MakeControl(QWidget& holder, const ControlDesign& row, const QString& name,
                     bool closeUpLabels = true);

QFont FontOf(const Face& face);

} // namespace crank
