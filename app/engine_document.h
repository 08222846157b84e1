#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

#include "app/engine_file.h"
#include "platform/services.h"

class QAction;
class QMenu;
class QWidget;

namespace crank {

class Navigator;
class RecentFiles;

// The engine file of this run, if one was opened or saved: opening one puts
// the program where the user left it (the data entry screen's boxes typed as
// if by hand and displayed, the port sheet and the wheel filled); saving
// writes what is typed now, whole or not at all. Nothing is ever saved
// without being asked. Leaving the program, or opening another file, with
// unsaved changes in the open file asks once: save, discard or stay.
class EngineDocument : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kOpenCaption = "Open Engine...";
    static constexpr const char* kRecentCaption = "Open Recent";
    static constexpr const char* kSaveCaption = "Save Engine";
    static constexpr const char* kSaveAsCaption = "Save Engine As...";

    // The navigator, the services and the recent list outlive it.
    EngineDocument(Navigator& navigator, const Services& services, RecentFiles& recent,
                   QObject* parent = nullptr);

    // Opens the file at path; false when it was refused or the user stayed.
    bool open(const QString& path);
    // Asks which file to open, then opens it.
    void openChosen();
    // Saves to the open file, or asks where when none is open.
    bool save();
    bool saveAs();
    // Whether the program may leave what is typed: at once when the open
    // file has no unsaved changes (or none is open), else as the user answers.
    bool mayLeave();

    // The open file differs from what is typed now.
    bool modified() const;
    // What the title of a tool's window adds: " - kart.crank", with
    // " (unsaved changes)" when so; empty with no file.
    QString titleNote() const;

    // The list of recent files as a menu, filled afresh each time it opens;
    // a file that is gone is taken off, and the menu says so.
    QMenu* recentMenu(QWidget* parent);
    // "Open Engine..." and "Open Recent" on a screen of the four: its
    // shortcut, a right-click menu and a tooltip on `tipped` that names them.
    void offerOn(QWidget& screen, QWidget& tipped);
    // The same on the front screen and the data entry screen, once the
    // navigator has started.
    void offerOnScreens();

    // What is typed now, as a file would hold it; nothing before a display.
    std::optional<EngineFile> current() const;

private:
    // Whether a file read whole may take the place of what is typed: as
    // mayLeave, and asked also when ports, a baseline or wheel settings were
    // typed and never saved in a file.
    bool mayReplace();
    // Save, Discard or Stay, as the user answers the prompt.
    bool mayDrop(const std::string& prompt);
    void adopt(const QString& path);
    // Writes file whole at path and makes it the open file; a failure is told.
    bool saveTo(const QString& path, const EngineFile& file);
    void refresh();
    // The title note for the open file, changed or not; shown by the tools.
    QString noteFor(bool changed) const;
    void showTitleNote(const QString& note);
    const QByteArray& savedBytes() const;
    void offerTools();
    bool openFile(const QString& path, const EngineFile& file, int version);

    Navigator& m_navigator;
    Services m_services;
    RecentFiles& m_recent;
    QString m_path;
    // What was opened or saved, and its bytes once asked for (savedBytes).
    std::optional<EngineFile> m_savedFile;
    mutable std::optional<QByteArray> m_savedBytes;
    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QAction* m_saveAs = nullptr;
    bool m_toolsOffered = false;
};

} // namespace crank
