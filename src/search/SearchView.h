#pragma once

#include "search/FormatFilters.h"

#include <QList>
#include <QString>

// What a search run needs of the main window: its controls, without any decisions. The search
// run says what to show and in which order; the window only puts it on the screen.
class SearchView
{
public:
    virtual ~SearchView() = default;

    // The search box txtSearch and its drop-down list.
    virtual QString searchText() const = 0;
    virtual void setSearchText(const QString& text) = 0;
    virtual void addHistoryEntry(const QString& text) = 0;
    virtual void setSearchBoxEnabled(bool enabled) = 0;
    // optArch selected.
    virtual bool archiveMode() const = 0;
    // optArch and optLive.
    virtual void setModeButtonsEnabled(bool enabled) = 0;
    // The six format check boxes of the setup dialog.
    virtual FormatFilters formatFilters() const = 0;
    // statBar panels 1 to 3.
    virtual void setStatusPanel(int panel, const QString& text) = 0;
    // lblSearch2.
    virtual void setResultsCaption(const QString& text) = 0;
    // progBar.
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void setGridRedraw(bool on) = 0;
    // The grid layout routine: column widths of the current mode, row 1 selected.
    virtual void layoutGrid() = 0;
};
