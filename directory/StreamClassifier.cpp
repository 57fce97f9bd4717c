#include "directory/StreamClassifier.h"

#include <QStringList>

namespace {

const QStringList kRealExtensions{QStringLiteral(".RA"),  QStringLiteral(".RAM"), QStringLiteral(".RM"),
                                  QStringLiteral(".RPM"), QStringLiteral(".SMI"), QStringLiteral(".SMIL")};
const QStringList kMediaExtensions{QStringLiteral(".ASF"), QStringLiteral(".ASX"), QStringLiteral(".WMA"),
                                   QStringLiteral(".WMV"), QStringLiteral(".WAX")};
const QStringList kMp3Extensions{QStringLiteral(".PLS"), QStringLiteral(".M3U")};

enum class Family
{
    Real,
    Media,
    StreamWorks,
    Mp3,
    Other
};

// Addresses are nearly always ASCII, which is put in capitals without the general tables.
QString upperOf(QStringView text)
{
    QString upper(text.size(), Qt::Uninitialized);
    QChar* out = upper.data();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80)
            return text.toString().toUpper();
        *out++ = QChar(unit >= 'a' && unit <= 'z' ? unit - ('a' - 'A') : unit);
    }
    return upper;
}

bool contains(const QString& upperLink, const char* word)
{
    return upperLink.contains(QLatin1String(word));
}

// Extensions first, then the words that mark generated playlists, as the status bar does.
Family familyOf(const QString& link)
{
    const QString ext = StreamClassifier::extensionOf(link);
    const QString upper = upperOf(link);
    if (kRealExtensions.contains(ext))
        return Family::Real;
    if (ext == QLatin1String(".XDM"))
        return Family::StreamWorks;
    if (kMediaExtensions.contains(ext))
        return Family::Media;
    if (kMp3Extensions.contains(ext))
        return Family::Mp3;
    if (contains(upper, "MAKEASX"))
        return Family::Media;
    if (contains(upper, "MAKERAM") || contains(upper, "RTSP"))
        return Family::Real;
    return Family::Other;
}

} // namespace

QString StreamClassifier::extensionOf(const QString& link)
{
    const qsizetype dot = link.lastIndexOf(QLatin1Char('.'));
    QString ext = upperOf(dot < 0 ? QStringView(link) : QStringView(link).mid(dot));
    ext.remove(QLatin1Char('"'));
    return ext;
}

StreamClassifier::FormatFlag StreamClassifier::formatFlag(const QString& link, bool video)
{
    switch (familyOf(link)) {
    case Family::Real:
        return video ? FormatFlag::RV : FormatFlag::RA;
    case Family::Media:
        return video ? FormatFlag::NV : FormatFlag::NA;
    case Family::StreamWorks:
        return FormatFlag::SW;
    case Family::Mp3:
    case Family::Other:
        break;
    }
    return FormatFlag::MA;
}

// The scanner's module choice looks at the extension, then at MAKEASX and MAKERAM only; an
// address it would hand to neither module and that carries no MP3 or StreamWorks extension is
// one whose format nobody can tell.
StreamClassifier::ScanFamily StreamClassifier::scanFamily(const QString& link)
{
    const QString ext = extensionOf(link);
    const QString upper = upperOf(link);
    if (kRealExtensions.contains(ext))
        return ScanFamily::RealPlayer;
    if (kMediaExtensions.contains(ext))
        return ScanFamily::WindowsMedia;
    if (ext == QLatin1String(".XDM") || kMp3Extensions.contains(ext))
        return ScanFamily::Known;
    if (contains(upper, "MAKEASX"))
        return ScanFamily::WindowsMedia;
    if (contains(upper, "MAKERAM"))
        return ScanFamily::RealPlayer;
    return ext == QLatin1String(".MP3") ? ScanFamily::Known : ScanFamily::Unknown;
}

QString StreamClassifier::flagKey(FormatFlag flag)
{
    static const char* const keys[] = {"RA", "MA", "RV", "NA", "NV", "SW"};
    return QLatin1String(keys[static_cast<int>(flag)]);
}
