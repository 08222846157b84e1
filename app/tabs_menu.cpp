#include "app/tabs_menu.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPalette>

#include <optional>

#include "app/banner_logo.h"
#include "platform/twips_qt.h"

namespace crank {
namespace {

const QColor kFrontRed(192, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kPeach(255, 224, 192);

struct LabelDesign {
    const char* name;
    int left, top, width, height; // twips
    const char* text;
    const char* family;
    qreal points;
    bool bold;
    bool italic;
    std::optional<QColor> colour; // none: the system's default label text colour
    Qt::Alignment alignment;
};

// The fixed design of the front screen's labels. Every label sits on the
// window's red.
const LabelDesign kLabels[] = {
    {"Label2", 360, 480, 6375, 515, "Crank Angle/Piston Displacement", "MS Sans Serif", 18, true,
     false, kWhite, Qt::AlignHCenter},
    {"Label3", 360, 1200, 6375, 515, "Tables Construction", "MS Sans Serif", 18, true, false,
     kWhite, Qt::AlignHCenter},
    {"Label4", 1540, 2000, 4000, 355, "(An Engine Tuner's Assistant)", "MS Sans Serif", 12, true,
     false, std::nullopt, Qt::AlignHCenter},
    {"Label5", 400, 3140, 2400, 450, "Provided by . . .", "MS Sans Serif", 13.5, true, true, kPeach,
     Qt::AlignLeft},
    {"Label1", 4180, 5800, 1150, 300, TabsMenu::kBannerName, "Times New Roman", 14.25, true, false,
     kWhite, Qt::AlignLeft},
    {"Label6", 1960, 6600, 4800, 450, TabsMenu::kBannerSlogan, "MS Sans Serif", 13.5, true, true,
     kPeach, Qt::AlignHCenter},
};

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
        palette.setColor(QPalette::Window, kFrontRed);
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // The segments are in twips inside the picture area.
        painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
        painter.setPen(QPen(kWhite, 2.0 * kTwipsPerPixel));
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
    client->setObjectName(QStringLiteral("TabsMenuClient"));
    client->setFixedSize(twipSize(kClientWidth, kClientHeight));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kFrontRed);
    client->setPalette(palette);
    setCentralWidget(client);

    for (const LabelDesign& d : kLabels) {
        auto* label = new QLabel(QString::fromLatin1(d.text), client);
        label->setObjectName(QString::fromLatin1(d.name));
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setGeometry(twipRect(d.left, d.top, d.width, d.height));
        QFont font(QString::fromLatin1(d.family));
        font.setPointSizeF(d.points);
        font.setBold(d.bold);
        font.setItalic(d.italic);
        label->setFont(font);
        label->setAlignment(d.alignment | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::Window, kFrontRed);
        if (d.colour) {
            labelPalette.setColor(QPalette::WindowText, *d.colour);
        }
        label->setPalette(labelPalette);
    }

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
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    bar->setFont(font);
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
