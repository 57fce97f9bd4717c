#pragma once

#include <array>

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QList>
#include <QRegularExpression>
#include <QString>

// Matches a keyword list against an entry's text, ignoring case. The list is a comma-separated
// set of alternatives; an alternative matches when each of its blank-separated words occurs in
// the text. Three characters inside a word stand for a position rather than a letter, so the
// genre lists can tell "ska" the style from "ska" inside "Alaska":
//   "^"  a word boundary: a letter or digit on one side of it and none on the other;
//   "$"  the end of a word or of the text: no letter or digit follows;
//   "`"  the start of a word: no letter or digit precedes.
// Every other character matches itself. Empty alternatives and words made only of markers are
// ignored; a list without any word matches nothing.
class KeywordMatcher
{
public:
    // Which byte pairs occur in a folded text, hashed into 256 bits: a word with a pair that
    // the text lacks cannot be in it, and this test costs a few instructions.
    using PairSet = std::array<quint64, 4>;

    explicit KeywordMatcher(const QString& keywordList);

    bool isEmpty() const { return m_alternatives.isEmpty(); }
    bool matches(const QString& text) const;
    // The same, with the text's case-folded form in UTF-8 at hand (see foldedText): a word
    // whose ASCII runs are not all in it cannot match, and a word of ASCII characters without
    // markers matches exactly when it is in it, so most texts never meet a regular expression.
    bool matches(const QString& text, const QByteArray& folded, const PairSet& pairs) const;
    // The same with the text in UTF-8, decoded only when a word needs its expression.
    bool matches(QByteArrayView utf8Text, QByteArrayView folded, const PairSet& pairs) const;

    // For each alternative, the case-folded ASCII runs its words' texts must all hold to match.
    QList<QByteArrayList> alternativePieces() const;

    static QByteArray foldedText(const QString& text);
    static PairSet pairsOf(QByteArrayView folded);

private:
    struct Word
    {
        QRegularExpression pattern;
        QByteArrayList pieces; // the word's runs of ASCII characters, case-folded
        PairSet pairs{};       // the byte pairs of the pieces
        bool exact = false;    // ASCII only and no markers: the pieces decide alone
    };

    static Word wordFor(const QString& word);
    template <typename TextOf>
    bool matchesWith(QByteArrayView folded, const PairSet& pairs, TextOf textOf) const;

    QList<QList<Word>> m_alternatives;
};
