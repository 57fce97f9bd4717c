#include "ModuleMarkers.h"

#include <QFile>
#include <QSaveFile>

#include "scanner/MarkerFiles.h"

namespace ModuleMarkers {
QByteArray statusLine(const QString& text)
{
    QString field = text;
    field.replace(QLatin1Char('"'), QLatin1Char('\''));
    return '"' + field.toUtf8() + "\"\r\n";
}

bool writeStatus(const QString& folder, const QString& text)
{
    QSaveFile file(MarkerFiles::path(folder, MarkerFiles::kStatus));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(statusLine(text));
    return file.commit();
}

bool touch(const QString& folder, const QString& name)
{
    QFile file(MarkerFiles::path(folder, name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}
} // namespace ModuleMarkers
