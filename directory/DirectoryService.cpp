#include "directory/DirectoryService.h"

#include "directory/CatalogSearch.h"
#include "directory/DirectoryQuery.h"
#include "directory/InfoPages.h"
#include "directory/ResultsPage.h"
#include "directory/ScanReply.h"

namespace {

DirectoryResponse badRequest(const QString& reason)
{
    return {400, InfoPages::errorPage(400, reason)};
}

bool isHostChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == ':' || c == '[' || c == ']';
}

QByteArray hostChars(const QByteArray& text)
{
    QByteArray kept;
    for (const char c : text) {
        if (isHostChar(c))
            kept.append(c);
    }
    return kept;
}

} // namespace

DirectoryResponse DirectoryService::respond(const DirectoryRequest& request) const
{
    // HEAD is answered as GET; the server leaves out the body.
    if (request.method != "GET" && request.method != "HEAD")
        return badRequest(QStringLiteral("Only GET and HEAD requests are served."));
    QByteArray target = request.target;
    target.truncate(target.indexOf('#') < 0 ? target.size() : target.indexOf('#'));
    const qsizetype mark = target.indexOf('?');
    const QString path = QString::fromLatin1(mark < 0 ? target : target.left(mark)).toLower();
    const QByteArray rawQuery = mark < 0 ? QByteArray() : target.mid(mark + 1);
    if (path == QLatin1String("/search.asp"))
        return searchPage(rawQuery);
    if (path == QLatin1String("/redirect.asp"))
        return {200, searchHost(request) + "<HTML><BODY>Search host</BODY></HTML>\n"};
    if (const auto page = InfoPages::page(path))
        return {200, *page};
    return {404, InfoPages::errorPage(404, QStringLiteral("There is no such page."))};
}

QByteArray DirectoryService::searchHost(const DirectoryRequest& request)
{
    const QByteArray host = hostChars(request.host.trimmed());
    return host.isEmpty() ? hostChars(request.localHost) : host;
}

DirectoryResponse DirectoryService::searchPage(const QByteArray& rawQuery) const
{
    const DirectoryQuery query = DirectoryQuery::parse(rawQuery);
    switch (query.form()) {
    case DirectoryQuery::Form::Search:
        return {200,
                ResultsPage::build(*m_catalog, CatalogSearch::matchPositions(*m_catalog, query.search()))};
    case DirectoryQuery::Form::Scan: {
        const auto positions = CatalogSearch::scanPositions(*m_catalog, query.scan());
        return {200, ScanReply::build(*m_catalog, positions, query.scan().after)};
    }
    case DirectoryQuery::Form::Bad:
        break;
    }
    return badRequest(query.error());
}
