#pragma once

#include "search/SearchView.h"

#include <QMap>
#include <QStringList>

// A main window stand-in that keeps the controls' state and logs every call in order.
class RecordingSearchView : public SearchView
{
public:
    QString searchText() const override { return text; }
    void setSearchText(const QString& value) override
    {
        text = value;
        log(QStringLiteral("text:") + value);
    }
    void addHistoryEntry(const QString& value) override
    {
        history.append(value);
        log(QStringLiteral("history:") + value);
    }
    void setSearchBoxEnabled(bool enabled) override
    {
        boxEnabled = enabled;
        log(QStringLiteral("box:") + flag(enabled));
    }
    bool archiveMode() const override { return archive; }
    void setModeButtonsEnabled(bool enabled) override
    {
        modeEnabled = enabled;
        log(QStringLiteral("mode:") + flag(enabled));
    }
    FormatFilters formatFilters() const override { return formats; }
    void setToolbarButtonsEnabled(const QList<int>& positions, bool enabled) override
    {
        QStringList numbers;
        for (int position : positions) {
            numbers.append(QString::number(position));
            toolbarEnabled[position] = enabled;
        }
        log(QStringLiteral("toolbar:") + numbers.join(u',') + u':' + flag(enabled));
    }
    void setSearchButton(const QString& captionText, const QString& toolTip, int image) override
    {
        buttonCaption = captionText;
        buttonToolTip = toolTip;
        buttonImage = image;
        log(QStringLiteral("button:") + captionText + u'|' + toolTip + u'|' + QString::number(image));
    }
    void setStatusPanel(int panel, const QString& value) override
    {
        panels[panel] = value;
        if (panel != 2)
            log(QStringLiteral("panel") + QString::number(panel) + u':' + value);
        else
            countPanel.append(value);
    }
    void setResultsCaption(const QString& value) override
    {
        caption = value;
        log(QStringLiteral("caption:") + value);
    }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgressValue(int value) override { progressValue = value; }
    void setElapsedTimerRunning(bool running) override
    {
        elapsedRunning = running;
        log(QStringLiteral("timer2:") + flag(running));
    }
    void setGridRedraw(bool on) override
    {
        redraw = on;
        log(QStringLiteral("redraw:") + flag(on));
    }
    void layoutGrid() override
    {
        ++layouts;
        log(QStringLiteral("layout"));
    }

    // The logged calls from the last one starting with `from`.
    QStringList callsSinceLast(const QString& from) const
    {
        for (qsizetype at = calls.size() - 1; at >= 0; --at) {
            if (calls.at(at).startsWith(from))
                return calls.mid(at);
        }
        return {};
    }

    QString text;
    bool archive = false;
    FormatFilters formats = FormatFilters::allSelected();
    QStringList history;
    bool boxEnabled = true;
    bool modeEnabled = true;
    QMap<int, bool> toolbarEnabled;
    QString buttonCaption = QStringLiteral("Search");
    QString buttonToolTip;
    int buttonImage = 5;
    QMap<int, QString> panels;
    QStringList countPanel;
    QString caption;
    int progressMaximum = 0;
    int progressValue = 0;
    bool elapsedRunning = false;
    bool redraw = true;
    int layouts = 0;
    QStringList calls;

private:
    static QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
    void log(const QString& call) { calls.append(call); }
};
