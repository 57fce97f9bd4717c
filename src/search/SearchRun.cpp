#include "search/SearchRun.h"

#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "search/ErrorPages.h"
#include "search/HttpClient.h"
#include "search/NumericText.h"
#include "search/ResultsModel.h"
#include "search/SearchRequest.h"
#include "search/SearchView.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
QString countCaption(int count)
{
    return QCoreApplication::translate("SearchRun", "  Search Results (%1)").arg(count);
}
} // namespace

SearchRun::SearchRun(HttpClient& http, Tick& tick, const Settings& settings, Dialogs& dialogs,
                     BusyPointer& pointer, ResultsModel& model, SearchView& view, QObject* parent)
    : QObject(parent), m_http(http), m_settings(settings), m_dialogs(dialogs), m_busy(pointer),
      m_model(model), m_view(view), m_parser(model)
{
    m_parser.setStopFlag(&m_stopRequested);
    connect(&m_http, &HttpClient::documentEvent, this, &SearchRun::onDocumentEvent);
    connect(&m_http, &HttpClient::errorEvent, this, &SearchRun::onErrorEvent);
    connect(&m_http, &HttpClient::stateChangeEvent, this, &SearchRun::onClientStateChange);
    connect(&tick, &Tick::ticked, this, &SearchRun::onTick);
    connect(&m_parser, &ResultsParser::progressMaximum, this,
            [this](int maximum) { m_view.setProgressMaximum(maximum); });
    connect(&m_parser, &ResultsParser::progressValue, this,
            [this](int value) { m_view.setProgressValue(value); });
    connect(&m_parser, &ResultsParser::countShown, this,
            [this](int count) { m_view.setStatusPanel(2, QString::number(count)); });
}

void SearchRun::runSearch()
{
    if (isSearching()) {
        queueStart(m_view.searchText(), m_searchFormat);
        return;
    }
    if (m_view.searchText().isEmpty()) {
        m_dialogs.message(MessageIcon::Critical, kShortTitle, tr("Please enter keyword(s) for search."));
        return;
    }
    beginSearch();
}

void SearchRun::startSearch()
{
    if (isSearching()) {
        queueStart(m_view.searchText(), SearchRequest::kTypedSearch);
        return;
    }
    m_searchFormat = SearchRequest::kTypedSearch;
    runSearch();
}

void SearchRun::stopSearch()
{
    m_pending.reset();
    cancelTransfer();
    checkWaitEnd();
}

void SearchRun::genreSearch(const QString& keywords, const QString& category)
{
    const int searchFormat = static_cast<int>(NumericText::value(category));
    if (isSearching()) {
        queueStart(keywords, searchFormat);
        return;
    }
    m_searchFormat = searchFormat;
    m_view.setSearchText(keywords);
    runSearch();
}

void SearchRun::submitSearchBox()
{
    const QString text = m_view.searchText();
    if (text.isEmpty()) {
        m_dialogs.message(MessageIcon::Information, kAppTitle, tr("Please enter search text."));
        return;
    }
    if (isSearching()) {
        queueStart(text, SearchRequest::kTypedSearch);
        return;
    }
    m_searchFormat = SearchRequest::kTypedSearch;
    runSearch();
}

void SearchRun::selectMenuClicked()
{
    if (!m_view.archiveMode())
        return;
    m_dialogs.message(MessageIcon::Information, kShortTitle,
                      tr("This feature is only used for LIVE Broadcasts, please select LIVE "
                         "Broadcasts below."));
}

void SearchRun::elapsedTick()
{
    if (!m_elapsedRunning)
        return;
    m_view.setStatusPanel(1, tr("Searching..."));
    ++m_elapsedSeconds;
    const QString seconds = QString::number(m_elapsedSeconds);
    m_view.setStatusPanel(3, QStringLiteral("00:") +
                                 (m_elapsedSeconds < 10 ? QStringLiteral("0") : QString()) + seconds);
}

void SearchRun::modeChanged()
{
    m_model.clearCells();
    showModeHeaders();
}

void SearchRun::showModeHeaders()
{
    m_model.writeModeHeaders(m_view.archiveMode());
}

bool SearchRun::sortByHeader(int column)
{
    const HeaderSort::Key key = m_sort.click(column, m_view.archiveMode());
    if (!m_model.hasResults())
        return false; // the direction has flipped all the same
    m_view.setGridRedraw(false);
    m_model.sortRows(key.column, key.order,
                     key.numeric ? ResultsModel::SortKind::Number : ResultsModel::SortKind::Text);
    m_view.setGridRedraw(true);
    return true;
}

void SearchRun::beginSearch()
{
    m_busy.open();
    m_model.resetForSearch();
    m_view.setGridRedraw(false);
    lockControls();
    m_view.setStatusPanel(1, tr("Searching..."));
    m_view.setResultsCaption(countCaption(0));
    const QString url = prepareRequest();
    resetSearchState();
    m_phase = Phase::Waiting;
    Q_EMIT busyChanged(true);
    m_http.requestDocument(url);
}

void SearchRun::lockControls()
{
    m_view.setSearchBoxEnabled(false);
    m_view.setModeButtonsEnabled(false);
}

QString SearchRun::prepareRequest()
{
    SearchRequest request;
    request.formats = m_view.formatFilters();
    request.keywords = SearchRequest::encodeKeywords(m_view.searchText());
    m_view.setSearchText(request.keywords);
    if (m_history.remember(request.keywords, m_searchFormat))
        m_view.addHistoryEntry(request.keywords);
    request.archive = m_view.archiveMode();
    request.searchFormat = m_searchFormat;
    m_conSpeed = m_settings.text(Settings::Key::ConSpeed);
    request.conSpeed = m_conSpeed;
    request.host = m_queryHost;
    m_archive = request.archive;
    return request.url();
}

void SearchRun::resetSearchState()
{
    m_stopRequested = false;
    m_silence.restart();
    // The leftover of an earlier page must not be taken for this search's error page when this
    // one ends before its document begins.
    m_parser.resetSearch();
    m_elapsedSeconds = 0;
    m_httpError = 0;
    m_elapsedRunning = true;
    Q_EMIT elapsedRunningChanged(true);
    m_docDone = false;
}

void SearchRun::onDocumentEvent(int state, const QString& block)
{
    if (m_phase != Phase::Waiting)
        return;
    if (!m_stopRequested)
        receive(state, block);
    checkWaitEnd();
}

void SearchRun::receive(int state, const QString& block)
{
    if (HttpClient::isProgress(state))
        m_silence.restart();
    switch (state) {
    case HttpClient::Begin:
        m_parser.clearBuffer();
        break;
    case HttpClient::Data:
        m_parser.setOptions(m_view.archiveMode(), m_conSpeed);
        m_parser.append(block);
        break;
    case HttpClient::Error:
        m_httpError = -1;
        break;
    case HttpClient::End:
        m_docDone = true;
        break;
    default:
        break;
    }
}

void SearchRun::onErrorEvent(int number, const QString& description)
{
    Q_UNUSED(description);
    if (m_phase != Phase::Waiting)
        return;
    m_httpError = number;
    checkWaitEnd();
}

void SearchRun::onTick()
{
    if (m_phase == Phase::Waiting) {
        m_silence.advance();
        checkWaitEnd();
    } else if (m_phase == Phase::WindingDown)
        onClientStateChange();
}

void SearchRun::onClientStateChange()
{
    if (m_phase == Phase::WindingDown && !m_http.isBusy())
        finish();
}

void SearchRun::checkWaitEnd()
{
    if (m_phase != Phase::Waiting)
        return;
    if (m_silence.expired() || m_httpError != 0 || m_docDone || m_stopRequested ||
        m_parser.limitReached() != ResultsParser::Limit::None)
        endWait();
}

void SearchRun::endWait()
{
    m_phase = Phase::Ending;
    if (m_silence.expired())
        m_httpError = -1;
    m_http.cancelRequest();
    // The rest runs from the event loop, not from inside the client's signal, so that its
    // message boxes and a queued next search start from a clean stack.
    QMetaObject::invokeMethod(this, &SearchRun::afterCancel, Qt::QueuedConnection);
}

void SearchRun::afterCancel()
{
    if (m_phase != Phase::Ending)
        return;
    m_phase = Phase::WindingDown;
    onClientStateChange();
}

void SearchRun::finish()
{
    m_phase = Phase::Finishing;
    m_elapsedRunning = false;
    Q_EMIT elapsedRunningChanged(false);
    if (m_httpError == 0 && m_parser.limitReached() == ResultsParser::Limit::None)
        checkErrorPage();
    m_parser.releaseBuffer();
    reportResults();
    reportLimit();
    if (m_searchFormat != SearchRequest::kTypedSearch)
        m_view.setSearchText(QString());
    m_view.setSearchBoxEnabled(true);
    m_view.setProgressValue(0);
    m_view.setStatusPanel(1, tr("Done"));
    m_view.setStatusPanel(2, QString());
    m_view.setResultsCaption(countCaption(resultCount()));
    if (m_httpError != 0) {
        m_dialogs.message(
            MessageIcon::None, kAppTitle,
            tr("Error connecting to Quillon Technologies. If this problem persists, please contact %1")
                .arg(kSupportEmail),
            MessageButtons::Ok);
    }
    unlockControls();
    m_phase = Phase::Idle;
    Q_EMIT busyChanged(false);
    Q_EMIT searchFinished();
    startPending();
}

void SearchRun::reportLimit()
{
    switch (m_parser.limitReached()) {
    case ResultsParser::Limit::Text:
        m_dialogs.message(MessageIcon::Information, kShortTitle,
                          tr("The directory's page is too large to read; the search was stopped. "
                             "The results read so far are shown."));
        break;
    case ResultsParser::Limit::Rows:
        m_dialogs.message(MessageIcon::Information, kShortTitle,
                          tr("The search found more than %1 results; only the first %1 are shown. Try a more "
                             "specific search.")
                              .arg(QLocale().toString(ResultsParser::kRowLimit)));
        break;
    case ResultsParser::Limit::Bytes:
        m_dialogs.message(
            MessageIcon::Information, kShortTitle,
            tr("The search found more results than can be held; only the first %1 are shown. Try a more "
               "specific search.")
                .arg(QLocale().toString(resultCount())));
        break;
    case ResultsParser::Limit::None:
        break;
    }
}

void SearchRun::checkErrorPage()
{
    const std::optional<QString> message = ErrorPages::checkErrorPage(m_parser.responseBuffer());
    if (!message)
        return;
    m_dialogs.message(MessageIcon::Critical, kAppTitle, *message);
    m_httpError = -1;
}

void SearchRun::reportResults()
{
    if (resultCount() >= 1) {
        m_view.setGridRedraw(false);
        const int key = m_archive ? int{ResultsModel::ArchiveTitle} : int{ResultsModel::LiveStation};
        m_model.sortRows(key, Qt::AscendingOrder, ResultsModel::SortKind::Text);
        m_view.setGridRedraw(true);
    } else if (m_httpError == 0) {
        const QString note =
            m_view.formatFilters().all()
                ? QString()
                : tr(" **NOTE : Not all player formats are selected, this may cause you receive "
                     "less results.");
        if (!m_stopRequested) {
            m_dialogs.message(MessageIcon::Information, kShortTitle,
                              tr("No results returned. Try a less specific search. ") + note);
        }
    }
    if (m_httpError != 0) {
        m_dialogs.message(MessageIcon::Critical, kShortTitle,
                          tr("Error retrieving data, Please check your Internet connection or contact %1 for "
                             "system status.")
                              .arg(kSupportEmail));
    }
}

void SearchRun::unlockControls()
{
    m_view.setModeButtonsEnabled(true);
    m_busy.close();
    m_view.setGridRedraw(true);
    showModeHeaders();
    m_view.layoutGrid();
}

void SearchRun::queueStart(const QString& text, int searchFormat)
{
    m_pending = PendingStart{text, searchFormat};
    if (m_phase != Phase::Waiting)
        return; // already on its way to the end, which starts the pending search
    cancelTransfer();
    checkWaitEnd();
}

void SearchRun::cancelTransfer()
{
    if (m_http.state() != HttpClient::State::Idle)
        m_http.cancelRequest();
    m_stopRequested = true;
}

void SearchRun::startPending()
{
    if (!m_pending)
        return;
    const PendingStart next = *std::exchange(m_pending, std::nullopt);
    m_searchFormat = next.searchFormat;
    m_view.setSearchText(next.text);
    runSearch();
}
