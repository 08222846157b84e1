// Shared main of the widget tests: the offscreen platform, one QApplication,
// and a watchdog that fails the running test instead of hanging when an
// unexpected modal dialog opens (every expected one goes through an interface).
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/fonts.h"

namespace {

void closeUnexpectedModals()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    ADD_FAILURE() << "unexpected modal window: \"" << modal->windowTitle().toStdString() << "\" ("
                  << modal->metaObject()->className() << ")";
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    crank::installFontSubstitutions();
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &closeUnexpectedModals);
    watchdog.start(100);

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
