#include "info/user_info.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>

#include <cstdint>

#include "info/user_info_text.h"
#include "platform/command_button.h"
#include "platform/fit_text.h"
#include "platform/scroll_forwarding.h"
#include "platform/twip_geometry.h"
#include "platform/twips_qt.h"

namespace crank {
namespace {

const QColor kPeach(255, 224, 192);
const QColor kButtonBlue(192, 192, 255);

// Window layout, twips.
const QRect kCommand1(360, 160, 1215, 615);
const QRect kPicture1(240, 950, 7190, 6100);
// Inside Picture1's border.
const QRect kVScroll1(6815, 0, 375, 6070);
const QRect kPanel(0, 0, 6800, 8255);
constexpr int kScrollMax = 60;

void paintBackground(QWidget& widget, const QColor& colour)
{
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

QLabel* makeLabel(const InfoLabelDesign& d, qreal points, QWidget* panel)
{
    auto* label = new QLabel(QString::fromLatin1(d.text), panel);
    label->setObjectName(QString::fromLatin1(d.name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    setTwipGeometry(*label, QRect(d.left, d.top, d.width, d.height));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(d.bold);
    label->setFont(font);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintBackground(*label, kPeach);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

// Rounds a quotient towards minus infinity (the scroll travel may be negative
// if the panel were ever shorter than the viewport).
std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

} // namespace

UserInfo::UserInfo(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("UserInfo"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setFixedSize(twipSize(kClientWidth, kClientHeight));
    paintBackground(*this, kPeach);

    m_command1 = new CommandButton(QStringLiteral("Return to &Front Screen"), kButtonBlue, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    setTwipGeometry(*m_command1, kCommand1);
    connect(m_command1, &QPushButton::clicked, this, &UserInfo::Command1_Click);

    m_picture1 = new QFrame(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_picture1->setLineWidth(1);
    paintBackground(*m_picture1, kPeach);
    setTwipGeometry(*m_picture1, kPicture1);
    // Children are placed from the inside of the border and clipped by it.
    m_viewport = new QWidget(m_picture1);
    m_viewport->setObjectName(QStringLiteral("Picture1Inside"));
    m_viewport->setGeometry(m_picture1->contentsRect());

    buildPanel();

    m_vScroll1 = new QScrollBar(Qt::Vertical, m_viewport);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    setTwipGeometry(*m_vScroll1, kVScroll1);
    m_vScroll1->setRange(0, kScrollMax);
    m_vScroll1->setSingleStep(1);
    m_vScroll1->setPageStep(1);
    m_vScroll1->setValue(0);
    // Dragging the thumb changes the value only on release.
    m_vScroll1->setTracking(false);
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &UserInfo::VScroll1_Change);
    ForwardScrolling(*m_picture1, *m_finfo1, *m_vScroll1);

    setTabOrder(m_command1, m_vScroll1);
    m_command1->setFocus();
}

void UserInfo::buildPanel()
{
    m_finfo1 = new QWidget(m_viewport);
    m_finfo1->setObjectName(QStringLiteral("finfo_1"));
    setTwipGeometry(*m_finfo1, kPanel);
    paintBackground(*m_finfo1, kPeach);

    QLabel* heading = makeLabel(InfoHeading(), 12, m_finfo1);
    QFont font = heading->font();
    font.setUnderline(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (const InfoLabelDesign& d : InfoBodyLabels()) {
        condenseToFit(*makeLabel(d, 8.25, m_finfo1));
    }
}

void UserInfo::Command1_Click()
{
    hide();
    emit frontScreenRequested();
}

void UserInfo::VScroll1_Change()
{
    // Heights and the maximum are read anew each time, never cached.
    const std::int64_t viewHeight = twipGeometry(*m_picture1).height();
    const QRect panel = twipGeometry(*m_finfo1);
    const std::int64_t travel = panel.height() - viewHeight;
    const std::int64_t value = m_vScroll1->value();
    const std::int64_t maximum = m_vScroll1->maximum();
    // A scroll bar without travel leaves the panel at its top.
    m_panelTopTwips = maximum > 0 ? static_cast<int>(-floorDiv(value * travel, maximum)) : 0;
    setTwipGeometry(*m_finfo1, QRect(panel.x(), m_panelTopTwips, panel.width(), panel.height()));
}

} // namespace crank
