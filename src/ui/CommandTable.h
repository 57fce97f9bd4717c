#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>

class QAction;
class QToolBar;
class QToolButton;

// Every user action of the main window by id. Menus, the toolbar, the preset buttons, the grid's
// gestures and keys all run commands through this table; nothing is dispatched by caption text.
enum class CommandId
{
    MiniBrowserOnPreview,
    SetupModeless,
    SetupModal,
    AddStation,
    Exit,
    Copy,
    StartSearch,
    StopSearch,
    SearchOrStop,
    SubmitSearch,
    GenreSearch,
    SelectFormatNotice,
    ChangeMode,
    Play,
    VisitWebsite,
    Scan,
    ShowBookmarks,
    AddBookmarks,
    AddBookmark,
    Email,
    QuickHelp,
    Support,
    About,
    PressPreset,
    ClickPreset,
    EnterPreset,
    AssignPreset,
    GridClick,
    SortByColumn,
};

// What a command is run with: a preset, genre or column by index, a dropped station, whether a
// click hit a data row.
struct CommandArgs
{
    int index = -1;
    QString name = {};
    QString link = {};
    bool onRow = false;
};

// A toolbar button's face. A command's face may change while it runs (Search turns into Stop).
struct ToolbarFace
{
    QString caption;
    QString toolTip;
    int image = 0;
};

class CommandTable : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const CommandArgs&)>;
    // Whether a command may run now; a rule that refuses tells the user why itself.
    using Rule = std::function<bool()>;
    // Whether a command's menu entry and toolbar button are enabled now.
    using Enabled = std::function<bool()>;

    struct Toolbar
    {
        int position;
        ToolbarFace face;
    };

    struct Entry
    {
        QString objectName;
        QString caption;
        Handler handler;
        QKeySequence shortcut = {};
        std::optional<Toolbar> toolbar = {};
        Enabled enabled = {};
        Rule rule = {};
        Qt::ShortcutContext context = Qt::ApplicationShortcut;
    };

    using QObject::QObject;

    // Adds a command with its menu action (named objectName, showing caption).
    QAction* add(CommandId id, Entry entry);
    QAction* action(CommandId id) const;
    // Runs the command if its rule lets it.
    void run(CommandId id, const CommandArgs& args = {});

    // Fills toolbar with a button for each command that has one, in position order. Button
    // clicks pass the guard first (a guard that refuses tells the user why itself).
    void buildToolbar(QToolBar& toolbar, const QSize& iconSize);
    void setToolbarGuard(Rule guard) { m_toolbarGuard = std::move(guard); }
    QToolButton* toolbarButton(CommandId id) const;
    void setToolbarFace(CommandId id, const ToolbarFace& face);
    // Applies every enable rule to its menu entry and toolbar button.
    void refresh();

private:
    struct Command
    {
        Entry entry;
        QAction* action;
        QToolButton* button = nullptr;
    };
    void clickToolbar(CommandId id);

    std::map<CommandId, Command> m_commands;
    Rule m_toolbarGuard;
};
