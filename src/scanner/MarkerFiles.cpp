#include "scanner/MarkerFiles.h"

#include <QFile>

namespace MarkerFiles {
QString path(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + name;
}

bool exists(const QString& folder, const QString& name)
{
    return QFile::exists(path(folder, name));
}

bool writeTerminate(const QString& folder)
{
    QFile file(path(folder, kTerminate));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write("TERMINATE\r\n") == 11;
}
} // namespace MarkerFiles
