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

// Only ASCII pieces are used to rule texts out: for them case folding and the expression's
// caseless matching agree on every text.
void addPiece(QStringList& pieces, const QString& literal)
{
    const bool ascii =
        std::all_of(literal.cbegin(), literal.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (!literal.isEmpty() && ascii)
        pieces.append(literal.toCaseFolded());
}

} // namespace

KeywordMatcher::KeywordMatcher(const QString& keywordList)
{
    for (const QString& alternative : keywordList.split(QLatin1Char(','))) {
        const QStringList words = alternative.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QList<Word> patterns;
        for (const QString& word : words) {
            if (std::any_of(word.cbegin(), word.cend(), [](QChar c) { return !isMarker(c); }))
                patterns.append(wordFor(word));
        }
        if (!patterns.isEmpty())
            m_alternatives.append(patterns);
    }
}

bool KeywordMatcher::matches(const QString& text) const
{
    return matches(text, text.toCaseFolded());
}

bool KeywordMatcher::matches(const QString& text, const QString& folded) const
{
    const auto found = [&](const Word& word) {
        const bool piecesIn = std::all_of(word.pieces.cbegin(), word.pieces.cend(),
                                          [&folded](const QString& piece) { return folded.contains(piece); });
        return piecesIn && word.pattern.match(text).hasMatch();
    };
    for (const auto& words : m_alternatives) {
        if (std::all_of(words.cbegin(), words.cend(), found))
            return true;
    }
    return false;
}

KeywordMatcher::Word KeywordMatcher::wordFor(const QString& word)
{
    Word made;
    QString pattern;
    QString literal;
    for (const QChar c : word) {
        if (!isMarker(c)) {
            literal += c;
            continue;
        }
        pattern += QRegularExpression::escape(literal) + assertionFor(c);
        addPiece(made.pieces, literal);
        literal.clear();
    }
    pattern += QRegularExpression::escape(literal);
    addPiece(made.pieces, literal);
    made.pattern = QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::UseUnicodePropertiesOption);
    return made;
}
