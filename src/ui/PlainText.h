#pragma once

#include <QString>
#include <QTextDocument>

// Text from the network shown in a tool tip: a tool tip that looks like markup is taken for
// markup, so such a text is escaped inside a rich text and shows exactly as it is.
inline QString plainToolTip(const QString& text)
{
    return Qt::mightBeRichText(text) ? QStringLiteral("<qt>") + text.toHtmlEscaped() : text;
}
