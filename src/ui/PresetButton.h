#pragma once

#include <QToolButton>

// pPreset(i): one of the ten preset buttons. It takes station drops of the program's own
// kind and reports presses, clicks and the Enter key by its index.
class PresetButton : public QToolButton
{
    Q_OBJECT

public:
    PresetButton(int index, QWidget* parent = nullptr);
    int index() const { return m_index; }

Q_SIGNALS:
    void pressed(int index);
    void clickedPreset(int index);
    void enterPressed(int index);
    void stationDropped(int index, const QString& name, const QString& link);
    void hovered(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int m_index;
};
