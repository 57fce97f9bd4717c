#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// The key/value pairs of a raw query as the client sends it: pairs separated by "&", key and
// value by the first "=", "%XX" escapes for bytes of UTF-8 text and "+" for a space. Every
// other character arrives as itself (",", "^", "$", "`", "/", "'", "-" included).
class QueryString
{
public:
    // False, with error(), on a "%" not followed by two hex digits or on text that is not
    // UTF-8 once decoded.
    bool parse(const QByteArray& rawQuery);
    QString error() const { return m_error; }

    bool contains(const QString& key) const;
    // The first value given for the key; empty when absent.
    QString value(const QString& key) const;

    // Decodes "%XX" and "+"; nullopt on a malformed escape or invalid UTF-8.
    static std::optional<QString> decode(const QByteArray& raw);

private:
    QList<QPair<QString, QString>> m_pairs;
    QString m_error;
};
