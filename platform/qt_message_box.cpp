#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

namespace crank {

namespace {

QString shownText(const std::string& prompt)
{
    // A "\r\n" line end is one break on screen.
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

void QtMessageBox::show(const std::string& prompt, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), shownText(prompt),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

int QtMessageBox::ask(const std::string& prompt, const std::string& title,
                      const std::vector<std::string>& choices)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), shownText(prompt),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    QList<QPushButton*> buttons;
    for (const std::string& choice : choices) {
        buttons.append(box.addButton(QString::fromStdString(choice), QMessageBox::ActionRole));
    }
    if (buttons.isEmpty()) {
        return -1;
    }
    box.setDefaultButton(buttons.first());
    box.setEscapeButton(buttons.last());
    box.exec();
    const auto chosen = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen >= 0 ? static_cast<int>(chosen) : static_cast<int>(buttons.size()) - 1;
}

} // namespace crank
