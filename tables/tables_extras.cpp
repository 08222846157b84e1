#include "tables/tables_extras.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSaveFile>

#include "platform/message_box.h"
#include "platform/print_targets.h"
#include "tables/ang_disp.h"
#include "tables/find_angle_dialog.h"
#include "tables/qt_tables_printer.h"
#include "tables/table_export.h"

namespace crank {

TablesExtras::TablesExtras(Ang_Disp& screen, const EngineState& state, MessageBox& messages)
    : QObject(&screen), m_ownCsvChooser(std::make_unique<CsvSaveDialog>()),
      m_ownPdfChooser(std::make_unique<PdfSaveDialog>()), m_screen(screen), m_state(state),
      m_messages(messages), m_csvChooser(*m_ownCsvChooser), m_pdfChooser(*m_ownPdfChooser)
{
    install();
}

TablesExtras::TablesExtras(Ang_Disp& screen, const EngineState& state, MessageBox& messages,
                           SaveFileChooser& csvChooser, SaveFileChooser& pdfChooser)
    : QObject(&screen), m_screen(screen), m_state(state), m_messages(messages),
      m_csvChooser(csvChooser), m_pdfChooser(pdfChooser)
{
    install();
}

TablesExtras::~TablesExtras() = default;

void TablesExtras::install()
{
    const QKeySequence keys[4] = {QKeySequence::Find, QKeySequence::Copy, {}, {}};
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
    // The cells have a menu of their own; ours replaces it and takes over
    // its Copy.
    for (QLineEdit* cell : m_screen.findChildren<QLineEdit*>()) {
        cell->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(cell, &QWidget::customContextMenuRequested, this,
                [this, cell](const QPoint& pos) { showContextMenu(cell, pos); });
        cell->installEventFilter(this);
    }
    m_screen.installEventFilter(this);
}

QList<QAction*> TablesExtras::commands() const
{
    return {m_commands.begin(), m_commands.end()};
}

FindAngleDialog* TablesExtras::findDialog() const
{
    return m_find;
}

bool TablesExtras::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_screen) {
        // Hidden by a command, not minimised.
        if (event->type() == QEvent::Hide && !event->spontaneous() && m_find) {
            m_find->close();
        }
        return false;
    }
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
    if (cell != nullptr && cell->hasSelectedText()) {
        QAction* copy = menu->addAction(QStringLiteral("Copy"));
        connect(copy, &QAction::triggered, cell, &QLineEdit::copy);
        menu->addSeparator();
    }
    menu->addActions(commands());
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
        m_find = new FindAngleDialog(m_state, &m_screen);
        m_find->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void TablesExtras::copyTables()
{
    const std::string text = TablesAsTsv(m_screen.view());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

QString TablesExtras::suggestedCsvPath()
{
    return SuggestedSavePath(QStringLiteral("crank-angle-tables.csv"));
}

void TablesExtras::saveTablesAsCsv()
{
    const QString path = m_csvChooser.chooseSavePath(suggestedCsvPath());
    if (path.isEmpty()) {
        return;
    }
    const std::string csv = TablesAsCsv(m_screen.view());
    // Written whole or not at all: an existing file survives a failed save.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(csv.data(), static_cast<qint64>(csv.size())) ==
                             static_cast<qint64>(csv.size()) &&
                         file.commit();
    if (!written) {
        m_messages.show("The tables could not be written to the file:\r\n" + path.toStdString() +
                            "\r\nPlease choose a folder where you may save files.\r\n",
                        kSaveFailedTitle);
    }
}

void TablesExtras::savePageAsPdf()
{
    SavePageAsPdf(m_screen.view(), m_pdfChooser, m_messages);
}

} // namespace crank
