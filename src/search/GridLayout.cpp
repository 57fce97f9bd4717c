#include "search/GridLayout.h"

#include <cmath>

namespace GridLayout {
namespace {
int twips(double value)
{
    return int(std::lround(value));
}
} // namespace

std::array<int, kColumns> columnWidths(bool archiveMode, double gridWidthTwips)
{
    std::array<int, kColumns> widths{};
    const double w = gridWidthTwips;
    if (archiveMode) {
        // Titles and additional texts share W - 950, so the layout is wider than the grid.
        widths = {300, 650, 900, twips((w - 950) * 0.5), twips((w - 950) * 0.5)};
    } else {
        widths = {twips((w - 1100) * 0.6), twips((w - 1100) * 0.2), twips((w - 1100) * 0.2), 1100, 0};
    }
    for (int& width : widths)
        width = std::max(width, 0);
    return widths;
}

std::array<std::optional<QString>, kColumns> headers(bool archiveMode)
{
    std::array<std::optional<QString>, kColumns> texts;
    if (archiveMode) {
        texts[1] = QStringLiteral("Len");
        texts[2] = QStringLiteral("BPS");
        texts[3] = QStringLiteral("Title");
        texts[4] = QStringLiteral("Additional");
    } else {
        texts[0] = QStringLiteral("Station");
        texts[1] = QStringLiteral("Format");
        texts[2] = QStringLiteral("Location");
        texts[3] = QStringLiteral("Speed Kb/s");
    }
    return texts;
}

int selectionEndColumn(bool archiveMode)
{
    return archiveMode ? 6 : 4;
}

int linkColumn(bool archiveMode)
{
    return archiveMode ? 5 : 4;
}

int nameColumn(bool archiveMode)
{
    return archiveMode ? 3 : 0;
}

int siteColumn(bool archiveMode)
{
    return archiveMode ? 6 : 5;
}
} // namespace GridLayout
