#pragma once

#include "search/FormatFilters.h"

#include <QString>
#include <QStringList>

#include <optional>

// The directory's search request: one GET of /search.asp on the search host. The pieces are
// independent; only their order in the address matters.
struct SearchRequest
{
    // SearchFormat of a search typed by the user (no category sent, text remembered).
    static constexpr int kTypedSearch = -1;

    QString host;
    // The search box text after encodeKeywords(): what the box shows during the search.
    QString keywords;
    FormatFilters formats;
    bool archive = false;
    int searchFormat = kTypedSearch;
    QString conSpeed;

    // The complete request address.
    QString url() const;

    // Every space becomes "+"; nothing else changes.
    static QString encodeKeywords(const QString& boxText);
    // The keywords as they travel: "&", "#", "%", control characters and non-ASCII characters
    // (as UTF-8) are percent-encoded so that the text cannot end its own parameter, cut the
    // address at a fragment or smuggle escapes; everything else goes as typed.
    static QString wireKeywords(const QString& keywords);
    // "&F=1" followed by "&XX=1" for each selected format.
    static QString filterString(const FormatFilters& formats);
    static QString modeString(bool archive);
    static QString formatString(int searchFormat);
    static QString speedSuffix(const QString& conSpeed);

    // The connection speed table: the six connection names, their query codes (0 for any other
    // text) and the kbit/s ceilings applied to results (none for any other text).
    static const QStringList& speedNames();
    static int speedCode(const QString& conSpeed);
    static std::optional<int> speedCeiling(const QString& conSpeed);
    // The program version as the service expects it: "3.0" read as a number, "3".
    static QString versionText();
};
