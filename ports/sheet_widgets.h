#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "model/typed_number.h"
#include "platform/canvas.h"
#include "ports/port_sheet.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;

namespace crank {

// What the port sheet's two pages are made of.

QString QtText(const std::string& text);

// A label the view fills in, found by its name. A wrapped one takes the
// width its column is given and the height that width needs, and asks for
// no width itself: a long message wraps instead of widening its page.
QLabel* ResultLabel(QWidget* parent, const QString& name, bool wraps = false);

// "Row 1" to "Row 8", the items of a choice of row.
QStringList RowItems();

// A message in its label, the label shown only while it says something.
void ShowMessage(QLabel& label, const std::string& message);

// A captioned box in the next row of grid (the caption in column 0, the box
// in column 1), and its message, if any, in a row of its own under the box
// and across the columns right of it, so that nothing beside the box moves
// when the message comes or goes. Column 2 takes the room left.
void AddBoxRow(QGridLayout& grid, const QString& caption, QWidget* box, QLabel* message);

// The controls of one page of the sheet and the fields of the sheet's input
// that they edit. An edit goes into the input at once and `edited` follows;
// nothing reads a control back. show() puts the input into every control
// without an edit: number texts in the style's decimal separator, lengths in
// the input's unit. Boxes are as wide as the characters they take, so that
// nothing moves when a text beside or under them changes.
class InputControls {
public:
    InputControls(QWidget& page, PortSheetInput& input, const NumberStyle& style,
                  std::function<void()> edited);

    using TextField = std::function<std::string&(PortSheetInput&)>;
    using LengthField = std::function<TypedLength&(PortSheetInput&)>;

    // A name as typed, `widthText` wide.
    QLineEdit* nameBox(const QString& name, int maxChars, const QString& widthText,
                       TextField field);
    // A number as typed: "." and "," alike, a minus first where allowMinus.
    QLineEdit* numberBox(const QString& name, int maxChars, bool allowMinus, TextField field);
    // A length: its text and the unit in force when it was typed.
    QLineEdit* lengthBox(const QString& name, bool allowMinus, LengthField field);
    // A choice whose items stand in the order of the field's values (an
    // enum or an index from 0).
    template <class Field>
    QComboBox* choiceBox(const QString& name, const QStringList& items, Field field)
    {
        using Value = std::remove_reference_t<std::invoke_result_t<Field, PortSheetInput&>>;
        return choice(
            name, items, [this, field] { return static_cast<int>(field(m_input)); },
            [this, field](int index) { field(m_input) = static_cast<Value>(index); });
    }

    void show();
    // Every control made, in the order made: the order the keyboard visits.
    const QList<QWidget*>& focusOrder() const { return m_focus; }

    static constexpr int kLengthMaxChars = 8; // 1000 mm in inches to 0.001 ("39.370"), a minus

private:
    QLineEdit* box(const QString& name, int maxChars, const QString& widthText,
                   std::function<void(const QString&)> write, std::function<QString()> shown);
    QComboBox* choice(const QString& name, const QStringList& items, std::function<int()> index,
                      std::function<void(int)> choose);

    QWidget& m_page;
    PortSheetInput& m_input;
    const NumberStyle& m_style;
    std::function<void()> m_edited;
    struct Shown {
        QLineEdit* box;
        std::function<QString()> text;
    };
    struct Chosen {
        QComboBox* box;
        std::function<int()> index;
    };
    std::vector<Shown> m_texts;
    std::vector<Chosen> m_choices;
    QList<QWidget*> m_focus;
    // Box widths by the text they are made for; the page's boxes share one
    // font and style, and measuring is the dear part of making a box.
    QHash<QString, int> m_widths;
};

// A page of the sheet: its controls edit the sheet's input, and edited()
// follows each edit; it renders the sheet's view.
class SheetPage : public QWidget {
    Q_OBJECT
public:
    SheetPage(PortSheetInput& input, const NumberStyle& style, QWidget* parent)
        : QWidget(parent), m_controls(*this, input, style, [this] { emit edited(); })
    {
    }

    // Every control shows the input, without an edit.
    void showInput() { m_controls.show(); }
    virtual void render(const PortSheetView& view) = 0;
    // The controls that take the focus, in reading order.
    const QList<QWidget*>& focusOrder() const { return m_controls.focusOrder(); }

signals:
    void edited();

protected:
    InputControls m_controls;
};

// A goal in one line: its caption (which names the first control as its
// buddy) and controls side by side, and under them the answer, which wraps.
QLayout* GoalLayout(QWidget& page, const QString& caption, const QList<QWidget*>& controls,
                    QLabel* answer);

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
