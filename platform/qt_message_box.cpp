#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace crank {

void QtMessageBox::show(const std::string& prompt, const std::string& title)
{
    // A "\r\n" line end is one break on screen.
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace crank
