#include "tables/find_angle_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "model/number_format.h"
#include "model/reverse_lookup.h"
#include "model/typed_number.h"
#include "platform/number_box.h"

namespace crank {
namespace {

// As many characters as the stroke box takes.
constexpr int kDropMaxChars = 6;

QString shown(double value, const NumberStyle& style)
{
    return QString::fromStdString(FormatDecimal(value, 2, style));
}

} // namespace

FindAngleDialog::FindAngleDialog(const EngineSnapshot& engine, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_style(LocaleNumberStyle())
{
    setWindowTitle(QString::fromLatin1(kTitle));

    m_drop = new QLineEdit(this);
    m_drop->setObjectName(QStringLiteral("dropTxt"));
    m_drop->setMaxLength(kDropMaxChars);
    MakeNumberBox(*m_drop, m_style, false);
    m_atdc = new QLabel(this);
    m_atdc->setObjectName(QStringLiteral("atdcLab"));
    m_btdc = new QLabel(this);
    m_btdc->setObjectName(QStringLiteral("btdcLab"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("messageLab"));
    m_message->setWordWrap(true);
    m_message->hide();
    for (QLabel* value : {m_atdc, m_btdc}) {
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeCom"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Piston drop below TDC (mm):"), m_drop);
    form->addRow(tr("Crank angle ATDC (degrees):"), m_atdc);
    form->addRow(tr("Crank angle BTDC (degrees):"), m_btdc);
    form->addRow(m_message);
    form->addRow(buttons);

    connect(m_drop, &QLineEdit::textChanged, this, &FindAngleDialog::recalculate);
    m_drop->setFocus();
}

void FindAngleDialog::recalculate()
{
    m_atdc->clear();
    m_btdc->clear();
    m_message->clear();
    m_message->hide();
    const std::string text = m_drop->text().toStdString();
    if (text.empty()) {
        return;
    }
    // A lone separator is on its way to a number: nothing to look up yet.
    const std::optional<double> typed = ReadTyped(text, m_style);
    if (!typed) {
        return;
    }
    const auto drop = static_cast<float>(*typed);
    const DropAngles found = FindCrankAngles(m_engine.geometry, m_engine.model, drop);
    switch (found.status) {
    case DropLookupStatus::Found:
        m_atdc->setText(shown(double{found.atdc}, m_style));
        m_btdc->setText(shown(double{found.btdc}, m_style));
        return;
    case DropLookupStatus::OutOfRange:
    case DropLookupStatus::NotANumber: {
        const QString stroke = QString::fromStdString(
            InStyle(FormatNumber(m_engine.geometry.Stroke, NumberPattern::UpToTwo), m_style));
        m_message->setText(tr("The drop must be from 0 to the stroke, %1 mm.").arg(stroke));
        break;
    }
    case DropLookupStatus::NoGeometry:
        m_message->setText(tr("Display the tables first."));
        break;
    }
    m_message->show();
}

} // namespace crank
