#include "app/engine_document.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>
#include <algorithm>

#include "app/navigator.h"
#include "app/tabs_menu.h"
#include "entry/eng_vals.h"
#include "model/number_format.h"
#include "model/numeric_text.h"
#include "platform/after_paint.h"
#include "platform/message_box.h"
#include "platform/print_targets.h"
#include "platform/recent_files.h"
#include "platform/save_location.h"
#include "ports/baseline.h"
#include "ports/port_tool.h"
#include "tables/ang_disp.h"
#include "tables/file_name.h"
#include "tables/table_builder.h"
#include "tables/tables_extras.h"
#include "wheel/wheel_tool.h"

namespace crank {
namespace {

constexpr const char* kNotOpened = "Engine Not Opened";
constexpr const char* kNotSaved = "Engine Not Saved";

QAction* command(const char* caption, const QKeySequence& keys, const char* name, QObject* parent)
{
    auto* action = new QAction(QString::fromLatin1(caption), parent);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The boxes behind a display: the engine as typed and the initial angles the
// tables start at, as their first cells show them. The spacing may have raised
// a request past what a box takes (176, 176 and 176 show 176, 180 and 184): the
// box holds 176 again, which the same spacing raises when the file opens.
EntryBoxes boxesOf(const DisplayView& view)
{
    const EntryTexts& typed = view.engine.typed;
    EntryBoxes boxes{
        typed.name, typed.stroke, typed.rod, typed.offset, std::to_string(view.NumTables), {}};
    for (int t = 1; t <= view.NumTables; ++t) {
        const std::string& first = view.angleTexts[static_cast<std::size_t>(t)][0];
        boxes.angles[static_cast<std::size_t>(t - 1)] =
            ReadNumber(first) > kMaxTypedAngle ? std::to_string(static_cast<int>(kMaxTypedAngle))
                                               : first;
    }
    return boxes;
}

// "Kart B (54.5 x 110, +1.0)": the name with the geometry as typed.
std::string describe(const EntryBoxes& engine)
{
    const std::string name = engine.name.empty() ? std::string("an unnamed engine") : engine.name;
    const bool signless = !engine.offset.starts_with('-') && ReadNumber(engine.offset) != 0.0;
    return name + " (" + engine.stroke + " x " + engine.rod + ", " + (signless ? "+" : "") +
           engine.offset + ")";
}

bool sameGeometry(const EntryBoxes& file, const EngineSnapshot& shown)
{
    // Read as the data entry screen reads its boxes.
    const auto same = [](const std::string& typed, float value) {
        return static_cast<float>(ReadNumber(typed)) == value;
    };
    return same(file.stroke, shown.geometry.Stroke) && same(file.rod, shown.geometry.RodLength) &&
           same(file.offset, shown.geometry.PinOffset);
}

// A port setup made for another engine than the one on display: what to tell.
std::string otherEngineNote(const EntryBoxes& madeFor, const EngineSnapshot& shown)
{
    return "This setup was made for " +
           EngineText({madeFor.name, madeFor.stroke, madeFor.rod, madeFor.offset}) +
           ". Its ports are timed on " + EngineText(shown.typed) + ", the engine on display.";
}

std::string fileName(const QString& path)
{
    return QFileInfo(path).fileName().toStdString();
}

} // namespace

EngineDocument::EngineDocument(Navigator& navigator, const Services& services, RecentFiles& recent,
                               QObject* parent)
    : QObject(parent), m_navigator(navigator), m_services(services), m_recent(recent)
{
    // Spelt out: a desktop without a key scheme of its own has no "Save As" keys.
    m_open = command(kOpenCaption, QKeySequence(Qt::CTRL | Qt::Key_O), "openEngineCom", this);
    m_save = command(kSaveCaption, QKeySequence(Qt::CTRL | Qt::Key_S), "saveEngineCom", this);
    m_saveAs = command(kSaveAsCaption, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                       "saveEngineAsCom", this);
    connect(m_open, &QAction::triggered, this, &EngineDocument::openChosen);
    connect(m_save, &QAction::triggered, this, &EngineDocument::save);
    connect(m_saveAs, &QAction::triggered, this, &EngineDocument::saveAs);
    connect(&m_navigator, &Navigator::toolsCreated, this, &EngineDocument::offerTools);
    connect(&m_navigator, &Navigator::displayed, this, &EngineDocument::refresh);
    m_navigator.setLeaveGuard([this] { return mayLeave(); });
}

void EngineDocument::offerTools()
{
    if (m_toolsOffered || m_navigator.portTool() == nullptr) {
        return;
    }
    m_toolsOffered = true;
    for (QAction* action : {m_open, m_save, m_saveAs}) {
        m_navigator.portTool()->addSheetCommand(action);
        m_navigator.wheelTool()->addWheelCommand(action);
    }
    connect(m_navigator.portTool(), &PortTool::inputChanged, this, &EngineDocument::refresh);
    connect(m_navigator.wheelTool(), &WheelTool::inputChanged, this, &EngineDocument::refresh);
}

std::optional<EngineFile> EngineDocument::current() const
{
    const Ang_Disp* tables = m_navigator.tablesScreenIfCreated();
    if (tables == nullptr || tables->view().NumTables == 0 || m_navigator.portTool() == nullptr) {
        return std::nullopt;
    }
    return EngineFile{boxesOf(tables->view()), m_navigator.portTool()->input(),
                      m_navigator.wheelTool()->input(), m_navigator.portTool()->before()};
}

bool EngineDocument::modified() const
{
    if (m_path.isEmpty()) {
        return false;
    }
    const std::optional<EngineFile> now = current();
    return now && EngineFileAsJson(*now) != savedBytes();
}

QString EngineDocument::titleNote() const
{
    return noteFor(modified());
}

QString EngineDocument::noteFor(bool changed) const
{
    if (m_path.isEmpty()) {
        return {};
    }
    return QStringLiteral(" - ") + QFileInfo(m_path).fileName() +
           (changed ? QStringLiteral(" (unsaved changes)") : QString());
}

void EngineDocument::refresh()
{
    showTitleNote(titleNote());
}

void EngineDocument::showTitleNote(const QString& note)
{
    if (m_navigator.portTool() != nullptr) {
        m_navigator.portTool()->setTitleNote(note);
        m_navigator.wheelTool()->setTitleNote(note);
    }
}

bool EngineDocument::mayLeave()
{
    return !modified() ||
           mayDrop("The engine file " + fileName(m_path) + " has changes that are not saved.");
}

bool EngineDocument::mayReplace()
{
    const std::optional<EngineFile> now = current();
    // Ports, a baseline or wheel settings typed and never saved in a file.
    const bool unfiled =
        m_path.isEmpty() && now &&
        EngineFileAsJson(*now) != EngineFileAsJson(EngineFile{now->engine, {}, {}, {}});
    return unfiled ? mayDrop("What is typed for the engine on display (its ports, its baseline "
                             "or its wheel) is not saved in a file.")
                   : mayLeave();
}

bool EngineDocument::mayDrop(const std::string& prompt)
{
    const int answer =
        m_services.messages.ask(prompt, "Unsaved Changes", {"Save", "Discard", "Stay"});
    if (answer == 0) {
        return save();
    }
    return answer == 1;
}

void EngineDocument::openChosen()
{
    const QString path = m_services.engineOpener.chooseOpenPath(SaveFolder());
    if (!path.isEmpty()) {
        RememberSaveFolder(path);
        open(path);
    }
}

bool EngineDocument::open(const QString& path)
{
    const auto refuse = [&](const std::string& problem) {
        m_services.messages.show("The file " + path.toStdString() + " " + problem +
                                     " Nothing of it was used.",
                                 kNotOpened);
        return false;
    };
    const EngineFileBytes file = ReadEngineFileBytes(path);
    if (!file.problem.empty()) {
        return refuse(file.problem);
    }
    const EngineFileRead read = ReadEngineFile(file.bytes);
    if (!read.file) {
        return refuse(read.problem);
    }
    if (const std::string why = RefusedEntry(read.file->engine); !why.empty()) {
        return refuse("cannot be opened: " + why + ".");
    }
    return openFile(path, *read.file, read.version);
}

bool EngineDocument::openFile(const QString& path, const EngineFile& file, int version)
{
    const Ang_Disp* tables = m_navigator.tablesScreenIfCreated();
    const bool onShow = tables != nullptr && tables->isVisible() && tables->view().NumTables > 0;
    if (version == 1 && onShow) {
        // A port setup fills the sheet of the engine on display, as it always did.
        if (!mayReplace()) {
            return false;
        }
        m_navigator.portTool()->setInput(file.ports);
        if (!sameGeometry(file.engine, tables->view().engine)) {
            m_services.messages.show(otherEngineNote(file.engine, tables->view().engine),
                                     "Other Engine");
        }
        m_recent.add(path);
        return true;
    }
    if (onShow && !sameGeometry(file.engine, tables->view().engine)) {
        const std::string name = file.engine.name.empty() ? "that engine" : file.engine.name;
        if (m_services.messages.ask("This file is for " + describe(file.engine) +
                                        "; open it as that engine?",
                                    "Other Engine", {"Open as " + name, "Cancel"}) != 0) {
            return false;
        }
    }
    if (!mayReplace()) {
        return false;
    }
    m_navigator.openEngine(file.engine);
    m_navigator.portTool()->setInput(file.ports);
    m_navigator.portTool()->setBefore(file.before);
    m_navigator.wheelTool()->setInput(file.wheel);
    adopt(version == kEngineFileVersion ? path : QString());
    // The list reaches the disk once the tables are on screen: the user waits
    // for them, not for it.
    AfterNextPaint(m_navigator.tablesScreen(), *this,
                   [&recent = m_recent, path] { recent.add(path); });
    // Where ports were typed, their sheet is where the user left the engine;
    // it opens named for the file.
    if (std::ranges::any_of(file.ports.rows,
                            [](const PortRowInput& row) { return !row.height.text.empty(); })) {
        m_navigator.portTool()->openSheet();
    }
    return true;
}

void EngineDocument::adopt(const QString& path)
{
    m_path = path;
    // Turned into bytes when first compared with: an engine just opened is
    // on screen sooner.
    m_savedFile = current();
    m_savedBytes.reset();
    // What was just kept has no changes yet.
    showTitleNote(noteFor(false));
}

const QByteArray& EngineDocument::savedBytes() const
{
    if (!m_savedBytes) {
        m_savedBytes = m_savedFile ? EngineFileAsJson(*m_savedFile) : QByteArray();
    }
    return *m_savedBytes;
}

bool EngineDocument::save()
{
    if (m_path.isEmpty()) {
        return saveAs();
    }
    const std::optional<EngineFile> now = current();
    return now && saveTo(m_path, *now);
}

bool EngineDocument::saveTo(const QString& path, const EngineFile& file)
{
    const QString reason = WriteWholeFile(path, EngineFileAsJson(file));
    if (!reason.isEmpty()) {
        m_services.messages.show(SaveFailedPrompt("The engine", path, reason), kNotSaved);
        return false;
    }
    adopt(path);
    m_recent.add(path);
    return true;
}

bool EngineDocument::saveAs()
{
    const std::optional<EngineFile> now = current();
    if (!now) {
        return false;
    }
    const QString path =
        m_services.engineSaver.chooseSavePath(SuggestedSavePath(QString::fromStdString(
            EngineFileName(now->engine.name, "engine", "engine", kEngineFileSuffix))));
    if (path.isEmpty()) {
        return false;
    }
    RememberSaveFolder(path);
    return saveTo(path, *now);
}

QMenu* EngineDocument::recentMenu(QWidget* parent)
{
    auto* menu = new QMenu(QString::fromLatin1(kRecentCaption), parent);
    menu->setObjectName(QStringLiteral("recentMenu"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        const QStringList gone = m_recent.dropMissing();
        if (!gone.isEmpty()) {
            menu->addAction(
                    gone.size() == 1
                        ? QStringLiteral("%1 is gone: taken off the list")
                              .arg(QFileInfo(gone.front()).fileName())
                        : QStringLiteral("%1 files are gone: taken off the list").arg(gone.size()))
                ->setEnabled(false);
        }
        const QStringList paths = m_recent.paths();
        for (int i = 0; i < paths.size(); ++i) {
            const QString path = paths[i];
            QAction* entry = menu->addAction(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            entry->setToolTip(path);
            connect(entry, &QAction::triggered, this, [this, path] { open(path); });
        }
        if (paths.isEmpty() && gone.isEmpty()) {
            menu->addAction(QStringLiteral("No engine files yet"))->setEnabled(false);
        }
    });
    return menu;
}

void EngineDocument::offerOnScreens()
{
    TabsMenu& front = m_navigator.tabsMenu();
    offerOn(front, *front.centralWidget());
    offerOn(m_navigator.engVals(), m_navigator.engVals());
}

void EngineDocument::offerOn(QWidget& screen, QWidget& tipped)
{
    screen.addAction(m_open);
    screen.setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* recent = recentMenu(&screen);
    connect(&screen, &QWidget::customContextMenuRequested, this,
            [&screen, recent, this](const QPoint& pos) {
                auto* menu = new QMenu(&screen);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->addAction(m_open);
                menu->addMenu(recent);
                menu->popup(screen.mapToGlobal(pos));
            });
    tipped.setToolTip(QStringLiteral("Right-click for more:\n%1  %2\n%3")
                          .arg(QString::fromLatin1(kOpenCaption),
                               m_open->shortcut().toString(QKeySequence::NativeText),
                               QString::fromLatin1(kRecentCaption)));
}

} // namespace crank
