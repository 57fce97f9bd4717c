#pragma once

#include <QByteArray>
#include <QQueue>

struct RawRequestLine
{
    QByteArray method;
    QByteArray target;
};

// Follows the bytes of one HTTP connection and keeps the request line of every request in
// order, before anything has decoded or normalised the target.
class RequestLineReader
{
public:
    void feed(const QByteArray& bytes);
    bool hasLine() const { return !m_lines.isEmpty(); }
    RawRequestLine takeLine() { return m_lines.dequeue(); }

private:
    enum class State
    {
        RequestLine,
        Headers,
        Body
    };

    // False when no complete line is buffered yet.
    bool takeTextLine(QByteArray& line);
    void readRequestLine(const QByteArray& line);
    void readHeader(const QByteArray& line);

    static constexpr qsizetype kMaxLine = 64 * 1024;

    QByteArray m_pending;
    QQueue<RawRequestLine> m_lines;
    State m_state = State::RequestLine;
    qint64 m_bodyLeft = 0;
};
