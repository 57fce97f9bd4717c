#include "search/GridLayout.h"

#include <cmath>

#include "search/ResultsModel.h"

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

bool sharesWidth(bool archiveMode, int column)
{
    return archiveMode ? column == 3 || column == 4 : column >= 0 && column <= 2;
}

int linkColumn(bool archiveMode)
{
    return archiveMode ? int{ResultsModel::ArchiveUrl} : int{ResultsModel::LiveUrl};
}

int nameColumn(bool archiveMode)
{
    return archiveMode ? int{ResultsModel::ArchiveTitle} : int{ResultsModel::LiveStation};
}

int siteColumn(bool archiveMode)
{
    return archiveMode ? int{ResultsModel::ArchivePage} : int{ResultsModel::LivePage};
}
} // namespace GridLayout
