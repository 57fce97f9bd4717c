#include "search/ErrorPages.h"

#include <QCoreApplication>

#include <array>

namespace {
struct ErrorPage
{
    const char* searched;
    const char* message;
};

constexpr std::array<ErrorPage, 6> kErrorPages{{
    {"302 Moved Temporarily", QT_TRANSLATE_NOOP("ErrorPages", "Error 302 : Document Moved Temporarily")},
    {"301 Moved Permanently", QT_TRANSLATE_NOOP("ErrorPages", "Error 301 : Document Moved Permanently")},
    {"404 Object Not Found", QT_TRANSLATE_NOOP("ErrorPages", "Error 404 : Object Not Found")},
    {"404 File Not Found", QT_TRANSLATE_NOOP("ErrorPages", "Error 404 : File Not Found")},
    {"Forbidden",
     QT_TRANSLATE_NOOP("ErrorPages", "Error (Forbidden) : You are not permitted to access this site.")},
    {"403.6",
     QT_TRANSLATE_NOOP("ErrorPages", "Error (Forbidden) : You are not permitted to access this site.")},
}};
} // namespace

std::optional<QString> ErrorPages::checkErrorPage(QStringView responseBuffer)
{
    for (const ErrorPage& page : kErrorPages) {
        if (responseBuffer.contains(QLatin1String(page.searched), Qt::CaseSensitive))
            return QCoreApplication::translate("ErrorPages", page.message);
    }
    return std::nullopt;
}
