#include "entry/eng_vals.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "entry/eng_vals_text.h"
#include "entry/validation.h"
#include "model/number_format.h"
#include "model/numeric_text.h"
#include "platform/twips.h"
#include "tables/table_builder.h"

namespace crank {
namespace {

// Keystroke filter of each value box: leading minus allowed, one point allowed.
struct BoxFilter {
    bool allowMinus;
    bool allowPoint;
};
constexpr BoxFilter kFilters[7] = {
    {false, true}, {false, true}, {true, true},  {false, false},
    {true, false}, {true, false}, {true, false},
};

// Left of the first angle box in the frame (twips): with one table it sits
// 60 twips further left than with two or three.
constexpr int kOneAngleLeft = 3340;
constexpr int kManyAnglesLeft = 3400;

std::string textOf(const QLineEdit* box)
{
    return box->text().toStdString();
}

} // namespace

EngVals::EngVals(EngineState& state, MessageBox& messages, QWidget* parent)
    : QWidget(parent), m_state(state), m_messages(messages), m_angleLimit(kMaxTypedAngle)
{
    buildDesign();
    for (int i = 0; i < 7; ++i) {
        connect(m_geomTxt[i], &QLineEdit::textChanged, this, [this, i] { GeomTxt_Change(i); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(m_geomCom[i], &QPushButton::clicked, this, [this, i] { GeomCom_Click(i); });
    }
    // Until the front screen resets it, the screen shows the geometry state.
    m_geomCom[1]->setEnabled(false);
    m_geomFram->hide();
    m_geomLab[4]->hide();
    for (int i = 4; i <= 6; ++i) {
        m_geomTxt[i]->hide();
    }
}

void EngVals::resetForNewTables()
{
    m_geomCom[1]->setEnabled(false);
    m_engNamTxt->setText(QString());
    for (int i = 0; i <= 6; ++i) {
        m_geomTxt[i]->setText(QString()); // handled as an edit, nested
    }
    for (int i = 4; i <= 6; ++i) {
        m_geomTxt[i]->hide();
    }
    m_state.tables.NumTables = 0;
    for (int k = 1; k <= 3; ++k) {
        m_state.tables.InitAngle[k] = -1.0f;
    }
    m_geomFram->hide();
    m_state.GeomFramShown = false;
}

void EngVals::enterBoxes(const EntryBoxes& boxes)
{
    resetForNewTables();
    m_engNamTxt->setText(QString::fromStdString(boxes.name));
    const std::string* values[] = {&boxes.stroke,   &boxes.rod,       &boxes.offset,
                                   &boxes.tables,   &boxes.angles[0], &boxes.angles[1],
                                   &boxes.angles[2]};
    for (std::size_t i = 0; i < m_geomTxt.size(); ++i) {
        m_geomTxt[i]->setText(QString::fromStdString(*values[i]));
    }
}

void EngVals::GeomTxt_Change(int index)
{
    QLineEdit* box = m_geomTxt[index];
    const std::string text = textOf(box);
    if (!IsNumericText(text, kFilters[index].allowMinus, kFilters[index].allowPoint)) {
        // The nested handling of the emptied box does the rest.
        box->setText(QString());
        return;
    }
    EngineGeometry& geometry = m_state.geometry;
    switch (index) {
    case 0:
    case 1:
    case 2: {
        const auto value = static_cast<float>(ReadNumber(text));
        (index == 0   ? geometry.Stroke
         : index == 1 ? geometry.RodLength
                      : geometry.PinOffset) = value;
        const QString offsetText = m_geomTxt[2]->text();
        if (!offsetText.isEmpty() && offsetText != QLatin1String("-") &&
            geometry.RodLength != 0.0f && geometry.Stroke != 0.0f && !m_state.GeomFramShown) {
            ShowTableRequest();
        }
        break;
    }
    case 3:
        handleNumberOfTables();
        break;
    default:
        handleInitialAngle(index);
        break;
    }
    updateCompleteness();
}

void EngVals::handleNumberOfTables()
{
    TableSpec& requests = m_state.tables;
    requests.NumTables = ReadInt16(textOf(m_geomTxt[3]));
    const int n = requests.NumTables;
    if (n >= 1 && n <= 3) {
        m_geomLab[4]->setText(QString::fromLatin1(n == 1 ? kOneAnglePrompt : kManyAnglesPrompt));
        m_geomLab[4]->show();
        QLineEdit* first = m_geomTxt[4];
        first->move(twipsToPixels(n == 1 ? kOneAngleLeft : kManyAnglesLeft), first->y());
        for (int k = 4; k <= 6; ++k) {
            if (k - 3 <= n) {
                m_geomTxt[k]->setText(QString());
                m_geomTxt[k]->show();
            } else {
                m_geomTxt[k]->hide(); // keeps its text and its InitAngle
            }
        }
        return;
    }
    requests.NumTables = 0;
    m_geomLab[4]->hide();
    m_geomTxt[3]->setText(QString());
    for (int k = 4; k <= 6; ++k) {
        m_geomTxt[k]->hide();
    }
    for (int k = 1; k <= 3; ++k) {
        requests.InitAngle[k] = -1.0f;
    }
}

void EngVals::handleInitialAngle(int index)
{
    const int k = index - 3;
    const auto angle = static_cast<float>(RoundHalfEven(ReadNumber(textOf(m_geomTxt[index]))));
    if (angle >= 0.0f && angle <= m_angleLimit) {
        m_state.tables.InitAngle[k] = angle;
        return;
    }
    // The nested handling of the emptied box stores 0 first; -1 remains.
    m_geomTxt[index]->setText(QString());
    m_state.tables.InitAngle[k] = -1.0f;
}

void EngVals::updateCompleteness()
{
    const int n = m_state.tables.NumTables;
    bool complete = false;
    if (n > 0) {
        complete = true;
        for (int i = 0; i <= std::min(n, 3) + 3; ++i) {
            if (m_geomTxt[i]->text().isEmpty()) {
                complete = false;
            }
        }
    }
    m_state.InputsComplete = complete;
    if (complete) {
        m_state.geometry.OffsetNonZero = m_state.geometry.PinOffset != 0.0f;
    }
    m_geomCom[1]->setEnabled(complete);
}

void EngVals::ShowTableRequest()
{
    m_geomLab[4]->hide();
    m_state.GeomFramShown = true;
    m_geomFram->show();
    for (int k = 3; k <= 6; ++k) {
        m_geomTxt[k]->setText(QString());
    }
}

void EngVals::GeomTxt_GotFocus(int index)
{
    QLineEdit* box = m_geomTxt[index];
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void EngVals::EngNamTxt_GotFocus()
{
    m_engNamTxt->setSelection(0, static_cast<int>(m_engNamTxt->text().size()));
}

bool EngVals::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_engNamTxt) {
            EngNamTxt_GotFocus();
        }
        for (int i = 0; i < 7; ++i) {
            if (watched == m_geomTxt[i]) {
                GeomTxt_GotFocus(i);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EngVals::EngVals_Valtor()
{
    m_state.ValidationError = 0;
    const auto failure = ValidateGeometry(m_state.geometry);
    if (!failure) {
        return;
    }
    m_messages.show(std::string(failure->message), std::string(kValidationTitle));
    m_state.ValidationError = 1;
    m_geomTxt[failure->boxIndex]->setFocus(Qt::OtherFocusReason);
    // Select now as well: the focus-in event only comes while this window is
    // the active one.
    GeomTxt_GotFocus(failure->boxIndex);
}

void EngVals::GeomCom_Click(int index)
{
    if (index == 0) {
        hide();
        emit frontScreenRequested();
        return;
    }
    EngVals_Valtor();
    if (m_state.ValidationError == 1) {
        return;
    }
    SortTableRequests();
    const EntryTexts texts{textOf(m_engNamTxt), textOf(m_geomTxt[0]), textOf(m_geomTxt[1]),
                           textOf(m_geomTxt[2])};
    emit tablesRequested(ComputeDisplay(m_state, texts));
}

void EngVals::SortTableRequests()
{
    const std::vector<RequestWrite> writes = crank::SortTableRequests(m_state.tables);
    // A raised request may pass 176 degrees; the boxes keep it while it is
    // written back instead of rejecting it as they reject a typed one.
    m_angleLimit = kMaxSpacedAngle;
    for (const RequestWrite& write : writes) {
        m_geomTxt[3 + write.table]->setText(
            QString::fromStdString(FormatNumber(write.angle, NumberPattern::Whole)));
    }
    m_angleLimit = kMaxTypedAngle;
}

} // namespace crank
