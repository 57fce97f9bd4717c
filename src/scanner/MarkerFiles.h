#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Marker files shared with the companion player programs, kept in the data folder. Both sides
// read and write them only through here.
namespace MarkerFiles {
inline const QString kPlay = QStringLiteral("~play.tmp");
inline const QString kStatus = QStringLiteral("~stat.tmp");
inline const QString kDone = QStringLiteral("~done.tmp");
inline const QString kTerminate = QStringLiteral("~term.tmp");

QString path(const QString& folder, const QString& name);
bool exists(const QString& folder, const QString& name);
void remove(const QString& folder, const QStringList& names);
// Creates or truncates the marker name, leaving it empty: the play and done markers, and the
// terminate marker that ends one station.
bool touch(const QString& folder, const QString& name);
// Creates or truncates the terminate marker holding "TERMINATE" and CR LF: the scan or the
// program is closing. False on failure.
bool writeTerminate(const QString& folder);

// The first field of a status file: a quoted field without its quotes, otherwise the text up
// to the first comma or line end; leading blanks are skipped.
QString statusField(const QString& text);
// The status file's one line: the text as a quoted field and CR LF. The field has no escape
// for a double quote, so those become single quotes.
QByteArray statusLine(const QString& text);
// Writes the status file under a temporary name in the same folder and renames it, so a
// reader never sees half a file.
bool writeStatus(const QString& folder, const QString& text);
// Reads and deletes the status file; nothing when there is none. The file is renamed first,
// so one the module writes meanwhile is neither read half-way nor deleted unread.
std::optional<QString> takeStatus(const QString& folder);
} // namespace MarkerFiles
