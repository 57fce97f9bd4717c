#pragma once

#include <QIdentityProxyModel>

class ResultsModel;

// Shows the results with pictures: the archive rows' audio and video marks become icons, named
// "Audio" and "Video" for assistive technology.
class ResultsIconModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    ResultsIconModel(ResultsModel& source, QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
};
