#include "scanner/ScanStep.h"

#include <QDir>
#include <QFile>

#include "core/LinkSafety.h"
#include "core/Settings.h"
#include "core/Tick.h"
#include "scanner/MarkerFiles.h"
#include "scanner/ScanModules.h"
#include "scanner/ScanReplyWait.h"
#include "scanner/ScanView.h"

namespace {
const QString kClaimedStatus = QStringLiteral("~stat.claimed.tmp");
// Two ticks after a request at least one second has passed, however the first fell.
constexpr int kSpacingTicks = 2;

QString failedStartsMessage()
{
    return QStringLiteral("The last ") + QString::number(ScanStep::kFailedStartLimit) +
           QStringLiteral(" stations ended before they started playing, so the scan has stopped. Please "
                          "check that your players are installed and work (see setup).");
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
    if (m_stopped)
        return;
    m_opening = true;
    QDir().mkpath(m_dataFolder);
    if (m_modules.anyRunning())
        m_modules.endAll();
    else
        onModulesEnded();
}

void ScanStep::start(ScanStationList::Family family, const QString& position)
{
    if (m_stopped || m_scanning)
        return;
    m_family = family;
    m_position = ScanStationList::isPosition(position) ? position : ScanStationList::kStart;
    m_style = m_view.styleShown();
    m_scanning = true;
    m_stepTimer.start();
}

void ScanStep::next()
{
    if (m_stopped || m_phase != Phase::Playing)
        return;
    m_view.setStatusPanel(1, QStringLiteral("Next Station.."));
    m_view.setNextEnabled(false);
    m_skip = true;
}

void ScanStep::setPaused(bool paused)
{
    m_paused = paused;
}

void ScanStep::close()
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_scanning = false;
    m_stepTimer.stop();
    m_poll.stop();
    m_wait->cancel();
    m_phase = Phase::Idle;
    MarkerFiles::writeTerminate(m_dataFolder);
    if (m_modules.anyRunning())
        m_modules.endAll();
}

ScanStep::Module ScanStep::moduleFor(const QString& link)
{
    const QString code = playerCode(link);
    if (code == QLatin1String("R"))
        return Module::Real;
    if (code == QLatin1String("N"))
        return Module::Media;
    return Module::None;
}

QString ScanStep::playerCode(const QString& link)
{
    if (link.isEmpty())
        return {};
    const qsizetype dot = link.lastIndexOf(QLatin1Char('.'));
    // A link without a dot has no extension; the words in the link decide.
    QString extension = dot < 0 ? QString() : link.mid(dot).toUpper();
    extension.remove(QLatin1Char('"'));
    static const QStringList real{QStringLiteral(".RA"),  QStringLiteral(".RAM"), QStringLiteral(".RM"),
                                  QStringLiteral(".RPM"), QStringLiteral(".SMI"), QStringLiteral(".SMIL")};
    static const QStringList media{QStringLiteral(".ASF"), QStringLiteral(".ASX"), QStringLiteral(".WMA"),
                                   QStringLiteral(".WMV"), QStringLiteral(".WAX")};
    if (real.contains(extension))
        return QStringLiteral("R");
    if (extension == QLatin1String(".XDM"))
        return QStringLiteral("X");
    if (media.contains(extension))
        return QStringLiteral("N");
    if (extension == QLatin1String(".PLS") || extension == QLatin1String(".M3U"))
        return QStringLiteral("2");
    const QString upper = link.toUpper();
    if (upper.contains(QLatin1String("MAKEASX")))
        return QStringLiteral("N");
    if (upper.contains(QLatin1String("MAKERAM")))
        return QStringLiteral("R");
    return QStringLiteral("2");
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

QString ScanStep::statusField(const QString& text)
{
    qsizetype from = 0;
    while (from < text.size() && text.at(from) == QLatin1Char(' '))
        ++from;
    const auto endOfField = [&](qsizetype start, QStringView stops) {
        qsizetype end = start;
        while (end < text.size() && !stops.contains(text.at(end)))
            ++end;
        return end;
    };
    if (from < text.size() && text.at(from) == QLatin1Char('"')) {
        const qsizetype end = endOfField(from + 1, u"\"\r\n");
        return text.mid(from + 1, end - from - 1);
    }
    const qsizetype end = endOfField(from, u",\r\n");
    return text.mid(from, end - from);
}

void ScanStep::beginStation()
{
    if (m_stopped)
        return;
    m_paused = false;
    m_skip = false;
    m_moduleStarted = false;
    m_playSeen = false;
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
    deleteMarkers({MarkerFiles::kPlay, MarkerFiles::kStatus, MarkerFiles::kTerminate, MarkerFiles::kDone});
    m_view.setPlaying(false);
    m_statusShown.clear();
    m_view.setStatusPanel(2, QString());
    m_view.setHeading(QStringLiteral("Switching Stations"));
    if (m_requested && m_ticksSinceRequest < kSpacingTicks) {
        m_phase = Phase::Spacing;
        return;
    }
    sendRequest();
}

void ScanStep::sendRequest()
{
    const QString style = m_view.styleShown();
    // A position belongs to one style's list.
    if (style != m_style)
        m_position = ScanStationList::kStart;
    m_style = style;
    ScanStationList::writeResume(m_settings, m_family, m_position, m_style);
    ScanStationList::Request request;
    request.host = m_queryHost;
    request.style = m_style;
    request.family = m_family;
    request.includeUnknown = m_view.includeUnknown();
    request.position = m_position;
    request.conSpeed = m_settings.text(Settings::Key::ConSpeed);
    m_requested = true;
    m_ticksSinceRequest = 0;
    m_phase = Phase::Requesting;
    m_wait->start(ScanStationList::requestUrl(request));
}

void ScanStep::onReply()
{
    if (m_stopped || m_phase != Phase::Requesting)
        return;
    const ScanStationList::Evaluation evaluation =
        ScanStationList::evaluate(m_wait->text(), m_wait->status(), m_wait->failed());
    if (evaluation.outcome != ScanStationList::Outcome::Station) {
        showOutcome(evaluation);
        return;
    }
    m_station = evaluation.station;
    m_position = m_station.position;
    m_view.showStation(m_station);
    m_view.setHeading(QStringLiteral("Playing..."));
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
        ScanStationList::resetResume(m_settings, m_family);
    }
    finishScan(icon, ScanStationList::message(evaluation.outcome));
}

void ScanStep::startModule()
{
    m_pid = 0;
    const QString refusal = LinkSafety::refusal(m_station.link);
    if (!refusal.isEmpty()) {
        m_statusShown = refusal;
        m_view.setStatusPanel(2, refusal);
        return;
    }
    const Module module = moduleFor(m_station.link);
    if (module == Module::None)
        return;
    m_moduleStarted = true;
    m_pid = m_modules.start(m_moduleFolder + QLatin1Char('/') + moduleFileName(module), m_station.link);
}

void ScanStep::beginDwell()
{
    m_idle = 0;
    m_skip = false;
    m_phase = Phase::Playing;
    m_view.setNextEnabled(true);
    m_view.setStatusPanel(1, QStringLiteral("0 Seconds"));
    m_poll.start();
}

void ScanStep::beginStopping()
{
    m_view.setNextEnabled(false);
    m_view.setStatusPanel(1, QStringLiteral("Closing..."));
    QFile terminate(marker(MarkerFiles::kTerminate));
    if (terminate.open(QIODevice::WriteOnly | QIODevice::Truncate))
        terminate.close();
    if (!m_moduleStarted || moduleFinished()) {
        stationEnded(false);
        return;
    }
    m_doneTicks = 0;
    m_phase = Phase::Stopping;
}

void ScanStep::stationEnded(bool byModule)
{
    m_poll.stop();
    m_idle = 0;
    m_skip = false;
    m_phase = Phase::Idle;
    if (byModule) {
        // A module that ends before its player plays has started nothing.
        if (m_playSeen || MarkerFiles::exists(m_dataFolder, MarkerFiles::kPlay))
            m_failedStarts = 0;
        else
            ++m_failedStarts;
    }
    if (m_failedStarts >= kFailedStartLimit) {
        finishScan(MessageIcon::Critical, failedStartsMessage());
        return;
    }
    m_stepTimer.start();
}

void ScanStep::finishScan(MessageIcon icon, const QString& message)
{
    m_poll.stop();
    m_phase = Phase::Idle;
    m_scanning = false;
    m_view.endScan(icon, message);
}

void ScanStep::onTick()
{
    if (m_stopped)
        return;
    ++m_ticksSinceRequest;
    if (m_scanning)
        pollStatus();
    switch (m_phase) {
    case Phase::Spacing:
        if (m_ticksSinceRequest >= kSpacingTicks)
            sendRequest();
        break;
    case Phase::Playing:
        pollPlay();
        if (!m_paused && !m_skip) {
            ++m_idle;
            m_view.setStatusPanel(1, QString::number(m_idle) + QStringLiteral(" Seconds"));
            if (m_view.dwellSeconds() < m_idle)
                m_skip = true;
        }
        if (m_skip)
            beginStopping();
        break;
    case Phase::Stopping:
        // The bound runs also while the station is held.
        if (++m_doneTicks >= kDoneWaitTicks)
            stationEnded(false);
        break;
    default:
        break;
    }
}

void ScanStep::onPoll()
{
    if (m_stopped)
        return;
    if (m_phase == Phase::Playing) {
        if (m_moduleStarted && moduleFinished())
            stationEnded(true);
        else if (m_skip)
            beginStopping();
    } else if (m_phase == Phase::Stopping && moduleFinished()) {
        stationEnded(false);
    }
}

void ScanStep::onModulesEnded()
{
    if (m_stopped)
        return;
    if (m_opening) {
        m_opening = false;
        deleteMarkers({MarkerFiles::kPlay, MarkerFiles::kStatus, MarkerFiles::kTerminate});
    }
    if (m_phase == Phase::EndingModules)
        continueStation();
}

bool ScanStep::moduleFinished()
{
    return MarkerFiles::exists(m_dataFolder, MarkerFiles::kDone) || !m_modules.isRunning(m_pid);
}

void ScanStep::pollPlay()
{
    if (m_playSeen || !MarkerFiles::exists(m_dataFolder, MarkerFiles::kPlay))
        return;
    m_playSeen = true;
    m_view.setPlaying(true);
}

void ScanStep::pollStatus()
{
    const QString claimed = marker(kClaimedStatus);
    QFile::remove(claimed);
    // Renamed first, so a module writing its next status never has its file read half-way or
    // deleted unread.
    if (!QFile::rename(marker(MarkerFiles::kStatus), claimed))
        return;
    QFile file(claimed);
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(4096)) : QString();
    file.close();
    QFile::remove(claimed);
    const QString field = statusField(text);
    if (field == m_statusShown)
        return;
    m_statusShown = field;
    m_view.setStatusPanel(2, field);
}

void ScanStep::deleteMarkers(const QStringList& names)
{
    for (const QString& name : names)
        QFile::remove(marker(name));
}

QString ScanStep::marker(const QString& name) const
{
    return MarkerFiles::path(m_dataFolder, name);
}
