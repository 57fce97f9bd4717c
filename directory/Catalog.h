#pragma once

#include "directory/CatalogEntry.h"

#include <QList>
#include <QStringList>

// The directory's stations and clips in catalog order. The file is tab-separated UTF-8 with a
// header line naming the columns (see columns()); blank lines and lines starting with "#" are
// skipped. A line that cannot be read, or whose text the client would misread, is left out
// with a warning rather than failing the whole catalog.
class Catalog
{
public:
    static const QStringList& columns();

    // False when the file cannot be read or its header is not the expected one.
    bool load(const QString& path);
    bool parse(const QByteArray& data);
    QString error() const { return m_error; }
    QStringList warnings() const { return m_warnings; }

    // Cleans the entry for output first; entries with reserved text are refused (false).
    bool append(const CatalogEntry& entry);
    const QList<CatalogEntry>& entries() const { return m_entries; }

private:
    bool parseLine(const QString& line, int lineNumber);
    void warn(int lineNumber, const QString& text);

    QList<CatalogEntry> m_entries;
    QString m_error;
    QStringList m_warnings;
};
