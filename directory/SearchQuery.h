#pragma once

#include "directory/StreamClassifier.h"

#include <QList>
#include <QString>

// The search form of a request: keywords with format, mode, category and speed filters.
struct SearchQuery
{
    enum class Category
    {
        Any,       // typed keywords: they may occur anywhere in an entry
        Formats,   // FMT=1: only entries of a category, keywords matched in the category
        MusicStyle // FMT=2: only entries with music styles, keywords matched in the styles
    };

    QString keywords;
    QList<StreamClassifier::FormatFlag> formats;
    bool live = false;
    Category category = Category::Any;
    double speedCeiling = 0; // kbit/s; 0 = no ceiling
};
