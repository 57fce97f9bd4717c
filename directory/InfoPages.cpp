#include "directory/InfoPages.h"

#include <QHash>

namespace {

struct InfoPage
{
    const char* title;
    const char* body;
};

const QHash<QString, InfoPage>& pages()
{
    static const QHash<QString, InfoPage> table{
        {QStringLiteral("/skylark.htm"),
         {"Skylark! Broadcast",
          "<P>Skylark! Broadcast finds live radio and television stations and archived audio and video "
          "clips on the Internet and plays them in the player that handles each stream.</P>"
          "<P>Search by station name, format, region, band or subject, or pick a genre from the menu. "
          "Keep ten favourite stations on the preset buttons, bookmark clips, and let the scanner play "
          "the stations of a style one after another.</P>"}},
        {QStringLiteral("/mailform.htm"),
         {"Skylark! Broadcast Support",
          "<P>Questions about Skylark! Broadcast or about a station listing? Write to the directory's "
          "editors and describe what you searched for, which player you use and what happened.</P>"}},
        {QStringLiteral("/mailform_add.htm"),
         {"Add a Station",
          "<P>To have a station or clip listed, send its name, its stream address, the web page it is "
          "found on, its location, its music style or category and its bit rate to the directory's "
          "editors.</P>"}},
        {QStringLiteral("/download/realplayer.htm"),
         {"RealPlayer",
          "<P>RealPlayer plays the streams whose addresses end in .ra, .ram, .rm, .rmm, .smi or .smil, "
          "generated playlists whose addresses contain makeram, and most rtsp:// addresses.</P>"}},
        {QStringLiteral("/download/mediaplayer.htm"),
         {"Windows Media Player",
          "<P>Windows Media Player plays the streams whose addresses end in .asf, .asx, .wma, .wmv or "
          ".wax, and generated playlists whose addresses contain makeasx.</P>"}},
        {QStringLiteral("/download/winamp.htm"),
         {"Winamp", "<P>Winamp plays MP3 streams and their playlists, with addresses ending in .pls, .m3u or "
                    ".mp3, and any stream no other player claims.</P>"}},
        {QStringLiteral("/download/streamworks.htm"),
         {"Xing StreamWorks",
          "<P>The Xing StreamWorks player plays the streams whose addresses end in .xdm. Skylark! "
          "Broadcast reads the small description file such an address points to and hands the stream "
          "address inside it to the player.</P>"}},
    };
    return table;
}

QByteArray wrap(const QString& title, const QString& body)
{
    return QStringLiteral("<HTML><HEAD><TITLE>%1</TITLE></HEAD><BODY><H1>%1</H1>%2</BODY></HTML>\n")
        .arg(title, body)
        .toUtf8();
}

} // namespace

std::optional<QByteArray> InfoPages::page(const QString& path)
{
    const auto it = pages().constFind(path);
    if (it == pages().constEnd())
        return std::nullopt;
    return wrap(QString::fromUtf8(it->title), QString::fromUtf8(it->body));
}

QByteArray InfoPages::errorPage(int status, const QString& reason)
{
    QString title = QStringLiteral("%1 Bad Request").arg(status);
    if (status == 404)
        title = QStringLiteral("404 File Not Found");
    else if (status == 503)
        title = QStringLiteral("503 Service Unavailable");
    return wrap(title, QStringLiteral("<P>%1</P>").arg(reason.toHtmlEscaped()));
}
