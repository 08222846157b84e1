#pragma once

// Typing into the data entry screen as a user does, on the screen alone or
// as the navigator runs it.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>

#include "entry/eng_vals.h"
#include "model/engine_state.h"
#include "platform/widget_test_support.h"
#include "tests/test_doubles.h"

namespace crank {

class EntryTypingTest : public ::testing::Test {
protected:
    virtual EngVals& entry() const = 0;

    QLineEdit* box(int index) const
    {
        return child<QLineEdit>(entry(), QStringLiteral("GeomTxt_%1").arg(index));
    }
    QPushButton* command(int index) const
    {
        return child<QPushButton>(entry(), QStringLiteral("GeomCom_%1").arg(index));
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
};

// The data entry screen alone, on show and active.
class EntryScreenTest : public EntryTypingTest {
protected:
    EntryScreenTest()
    {
        screen.show();
        screen.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
    }
    EngVals& entry() const override { return screen; }

    EngineState state;
    RecordingMessageBox messages;
    mutable EngVals screen{state, messages, nullptr};
};

} // namespace crank
