#pragma once

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpSocket>
#include <QTest>

// skylark-directory run by a test on a free port of 127.0.0.1, its standard error collected.
class DirectoryProcess
{
public:
    DirectoryProcess()
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardError, &m_process,
                         [this] { m_log += m_process.readAllStandardError(); });
    }
    ~DirectoryProcess()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    static QString program() { return QStringLiteral(SKYLARK_BIN_DIR "/skylark-directory"); }

    // True once the program printed "listening 127.0.0.1:PORT".
    bool start(const QStringList& arguments, const QString& program = DirectoryProcess::program())
    {
        m_process.start(program, arguments);
        if (!m_process.waitForStarted() ||
            !QTest::qWaitFor([this] { return m_process.canReadLine(); }, 20000))
            return false;
        const QByteArray first = m_process.readLine().trimmed();
        m_port = static_cast<quint16>(first.mid(first.lastIndexOf(':') + 1).toUInt());
        return first.startsWith("listening 127.0.0.1:") && m_port != 0;
    }

    QProcess& process() { return m_process; }
    quint16 port() const { return m_port; }
    QByteArray log()
    {
        m_log += m_process.readAllStandardError();
        return m_log;
    }
    bool waitForLog(const QByteArray& text, int timeout = 20000)
    {
        return QTest::qWaitFor([&] { return log().contains(text); }, timeout);
    }

    QByteArray searchRequest(const QByteArray& query, const QByteArray& extra = {}) const
    {
        return "GET /search.asp?" + query + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(m_port) +
               "\r\n" + extra + "\r\n";
    }

    // The bodies of the complete answers in data, each one's head up to its body; what remains
    // of an incomplete answer stays in data.
    static QList<std::pair<QByteArray, QByteArray>> takeAnswers(QByteArray& data)
    {
        static const QRegularExpression contentLength(QStringLiteral("(?i)\r\ncontent-length: *(\\d+)"));
        QList<std::pair<QByteArray, QByteArray>> answers;
        for (;;) {
            const qsizetype headEnd = data.indexOf("\r\n\r\n");
            if (headEnd < 0)
                return answers;
            const QByteArray head = data.left(headEnd);
            const qsizetype size = contentLength.match(QString::fromLatin1(head)).captured(1).toLongLong();
            if (data.size() < headEnd + 4 + size)
                return answers;
            answers.append({head, data.mid(headEnd + 4, size)});
            data.remove(0, headEnd + 4 + size);
        }
    }

    // Sends the bytes on the socket and waits for `count` complete answers.
    static QList<std::pair<QByteArray, QByteArray>> exchange(QTcpSocket& socket, const QByteArray& bytes,
                                                             int count = 1)
    {
        socket.write(bytes);
        QByteArray data;
        QList<std::pair<QByteArray, QByteArray>> answers;
        [[maybe_unused]] const bool complete = QTest::qWaitFor(
            [&] {
                data += socket.readAll();
                answers += takeAnswers(data);
                return answers.size() >= count;
            },
            20000);
        return answers;
    }

    // One request on a fresh connection; the body, or an empty array without a 200 answer.
    QByteArray get(const QByteArray& request) const
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (!socket.waitForConnected(10000))
            return {};
        const auto answers = exchange(socket, request);
        return answers.size() == 1 && answers[0].first.startsWith("HTTP/1.1 200") ? answers[0].second
                                                                                  : QByteArray();
    }

private:
    QProcess m_process;
    QByteArray m_log;
    quint16 m_port = 0;
};
