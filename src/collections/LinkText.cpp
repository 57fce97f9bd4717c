#include "collections/LinkText.h"

#include "core/ProductInfo.h"
#include "search/GridLayout.h"
#include "search/ResultsModel.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

QString line(const char* label, const QString& value)
{
    return QLatin1String(label) + value + kLineEnd;
}
} // namespace

namespace LinkText {
bool usable(const ResultsModel& model, int row, bool archive)
{
    // The placeholder row of an empty grid has no cells.
    return row >= 0 && row < model.rowCount() && !model.cell(row, GridLayout::linkColumn(archive)).isEmpty();
}

// The block leaves the program for a friend whose language is not known here, and readers look
// for its "Link : " line: its field names and closing lines stay English in every language.
QString block(const ResultsModel& model, int row, bool archive)
{
    QString text;
    if (archive) {
        text += line("Name : ", model.cell(row, ResultsModel::ArchiveTitle));
        text += line("Info : ", model.cell(row, ResultsModel::ArchiveAdditional));
        text += line("Link : ", model.cell(row, ResultsModel::ArchiveUrl));
        text += line("Found on : ", model.cell(row, ResultsModel::ArchivePage));
    } else {
        text += line("Name : ", model.cell(row, ResultsModel::LiveStation));
        text += line("Link : ", model.cell(row, ResultsModel::LiveUrl));
        text += line("Found on : ", model.cell(row, ResultsModel::LivePage));
    }
    text += kLineEnd;
    text += QStringLiteral("-") + kLineEnd;
    text += QStringLiteral("This link courtesy Skylark! Broadcast - ") + kProductWebSite + kLineEnd;
    text +=
        QStringLiteral("Skylark! Broadcast finds live radio, television and archived clips on the Internet.");
    return text;
}
} // namespace LinkText
