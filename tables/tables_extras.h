#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>

class QAction;
class QLineEdit;
class QMenu;
class QPoint;
class QWidget;

namespace crank {

class Ang_Disp;
class FindAngleDialog;
class MessageBox;
class SaveFileChooser;
struct Services;

// Title of the message shown when the tables could not be saved.
inline constexpr const char* kSaveFailedTitle = "Tables Not Saved";

// Commands of the tables screen beyond its fixed design: no control of their
// own, only shortcuts of the screen's window and a context menu.
//
// A right-click (or the menu key) anywhere on the screen offers, in this
// order: "Find Crank Angle..." (Ctrl+F), "Copy Tables" (Ctrl+C), "Save Tables
// as CSV..." (Ctrl+S) and "Save Page as PDF..." (Ctrl+Shift+S). On a cell
// with a highlighted value the menu starts with "Copy Selection" (Ctrl+C).
//
// One rule for Ctrl+C: it copies the highlighted value when there is one,
// else the tables; the menu shows Ctrl+C at the entry it will run. A
// double-click highlights a cell's whole value and a click elsewhere clears
// it (SelectWholeValues). The scroll bar keeps its own scrolling menu. A
// tooltip on the tables and on the print button names these commands.
//
// Lives as long as the screen (a child of it). The find dialog is one at a
// time and works from the engine of the display on show; it closes when the
// screen is hidden, so that it never outlives that display.
class TablesExtras : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<const char*, 4> kCaptions = {
        "Find Crank Angle...", "Copy Tables", "Save Tables as CSV...", "Save Page as PDF..."};

    // Saves through the services' dialogs and tells failures through their messages.
    TablesExtras(Ang_Disp& screen, const Services& services);
    ~TablesExtras() override;

    // Opens the find dialog for the geometry on show, or raises it when open.
    void findCrankAngle();
    // The summary and the tables as tab-separated text on the clipboard.
    void copyTables();
    // The same records as a UTF-8 CSV file at a place the user chooses.
    void saveTablesAsCsv();
    // The printed page as a PDF at a place the user chooses, printer or not.
    void savePageAsPdf();

    // A tool's command after the four, in the menu and as a shortcut of the
    // screen's window.
    void addCommand(QAction* command);
    // The commands, in menu order.
    QList<QAction*> commands() const;
    // The open find dialog, or null.
    FindAngleDialog* findDialog() const;
    // The menu for a right-click on source (a cell or the screen), not yet
    // shown; it belongs to source.
    QMenu* makeContextMenu(QWidget* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install();
    void adoptCells(const QList<QLineEdit*>& cells);
    QString extrasTip() const;
    void showContextMenu(QWidget* source, const QPoint& pos);

    Ang_Disp& m_screen;
    MessageBox& m_messages;
    SaveFileChooser& m_csvChooser;
    SaveFileChooser& m_pdfChooser;
    std::array<QAction*, 4> m_commands{};
    QList<QAction*> m_toolCommands;
    QPointer<FindAngleDialog> m_find;
};

} // namespace crank
