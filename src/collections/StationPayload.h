#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A station dragged from the results grid to a preset button: its name and link as two
// fields of the program's own MIME type, so drops from other programs are not taken for one.
namespace StationPayload {
inline const QString kMimeType = QStringLiteral("application/x-skylark-station");

struct Station
{
    QString name;
    QString link;
};

QByteArray encode(const Station& station);
// Empty when the bytes are not a payload of ours.
std::optional<Station> decode(const QByteArray& bytes);
} // namespace StationPayload
