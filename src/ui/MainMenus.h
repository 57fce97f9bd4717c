#pragma once

#include "collections/StationPayload.h"

#include <QObject>

#include <functional>

class CommandTable;
class PresetTable;
class QMenu;
class QMenuBar;
class QToolButton;

// The main window's menu bar and the bookmarks button's drop-down, built from the command table:
// "&File", "&Edit", "&Search" (with "&Bookmarks"), "&Select Format" (the genre shortcuts) and
// "&Help".
class MainMenus : public QObject
{
    Q_OBJECT

public:
    // archiveMode tells whether "&Select Format" shows its notice before opening.
    MainMenus(QMenuBar& bar, CommandTable& commands, std::function<bool()> archiveMode);

    // The drop-down beside the toolbar's Bookmarks button.
    static void addBookmarksDropDown(QToolButton& button, CommandTable& commands);
    // The grid's row menu: the row's commands and "Assi&gn to Preset", whose entries assign
    // station as a drag onto the preset does. It deletes itself when it closes.
    static QMenu* rowMenu(QWidget& parent, CommandTable& commands, const PresetTable& presets,
                          const StationPayload::Station& station);

private:
    QMenu* addMenu(const char* objectName, const char* caption);
    void addGenreMenus(QMenu& select);
    void selectMenuShown();

    QMenuBar& m_bar;
    CommandTable& m_commands;
    std::function<bool()> m_archiveMode;
    QMenu* m_select = nullptr;
    bool m_noticeShown = false;
};
