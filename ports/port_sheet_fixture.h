#pragma once

// The port timing sheet opened on the tables screen after a real display.

#include <QLineEdit>
#include <QString>
#include <QTest>

#include "ports/port_timing_sheet.h"
#include "ports/port_tool.h"
#include "tests/screens_fixture.h"

namespace crank {

// One table of the engine without offset; Ctrl+T opens the sheet.
class PortTimingSheetTest : public TablesScreenTest {
protected:
    PortTimingSheetTest()
    {
        show(DisplayKart(state, 0, 1, {0, 0, 0, 0}));
        tool = new PortTool(tables, *extras, services()); // owned by the screen
    }
    void open()
    {
        QTest::keyClick(&tables, Qt::Key_T, Qt::ControlModifier);
        sheet = tool->sheet();
        ASSERT_TRUE(sheet != nullptr && sheet->isVisible());
    }
    template <class T> T* in(const QString& name) const { return child<T>(*sheet, name); }
    static void typeInto(const QWidget& window, const QString& name, const char* keys)
    {
        auto* box = child<QLineEdit>(window, name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QString::fromUtf8(keys));
    }
    void typeInto(const QString& name, const char* keys) { typeInto(*sheet, name, keys); }

    PortTool* tool = nullptr;
    PortTimingSheet* sheet = nullptr;
};

} // namespace crank
