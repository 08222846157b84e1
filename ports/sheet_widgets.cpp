#include "ports/sheet_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/number_box.h"
#include "platform/painter_canvas.h"
#include "platform/twips.h"
#include "ports/sheet_texts.h"

namespace crank {

QString QtText(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* ResultLabel(QWidget* parent, const QString& name, bool wraps)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    if (wraps) {
        label->setWordWrap(true);
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        label->setSizePolicy(policy);
    }
    return label;
}

QStringList RowItems()
{
    QStringList items;
    for (int i = 1; i <= kMaxPorts; ++i) {
        items.append(QStringLiteral("Row %1").arg(i));
    }
    return items;
}

void ShowMessage(QLabel& label, const std::string& message)
{
    label.setText(QtText(message));
    label.setVisible(!message.empty());
}

void AddBoxRow(QGridLayout& grid, const QString& caption, QWidget* box, QLabel* message)
{
    const int row = grid.rowCount();
    auto* label = new QLabel(caption, box->parentWidget());
    label->setBuddy(box);
    grid.addWidget(label, row, 0);
    grid.addWidget(box, row, 1, Qt::AlignLeft);
    if (message != nullptr) {
        grid.addWidget(message, row + 1, 1, 1, 2);
    }
    grid.setColumnStretch(2, 1);
}

QLayout* GoalLayout(QWidget& page, const QString& caption, const QList<QWidget*>& controls,
                    QLabel* answer)
{
    auto* label = new QLabel(caption, &page);
    label->setBuddy(controls.front());
    auto* line = new QHBoxLayout;
    line->addWidget(label);
    for (QWidget* control : controls) {
        line->addWidget(control);
    }
    line->addStretch();
    auto* goal = new QVBoxLayout;
    goal->addLayout(line);
    goal->addWidget(answer);
    return goal;
}

InputControls::InputControls(QWidget& page, PortSheetInput& input, const NumberStyle& style,
                             std::function<void()> edited)
    : m_page(page), m_input(input), m_style(style), m_edited(std::move(edited))
{
}

QLineEdit* InputControls::box(const QString& name, int maxChars, const QString& widthText,
                              std::function<void(const QString&)> write,
                              std::function<QString()> shown)
{
    auto* box = new QLineEdit(&m_page);
    box->setObjectName(name);
    box->setMaxLength(maxChars);
    auto width = m_widths.constFind(widthText);
    if (width == m_widths.constEnd()) {
        // A line edit hints at 17 "x" wide, frame and margins included.
        const QFontMetrics metrics = box->fontMetrics();
        width = m_widths.insert(widthText, box->sizeHint().width() -
                                               17 * metrics.horizontalAdvance(QLatin1Char('x')) +
                                               metrics.horizontalAdvance(widthText));
    }
    box->setFixedWidth(*width);
    QObject::connect(box, &QLineEdit::textEdited, &m_page,
                     [this, write = std::move(write)](const QString& typed) {
                         write(typed);
                         m_edited();
                     });
    m_texts.push_back({box, std::move(shown)});
    m_focus.append(box);
    return box;
}

QLineEdit* InputControls::nameBox(const QString& name, int maxChars, const QString& widthText,
                                  TextField field)
{
    return box(
        name, maxChars, widthText,
        [this, field](const QString& typed) { field(m_input) = typed.toStdString(); },
        [this, field] { return QtText(field(m_input)); });
}

QLineEdit* InputControls::numberBox(const QString& name, int maxChars, bool allowMinus,
                                    TextField field)
{
    QLineEdit* number = box(
        name, maxChars, QString(maxChars, QLatin1Char('0')),
        [this, field](const QString& typed) { field(m_input) = typed.toStdString(); },
        [this, field] { return QtText(InStyle(field(m_input), m_style)); });
    MakeNumberBox(*number, m_style, allowMinus);
    return number;
}

QLineEdit* InputControls::lengthBox(const QString& name, bool allowMinus, LengthField field)
{
    // Kept as typed, in the unit of its typing; shown in the sheet's unit,
    // converted where the two differ.
    QLineEdit* length = box(
        name, kLengthMaxChars, QString(kLengthMaxChars, QLatin1Char('0')),
        [this, field](const QString& typed) {
            field(m_input) = {typed.toStdString(), m_input.unit};
        },
        [this, field] {
            return QtText(
                InStyle(ReadLength(field(m_input), m_input.unit, m_style).shown, m_style));
        });
    MakeNumberBox(*length, m_style, allowMinus);
    return length;
}

QComboBox* InputControls::choice(const QString& name, const QStringList& items,
                                 std::function<int()> index, std::function<void(int)> choose)
{
    auto* box = new QComboBox(&m_page);
    box->setObjectName(name);
    box->addItems(items);
    QObject::connect(box, &QComboBox::currentIndexChanged, &m_page,
                     [this, choose = std::move(choose)](int chosen) {
                         choose(chosen);
                         m_edited();
                     });
    m_choices.push_back({box, std::move(index)});
    m_focus.append(box);
    return box;
}

void InputControls::show()
{
    for (const Shown& text : m_texts) {
        ShowValue(*text.box, text.text());
    }
    for (const Chosen& choice : m_choices) {
        const QSignalBlocker quiet(choice.box);
        choice.box->setCurrentIndex(std::clamp(choice.index(), 0, choice.box->count() - 1));
    }
}

void CanvasWidget::paintWhite()
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void CanvasWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PainterCanvas canvas(painter, 1.0 / kTwipsPerPixel);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const auto twips = [](double pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    draw(canvas, {twips(area.x()), twips(area.y()), twips(area.width()), twips(area.height())});
}

} // namespace crank
