#pragma once

// A data entry screen on the offscreen platform, reset as the front screen
// leaves it, with recording message box and printer and a tables screen made
// on first use.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "entry/eng_vals.h"
#include "tables/ang_disp.h"
#include "tests/test_doubles.h"

namespace crank {

class EngValsTest : public ::testing::Test {
protected:
    EngValsTest() : screen(state, messages)
    {
        screen.setTablesScreen([this]() -> Ang_Disp& {
            if (!tables) {
                tables = std::make_unique<Ang_Disp>(state, printer);
            }
            return *tables;
        });
        screen.resetForNewTables();
        screen.show();
        screen.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
    }

    QLineEdit* box(int index) const
    {
        return child<QLineEdit>(QStringLiteral("GeomTxt_%1").arg(index));
    }
    QPushButton* command(int index) const
    {
        return child<QPushButton>(QStringLiteral("GeomCom_%1").arg(index));
    }
    template <class T> T* child(const QString& name) const
    {
        T* found = screen.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    // Puts the focus into the box and types over its whole text as a user.
    void type(int index, const char* keys)
    {
        QLineEdit* target = box(index);
        target->setFocus(Qt::MouseFocusReason);
        target->selectAll();
        QTest::keyClicks(target, QString::fromLatin1(keys));
    }

    void enterGeometry(const char* stroke, const char* rod, const char* offset)
    {
        type(0, stroke);
        type(1, rod);
        type(2, offset);
    }
    void requestTables(const char* count, std::initializer_list<const char*> angles)
    {
        type(3, count);
        int index = 4;
        for (const char* angle : angles) {
            type(index++, angle);
        }
    }
    void display() { QTest::mouseClick(command(1), Qt::LeftButton); }

    QString text(int index) const { return box(index)->text(); }

    EngineState state;
    RecordingMessageBox messages;
    RecordingTablesPrinter printer;
    std::unique_ptr<Ang_Disp> tables;
    EngVals screen;
};

} // namespace crank
