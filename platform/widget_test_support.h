#pragma once

// Test support for widgets: finding a named control, and turning the mouse
// wheel over one as the window system does.

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QString>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace crank {

// A named control of a screen; a missing one fails the test.
template <class T> T* child(const QWidget& screen, const QString& name)
{
    T* found = screen.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// A wheel turn over a widget as the window system delivers it, so that it
// travels up to the parents that handle it. A touchpad sends small steps.
inline void turnWheel(QWidget* over, int angle, QPoint pixels = {})
{
    const QPointF at(2, 2);
    QWheelEvent wheel(at, over->mapToGlobal(at), pixels, QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(over, &wheel);
}

} // namespace crank
