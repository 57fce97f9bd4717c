#pragma once

#include <QString>

// Fixed texts of the program.
inline const QString kSupportEmail = QStringLiteral("support@skylark-broadcast.example");
inline const QString kCaption = QStringLiteral("Skylark! Broadcast v3.0");
