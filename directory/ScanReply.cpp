#include "directory/ScanReply.h"

#include <QStringList>

namespace {

const QLatin1String kMarkup("<HTML><BODY></BODY></HTML>\n");

} // namespace

QByteArray ScanReply::build(const QList<CatalogEntry>& list, qint64 after)
{
    if (list.isEmpty() || after < 0 || after >= list.size())
        return failure(list.size());
    return station(list.at(after), after + 1);
}

QByteArray ScanReply::build(const Catalog& catalog, const QList<qsizetype>& positions, qint64 after)
{
    if (positions.isEmpty() || after < 0 || after >= positions.size())
        return failure(positions.size());
    return station(catalog.entry(positions.at(after)), after + 1);
}

QByteArray ScanReply::failure(qsizetype listSize)
{
    const QByteArray markup(kMarkup.data(), kMarkup.size());
    return (listSize == 0 ? QByteArrayLiteral("ERROR<BR>") : QByteArrayLiteral("EXCEPTION OC<BR>")) + markup;
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
