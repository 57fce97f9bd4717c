#pragma once

#include <array>

// Column widths and cell columns of the results grid for each search mode. Widths are twips of the
// grid's own width W, rounded to whole twips; columns 5 to 9 are hidden (width 0).
namespace GridLayout {
constexpr int kColumns = 10;

std::array<int, kColumns> columnWidths(bool archiveMode, double gridWidthTwips);
// Whether a column shares the grid's width (the others have a fixed width).
bool sharesWidth(bool archiveMode, int column);
// Columns holding the stream link, the display name and the web site of a row.
int linkColumn(bool archiveMode);
int nameColumn(bool archiveMode);
int siteColumn(bool archiveMode);
} // namespace GridLayout
