#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The fixed pages of the service: the product page, the support and add-a-station pages, and
// one page per player telling which streams it handles.
class InfoPages
{
public:
    // The page for a path such as "/skylark.htm"; nullopt for any other path.
    static std::optional<QByteArray> page(const QString& path);
    static QByteArray errorPage(int status, const QString& reason);
};
