#pragma once

#include "core/Settings.h"

#include <QString>
#include <QStringList>

class Dialogs;

// The station list the scanner walks through, one station per request to the directory's
// search page, and the position remembered per player family so that a scan can resume.
class ScanStationList
{
public:
    enum class Family
    {
        RealPlayer,
        WindowsMedia
    };
    enum class Outcome
    {
        Failure,
        NoneOfKind,
        Exhausted,
        Station
    };
    struct Station
    {
        QString position;
        QString site;
        QString name;
        QString link;
        QString format;
        QString location1;
        QString location2;
        QString bitRate;
    };
    struct Evaluation
    {
        Outcome outcome = Outcome::Failure;
        Station station;
    };
    struct Request
    {
        QString host;
        QString style;
        Family family = Family::RealPlayer;
        bool includeUnknown = false;
        QString position;
        QString conSpeed;
    };

    static inline const QString kAllStations =
        QStringLiteral(QT_TRANSLATE_NOOP("ScanStationList", "*All Stations"));
    static inline const QString kStart = QStringLiteral("0");
    static inline const QString kSeparator = QStringLiteral("@@@@");
    // A station reply is a line of text; anything longer is not one.
    static constexpr qsizetype kReplyLimit = 64 * 1024;

    static const QStringList& styles();
    static QString styleParameter(const QString& style);
    static QString requestUrl(const Request& request);

    static Settings::Key resumeKey(Family family);
    // The position a scan of style starts at: a stored position of the same style if the user
    // wants to resume, otherwise the start of the list.
    static QString resumePosition(const Settings& settings, Family family, const QString& style,
                                  Dialogs& dialogs);
    // Written before each request, so a resumed scan starts with the station being fetched.
    static void writeResume(Settings& settings, Family family, const QString& position, const QString& style);
    // After the end of the list, whatever style was scanned.
    static void resetResume(Settings& settings, Family family);

    // A finished reply: its text, its HTTP status and whether the transfer failed (an error,
    // a silence, an oversized reply).
    static Evaluation evaluate(const QString& reply, int status, bool failed);
    // The message for an outcome other than a station.
    static QString message(Outcome outcome);

    static bool isPosition(const QString& text);
};
