#pragma once

#include <QString>

class ResultsModel;

// The text block that passes a found station or clip on to someone else: its name, link and
// web site, then the courtesy lines. Lines end with CR LF; the last line has no line end.
namespace LinkText {
// Whether row of the grid has a link to pass on in the given mode.
bool usable(const ResultsModel& model, int row, bool archive);
QString block(const ResultsModel& model, int row, bool archive);
} // namespace LinkText
