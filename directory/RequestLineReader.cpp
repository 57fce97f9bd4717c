#include "directory/RequestLineReader.h"

void RequestLineReader::feed(const QByteArray& bytes)
{
    m_pending += bytes;
    QByteArray line;
    for (;;) {
        if (m_state == State::Body) {
            const qint64 skipped = qMin<qint64>(m_bodyLeft, m_pending.size());
            m_pending.remove(0, skipped);
            m_bodyLeft -= skipped;
            if (m_bodyLeft > 0)
                return;
            m_state = State::RequestLine;
        }
        if (!takeTextLine(line))
            return;
        if (m_state == State::RequestLine)
            readRequestLine(line);
        else
            readHeader(line);
    }
}

bool RequestLineReader::takeTextLine(QByteArray& line)
{
    const qsizetype end = m_pending.indexOf('\n');
    if (end < 0) {
        // A line this long is not HTTP; the server refuses it and nothing is lost by dropping it.
        if (m_pending.size() > kMaxLine)
            m_pending.clear();
        return false;
    }
    line = m_pending.left(end);
    if (line.endsWith('\r'))
        line.chop(1);
    m_pending.remove(0, end + 1);
    return true;
}

void RequestLineReader::readRequestLine(const QByteArray& line)
{
    if (line.isEmpty())
        return;
    const QList<QByteArray> parts = line.split(' ');
    m_lines.enqueue({parts.value(0), parts.value(1)});
    m_bodyLeft = 0;
    m_state = State::Headers;
}

void RequestLineReader::readHeader(const QByteArray& line)
{
    if (line.isEmpty()) {
        m_state = m_bodyLeft > 0 ? State::Body : State::RequestLine;
        return;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
        m_bodyLeft = qMax<qint64>(0, line.mid(colon + 1).trimmed().toLongLong());
}
