#include "app/tabs_menu.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPalette>

#include "app/banner_logo.h"
#include "platform/control_table.h"
#include "platform/twips_qt.h"

namespace crank {
namespace {

using K = ControlKind;

// The front screen's texts fit as designed: it measures none before it is
// first drawn, which keeps start-up short.
const ScreenDesign kClient{
    "TabsMenuClient", nullptr, TabsMenu::kClientWidth, TabsMenu::kClientHeight, kFrontRed,
    nullptr,          false};

constexpr Face kTitleFace{"MS Sans Serif", 18, true};
constexpr Face kSubtitleFace{"MS Sans Serif", 12, true};
constexpr Face kCreditFace{"MS Sans Serif", 13.5, true, true};
constexpr Face kNameFace{"Times New Roman", 14.25, true};
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;

// The fixed design of the front screen's labels. Every label sits on the
// window's red; Label4 keeps the system's label text colour.
// clang-format off
const ControlDesign kLabels[] = {
    {K::Label, "Label2", nullptr, {360, 480, 6375, 515}, "Crank Angle/Piston Displacement", &kTitleFace, kFrontRed, kWhite, 0, -1, kCentred},
    {K::Label, "Label3", nullptr, {360, 1200, 6375, 515}, "Tables Construction", &kTitleFace, kFrontRed, kWhite, 0, -1, kCentred},
    {K::Label, "Label4", nullptr, {1540, 2000, 4000, 355}, "(An Engine Tuner's Assistant)", &kSubtitleFace, kFrontRed, kNoColour, 0, -1, kCentred},
    {K::Label, "Label5", nullptr, {400, 3140, 2400, 450}, "Provided by . . .", &kCreditFace, kFrontRed, kPeach, 0, -1, kLeft},
    {K::Label, "Label1", nullptr, {4180, 5800, 1150, 300}, TabsMenu::kBannerName, &kNameFace, kFrontRed, kWhite, 0, -1, kLeft},
    {K::Label, "Label6", nullptr, {1960, 6600, 4800, 450}, TabsMenu::kBannerSlogan, &kCreditFace, kFrontRed, kPeach, 0, -1, kCentred},
};
// clang-format on

// The logo picture area (Picture1), twips.
constexpr int kLogoLeft = 1750;
constexpr int kLogoTop = 4000;

// Picture1: the banner logo, white straight lines on the window's red, no
// border.
class LogoPicture : public QWidget {
public:
    explicit LogoPicture(QWidget* parent) : QWidget(parent)
    {
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(kFrontRed));
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // The segments are in twips inside the picture area.
        painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
        painter.setPen(QPen(QColor::fromRgb(kWhite), 2.0 * kTwipsPerPixel));
        for (const LogoSegment& s : BannerLogoSegments()) {
            painter.drawLine(s.x1, s.y1, s.x2, s.y2);
        }
    }
};

} // namespace

TabsMenu::TabsMenu(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TabsMenu"));
    setWindowTitle(QString::fromLatin1(kTitle));
    buildClientArea();
    buildMenuBar();
    // The window keeps the size of its client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TabsMenu::buildClientArea()
{
    auto* client = new QWidget(this);
    Controls controls(*client, kClient);
    controls.add(kLabels);
    setCentralWidget(client);

    auto* logo = new LogoPicture(client);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setGeometry(twipRect(kLogoLeft, kLogoTop, kLogoWidth, kLogoHeight));
}

void TabsMenu::buildMenuBar()
{
    // Top-level actions without menus run as soon as they are chosen; the "&"
    // gives each its Alt access key.
    QMenuBar* bar = menuBar();
    // In the screens' own sans-serif the three commands fit side by side
    // across the window, so none is pushed behind an overflow button.
    bar->setFont(FontOf(kDialogFace));
    m_infoScrn = bar->addAction(QStringLiteral("&User Information"));
    m_infoScrn->setObjectName(QStringLiteral("InfoScrn"));
    m_tables =
        bar->addAction(QStringLiteral("&Construct Crank Angle/Piston Displacement Table(s)"));
    m_tables->setObjectName(QStringLiteral("Tables"));
    m_exitProg = bar->addAction(QStringLiteral("E&xit the Program"));
    m_exitProg->setObjectName(QStringLiteral("ExitProg"));
    connect(m_infoScrn, &QAction::triggered, this, &TabsMenu::InfoScrn_Click);
    connect(m_tables, &QAction::triggered, this, &TabsMenu::Tables_Click);
    connect(m_exitProg, &QAction::triggered, this, &TabsMenu::ExitProg_Click);
}

} // namespace crank
