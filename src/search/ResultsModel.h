#pragma once

#include "search/ResultRows.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The rows of the last search. The header row is headerData(); data rows follow in page order
// until sorted. Before the first search and from the start of each search the model holds one
// empty row, which the first accepted record fills.
class ResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumnCount = ResultRow::kColumnCount;

    // Column map of live mode (columns 6, 7 and 9 stay empty).
    enum LiveColumn
    {
        LiveStation = 0,
        LiveFormat = 1,
        LiveLocation = 2,
        LiveSpeed = 3,
        LiveUrl = 4,
        LivePage = 5,
        LiveSpeedValue = 8
    };
    // Column map of archive mode.
    enum ArchiveColumn
    {
        ArchivePicture = 0,
        ArchiveLength = 1,
        ArchiveSpeed = 2,
        ArchiveTitle = 3,
        ArchiveAdditional = 4,
        ArchiveUrl = 5,
        ArchivePage = 6,
        ArchiveFlag = 7,
        ArchiveSpeedValue = 8,
        ArchiveSeconds = 9
    };
    enum class SortKind
    {
        Text,  // case-sensitive string order
        Number // numeric value of the text, 0 when it holds no number
    };

    explicit ResultsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole: the cell text. DecorationRole of column 0: a ResultPicture when the row has one.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Case-sensitive string sort of all rows on one column.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QString cell(int row, int column) const;
    // False while the grid holds only the empty row of a reset.
    bool hasResults() const { return !m_placeholder; }
    ResultPicture picture(int row) const;
    QString header(int column) const;

    // Start of a search: all cells and headers cleared, one empty row.
    void resetForSearch();
    // A row added after the others, unseen by views until showAddedRows(). Returns what it costs
    // in memory.
    qsizetype addRow(const ResultRow::Cells& cells, ResultPicture picture);
    // The added rows are shown: the first of a search fills the empty row, the others are
    // inserted in one insertion.
    void showAddedRows();
    void appendRecords(const QList<ResultRow>& rows);
    // Change of mode: texts, pictures and headers cleared, the number of rows kept.
    void clearCells();
    void setHeaders(const QStringList& headers);
    void setHeader(int column, const QString& text);
    // The header texts of a mode: live mode writes columns 0 to 3, archive mode columns 1 to 4
    // (its picture column keeps whatever header it has, empty after a clear).
    void writeModeHeaders(bool archive);
    // Stable sort of all rows on one column; equal keys keep their order.
    void sortRows(int column, Qt::SortOrder order, SortKind kind);

private:
    void reorder(const QList<int>& newOrder);

    ResultRows m_rows;
    // Rows views know of; those after them are added but not yet shown.
    int m_shown = 0;
    QStringList m_headers;
    // True while the single row is the empty one left by a reset.
    bool m_placeholder = true;
};
