#include "search/ErrorPages.h"

#include <array>

namespace {
struct ErrorPage
{
    const char* searched;
    const char* message;
};

constexpr std::array<ErrorPage, 6> kErrorPages{{
    {"302 Moved Temporarily", "Error 302 : Document Moved Temporarily"},
    {"301 Moved Permanently", "Error 301 : Document Moved Permanently"},
    {"404 Object Not Found", "Error 404 : Object Not Found"},
    {"404 File Not Found", "Error 404 : File Not Found"},
    {"Forbidden", "Error (Forbidden) : You are not permitted to access this site."},
    {"403.6", "Error (Forbidden) : You are not permitted to access this site."},
}};
} // namespace

std::optional<QString> ErrorPages::checkErrorPage(QStringView responseBuffer)
{
    for (const ErrorPage& page : kErrorPages) {
        if (responseBuffer.contains(QLatin1String(page.searched), Qt::CaseSensitive))
            return QString::fromLatin1(page.message);
    }
    return std::nullopt;
}
