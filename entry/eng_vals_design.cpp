// The fixed design of the data entry screen: one row per control with its
// twip rectangle (frame children relative to the frame), caption, maximum
// length and tab position. The widgets are made from this table.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "entry/eng_vals.h"
#include "entry/eng_vals_text.h"
#include "platform/command_button.h"
#include "platform/fit_text.h"
#include "platform/twips_qt.h"

namespace crank {
namespace {

const QColor kScreenColour(255, 128, 128);
const QColor kValueBoxColour(255, 255, 192);
const QColor kHelpBoxColour(255, 224, 192);
const QColor kReturnColour(192, 192, 255);
const QColor kDisplayColour(255, 192, 255);

enum class Kind { Button, Label, Box, Help, Frame };
enum class Holder { Screen, Frame };

struct ControlDesign {
    Kind kind;
    const char* name;
    const char* caption;
    Holder holder;
    int left, top, width, height;
    int maxLength; // 0: none
    int tabIndex;
};

// Value boxes and prompts carry no caption here; GeomLab captions come from
// kGeomPrompts.
// clang-format off
const ControlDesign kControls[] = {
    {Kind::Button, "GeomCom_0", "Return to &Front Screen", Holder::Screen, 360, 120, 1240, 615, 0, 0},
    {Kind::Button, "GeomCom_1", "&Display the Table(s)", Holder::Screen, 1920, 120, 1240, 615, 0, 1},
    {Kind::Label, "EngNamLab", "Enter a Name for the Engine:", Holder::Screen, 260, 1120, 2100, 255, 0, 20},
    {Kind::Box, "EngNamTxt", "", Holder::Screen, 2400, 1080, 2750, 320, 25, 2},
    {Kind::Label, "GeomLab_0", nullptr, Holder::Screen, 260, 1820, 1500, 255, 0, 3},
    {Kind::Box, "GeomTxt_0", "", Holder::Screen, 1800, 1780, 650, 320, 6, 4},
    {Kind::Label, "GeomLab_1", nullptr, Holder::Screen, 3660, 1820, 2140, 255, 0, 5},
    {Kind::Box, "GeomTxt_1", "", Holder::Screen, 5900, 1780, 650, 320, 6, 6},
    {Kind::Label, "GeomLab_2", nullptr, Holder::Screen, 260, 2520, 1880, 255, 0, 7},
    {Kind::Help, "OffSetTxt", "", Holder::Screen, 3000, 2300, 4060, 1560, 0, 8},
    {Kind::Box, "GeomTxt_2", "", Holder::Screen, 2180, 2480, 580, 320, 6, 9},
    {Kind::Frame, "GeomFram", "  Crank Angle/Piston Displacement Tables and Initial Crank Angles  ",
     Holder::Screen, 240, 4080, 6800, 3400, 0, 10},
    {Kind::Label, "Label1",
     "A maximum of three Tables can be displayed and then, if required, printed on a single page.",
     Holder::Frame, 180, 420, 6500, 255, 0, 11},
    {Kind::Label, "Label2",
     "A Table comprises a column of successive crank angles and the corresponding piston",
     Holder::Frame, 180, 840, 6480, 255, 0, 12},
    {Kind::Label, "Label3",
     "displacements. If the offset is non-zero both BTDC and ATDC displacements are listed.",
     Holder::Frame, 180, 1100, 6400, 255, 0, 13},
    {Kind::Label, "Label4", "The range of the crank angles provided in a Table is 4 degrees. ",
     Holder::Frame, 180, 1520, 6400, 255, 0, 14},
    {Kind::Label, "Label5",
     "You are prompted for the Number of Tables and then for their Initial Crank Angles.",
     Holder::Frame, 180, 1780, 6540, 255, 0, 15},
    {Kind::Label, "GeomLab_3", nullptr, Holder::Frame, 480, 2320, 2900, 255, 0, 16},
    {Kind::Label, "GeomLab_4", nullptr, Holder::Frame, 480, 2880, 2800, 255, 0, 17},
    {Kind::Box, "GeomTxt_3", "", Holder::Frame, 3160, 2280, 495, 320, 1, 18},
    {Kind::Box, "GeomTxt_4", "", Holder::Frame, 3400, 2840, 400, 285, 3, 19},
    {Kind::Box, "GeomTxt_5", "", Holder::Frame, 4150, 2840, 400, 285, 3, 21},
    {Kind::Box, "GeomTxt_6", "", Holder::Frame, 4900, 2840, 400, 285, 3, 22},
};
// clang-format on

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// The trailing digits of "GeomTxt_4" and the like.
int indexOf(const QString& name)
{
    return name.section(QLatin1Char('_'), 1).toInt();
}

} // namespace

void EngVals::buildDesign()
{
    setObjectName(QStringLiteral("EngVals"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setFixedSize(twipSize(kClientWidth, kClientHeight));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, kScreenColour);
    // The designed face; every control inherits it.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    setFont(font);

    std::vector<const ControlDesign*> inTabOrder;
    std::vector<QWidget*> focusable(std::size(kControls), nullptr);
    for (const ControlDesign& design : kControls) {
        QWidget* holder = design.holder == Holder::Frame ? static_cast<QWidget*>(m_geomFram) : this;
        const QString name = QString::fromLatin1(design.name);
        QWidget* widget = nullptr;
        switch (design.kind) {
        case Kind::Button: {
            const int i = indexOf(name);
            auto* button = new CommandButton(QString::fromLatin1(design.caption),
                                             i == 0 ? kReturnColour : kDisplayColour, holder);
            m_geomCom[i] = button;
            widget = button;
            break;
        }
        case Kind::Label: {
            const bool prompt = design.caption == nullptr;
            auto* label = new QLabel(holder);
            label->setTextFormat(Qt::PlainText);
            if (prompt) {
                const int i = indexOf(name);
                label->setText(QString::fromLatin1(kGeomPrompts[i]));
                m_geomLab[i] = label;
            } else {
                label->setText(QString::fromLatin1(design.caption));
            }
            if (name == QLatin1String("EngNamLab")) {
                m_engNamLab = label;
            }
            widget = label;
            break;
        }
        case Kind::Box: {
            auto* box = new QLineEdit(holder);
            box->setMaxLength(design.maxLength);
            setColour(box, QPalette::Base, kValueBoxColour);
            box->installEventFilter(this);
            if (name == QLatin1String("EngNamTxt")) {
                m_engNamTxt = box;
            } else {
                m_geomTxt[indexOf(name)] = box;
            }
            widget = box;
            break;
        }
        case Kind::Help: {
            m_offSetTxt = new QPlainTextEdit(holder);
            QString help = QString::fromLatin1(kOffsetHelp);
            help.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            m_offSetTxt->setPlainText(help);
            // Explanation only: nothing reads it, so it neither takes the focus
            // nor accepts edits.
            m_offSetTxt->setReadOnly(true);
            m_offSetTxt->setFocusPolicy(Qt::NoFocus);
            m_offSetTxt->setLineWrapMode(QPlainTextEdit::NoWrap);
            m_offSetTxt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            m_offSetTxt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            setColour(m_offSetTxt, QPalette::Base, kHelpBoxColour);
            widget = m_offSetTxt;
            break;
        }
        case Kind::Frame:
            m_geomFram = new QGroupBox(QString::fromLatin1(design.caption), holder);
            widget = m_geomFram;
            break;
        }
        widget->setObjectName(name);
        widget->setGeometry(twipRect(design.left, design.top, design.width, design.height));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            condenseToFitWhenShown(*label);
        } else if (widget == m_offSetTxt) {
            condenseToFitWhenShown(*m_offSetTxt);
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            inTabOrder.push_back(&design);
            focusable[static_cast<std::size_t>(&design - kControls)] = widget;
        }
    }

    std::stable_sort(
        inTabOrder.begin(), inTabOrder.end(),
        [](const ControlDesign* a, const ControlDesign* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const ControlDesign* design : inTabOrder) {
        QWidget* widget = focusable[static_cast<std::size_t>(design - kControls)];
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace crank
