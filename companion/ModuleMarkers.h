#pragma once

#include <QString>

// The module's side of the marker files.
namespace ModuleMarkers {
// The status file's one line: the text as a quoted field and CR LF. The field has no escape
// for a double quote, so those become single quotes.
QByteArray statusLine(const QString& text);
// Writes the status file under a temporary name in the same folder and renames it, so a
// reader never sees half a file.
bool writeStatus(const QString& folder, const QString& text);
// Creates the empty marker name (the play and done markers are only tested for existence).
bool touch(const QString& folder, const QString& name);
} // namespace ModuleMarkers
