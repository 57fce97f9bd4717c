#pragma once

#include <QIdentityProxyModel>

class ResultsModel;

// Shows the results with pictures: the archive rows' audio and video marks become icons, named
// "Audio" and "Video" for assistive technology. It has only the columns a person sees.
class ResultsIconModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    ResultsIconModel(ResultsModel& source, QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // The first count columns are shown in the current mode.
    void setShownColumns(int count);
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static QVariant shownText(const QVariant& value);

    int m_shownColumns = 4;
};
