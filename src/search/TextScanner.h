#pragma once

#include <QString>
#include <QStringView>

// Finds the next occurrence of a fixed ASCII text in a buffer that only grows at its end and is
// only read from an advancing position. The last answer and how far the buffer is known not to
// hold the text are remembered, so a whole page costs one pass however often it is asked.
class TextScanner
{
public:
    TextScanner(QLatin1String needle, Qt::CaseSensitivity sensitivity);

    // Position of the first occurrence at or after from, -1 when there is none yet.
    qsizetype find(QStringView buffer, qsizetype from);
    // The buffer lost its first `removed` characters.
    void shift(qsizetype removed);
    void reset();

    // One search without memory: ASCII letters of the needle match either case.
    static qsizetype indexOf(QStringView text, QLatin1String needle, qsizetype from,
                             Qt::CaseSensitivity sensitivity);

private:
    QLatin1String m_needle;
    Qt::CaseSensitivity m_sensitivity;
    qsizetype m_found = -1;
    // No occurrence starts before this position (at or after the earliest position asked).
    qsizetype m_clearUntil = 0;
};
