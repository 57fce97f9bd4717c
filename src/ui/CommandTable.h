#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QAction;

// Every command of the main window by id. Menus, the toolbar, grid gestures and keys all run
// commands through this table; nothing is dispatched by caption text.
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
};

class CommandTable : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void()>;
    // Whether a command may run now; a rule that refuses tells the user why itself.
    using Rule = std::function<bool()>;

    struct Entry
    {
        QString objectName;
        QString caption;
        Handler handler;
        QKeySequence shortcut = {};
        Rule rule = {};
        Qt::ShortcutContext context = Qt::ApplicationShortcut;
    };

    using QObject::QObject;

    // Adds a command with its menu action (named objectName, showing caption).
    QAction* add(CommandId id, Entry entry);
    QAction* action(CommandId id) const;
    // Runs the command if its rule lets it.
    void run(CommandId id);

private:
    struct Command
    {
        Entry entry;
        QAction* action;
    };
    std::map<CommandId, Command> m_commands;
};
