#pragma once

#include <QComboBox>

// txtSearch: the editable search box with its list of earlier searches. Enter submits it and Esc
// asks to end the program, whether the box or its text has the focus; station drags from the
// grid are not typed into it.
class SearchBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SearchBox(QWidget* parent = nullptr);

    // The text selected in the box while it has the focus; empty otherwise.
    QString selectedText() const;

Q_SIGNALS:
    void submitted();
    void escaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(int key);
};
