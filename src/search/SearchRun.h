#pragma once

#include "core/SilenceCount.h"
#include "platform/SystemServices.h"
#include "search/HeaderSort.h"
#include "search/ResultsParser.h"
#include "search/SearchHistory.h"

#include <QObject>
#include <QString>

#include <optional>

class HttpClient;
class ResultsModel;
class SearchView;
class Settings;
class Tick;

// One search of the directory from start to finish: the request, the receiving of the page
// while it arrives, the wait with its 30-second silence limit, and the finishing of the grid and
// the window's controls. The run never blocks: it moves from state to state on the HTTP client's
// events and on the program's one-second tick, on which it counts its own silence.
//
// A start command while a search runs stops that search and starts the new one (with the text
// and category it was given) as soon as the first one has finished.
class SearchRun : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTimeoutSeconds = 30;

    // The connection type is read from settings at each search.
    SearchRun(HttpClient& http, Tick& tick, const Settings& settings, Dialogs& dialogs, BusyPointer& pointer,
              ResultsModel& model, SearchView& view, QObject* parent = nullptr);

    // The directory's search host, found at start-up.
    void setQueryHost(const QString& host) { m_queryHost = host; }
    // Tests reach the memory budget of a search with a smaller one.
    void setByteLimit(qsizetype bytes) { m_parser.setByteLimit(bytes); }
    const QString& queryHost() const { return m_queryHost; }

    // Searches for the search box text with the current SearchFormat.
    void runSearch();
    // menuStart and the toolbar's Search button: a typed search.
    void startSearch();
    // menuStop, the toolbar's Stop button and shut-down; also drops a start waiting for the
    // running search.
    void stopSearch();
    // A genre shortcut: the keyword list goes into the box, the category is sent with it.
    void genreSearch(const QString& keywords, const QString& category);
    // Enter in the search box or a pick from its list.
    void submitSearchBox();
    // A click on the "&Select Format" menu.
    void selectMenuClicked();
    // The elapsed-time count's tick while a search waits (see elapsedRunningChanged).
    void elapsedTick();
    // The mode buttons changed: the grid's cells are cleared and its headers follow the mode.
    void modeChanged();
    // Writes the current mode's column headers.
    void showModeHeaders();
    // A click on a header: sorts by that column (the direction alternates per column kind).
    // False when there are no results to sort.
    bool sortByHeader(int column);
    int gridSortOrder() const { return m_sort.gridSortOrder(); }

    bool isSearching() const { return m_phase != Phase::Idle; }
    int searchFormat() const { return m_searchFormat; }
    const SearchHistory& history() const { return m_history; }
    // State of the current or last search.
    qint32 httpError() const { return m_httpError; }
    bool docDone() const { return m_docDone; }
    qint32 elapsedSeconds() const { return m_elapsedSeconds; }
    int resultCount() const { return m_parser.resultCount(); }
    QStringView responseBuffer() const { return m_parser.responseBuffer(); }

Q_SIGNALS:
    // The window is back in its idle state (after the last step of a search).
    void searchFinished();
    // A search started (true) or ended (false): the commands locked during a search follow it.
    void busyChanged(bool busy);
    // The elapsed-time count runs while the request waits; its owner ticks elapsedTick() each
    // second while it runs.
    void elapsedRunningChanged(bool running);

private:
    enum class Phase
    {
        Idle,
        Waiting,     // the request is out; events and ticks decide when it ends
        Ending,      // the request was cancelled; the finishing steps are queued
        WindingDown, // the client still reports itself busy after the cancel
        Finishing    // the finishing steps run (their message boxes may take a while)
    };
    struct PendingStart
    {
        QString text;
        int searchFormat;
    };

    void beginSearch();
    void lockControls();
    QString prepareRequest();
    void resetSearchState();
    void onDocumentEvent(int state, const QString& block);
    void receive(int state, const QString& block);
    void onErrorEvent(int number, const QString& description);
    void onTick();
    void onClientStateChange();
    void checkWaitEnd();
    void endWait();
    void afterCancel();
    void finish();
    void checkErrorPage();
    void reportLimit();
    void reportResults();
    void unlockControls();
    void queueStart(const QString& text, int searchFormat);
    void cancelTransfer();
    void startPending();

    HttpClient& m_http;
    const Settings& m_settings;
    Dialogs& m_dialogs;
    BusySpan m_busy;
    ResultsModel& m_model;
    SearchView& m_view;
    ResultsParser m_parser;
    SearchHistory m_history;
    HeaderSort m_sort;
    QString m_queryHost;
    QString m_conSpeed;
    SilenceCount m_silence{kTimeoutSeconds};
    bool m_stopRequested = false;
    Phase m_phase = Phase::Idle;
    int m_searchFormat = -1;
    bool m_archive = false;
    bool m_docDone = false;
    qint32 m_httpError = 0;
    qint32 m_elapsedSeconds = 0;
    bool m_elapsedRunning = false;
    std::optional<PendingStart> m_pending;
};
