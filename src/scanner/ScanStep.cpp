#include "scanner/ScanStep.h"

#include <QCoreApplication>
#include <QDir>

#include "core/LinkSafety.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "playback/StreamFormat.h"
#include "scanner/MarkerFiles.h"
#include "scanner/ScanModules.h"
#include "scanner/ScanReplyWait.h"
#include "scanner/ScanView.h"

namespace {
const QStringList kOpeningMarkers{MarkerFiles::kPlay, MarkerFiles::kStatus, MarkerFiles::kTerminate};
const QStringList kStationMarkers{MarkerFiles::kPlay, MarkerFiles::kStatus, MarkerFiles::kTerminate,
                                  MarkerFiles::kDone};

QString failedStartsMessage()
{
    return QCoreApplication::translate(
               "ScanStep", "The last %1 stations ended before they started playing, so the scan has "
                           "stopped. Please check that your players are installed and work (see setup).")
        .arg(ScanStep::kFailedStartLimit);
}
} // namespace

ScanStep::ScanStep(const Context& context, QObject* parent)
    : QObject(parent), m_settings(context.settings), m_modules(context.modules), m_view(context.view),
      m_wait(new ScanReplyWait(context.client, context.tick, this)), m_dataFolder(context.dataFolder),
      m_moduleFolder(context.moduleFolder), m_queryHost(context.queryHost)
{
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setInterval(kStepDelayMs);
    connect(&m_stepTimer, &QTimer::timeout, this, &ScanStep::beginStation);
    m_poll.setInterval(kDonePollMs);
    connect(&m_poll, &QTimer::timeout, this, &ScanStep::onPoll);
    connect(m_wait, &ScanReplyWait::finished, this, &ScanStep::onReply);
    connect(&context.tick, &Tick::ticked, this, &ScanStep::onTick);
    connect(&m_modules, &ScanModules::allEnded, this, &ScanStep::onModulesEnded);
}

ScanStep::~ScanStep()
{
    close();
}

void ScanStep::open()
{
    if (m_phase != Phase::Idle)
        return;
    QDir().mkpath(m_dataFolder);
    if (!m_modules.anyRunning()) {
        MarkerFiles::remove(m_dataFolder, kOpeningMarkers);
        return;
    }
    m_phase = Phase::Opening;
    m_modules.endAll();
}

void ScanStep::start(ScanStationList::Family family, const QString& position)
{
    if (m_phase != Phase::Idle && m_phase != Phase::Opening)
        return;
    m_list.family = family;
    m_list.style = m_view.styleShown();
    m_list.includeUnknown = m_view.includeUnknown();
    m_position = ScanStationList::isPosition(position) ? position : ScanStationList::kStart;
    // While the opening still ends earlier modules, the first station waits for the same end.
    if (m_phase == Phase::Opening) {
        m_view.stationSwitching();
        m_phase = Phase::EndingModules;
        return;
    }
    m_phase = Phase::StepDue;
    m_stepTimer.start();
}

void ScanStep::next()
{
    if (m_phase != Phase::Playing)
        return;
    m_view.setStatusPanel(1, tr("Next Station.."));
    m_view.setNextEnabled(false);
    m_station.skip = true;
}

void ScanStep::setPaused(bool paused)
{
    m_station.paused = paused;
}

void ScanStep::close()
{
    if (m_phase == Phase::Closed)
        return;
    m_phase = Phase::Closed;
    m_stepTimer.stop();
    m_poll.stop();
    m_wait->cancel();
    MarkerFiles::writeTerminate(m_dataFolder);
    if (m_modules.anyRunning())
        m_modules.endAll();
}

ScanStep::Module ScanStep::moduleFor(const QString& link)
{
    const QString code = StreamFormat::scanPlayerCode(link);
    if (code == QLatin1String("R"))
        return Module::Real;
    if (code == QLatin1String("N"))
        return Module::Media;
    return Module::None;
}

QString ScanStep::moduleFileName(Module module)
{
    switch (module) {
    case Module::Real:
        return QStringLiteral("projModr");
    case Module::Media:
        return QStringLiteral("projModm");
    case Module::None:
        break;
    }
    return {};
}

bool ScanStep::isScanning() const
{
    switch (m_phase) {
    case Phase::Idle:
    case Phase::Opening:
    case Phase::Ended:
    case Phase::Closed:
        return false;
    default:
        return true;
    }
}

void ScanStep::beginStation()
{
    if (m_phase != Phase::StepDue)
        return;
    // The last station stays in hand (for its name and link) until the next one arrives.
    StationInHand fresh;
    fresh.station = m_station.station;
    m_station = fresh;
    m_view.stationSwitching();
    if (m_modules.anyRunning()) {
        m_phase = Phase::EndingModules;
        m_modules.endAll();
        return;
    }
    continueStation();
}

void ScanStep::continueStation()
{
    m_view.setPlaying(false);
    m_statusShown.clear();
    m_view.setStatusPanel(2, QString());
    // A module that could not start writes its reason and the done marker together: the reason
    // is read before the markers go.
    pollStatus();
    MarkerFiles::remove(m_dataFolder, kStationMarkers);
    m_view.setHeading(tr("Switching Stations"));
    if (m_ticksSinceRequest < kSpacingTicks) {
        m_phase = Phase::Spacing;
        return;
    }
    sendRequest();
}

void ScanStep::sendRequest()
{
    const ListChoice now{m_list.family, m_view.styleShown(), m_view.includeUnknown()};
    // A position belongs to one list: another style or the unknown formats start it again.
    if (now.style != m_list.style || now.includeUnknown != m_list.includeUnknown)
        m_position = ScanStationList::kStart;
    m_list = now;
    ScanStationList::writeResume(m_settings, m_list.family, m_position, m_list.style);
    ScanStationList::Request request;
    request.host = m_queryHost;
    request.style = m_list.style;
    request.family = m_list.family;
    request.includeUnknown = m_list.includeUnknown;
    request.position = m_position;
    request.conSpeed = m_settings.text(Settings::Key::ConSpeed);
    m_ticksSinceRequest = 0;
    m_phase = Phase::Requesting;
    m_wait->start(ScanStationList::requestUrl(request));
}

void ScanStep::onReply()
{
    if (m_phase != Phase::Requesting)
        return;
    const ScanStationList::Evaluation evaluation =
        ScanStationList::evaluate(m_wait->text(), m_wait->status(), m_wait->failed());
    if (evaluation.outcome != ScanStationList::Outcome::Station) {
        showOutcome(evaluation);
        return;
    }
    m_station.station = evaluation.station;
    m_position = evaluation.station.position;
    m_view.showStation(evaluation.station);
    m_view.setHeading(tr("Playing..."));
    startModule();
    beginDwell();
}

void ScanStep::showOutcome(const ScanStationList::Evaluation& evaluation)
{
    MessageIcon icon = MessageIcon::Critical;
    if (evaluation.outcome == ScanStationList::Outcome::NoneOfKind)
        icon = MessageIcon::Information;
    if (evaluation.outcome == ScanStationList::Outcome::Exhausted) {
        icon = MessageIcon::None;
        m_position = ScanStationList::kStart;
        ScanStationList::resetResume(m_settings, m_list.family);
    }
    finishScan(icon, ScanStationList::message(evaluation.outcome));
}

void ScanStep::startModule()
{
    const QString& link = m_station.station.link;
    const QString refusal = LinkSafety::refusal(link);
    if (!refusal.isEmpty()) {
        m_statusShown = refusal;
        m_view.setStatusPanel(2, refusal);
        return;
    }
    m_station.module = moduleFor(link);
    if (m_station.module != Module::None)
        m_station.pid =
            m_modules.start(m_moduleFolder + QLatin1Char('/') + moduleFileName(m_station.module), link);
}

void ScanStep::beginDwell()
{
    m_phase = Phase::Playing;
    m_view.setNextEnabled(true);
    m_view.setStatusPanel(1, tr("0 Seconds"));
    m_poll.start();
}

void ScanStep::beginStopping()
{
    m_view.setNextEnabled(false);
    m_view.setStatusPanel(1, tr("Closing..."));
    MarkerFiles::touch(m_dataFolder, MarkerFiles::kTerminate);
    if (m_station.module == Module::None || moduleFinished()) {
        stationEnded(false);
        return;
    }
    m_phase = Phase::Stopping;
}

void ScanStep::stationEnded(bool byModule)
{
    m_poll.stop();
    if (byModule) {
        // A module that ends before its player plays has started nothing.
        if (m_station.playSeen || MarkerFiles::exists(m_dataFolder, MarkerFiles::kPlay))
            m_failedStarts = 0;
        else
            ++m_failedStarts;
    }
    if (m_failedStarts >= kFailedStartLimit) {
        pollStatus();
        finishScan(MessageIcon::Critical, failedStartsMessage());
        return;
    }
    m_phase = Phase::StepDue;
    m_stepTimer.start();
}

void ScanStep::finishScan(MessageIcon icon, const QString& message)
{
    m_poll.stop();
    m_phase = Phase::Ended;
    // Nothing plays behind the message any more.
    m_view.stationSwitching();
    m_view.setPlaying(false);
    m_view.setNextEnabled(false);
    m_view.setHeading(QString());
    m_view.endScan(icon, message);
}

void ScanStep::onTick()
{
    if (m_phase == Phase::Closed)
        return;
    ++m_ticksSinceRequest;
    if (isScanning())
        pollStatus();
    switch (m_phase) {
    case Phase::Spacing:
        if (m_ticksSinceRequest >= kSpacingTicks)
            sendRequest();
        break;
    case Phase::Playing:
        pollPlay();
        if (!m_station.paused && !m_station.skip) {
            ++m_station.seconds;
            m_view.setStatusPanel(1, tr("%1 Seconds").arg(m_station.seconds));
            if (m_view.dwellSeconds() < m_station.seconds)
                m_station.skip = true;
        }
        if (m_station.skip)
            beginStopping();
        break;
    case Phase::Stopping:
        // The bound runs also while the station is held.
        if (++m_station.doneTicks >= kDoneWaitTicks)
            stationEnded(false);
        break;
    default:
        break;
    }
}

void ScanStep::onPoll()
{
    if (m_phase == Phase::Playing) {
        if (m_station.module != Module::None && moduleFinished())
            stationEnded(true);
        else if (m_station.skip)
            beginStopping();
    } else if (m_phase == Phase::Stopping && moduleFinished()) {
        stationEnded(false);
    }
}

void ScanStep::onModulesEnded()
{
    if (m_phase == Phase::Opening) {
        MarkerFiles::remove(m_dataFolder, kOpeningMarkers);
        m_phase = Phase::Idle;
    } else if (m_phase == Phase::EndingModules) {
        continueStation();
    }
}

bool ScanStep::moduleFinished()
{
    return MarkerFiles::exists(m_dataFolder, MarkerFiles::kDone) || !m_modules.isRunning(m_station.pid);
}

void ScanStep::pollPlay()
{
    if (m_station.playSeen || !MarkerFiles::exists(m_dataFolder, MarkerFiles::kPlay))
        return;
    m_station.playSeen = true;
    m_view.setPlaying(true);
}

void ScanStep::pollStatus()
{
    const std::optional<QString> field = MarkerFiles::takeStatus(m_dataFolder);
    if (!field || *field == m_statusShown)
        return;
    m_statusShown = *field;
    m_view.setStatusPanel(2, *field);
}
