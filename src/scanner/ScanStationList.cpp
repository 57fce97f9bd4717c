#include "scanner/ScanStationList.h"

#include <QCoreApplication>

#include "core/ProductInfo.h"
#include "platform/SystemServices.h"
#include "search/SearchRequest.h"

#include <algorithm>

namespace {
const char* const kResumeQuestion =
    QT_TRANSLATE_NOOP("ScanStationList", "Would You like to resume your scan from previous session?");

QString storedStyle(const QString& record)
{
    const qsizetype at = record.indexOf(QLatin1Char('@'));
    return at < 0 ? QString() : record.mid(at + 1);
}

QString storedPosition(const QString& record)
{
    const qsizetype at = record.indexOf(QLatin1Char('@'));
    return at < 0 ? record : record.left(at);
}

// Cuts the fields of a station reply; false when the reply does not hold all eight.
bool cutFields(const QString& reply, QStringList& fields)
{
    qsizetype from = 0;
    for (int i = 0; i < 7; ++i) {
        const qsizetype separator = reply.indexOf(ScanStationList::kSeparator, from);
        if (separator < 0)
            return false;
        fields.append(reply.mid(from, separator - from));
        from = separator + ScanStationList::kSeparator.size();
    }
    const qsizetype markup = reply.indexOf(QLatin1Char('<'), from);
    fields.append(markup < 0 ? reply.mid(from) : reply.mid(from, markup - from));
    return true;
}
} // namespace

const QStringList& ScanStationList::styles()
{
    static const QStringList list{
        kAllStations,
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Religious")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "College")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Talk/News")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Special (Police, Emergency, Scanner)")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "50s")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "60s")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "70s")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "80s")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "90s")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Alternative")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Adult Contemporary")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Big Band")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Blues")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Calypso")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Celtic")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Classical")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Country")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Dance")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Experimental")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Goth")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Industrial")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Jazz")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Metal")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "New Age")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Oldtime")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Oldies")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Pop")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Punk")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Rock")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Ska")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Swing")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Techno")),
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "Zydeco"))};
    return list;
}

QString ScanStationList::styleParameter(const QString& style)
{
    static const QList<std::pair<QString, QString>> special{
        {kAllStations, QString()},
        {QStringLiteral("50s"), QStringLiteral("&STYLE=50s,50's,1950,fifties")},
        {QStringLiteral("60s"), QStringLiteral("&STYLE=60s,60's,1960,sixties")},
        {QStringLiteral("70s"), QStringLiteral("&STYLE=70s,70's,1970,seventies")},
        {QStringLiteral("80s"), QStringLiteral("&STYLE=80s,80's,1980,eighties")},
        {QStringLiteral("90s"), QStringLiteral("&STYLE=90s,90's,1990,nineties")},
        {QStringLiteral("Ska"), QStringLiteral("&STYLE=^ska^,^ska$,ska-,ska/,skamusic,`ska")},
        {QStringLiteral("Techno"), QStringLiteral("&STYLE=techno^,techno$,techno-,techno/,technomusic")},
        {QStringLiteral("Special (Police, Emergency, Scanner)"), QStringLiteral("&STYLE=special")}};
    for (const auto& [name, parameter] : special) {
        if (name == style)
            return parameter;
    }
    return QStringLiteral("&STYLE=") + style;
}

QString ScanStationList::requestUrl(const Request& request)
{
    const QString player = request.family == Family::RealPlayer ? QStringLiteral("&T1=R&GS=1&UNK=")
                                                                : QStringLiteral("&T1=N&GS=1&UNK=");
    QString url = QStringLiteral("http://") + request.host + QStringLiteral("/search.asp?V=3&P=L") +
                  styleParameter(request.style) + player +
                  (request.includeUnknown ? QStringLiteral("1") : QStringLiteral("0")) +
                  QStringLiteral("&LS=") + request.position + SearchRequest::speedSuffix(request.conSpeed);
    return url.replace(QLatin1Char(' '), QLatin1Char('+'));
}

Settings::Key ScanStationList::resumeKey(Family family)
{
    return family == Family::RealPlayer ? Settings::Key::RScan : Settings::Key::WScan;
}

QString ScanStationList::resumePosition(const Settings& settings, Family family, const QString& style,
                                        Dialogs& dialogs)
{
    const QString record = settings.text(resumeKey(family));
    const QChar first = record.isEmpty() ? QChar() : record.front();
    if (first < QLatin1Char('1') || first > QLatin1Char('9'))
        return kStart;
    // A position in another style's list would continue that list, not this one.
    if (storedStyle(record) != style || !isPosition(storedPosition(record)))
        return kStart;
    const MessageAnswer answer = dialogs.message(
        MessageIcon::Question, kAppTitle, QCoreApplication::translate("ScanStationList", kResumeQuestion),
        MessageButtons::YesNo);
    return answer == MessageAnswer::Yes ? storedPosition(record) : kStart;
}

void ScanStationList::writeResume(Settings& settings, Family family, const QString& position,
                                  const QString& style)
{
    settings.setText(resumeKey(family), position + QLatin1Char('@') + style);
}

void ScanStationList::resetResume(Settings& settings, Family family)
{
    writeResume(settings, family, kStart, kAllStations);
}

ScanStationList::Evaluation ScanStationList::evaluate(const QString& reply, int status, bool failed)
{
    Evaluation result;
    if (failed || status < 200 || status > 299 || reply.size() > kReplyLimit)
        return result;
    if (reply.contains(QLatin1String("ERROR<BR>"), Qt::CaseInsensitive)) {
        result.outcome = Outcome::NoneOfKind;
        return result;
    }
    if (reply.contains(QLatin1String("EXCEPTION OC"), Qt::CaseInsensitive)) {
        result.outcome = Outcome::Exhausted;
        return result;
    }
    QStringList fields;
    // An error page or a cut reply must not become a station, nor its text a list position.
    if (!cutFields(reply, fields) || !isPosition(fields[0]))
        return result;
    result.outcome = Outcome::Station;
    result.station =
        Station{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]};
    return result;
}

QString ScanStationList::message(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Failure:
        return QCoreApplication::translate("ScanStationList",
                                           "Error Contacting Server, Please Try Back Later or Contact %1")
            .arg(kSupportEmail);
    case Outcome::NoneOfKind:
        return QCoreApplication::translate(
            "ScanStationList", "No stations of this type (for selected player) are available for scan.");
    case Outcome::Exhausted:
        return QCoreApplication::translate("ScanStationList", "No more stations available for scan.");
    case Outcome::Station:
        break;
    }
    return {};
}

bool ScanStationList::isPosition(const QString& text)
{
    return !text.isEmpty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
