#include "directory/ScanReply.h"

#include <QStringList>

namespace {

const QLatin1String kMarkup("<HTML><BODY></BODY></HTML>\n");

} // namespace

QByteArray ScanReply::build(const QList<CatalogEntry>& list, qint64 after)
{
    if (list.isEmpty())
        return QByteArrayLiteral("ERROR<BR>") + QByteArray(kMarkup.data(), kMarkup.size());
    if (after < 0 || after >= list.size())
        return QByteArrayLiteral("EXCEPTION OC<BR>") + QByteArray(kMarkup.data(), kMarkup.size());
    return station(list.at(after), after + 1);
}

QByteArray ScanReply::station(const CatalogEntry& entry, qint64 position)
{
    const QStringList fields{QString::number(position),
                             entry.site,
                             entry.name,
                             entry.streamUrl,
                             entry.format,
                             entry.city,
                             entry.region,
                             entry.bitrateText()};
    return (fields.join(QStringLiteral("@@@@")) + kMarkup).toUtf8();
}
