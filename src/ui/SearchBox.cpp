#include "ui/SearchBox.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

#include "collections/StationPayload.h"

SearchBox::SearchBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("txtSearch"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // The combo box has the keyboard focus and hands keys to its line edit directly, so its own
    // events are where Enter and Esc can be seen. After a click into the text the line edit
    // itself has the focus: its Enter would also report the text as picked from the list,
    // starting a second search.
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, &SearchBox::submitted);
}

QString SearchBox::selectedText() const
{
    return hasFocus() || lineEdit()->hasFocus() ? lineEdit()->selectedText() : QString();
}

bool SearchBox::handleKey(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Q_EMIT submitted();
        return true;
    }
    if (key == Qt::Key_Escape) {
        Q_EMIT escaped();
        return true;
    }
    return false;
}

bool SearchBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    // Copy is the program's command, which copies the selected text here and a station's link
    // block elsewhere, through the one clipboard the program uses.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    // A station carries its link as plain text for other programs; here it would only replace
    // the search.
    const bool drag = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
                      event->type() == QEvent::Drop;
    if (drag && static_cast<QDropEvent*>(event)->mimeData()->hasFormat(StationPayload::kMimeType)) {
        event->ignore();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}
