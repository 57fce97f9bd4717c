#pragma once

#include "search/SearchView.h"

#include <QMap>
#include <QStringList>

// A main window stand-in that keeps the controls' state and logs every call in order.
class RecordingSearchView : public SearchView
{
public:
    QString searchText() const override { return text; }
    void setSearchText(const QString& value) override { log(u"text:", text = value); }
    void addHistoryEntry(const QString& value) override
    {
        history.append(value);
        log(u"history:", value);
    }
    void setSearchBoxEnabled(bool enabled) override { log(u"box:", flag(enabled)); }
    bool archiveMode() const override { return archive; }
    void setModeButtonsEnabled(bool enabled) override { log(u"mode:", flag(enabled)); }
    FormatFilters formatFilters() const override { return formats; }
    void setStatusPanel(int panel, const QString& value) override
    {
        panels[panel] = value;
        if (panel != 2)
            log(QStringLiteral("panel%1:").arg(panel), value);
        else
            countPanel.append(value);
    }
    void setResultsCaption(const QString& value) override { log(u"caption:", caption = value); }
    void setProgressMaximum(int) override {}
    void setProgressValue(int value) override { progressValue = value; }
    void setGridRedraw(bool on) override { log(u"redraw:", flag(on)); }
    void layoutGrid() override { calls.append(QStringLiteral("layout")); }

    QString text;
    bool archive = false;
    FormatFilters formats = FormatFilters::allSelected();
    QStringList history;
    QMap<int, QString> panels;
    QStringList countPanel;
    QString caption;
    int progressValue = 0;
    QStringList calls;

private:
    static QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
    void log(QStringView name, const QString& value) { calls.append(name.toString() + value); }
};
