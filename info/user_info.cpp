#include "info/user_info.h"

#include <QFrame>
#include <QScrollBar>

#include "info/user_info_text.h"
#include "platform/command_button.h"
#include "platform/control_table.h"
#include "platform/scroll_formula.h"
#include "platform/twip_geometry.h"

namespace crank {
namespace {

// The screen keeps the application's face; its labels name their own.
const ScreenDesign kScreen{
    "UserInfo", UserInfo::kTitle, UserInfo::kClientWidth, UserInfo::kClientHeight, kPeach, nullptr};

} // namespace

UserInfo::UserInfo(QWidget* parent) : QWidget(parent)
{
    Controls controls(*this, kScreen);
    controls.add(InfoControls());
    m_command1 = controls.get<CommandButton>("Command1");
    m_picture1 = controls.get<QFrame>(kInfoViewport);
    m_finfo1 = controls.widget(kInfoPanel);
    m_vScroll1 = controls.get<QScrollBar>("VScroll1");
    connect(m_command1, &QPushButton::clicked, this, &UserInfo::Command1_Click);
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &UserInfo::VScroll1_Change);
    m_command1->setFocus();
}

void UserInfo::Command1_Click()
{
    hide();
    emit frontScreenRequested();
}

void UserInfo::VScroll1_Change()
{
    // Heights and the maximum are read anew each time, never cached.
    const int viewHeight = twipGeometry(*m_picture1).height();
    const QRect panel = twipGeometry(*m_finfo1);
    m_panelTopTwips =
        PanelTop(m_vScroll1->value(), panel.height(), viewHeight, m_vScroll1->maximum());
    setTwipGeometry(*m_finfo1, QRect(panel.x(), m_panelTopTwips, panel.width(), panel.height()));
}

} // namespace crank
