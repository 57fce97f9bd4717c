#pragma once

#include "directory/Catalog.h"

#include <memory>

#include <QByteArray>

struct DirectoryRequest
{
    QByteArray method;
    QByteArray target;    // path and query exactly as sent
    QByteArray host;      // the Host header; may be empty
    QByteArray localHost; // address:port the request came in on, for when Host is unusable
};

struct DirectoryResponse
{
    int status = 200;
    QByteArray body;
};

// Answers one request of the directory without any network: the search host lookup, both
// forms of the search page, the fixed pages, and 400/404 pages for everything else. Every
// answer is HTML in UTF-8.
class DirectoryService
{
public:
    static constexpr char kContentType[] = "text/html; charset=utf-8";

    explicit DirectoryService(Catalog catalog)
        : m_catalog(std::make_shared<const Catalog>(std::move(catalog)))
    {}
    explicit DirectoryService(std::shared_ptr<const Catalog> catalog) : m_catalog(std::move(catalog)) {}

    DirectoryResponse respond(const DirectoryRequest& request) const;
    const Catalog& catalog() const { return *m_catalog; }

    // The host and port for the lookup answer: the Host header reduced to the characters of a
    // host name or address and a port, so it cannot carry markup into the answer.
    static QByteArray searchHost(const DirectoryRequest& request);

private:
    DirectoryResponse searchPage(const QByteArray& rawQuery) const;

    std::shared_ptr<const Catalog> m_catalog;
};
