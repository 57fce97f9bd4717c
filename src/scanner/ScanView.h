#pragma once

#include "platform/SystemServices.h"
#include "scanner/ScanStationList.h"

#include <QString>

// What a station scan reads from and shows in its window.
class ScanView
{
public:
    virtual ~ScanView() = default;

    // Read afresh for every station.
    virtual QString styleShown() const = 0;
    virtual bool includeUnknown() const = 0;
    virtual int dwellSeconds() const = 0;

    // Panel 1 shows progress, panel 2 the module's status.
    virtual void setStatusPanel(int panel, const QString& text) = 0;
    virtual void setHeading(const QString& text) = 0;
    virtual void showStation(const ScanStationList::Station& station) = 0;
    // A new station step, or the end of the scan: the hold is released and the station's
    // buttons are off.
    virtual void stationSwitching() = 0;
    // The play marker: the playing picture and the Pause and Add Preset buttons.
    virtual void setPlaying(bool playing) = 0;
    virtual void setNextEnabled(bool enabled) = 0;
    // The scan cannot go on: the window shows the message and closes.
    virtual void endScan(MessageIcon icon, const QString& message) = 0;
};
