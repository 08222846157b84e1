#pragma once

// The program's screens as the navigator runs them, on the offscreen platform
// with recording message box and printer; the data entry screen on show,
// reset by the construct command.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/navigator.h"
#include "entry/eng_vals.h"
#include "tables/ang_disp.h"
#include "tests/test_doubles.h"

namespace crank {

class ScreensTest : public ::testing::Test {
protected:
    ScreensTest()
    {
        navigator.start();
        navigator.Tables_Click();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&entry()));
    }

    EngVals& entry() const { return navigator.engVals(); }
    // Null until the first display.
    Ang_Disp* tables() const { return navigator.tablesScreenIfCreated(); }

    QLineEdit* box(int index) const
    {
        return child<QLineEdit>(entry(), QStringLiteral("GeomTxt_%1").arg(index));
    }
    QPushButton* command(int index) const
    {
        return child<QPushButton>(entry(), QStringLiteral("GeomCom_%1").arg(index));
    }
    template <class T> static T* child(const QWidget& screen, const QString& name)
    {
        T* found = screen.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // A cell of the tables screen: ("DispB", 2, 48) is DispB2_48.
    QLineEdit* cell(const char* column, int table, int row) const
    {
        const QString name =
            QStringLiteral("%1%2_%3").arg(QLatin1String(column)).arg(table).arg(row);
        return child<QLineEdit>(*tables(), name);
    }

    // Puts the focus into the box and types over its whole text as a user.
    void type(int index, const char* keys) const
    {
        QLineEdit* target = box(index);
        target->setFocus(Qt::MouseFocusReason);
        target->selectAll();
        QTest::keyClicks(target, QString::fromLatin1(keys));
    }
    void enterGeometry(const char* stroke, const char* rod, const char* offset) const
    {
        type(0, stroke);
        type(1, rod);
        type(2, offset);
    }
    void requestTables(const char* count, std::initializer_list<const char*> angles) const
    {
        type(3, count);
        int index = 4;
        for (const char* angle : angles) {
            type(index, angle);
            ++index;
        }
    }
    void display() const { QTest::mouseClick(command(1), Qt::LeftButton); }
    // Back from the tables screen to data entry, the boxes as left.
    void returnToEntry() const
    {
        QTest::mouseClick(child<QPushButton>(*tables(), QStringLiteral("AngDispCom_1")),
                          Qt::LeftButton);
    }

    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, messages, printer};
};

} // namespace crank
