#pragma once

#include "platform/DefaultApps.h"

// The desktop's associations as GIO sees them: the shared MIME database and the XDG MIME
// applications lists (mimeapps.list, the desktop files and their database).
class GioDefaultApps : public DefaultApps
{
public:
    QString mimeTypeForExtension(const QString& extension) override;
    QStringList aliasesOf(const QString& mimeType) override;
    QString openCommandForMimeType(const QString& mimeType) override;
};
