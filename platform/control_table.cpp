#include "platform/control_table.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>

#include "platform/command_button.h"
#include "platform/fit_text.h"
#include "platform/line_shape.h"
#include "platform/twip_geometry.h"
#include "platform/twips_qt.h"

namespace crank {
namespace {

void setColour(QWidget& widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, QColor::fromRgb(colour));
    widget.setPalette(palette);
}

void fill(QWidget& widget, QRgb colour)
{
    if (colour == kNoColour) {
        return;
    }
    widget.setAutoFillBackground(true);
    setColour(widget, QPalette::Window, colour);
}

QWidget* makeLabel(QWidget& holder, const ControlDesign& row)
{
    auto* label = new QLabel(QString::fromLatin1(row.caption), &holder);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setAlignment(row.alignment);
    label->setWordWrap(row.wraps);
    fill(*label, row.colour);
    if (row.textColour != kNoColour) {
        setColour(*label, QPalette::WindowText, row.textColour);
    }
    return label;
}

QWidget* makeBox(QWidget& holder, const ControlDesign& row)
{
    auto* box = new QLineEdit(&holder);
    box->setMaxLength(row.maxLength);
    setColour(*box, QPalette::Base, row.colour);
    return box;
}

QWidget* makeHelp(QWidget& holder, const ControlDesign& row)
{
    auto* help = new QPlainTextEdit(&holder);
    QString text = QString::fromLatin1(row.caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    help->setPlainText(text);
    // Explanation only: nothing reads it, so it neither takes the focus nor
    // accepts edits.
    help->setReadOnly(true);
    help->setFocusPolicy(Qt::NoFocus);
    help->setLineWrapMode(QPlainTextEdit::NoWrap);
    help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColour(*help, QPalette::Base, row.colour);
    return help;
}

QWidget* makeBoxedPicture(QWidget& holder, const ControlDesign& row)
{
    auto* frame = new QFrame(&holder);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    fill(*frame, row.colour);
    return frame;
}

QWidget* makeCell(QWidget& holder)
{
    auto* cell = new QLineEdit(&holder);
    // Display only: the text can be selected and copied, nothing typed is used.
    cell->setReadOnly(true);
    cell->setFrame(false);
    cell->setFocusPolicy(Qt::ClickFocus);
    cell->setTextMargins(0, 0, 0, 0);
    cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The cells show their holder's background: set on the holder with its
    // first cell, and inherited by the others.
    const QColor back = holder.palette().color(QPalette::Window);
    if (holder.palette().color(QPalette::Base) != back) {
        setColour(holder, QPalette::Base, back.rgb());
    }
    return cell;
}

QWidget* makeScrollBar(QWidget& holder, const ControlDesign& row)
{
    auto* bar = new QScrollBar(Qt::Vertical, &holder);
    bar->setRange(0, row.maxLength);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // Dragging the thumb changes the value only on release.
    bar->setTracking(false);
    return bar;
}

QWidget* makeLine(QWidget& holder, const ControlDesign& row)
{
    auto* line = new LineShape(&holder);
    const QRect& ends = row.twips;
    line->setLine(ends.x(), ends.y(), ends.width(), ends.height());
    if (row.colour != kNoColour) {
        line->setColor(QColor::fromRgb(row.colour));
    }
    return line;
}

QWidget* makeWidget(QWidget& holder, const ControlDesign& row)
{
    switch (row.kind) {
    case ControlKind::Button:
        return new CommandButton(QString::fromLatin1(row.caption), QColor::fromRgb(row.colour),
                                 &holder);
    case ControlKind::Label:
        return makeLabel(holder, row);
    case ControlKind::Box:
        return makeBox(holder, row);
    case ControlKind::Help:
        return makeHelp(holder, row);
    case ControlKind::Group:
        return new QGroupBox(QString::fromLatin1(row.caption), &holder);
    case ControlKind::Picture: {
        auto* picture = new QWidget(&holder);
        fill(*picture, row.colour);
        return picture;
    }
    case ControlKind::BoxedPicture:
        return makeBoxedPicture(holder, row);
    case ControlKind::Cell:
        return makeCell(holder);
    case ControlKind::ScrollBar:
        return makeScrollBar(holder, row);
    case ControlKind::Line:
        return makeLine(holder, row);
    }
    return nullptr;
}

} // namespace

QFont FontOf(const Face& face)
{
    QFont font(QString::fromLatin1(face.family));
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    font.setItalic(face.italic);
    font.setUnderline(face.underline);
    return font;
}

QWidget* MakeControl(QWidget& holder, const ControlDesign& row, const QString& name,
                     bool closeUpLabels)
{
    QWidget* widget = makeWidget(holder, row);
    widget->setObjectName(name);
    if (row.kind != ControlKind::Line) {
        setTwipGeometry(*widget, row.twips);
    }
    if (row.face != nullptr) {
        widget->setFont(FontOf(*row.face));
    }
    if (!closeUpLabels) {
        return widget;
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !row.wraps) {
        condenseToFitWhenShown(*label);
    } else if (auto* help = qobject_cast<QPlainTextEdit*>(widget)) {
        condenseToFitWhenShown(*help);
    }
    return widget;
}

Controls::Controls(QWidget& screen, const ScreenDesign& design)
    : m_screen(screen), m_closeUpLabels(design.closeUpLabels)
{
    screen.setObjectName(QString::fromLatin1(design.name));
    if (design.title != nullptr) {
        screen.setWindowTitle(QString::fromLatin1(design.title));
    }
    screen.setFixedSize(twipSize(design.width, design.height));
    fill(screen, design.colour);
    if (design.face != nullptr) {
        screen.setFont(FontOf(*design.face));
    }
}

void Controls::add(std::span<const ControlDesign> table)
{
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlDesign& row : table) {
        QWidget& holder =
            row.holder == nullptr ? m_screen : *widget(QString::fromLatin1(row.holder));
        QWidget* made = MakeControl(holder, row, QString::fromLatin1(row.name), m_closeUpLabels);
        m_made.emplace_back(made->objectName(), made);
        if (row.tabIndex >= 0 && made->focusPolicy() != Qt::NoFocus) {
            tabStops.emplace_back(row.tabIndex, made);
        }
    }
    std::ranges::stable_sort(tabStops, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }
}

QWidget* Controls::widget(const QString& name) const
{
    const auto found = std::ranges::find(m_made, name, &std::pair<QString, QWidget*>::first);
    Q_ASSERT(found != m_made.end());
    return found->second;
}

} // namespace crank
