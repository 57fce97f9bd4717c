#include "ui/PictureLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

PictureLabel::PictureLabel(const QPixmap& picture, QWidget* parent) : QLabel(parent)
{
    setPixmap(picture);
    setMouseTracking(true);
    // Reachable by Tab and opened with Enter or Space like a button, with a visible focus frame.
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("PictureLabel { border: 2px solid transparent; }"
                                 "PictureLabel:focus { border: 2px solid palette(highlight); }"));
}

void PictureLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void PictureLabel::setPointers(const QCursor& moving, const QCursor& pressed)
{
    m_moving = moving;
    m_pressed = pressed;
    m_hasPointers = true;
    setCursor(m_moving);
}

void PictureLabel::mousePressEvent(QMouseEvent* event)
{
    if (m_hasPointers)
        setCursor(m_pressed);
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    event->accept();
}

void PictureLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (m_hasPointers)
        setCursor(m_moving);
    event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    // Releasing outside the picture takes the click back, as with a button.
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
