#include "directory/KeywordMatcher.h"

#include <QStringList>

#include <algorithm>

namespace {

// Letters and digits make words; "_" does not, unlike the regular-expression \w.
const QLatin1String kWordChar("[\\p{L}\\p{N}]");

QString assertionFor(QChar marker)
{
    const QString before = QStringLiteral("(?<=%1)").arg(kWordChar);
    const QString notBefore = QStringLiteral("(?<!%1)").arg(kWordChar);
    const QString after = QStringLiteral("(?=%1)").arg(kWordChar);
    const QString notAfter = QStringLiteral("(?!%1)").arg(kWordChar);
    if (marker == QLatin1Char('^'))
        return QStringLiteral("(?:%1%2|%3%4)").arg(before, notAfter, notBefore, after);
    if (marker == QLatin1Char('$'))
        return notAfter;
    return notBefore;
}

bool isMarker(QChar c)
{
    return c == QLatin1Char('^') || c == QLatin1Char('$') || c == QLatin1Char('`');
}

} // namespace

KeywordMatcher::KeywordMatcher(const QString& keywordList)
{
    for (const QString& alternative : keywordList.split(QLatin1Char(','))) {
        const QStringList words = alternative.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QList<QRegularExpression> patterns;
        for (const QString& word : words) {
            if (std::any_of(word.cbegin(), word.cend(), [](QChar c) { return !isMarker(c); }))
                patterns.append(patternFor(word));
        }
        if (!patterns.isEmpty())
            m_alternatives.append(patterns);
    }
}

bool KeywordMatcher::matches(const QString& text) const
{
    for (const auto& words : m_alternatives) {
        const bool allFound =
            std::all_of(words.cbegin(), words.cend(),
                        [&text](const QRegularExpression& word) { return word.match(text).hasMatch(); });
        if (allFound)
            return true;
    }
    return false;
}

QRegularExpression KeywordMatcher::patternFor(const QString& word)
{
    QString pattern;
    QString literal;
    for (const QChar c : word) {
        if (!isMarker(c)) {
            literal += c;
            continue;
        }
        pattern += QRegularExpression::escape(literal) + assertionFor(c);
        literal.clear();
    }
    pattern += QRegularExpression::escape(literal);
    return QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
}
