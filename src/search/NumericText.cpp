#include "search/NumericText.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <cstdlib>

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Length of the decimal number (digits, optional "." and fraction) at the start of text.
qsizetype numberLength(QStringView text)
{
    qsizetype at = 0;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    const qsizetype whole = at;
    if (at < text.size() && text[at] == u'.') {
        qsizetype fraction = at + 1;
        while (fraction < text.size() && isDigit(text[fraction]))
            ++fraction;
        if (fraction > at + 1 || whole > 0)
            at = fraction;
    }
    return at;
}
} // namespace

double NumericText::value(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const qsizetype length = numberLength(text.mid(start));
    if (length == 0)
        return 0;
    if (length <= 15 && isDigit(text[start + length - 1]) && !text.mid(start, length).contains(u'.')) {
        // Whole numbers of up to 15 digits are exact in a double; no need for the locale's reader.
        qint64 whole = 0;
        for (const QChar digit : text.mid(start, length))
            whole = whole * 10 + (digit.unicode() - u'0');
        return static_cast<double>(whole);
    }
    bool ok = false;
    const double result = text.mid(start, length).toDouble(&ok);
    return ok && std::isfinite(result) ? result : 0;
}

QString NumericText::text(double value)
{
    QString text;
    writeText(value, text);
    return text;
}

void NumericText::writeText(double value, QString& out)
{
    if (value != std::trunc(value) || std::fabs(value) >= 1e15) {
        out = QString::number(value, 'f', QLocale::FloatingPointShortest);
        return;
    }
    // Whole numbers, nearly every value read from a page, are written into out's own memory.
    std::array<char16_t, 16> digits{};
    auto digit = digits.end();
    for (qint64 rest = std::llabs(static_cast<qint64>(value)); digit == digits.end() || rest > 0; rest /= 10)
        *--digit = char16_t(u'0' + rest % 10);
    out.resize(0);
    if (value < 0)
        out.append(u'-');
    out.append(QStringView(digit, digits.end()));
}

bool NumericText::isNumber(QStringView text)
{
    QStringView rest = trimBlanks(text);
    if (!rest.isEmpty() && (rest.front() == u'+' || rest.front() == u'-'))
        rest = rest.mid(1);
    return !rest.isEmpty() && numberLength(rest) == rest.size();
}

QStringView NumericText::trimBlanks(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}
