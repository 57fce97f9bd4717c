#pragma once

#include "directory/ScanQuery.h"
#include "directory/SearchQuery.h"

#include <QByteArray>
#include <QString>

class QueryString;

// A "/search.asp" query read into one of its two forms. The scanner form is T1=R or T1=N
// together with GS=1; anything else carrying T1 is a keyword search (so a search for the
// single word R is still a search).
class DirectoryQuery
{
public:
    enum class Form
    {
        Bad,
        Search,
        Scan
    };

    static DirectoryQuery parse(const QByteArray& rawQuery);

    Form form() const { return m_form; }
    // Why a Bad query was refused.
    QString error() const { return m_error; }
    const SearchQuery& search() const { return m_search; }
    const ScanQuery& scan() const { return m_scan; }

private:
    void readSearch(const QueryString& query);
    void readScan(const QueryString& query);
    bool readCategory(const QueryString& query);
    bool readSpeed(const QueryString& query, double& ceiling);
    void fail(const QString& error);

    Form m_form = Form::Bad;
    QString m_error;
    SearchQuery m_search;
    ScanQuery m_scan;
};
