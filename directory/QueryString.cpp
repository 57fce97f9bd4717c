#include "directory/QueryString.h"

#include <QStringDecoder>

#include <optional>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<QByteArray> unescape(const QByteArray& raw)
{
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '+') {
            out.append(' ');
        } else if (c == '%') {
            const int high = i + 2 < raw.size() ? hexValue(raw[i + 1]) : -1;
            const int low = high >= 0 ? hexValue(raw[i + 2]) : -1;
            if (low < 0)
                return std::nullopt;
            out.append(static_cast<char>(high * 16 + low));
            i += 2;
        } else {
            out.append(c);
        }
    }
    return out;
}

} // namespace

std::optional<QString> QueryString::decode(const QByteArray& raw)
{
    const auto bytes = unescape(raw);
    if (!bytes)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(*bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

bool QueryString::parse(const QByteArray& rawQuery)
{
    m_pairs.clear();
    m_error.clear();
    for (const QByteArray& part : rawQuery.split('&')) {
        if (part.isEmpty())
            continue;
        const qsizetype eq = part.indexOf('=');
        const auto key = decode(eq < 0 ? part : part.left(eq));
        const auto value = decode(eq < 0 ? QByteArray() : part.mid(eq + 1));
        if (!key || !value) {
            m_error = QStringLiteral("malformed escape or text in \"%1\"").arg(QString::fromLatin1(part));
            return false;
        }
        m_pairs.append({*key, *value});
    }
    return true;
}

bool QueryString::contains(const QString& key) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first == key)
            return true;
    }
    return false;
}

QString QueryString::value(const QString& key) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first == key)
            return pair.second;
    }
    return {};
}
