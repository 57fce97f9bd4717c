#include "ui/PresetButton.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "collections/StationPayload.h"

PresetButton::PresetButton(int index, QWidget* parent) : QToolButton(parent), m_index(index)
{
    setObjectName(QStringLiteral("pPreset") + QString::number(index));
    setAcceptDrops(true);
    connect(this, &QToolButton::clicked, this, [this] { Q_EMIT clickedPreset(m_index); });
}

void PresetButton::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed(m_index);
    QToolButton::mousePressEvent(event);
}

void PresetButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed(m_index);
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PresetButton::enterEvent(QEnterEvent* event)
{
    Q_EMIT hovered(m_index);
    QToolButton::enterEvent(event);
}

void PresetButton::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(StationPayload::kMimeType))
        event->acceptProposedAction();
}

void PresetButton::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(StationPayload::kMimeType))
        event->acceptProposedAction();
}

void PresetButton::dropEvent(QDropEvent* event)
{
    const auto station = StationPayload::decode(event->mimeData()->data(StationPayload::kMimeType));
    if (!station)
        return;
    event->acceptProposedAction();
    Q_EMIT stationDropped(m_index, station->name, station->link);
}
