#pragma once

#include "platform/SystemServices.h"
#include "ui/CommandTable.h"

#include <QObject>

class MainWindow;
class PlayDispatch;
class PresetTable;
class SearchRun;
class Settings;
class ShellOpener;

// The handlers of the main window's commands, filled into one command table: menu entries,
// toolbar buttons, grid gestures, preset buttons and genre shortcuts.
class MainCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        MainWindow& window;
        SearchRun& search;
        PlayDispatch& play;
        PresetTable& presets;
        Settings& settings;
        ShellOpener& opener;
        SystemServices services;
    };

    explicit MainCommands(Parts parts, QObject* parent = nullptr);

    CommandTable& table() { return m_table; }
    // A toolbar button: refused while a station scan runs.
    void toolbarClicked(CommandId id);
    // Set while the station scanning window is open.
    void setScanActive(bool active) { m_scanActive = active; }
    bool scanActive() const { return m_scanActive; }

    void playCurrentRow();
    void visitWebsite();
    void playPreset(int index);
    void genreSearch(int index);

private:
    void addFileCommands();
    void addSearchCommands();
    void addHelpCommands();
    void openServicePage(const QString& path);

    Parts m_parts;
    CommandTable m_table;
    bool m_scanActive = false;
};
