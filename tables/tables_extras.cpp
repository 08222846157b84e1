#include "tables/tables_extras.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

#include "platform/cell_selection.h"
#include "platform/message_box.h"
#include "platform/print_targets.h"
#include "platform/save_location.h"
#include "platform/services.h"
#include "platform/tool_window.h"
#include "tables/ang_disp.h"
#include "tables/csv_file.h"
#include "tables/find_angle_dialog.h"
#include "tables/qt_tables_printer.h"
#include "tables/table_export.h"

namespace crank {

TablesExtras::TablesExtras(Ang_Disp& screen, const Services& services)
    : QObject(&screen), m_screen(screen), m_messages(services.messages),
      m_csvChooser(services.tablesCsvSaver), m_pdfChooser(services.pdfSaver)
{
    install();
}

TablesExtras::~TablesExtras() = default;

void TablesExtras::install()
{
    const QKeySequence keys[4] = {QKeySequence::Find, QKeySequence::Copy, QKeySequence::Save,
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
    void (TablesExtras::*const run[4])() = {
        &TablesExtras::findCrankAngle, &TablesExtras::copyTables, &TablesExtras::saveTablesAsCsv,
        &TablesExtras::savePageAsPdf};
    for (int i = 0; i < 4; ++i) {
        auto* action = new QAction(QString::fromLatin1(kCaptions[i]), this);
        action->setShortcut(keys[i]);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run[i]);
        // On the window for the shortcuts; the context policy below keeps
        // them out of sight until a right-click.
        m_screen.addAction(action);
        m_commands[i] = action;
    }
    m_screen.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_screen, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showContextMenu(&m_screen, pos); });
    adoptCells(m_screen.findChildren<QLineEdit*>());
    WholeValueSelection* selection = SelectWholeValues(m_screen);
    // The rows below the viewport come later; they take part in the same.
    connect(&m_screen, &Ang_Disp::cellsMade, this,
            [this, selection](const QList<QLineEdit*>& cells) {
                adoptCells(cells);
                selection->add(cells);
            });

    // Nothing on the fixed design names these commands; the tables and the
    // print button tell of them when the mouse rests there.
    const QString tip = extrasTip();
    for (const char* name : {"Picture1", "AngDispCom_2"}) {
        if (auto* widget = m_screen.findChild<QWidget*>(QString::fromLatin1(name))) {
            widget->setToolTip(tip);
        }
    }
}

// The cells have a menu of their own; ours replaces it and takes over its Copy.
void TablesExtras::adoptCells(const QList<QLineEdit*>& cells)
{
    for (QLineEdit* cell : cells) {
        cell->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(cell, &QWidget::customContextMenuRequested, this,
                [this, cell](const QPoint& pos) { showContextMenu(cell, pos); });
        cell->installEventFilter(this);
    }
}

QString TablesExtras::extrasTip() const
{
    QString tip = QStringLiteral("Right-click for more:");
    for (const QAction* action : m_commands) {
        tip += QStringLiteral("\n%1  %2")
                   .arg(action->text(), action->shortcut().toString(QKeySequence::NativeText));
    }
    return tip + QStringLiteral("\nWith a value highlighted (double-click a cell), %1 copies just "
                                "that.\nThe wheel and Page Up/Down scroll the tables.")
                     .arg(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
}

void TablesExtras::addCommand(QAction* command)
{
    command->setShortcutContext(Qt::WindowShortcut);
    m_screen.addAction(command);
    m_toolCommands.append(command);
}

QList<QAction*> TablesExtras::commands() const
{
    QList<QAction*> all(m_commands.begin(), m_commands.end());
    all.append(m_toolCommands);
    return all;
}

FindAngleDialog* TablesExtras::findDialog() const
{
    return m_find;
}

bool TablesExtras::eventFilter(QObject* watched, QEvent* event)
{
    // A cell takes Ctrl+C for itself even with nothing selected; then let the
    // window's Copy Tables have it.
    auto* cell = qobject_cast<QLineEdit*>(watched);
    if (cell != nullptr && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !cell->hasSelectedText()) {
        event->ignore();
        return true;
    }
    return false;
}

QMenu* TablesExtras::makeContextMenu(QWidget* source)
{
    auto* menu = new QMenu(source);
    auto* cell = qobject_cast<QLineEdit*>(source);
    if (cell == nullptr || !cell->hasSelectedText()) {
        menu->addActions(commands());
        return menu;
    }
    // Ctrl+C copies what is highlighted, so the menu shows it there and not
    // with Copy Tables. The shortcut is for the menu alone, shown only.
    QAction* copy = menu->addAction(QStringLiteral("Copy Selection"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, cell, &QLineEdit::copy);
    menu->addSeparator();
    for (QAction* command : commands()) {
        if (command != m_commands[1]) {
            menu->addAction(command);
            continue;
        }
        QAction* tables = menu->addAction(command->text());
        connect(tables, &QAction::triggered, this, &TablesExtras::copyTables);
    }
    return menu;
}

void TablesExtras::showContextMenu(QWidget* source, const QPoint& pos)
{
    QMenu* menu = makeContextMenu(source);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(source->mapToGlobal(pos));
}

void TablesExtras::findCrankAngle()
{
    if (!m_find) {
        m_find = new FindAngleDialog(m_screen.view().engine, &m_screen);
        m_find->setAttribute(Qt::WA_DeleteOnClose);
        CloseWithScreen(m_screen, *m_find);
    }
    ShowTool(*m_find);
}

void TablesExtras::copyTables()
{
    const std::string text = TablesAsTsv(m_screen.view());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TablesExtras::saveTablesAsCsv()
{
    const DisplayView& content = m_screen.view();
    SaveCsvFile([&content](CsvDialect dialect) { return TablesAsCsv(content, dialect); },
                {SuggestedPathFor(content, "csv"), "The tables", kSaveFailedTitle}, m_csvChooser,
                m_messages);
}

void TablesExtras::savePageAsPdf()
{
    SavePageAsPdf(m_screen.view(), m_pdfChooser, m_messages);
}

} // namespace crank
