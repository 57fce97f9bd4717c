#pragma once

#include <QCursor>
#include <QLabel>

// A picture that answers like a button: clicked() when the left button goes down and comes up
// again over it, or on Enter or Space while it has the focus. It can carry two pointer pictures: one shown
// while the mouse moves over it, one set while a button is held.
class PictureLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PictureLabel(const QPixmap& picture, QWidget* parent = nullptr);

    void setPointers(const QCursor& moving, const QCursor& pressed);

Q_SIGNALS:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QCursor m_moving;
    QCursor m_pressed;
    bool m_hasPointers = false;
    bool m_leftDown = false;
};
