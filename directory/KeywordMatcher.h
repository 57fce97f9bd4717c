#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

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
    explicit KeywordMatcher(const QString& keywordList);

    bool isEmpty() const { return m_alternatives.isEmpty(); }
    bool matches(const QString& text) const;
    // The same, with the text's case-folded form at hand: a word whose ASCII letters are not
    // in it cannot match, which spares most texts the regular expression.
    bool matches(const QString& text, const QString& folded) const;

private:
    struct Word
    {
        QRegularExpression pattern;
        QStringList pieces; // the word's ASCII runs between markers, case-folded
    };

    static Word wordFor(const QString& word);

    QList<QList<Word>> m_alternatives;
};
