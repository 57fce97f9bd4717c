#pragma once

#include "directory/KeywordMatcher.h"
#include "directory/StreamClassifier.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// One live station or archived clip of the directory, as it goes into a Catalog and as the
// catalog gives it back. Entries read back are already cleaned for output (see EntryCleaner), so
// every text in them may be written to a page as is.
struct CatalogEntry
{
    enum class Kind
    {
        Live,
        Clip
    };

    Kind kind = Kind::Live;
    QString name;       // live station name
    QString title;      // clip title
    QString additional; // clip additional text
    QString streamUrl;
    QString site;
    QString format;
    QString city;
    QString region;
    QStringList styles;
    QString category;   // "College", "Religious", "Talk/News", "Live Television", "Special" or empty
    double bitrate = 0; // kbit/s; 0 = unknown
    int seconds = 0;    // clip length; 0 = unknown
    bool video = false;
    // Popularity, where the catalog has it: listings go by votes, then clicks, most first.
    qint64 votes = 0;
    qint64 clicks = 0;

    // The entry's line on a results page in UTF-8; filled in for entries read back from a catalog.
    QByteArray pageLine;

    bool isLive() const { return kind == Kind::Live; }
    // "City, Region" with the short shapes kept: "City," without a region, ", Region" without a
    // city and "," without either.
    QString location() const;
    // Everything a keyword may be found in, one field per line so words never run together.
    QString searchableText() const;
    // The bit rate as written on pages: "0" when unknown, no trailing zeros.
    QString bitrateText() const;
};
