#pragma once

#include <QString>

// The program's name, version and fixed texts. The version comes from the build's project
// version.
inline const QString kProductName = QStringLiteral("Skylark! Broadcast");
inline const QString kProductVersion = QStringLiteral(SKYLARK_VERSION);
// The product's public web site, the home page the package metadata names. The directory host
// is no substitute: by default it is the user's own machine.
inline const QString kProductWebSite = QStringLiteral(SKYLARK_HOMEPAGE);
// The title of message boxes that name no title of their own.
inline const QString kShortTitle = QStringLiteral("Skylark");
inline const QString kAppTitle = kProductName;
inline const QString kCaption = kProductName + QStringLiteral(" v") + kProductVersion;
inline const QString kSupportEmail = QStringLiteral("support@skylark-broadcast.example");
