#include "collections/StationPayload.h"

#include <QDataStream>
#include <QIODevice>

namespace {
constexpr quint32 kMagic = 0x534B5931; // "SKY1"
}

namespace StationPayload {
QByteArray encode(const Station& station)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << station.name << station.link;
    return bytes;
}

std::optional<Station> decode(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    Station station;
    in >> magic >> station.name >> station.link;
    if (in.status() != QDataStream::Ok || magic != kMagic || !in.atEnd())
        return std::nullopt;
    return station;
}
} // namespace StationPayload
