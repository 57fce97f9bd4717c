#pragma once

#include <QList>
#include <QString>

// One shortcut of the "&Select Format" menu: it fills the search box with its keyword list and
// sends its category with the request.
struct GenreEntry
{
    enum class Menu
    {
        Format, // menuFormat, category 1
        Music   // menuMusic, category 2
    };

    QString objectName;
    // The English caption; the menu shows its translation (context "Genres").
    QString caption;
    QString keywords;
    int category;
    Menu menu;

    QString categoryText() const { return QString::number(category); }
};

class Genres
{
public:
    // All shortcuts in menu order: the Format entries, then the Music Style entries.
    static const QList<GenreEntry>& all();
    static const GenreEntry* find(const QString& objectName);
};
