#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Recognition of the error pages the server or a proxy may send instead of results. The tests
// run in a fixed order on the text left over after the last result link; the first match
// decides the message.
class ErrorPages
{
public:
    // The message to show (critical icon, title kAppTitle), or nothing for an ordinary page.
    static std::optional<QString> checkErrorPage(QStringView responseBuffer);
};
