#pragma once

#include <QString>

// What play dispatch asks of the main window.
class PlayView
{
public:
    virtual ~PlayView() = default;
    // The first panel of the status bar.
    virtual void setStatus(const QString& text) = 0;
    // Shows the setup dialog modally on a player's tab (1 RealPlayer, 2 Winamp, 3 Microsoft
    // Media, 4 Streamworks) and returns at once; nothing waits for the dialog to close.
    virtual void showSetupOnTab(int tab) = 0;
    // Gives preset button index the pointer picture of the preset image list.
    virtual void setPresetPointer(int index, int picture) = 0;
};
