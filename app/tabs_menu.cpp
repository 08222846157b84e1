#include "app/tabs_menu.h"

#include <QPalette>

#include "platform/twips_qt.h"

namespace crank {

TabsMenu::TabsMenu(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TabsMenu"));
    setWindowTitle(QString::fromLatin1(kTitle));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("TabsMenuClient"));
    client->setFixedSize(twipSize(kClientWidth, kClientHeight));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(192, 0, 0));
    client->setPalette(palette);
    setCentralWidget(client);
}

} // namespace crank
