#pragma once

#include <QString>
#include <QStringList>

// The desktop's file-type associations: which MIME type a file-name ending has, which other
// names a MIME type goes by, and the command of the application chosen to open a MIME type.
class DefaultApps
{
public:
    virtual ~DefaultApps() = default;
    // The MIME type of a file whose name ends in extension (".ram"); empty when none is known.
    virtual QString mimeTypeForExtension(const QString& extension) = 0;
    // The other names of mimeType in the shared MIME database, canonical name first.
    virtual QStringList aliasesOf(const QString& mimeType) = 0;
    // The command line of the default application that itself declares mimeType (an application
    // reached only through a parent type such as text/plain does not count); empty when none.
    virtual QString openCommandForMimeType(const QString& mimeType) = 0;
};
