#include "tables/find_angle_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/number_format.h"
#include "model/numeric_text.h"
#include "model/reverse_lookup.h"

namespace crank {
namespace {

// As many characters as the stroke box takes.
constexpr int kDropMaxChars = 6;

QString angleText(float degrees)
{
    return QString::fromStdString(FormatNumber(degrees, NumberPattern::Two));
}

} // namespace

FindAngleDialog::FindAngleDialog(const EngineSnapshot& engine, QWidget* parent)
    : QDialog(parent), m_engine(engine)
{
    setWindowTitle(QString::fromLatin1(kTitle));

    m_drop = new QLineEdit(this);
    m_drop->setObjectName(QStringLiteral("dropTxt"));
    m_drop->setMaxLength(kDropMaxChars);
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

    connect(m_drop, &QLineEdit::textChanged, this, &FindAngleDialog::dropChanged);
    m_drop->setFocus();
}

void FindAngleDialog::dropChanged(const QString& text)
{
    // The value boxes' filter: digits and one point. A rejected keystroke
    // empties the box, and the emptied box comes back through here.
    if (!IsNumericText(text.toStdString(), false, true)) {
        m_drop->clear();
        return;
    }
    recalculate();
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
    const float drop = static_cast<float>(ReadNumber(text));
    const DropAngles found = FindCrankAngles(m_engine.geometry, m_engine.model, drop);
    switch (found.status) {
    case DropLookupStatus::Found:
        m_atdc->setText(angleText(found.atdc));
        m_btdc->setText(angleText(found.btdc));
        return;
    case DropLookupStatus::OutOfRange:
    case DropLookupStatus::NotANumber: {
        const QString stroke =
            QString::fromStdString(FormatNumber(m_engine.geometry.Stroke, NumberPattern::UpToTwo));
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
