#pragma once

#include <QString>

// Marker files shared with the companion player programs, kept in the data folder.
namespace MarkerFiles {
inline const QString kPlay = QStringLiteral("~play.tmp");
inline const QString kStatus = QStringLiteral("~stat.tmp");
inline const QString kDone = QStringLiteral("~done.tmp");
inline const QString kTerminate = QStringLiteral("~term.tmp");

// Creates or truncates the terminate marker holding "TERMINATE" and CR LF; false on failure.
bool writeTerminate(const QString& folder);
bool exists(const QString& folder, const QString& name);
QString path(const QString& folder, const QString& name);
} // namespace MarkerFiles
