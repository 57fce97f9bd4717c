#pragma once

#include <QString>
#include <QStringList>

// The search box's drop-down list: typed searches of this run of the program, without
// duplicates (compared upper-cased and without surrounding blanks), never shortened.
class SearchHistory
{
public:
    bool contains(const QString& text) const;
    // Adds text at the end when the search was typed (searchFormat -1) and no entry matches;
    // true when it was added.
    bool remember(const QString& text, int searchFormat);
    const QStringList& entries() const { return m_entries; }

private:
    static QString key(const QString& text);

    QStringList m_entries;
};
