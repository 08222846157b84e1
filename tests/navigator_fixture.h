#pragma once

// The program's screens as the navigator runs them, with recording services.

#include "app/navigator.h"
#include "tests/entry_fixture.h"
#include "tests/screens_fixture.h"

namespace crank {

// The screens as the navigator runs them: the data entry screen on show, reset by construct.
class ScreensTest : public EntryTypingTest {
protected:
    ScreensTest()
    {
        navigator.start();
        navigator.Tables_Click();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&entry()));
    }

    EngVals& entry() const override { return navigator.engVals(); }
    // Null until the first display.
    Ang_Disp* tables() const { return navigator.tablesScreenIfCreated(); }

    // Back from the tables screen to data entry, the boxes as left.
    void returnToEntry() const
    {
        QTest::mouseClick(child<QPushButton>(*tables(), QStringLiteral("AngDispCom_1")),
                          Qt::LeftButton);
    }

    EngineState state;
    TestServices doubles;
    RecordingMessageBox& messages = doubles.messages;
    RecordingTablesPrinter printer;
    Navigator navigator{state, doubles.services(), printer};
};

} // namespace crank
