#pragma once
// Filter conditions: terms with comparisons (">", ">=", "<", "<="),
// wildcards ("*", "?") and negation ("!"), joined by "&" (and), "|", ";"
// or "^" (or) strictly from left to right, with groups in parentheses and
// double quotes around text that holds blanks or operators.
#include <QChar>
#include <QString>
#include <memory>
#include <vector>

using TCharSet = std::vector<QChar>;

// True when Value satisfies Condition. Unless CaseSensitive both are
// upper-cased first. An empty condition matches only an empty value.
bool MatchFilterCondition(const QString& Condition, const QString& Value, bool CaseSensitive);

// A condition read once and matched against many values: Match answers as
// MatchFilterCondition does, without reading the condition again. Plain
// terms and "*text*" terms are compared directly.
class TFilterCondition {
public:
    TFilterCondition(const QString& Condition, bool CaseSensitive);
    ~TFilterCondition();
    TFilterCondition(const TFilterCondition&) = delete;
    TFilterCondition& operator=(const TFilterCondition&) = delete;

    bool Match(const QString& Value) const;

private:
    struct TPart;
    // Value upper-cased already unless case-sensitive.
    bool MatchPrepared(const QString& Value) const;

    bool FCaseSensitive;
    std::vector<TPart> FParts;
};
bool MatchTermWithCase(const QString& Term, const QString& Value, bool CaseSensitive);
// One term against Value, texts as given. Comparisons are numeric when
// both sides are numbers, by date when both are dates in the locale
// format, else by text; a term whose comparison fails, or that has none,
// is matched as a pattern.
bool MatchConditionTerm(const QString& Term, const QString& Value);

// Every blank dropped unless an odd number of double quotes precedes it.
QString RemoveUnquotedBlanks(const QString& S);
// The first character of S in Chars outside double quotes and its
// position; #0 and Pos = -1 when there is none.
QChar FindUnquotedChar(const TCharSet& Chars, const QString& S, int& Pos);
// The first ")" that balances the parentheses before it; 0 when none.
int FindClosingParen(const QString& S);
