#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "model/typed_number.h"
#include "platform/canvas.h"
#include "ports/port_sheet.h"

class QLabel;
class QLineEdit;

namespace crank {

// What the port sheet's two pages are made of.

QString QtText(const std::string& text);

// A label the view fills in, found by its name.
QLabel* ResultLabel(QWidget* parent, const QString& name, bool wraps = false);

// A length box: its text as typed and the unit in force when it was typed.
// Only what the user types is kept as typed; the texts a change of unit
// shows are not. Long enough for 1000 mm in inches to 0.001 ("39.370") and
// a minus.
struct LengthBox {
    static constexpr int kMaxChars = 8;
    QLineEdit* box = nullptr;
    TypedLength typed;
};
void MakeLengthBox(LengthBox& length, QWidget* parent, const QString& name,
                   const NumberStyle& style, bool allowMinus,
                   const std::function<LengthUnit()>& unit, const std::function<void()>& edited);

// A white widget that draws a picture through a canvas, as a page draws it,
// inside a margin of 4 pixels.
class CanvasWidget : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void draw(Canvas& canvas, const TwipRect& box) const = 0;
    void paintWhite();
};

} // namespace crank
