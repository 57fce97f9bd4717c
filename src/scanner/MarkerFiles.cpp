#include "scanner/MarkerFiles.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString kClaimedStatus = QStringLiteral("~stat.claimed.tmp");
// A status is one short line; a larger file is cut.
constexpr qint64 kStatusLimit = 4096;
} // namespace

namespace MarkerFiles {
QString path(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + name;
}

bool exists(const QString& folder, const QString& name)
{
    return QFile::exists(path(folder, name));
}

void remove(const QString& folder, const QStringList& names)
{
    for (const QString& name : names)
        QFile::remove(path(folder, name));
}

bool touch(const QString& folder, const QString& name)
{
    QFile file(path(folder, name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool writeTerminate(const QString& folder)
{
    QFile file(path(folder, kTerminate));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write("TERMINATE\r\n") == 11;
}

QString statusField(const QString& text)
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

QByteArray statusLine(const QString& text)
{
    QString field = text;
    field.replace(QLatin1Char('"'), QLatin1Char('\''));
    return '"' + field.toUtf8() + "\"\r\n";
}

bool writeStatus(const QString& folder, const QString& text)
{
    QSaveFile file(path(folder, kStatus));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(statusLine(text));
    return file.commit();
}

std::optional<QString> takeStatus(const QString& folder)
{
    const QString claimed = path(folder, kClaimedStatus);
    QFile::remove(claimed);
    if (!QFile::rename(path(folder, kStatus), claimed))
        return std::nullopt;
    QFile file(claimed);
    const QString text =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(kStatusLimit)) : QString();
    file.close();
    QFile::remove(claimed);
    return statusField(text);
}
} // namespace MarkerFiles
