#include "directory/KeywordMatcher.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include <QStringList>

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

// The runs of ASCII characters of a literal, case-folded. Case folding and the expression's
// caseless matching agree on which texts hold an ASCII run, so a text without one of them
// cannot match.
void addPieces(QByteArrayList& pieces, const QString& literal)
{
    QByteArray run;
    for (const QChar c : literal) {
        if (c.unicode() < 0x80) {
            run.append(static_cast<char>(c.toCaseFolded().unicode()));
        } else if (!run.isEmpty()) {
            pieces.append(run);
            run.clear();
        }
    }
    if (!run.isEmpty())
        pieces.append(run);
}

// A plain scan (memchr for the first byte, then compare) beats memmem's set-up on texts this short.
bool holds(QByteArrayView text, const QByteArray& piece)
{
    const std::string_view haystack(text.constData(), static_cast<size_t>(text.size()));
    return haystack.find(std::string_view(piece.constData(), static_cast<size_t>(piece.size()))) !=
           std::string_view::npos;
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
    const QByteArray folded = foldedText(text);
    return matches(text, folded, pairsOf(folded));
}

bool KeywordMatcher::matches(const QString& text, const QByteArray& folded, const PairSet& pairs) const
{
    return matchesWith(folded, pairs, [&text]() -> const QString& { return text; });
}

bool KeywordMatcher::matches(QByteArrayView utf8Text, QByteArrayView folded, const PairSet& pairs) const
{
    std::optional<QString> text;
    return matchesWith(folded, pairs, [&]() -> const QString& {
        if (!text)
            text = QString::fromUtf8(utf8Text);
        return *text;
    });
}

template <typename TextOf>
bool KeywordMatcher::matchesWith(QByteArrayView folded, const PairSet& pairs, TextOf textOf) const
{
    const auto found = [&](const Word& word) {
        for (size_t i = 0; i < pairs.size(); ++i) {
            if ((pairs[i] & word.pairs[i]) != word.pairs[i])
                return false;
        }
        const bool piecesIn =
            std::all_of(word.pieces.cbegin(), word.pieces.cend(),
                        [&folded](const QByteArray& piece) { return holds(folded, piece); });
        return piecesIn && (word.exact || word.pattern.match(textOf()).hasMatch());
    };
    for (const auto& words : m_alternatives) {
        if (std::all_of(words.cbegin(), words.cend(), found))
            return true;
    }
    return false;
}

QList<QByteArrayList> KeywordMatcher::alternativePieces() const
{
    QList<QByteArrayList> alternatives;
    for (const auto& words : m_alternatives) {
        QByteArrayList pieces;
        for (const Word& word : words)
            pieces += word.pieces;
        alternatives.append(pieces);
    }
    return alternatives;
}

QByteArray KeywordMatcher::foldedText(const QString& text)
{
    // ASCII text, nearly all of it, folds byte by byte.
    QByteArray folded(text.size(), Qt::Uninitialized);
    char* out = folded.data();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80)
            return text.toCaseFolded().toUtf8();
        *out++ = static_cast<char>(unit >= 'A' && unit <= 'Z' ? unit + ('a' - 'A') : unit);
    }
    return folded;
}

KeywordMatcher::PairSet KeywordMatcher::pairsOf(QByteArrayView folded)
{
    PairSet pairs{};
    for (qsizetype i = 1; i < folded.size(); ++i) {
        const auto hash =
            (static_cast<unsigned>(static_cast<uchar>(folded[i - 1])) * 31u + static_cast<uchar>(folded[i])) &
            255u;
        pairs[hash / 64] |= quint64(1) << (hash % 64);
    }
    return pairs;
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
        addPieces(made.pieces, literal);
        literal.clear();
    }
    pattern += QRegularExpression::escape(literal);
    addPieces(made.pieces, literal);
    for (const QByteArray& piece : made.pieces) {
        const PairSet pairs = pairsOf(piece);
        for (size_t i = 0; i < pairs.size(); ++i)
            made.pairs[i] |= pairs[i];
    }
    made.exact = made.pieces.size() == 1 && made.pieces.front().size() == word.size();
    made.pattern = QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::UseUnicodePropertiesOption);
    return made;
}
