#pragma once

#include <QString>
#include <QStringView>

// Reading of numbers out of free text the way the directory's pages and the program's own
// values are read: leading blanks skipped, the longest leading decimal number (digits with an
// optional "." fraction) taken, 0 when there is none.
class NumericText
{
public:
    static double value(QStringView text);
    // Shortest decimal rendering without trailing zeros and without exponent: 28, 28.8.
    static QString text(double value);
    // text() written over out, whose memory is reused.
    static void writeText(double value, QString& out);
    // value() rendered by text(): " 28.80k" gives "28.8".
    static QString normalized(QStringView number) { return text(value(number)); }
    // True when the whole text, blanks aside, is one decimal number (optionally signed).
    static bool isNumber(QStringView text);
    // The text without leading and trailing spaces (tabs and line breaks are kept).
    static QStringView trimBlanks(QStringView text);
};
