#include "grid/foundation/FilterMatch.h"
#include "grid/foundation/TextUtils.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <map>

namespace {

const TCharSet SplitChars = {u'(', u';', u'^', u'&', u'|'};

// Reads the operand of a comparison from position P of T: an opening
// quote is skipped, and the operand ends at a blank (inside quotes too
// when BlankEnds), at the end, or at "&" or "|" outside quotes; a closing
// quote is dropped.
QString ReadOperand(QStringView T, qsizetype P, bool BlankEnds)
{
    bool quoted = false;
    if (P < T.size() && T[P] == u'"') {
        quoted = true;
        ++P;
    }
    QString operand;
    for (; P < T.size(); ++P) {
        const QChar c = T[P];
        if (c == u' ' && (BlankEnds || !quoted))
            break;
        if (!quoted && (c == u'&' || c == u'|'))
            break;
        if (c == u'"')
            quoted = !quoted;
        operand += c;
    }
    if (operand.endsWith(u'"'))
        operand.chop(1);
    return operand;
}

bool AsNumber(const QString& S, double& Value)
{
    int code = 0;
    Val(NormalizeNumberText(S), Value, code);
    return code == 0;
}

// Compares Value with Operand: the sign of Value - Operand.
int CompareValues(const QString& Value, const QString& Operand)
{
    TDateTime dv = 0, dop = 0;
    const bool valueDate = ParseDateTimeText(Value, dv);
    const bool operandDate = ParseDateTimeText(Operand, dop);
    double nv = 0, nop = 0;
    if (!valueDate && !operandDate && AsNumber(Value, nv) && AsNumber(Operand, nop))
        return nv < nop ? -1 : (nv > nop ? 1 : 0);
    if (valueDate && operandDate)
        return dv < dop ? -1 : (dv > dop ? 1 : 0);
    const int c = QStringView(Value).left(255).compare(QStringView(Operand).left(255), Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// One comparison: ">" (Greater) or "<", or-equal after a directly
// following "=".
bool Compare(QStringView T, QChar Op, const QString& Value)
{
    qsizetype p = T.indexOf(Op) + 1;
    bool orEqual = false;
    if (p < T.size() && T[p] == u'=') {
        orEqual = true;
        ++p;
    }
    while (p < T.size() && T[p] == u' ')
        ++p;
    const QString operand = ReadOperand(T, p, Op == u'<');
    const int c = CompareValues(Value, operand);
    if (Op == u'>')
        return c > 0 || (orEqual && c == 0);
    return c < 0 || (orEqual && c == 0);
}

// A term matched against a value, both as suffixes of the texts given to
// the top-level call. A "*" tries the rest of the term against every tail
// of the value; the answers for each (term suffix, value tail) are kept,
// so several stars over a long value stay quadratic at worst.
class TTermMatcher {
public:
    TTermMatcher(const QString& Term, const QString& Value) : FT(Term), FV(Value) {}

    bool Match(qsizetype I, qsizetype J)
    {
        const QStringView t = QStringView(FT).mid(I);
        const bool hasGt = t.contains(u'>');
        const bool hasLt = t.contains(u'<');
        bool greater = true, less = true;
        bool greaterPart = hasGt, lessPart = hasLt;
        if (hasGt || hasLt) {
            const QString v = FV.mid(J);
            if (hasGt)
                greater = Compare(t, u'>', v);
            if (hasLt)
                less = Compare(t, u'<', v);
        }
        if (t.contains(u'!')) {
            greaterPart = true;
            lessPart = true;
        }
        if (t.contains(u'^') && (greaterPart || lessPart))
            return greater || less;
        if (t.contains(u'&') && greaterPart && lessPart)
            return greater && less;
        if ((hasGt && greater) || (hasLt && less))
            return true;
        return Wildcard(I, J);
    }

private:
    bool Wildcard(qsizetype I, qsizetype J)
    {
        bool negate = false;
        bool result = false;
        while (true) {
            if (I == FT.size()) {
                result = J == FV.size();
                break;
            }
            const QChar t = FT[I];
            if (t == u'!') {
                negate = true;
                ++I;
                continue;
            }
            if (t == u'"') {
                ++I;
                continue;
            }
            if (t == u'*') {
                while (I < FT.size() && FT[I] == u'*')
                    ++I;
                result = AnyTail(I, J);
                break;
            }
            if (J == FV.size() || (t != u'?' && t != FV[J])) {
                result = false;
                break;
            }
            ++I;
            ++J;
        }
        return negate ? !result : result;
    }

    // Whether the term from I matches some tail of the value from J on.
    bool AnyTail(qsizetype I, qsizetype J)
    {
        TTails& tails = FTails[I];
        if (tails.Any.empty()) {
            tails.Any.assign(size_t(FV.size() + 2), false);
            tails.From = FV.size() + 1;
        }
        // Filled from the empty tail down to J; each entry ORs in the next.
        while (tails.From > J) {
            const qsizetype k = tails.From - 1;
            tails.Any[size_t(k)] = tails.Any[size_t(k + 1)] || Match(I, k);
            tails.From = k;
        }
        return tails.Any[size_t(J)];
    }

    struct TTails {
        std::vector<bool> Any;
        qsizetype From = 0;
    };
    const QString& FT;
    const QString& FV;
    // A map: references to its entries survive the insertions of deeper calls.
    std::map<qsizetype, TTails> FTails;
};

} // namespace

QString RemoveUnquotedBlanks(const QString& S)
{
    QString r;
    r.reserve(S.size());
    bool quoted = false;
    for (QChar c : S) {
        if (c == u'"')
            quoted = !quoted;
        if (c == u' ' && !quoted)
            continue;
        r += c;
    }
    return r;
}

QChar FindUnquotedChar(const TCharSet& Chars, const QString& S, int& Pos)
{
    bool quoted = false;
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S[i];
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && std::find(Chars.begin(), Chars.end(), c) != Chars.end()) {
            Pos = int(i) + 1;
            return c;
        }
    }
    Pos = -1;
    return QChar(0);
}

int FindClosingParen(const QString& S)
{
    int open = 0, close = 0;
    for (qsizetype i = 0; i < S.size(); ++i) {
        if (S[i] == u'(')
            ++open;
        else if (S[i] == u')') {
            ++close;
            if (open == close)
                return int(i) + 1;
        }
    }
    return 0;
}

bool MatchConditionTerm(const QString& Term, const QString& Value)
{
    TTermMatcher matcher(Term, Value);
    return matcher.Match(0, 0);
}

bool MatchTermWithCase(const QString& Term, const QString& Value, bool CaseSensitive)
{
    if (CaseSensitive)
        return MatchConditionTerm(Term, Value);
    return MatchConditionTerm(AnsiUpperCase(Term), AnsiUpperCase(Value));
}

namespace {

void Combine(bool& Result, QChar Op, bool R)
{
    if (Op.isNull())
        Result = R;
    else if (Op == u'&')
        Result = Result && R;
    else if (Op == u';' || Op == u'^' || Op == u'|')
        Result = Result || R;
    // After "(" the empty term that follows a group is discarded.
}

} // namespace

bool MatchFilterCondition(const QString& Condition, const QString& Value, bool CaseSensitive)
{
    QString cond = RemoveUnquotedBlanks(Trim(Condition));
    if (cond.startsWith(u'='))
        cond.remove(0, 1);
    bool result = true;
    QChar op;
    int p = 0;
    while (true) {
        const QChar c = FindUnquotedChar(SplitChars, cond, p);
        if (p < 0)
            break;
        bool r = false;
        if (cond.startsWith(u'(')) {
            // An unbalanced group runs to the end of the condition.
            int q = FindClosingParen(cond);
            if (q == 0)
                q = int(cond.size()) + 1;
            r = MatchFilterCondition(cond.mid(1, q - 2), Value, CaseSensitive);
            cond.remove(0, q);
        } else {
            r = MatchTermWithCase(cond.left(p - 1), Value, CaseSensitive);
            cond.remove(0, p);
        }
        Combine(result, op, r);
        op = c;
    }
    const bool r = MatchTermWithCase(cond, Value, CaseSensitive);
    if (op.isNull())
        return r;
    Combine(result, op, r);
    return result;
}

// A condition read once

struct TFilterCondition::TPart {
    enum TKind { Exact, Contains, General, Group };
    // The operator before the part; #0 for the first.
    QChar Op;
    TKind Kind = General;
    // The term as MatchConditionTerm takes it; for Exact and Contains the
    // text to find, quotes and stars taken off.
    QString Term;
    std::unique_ptr<TFilterCondition> Sub;
};

namespace {

// How a term can be matched without the general matcher: one that has no
// comparison, negation, "?" or operator is a literal with quotes ignored,
// and "*text*" (more stars allowed at the ends) asks whether the value
// contains text.
void ClassifyTerm(const QString& Term, int& Kind, QString& Text)
{
    Kind = 2;
    Text = Term;
    for (QChar c : Term)
        if (c == u'>' || c == u'<' || c == u'!' || c == u'^' || c == u'&' || c == u'?')
            return;
    QString s = Term;
    s.remove(u'"');
    if (!s.contains(u'*')) {
        Kind = 0;
        Text = s;
        return;
    }
    qsizetype from = 0, to = s.size();
    while (from < to && s[from] == u'*')
        ++from;
    while (to > from && s[to - 1] == u'*')
        --to;
    if (from == 0 || to == s.size())
        return;
    const QString inner = s.mid(from, to - from);
    if (inner.contains(u'*'))
        return;
    Kind = 1;
    Text = inner;
}

} // namespace

TFilterCondition::TFilterCondition(const QString& Condition, bool CaseSensitive) : FCaseSensitive(CaseSensitive)
{
    // The same reading as MatchFilterCondition, kept as parts.
    QString cond = RemoveUnquotedBlanks(Trim(Condition));
    if (cond.startsWith(u'='))
        cond.remove(0, 1);
    const auto term = [this](const QString& Text, QChar Op) {
        TPart part;
        part.Op = Op;
        const QString t = FCaseSensitive ? Text : AnsiUpperCase(Text);
        int kind = 2;
        ClassifyTerm(t, kind, part.Term);
        part.Kind = TPart::TKind(kind);
        return part;
    };
    QChar op;
    int p = 0;
    while (true) {
        const QChar c = FindUnquotedChar(SplitChars, cond, p);
        if (p < 0)
            break;
        if (cond.startsWith(u'(')) {
            int q = FindClosingParen(cond);
            if (q == 0)
                q = int(cond.size()) + 1;
            TPart part;
            part.Op = op;
            part.Kind = TPart::Group;
            part.Sub = std::make_unique<TFilterCondition>(cond.mid(1, q - 2), CaseSensitive);
            FParts.push_back(std::move(part));
            cond.remove(0, q);
        } else {
            FParts.push_back(term(cond.left(p - 1), op));
            cond.remove(0, p);
        }
        op = c;
    }
    FParts.push_back(term(cond, op));
}

TFilterCondition::~TFilterCondition() = default;

bool TFilterCondition::Match(const QString& Value) const
{
    return MatchPrepared(FCaseSensitive ? Value : AnsiUpperCase(Value));
}

bool TFilterCondition::MatchPrepared(const QString& Value) const
{
    bool result = true;
    for (std::size_t i = 0; i < FParts.size(); ++i) {
        const TPart& part = FParts[i];
        bool r = false;
        switch (part.Kind) {
        case TPart::Exact:
            r = part.Term == Value;
            break;
        case TPart::Contains:
            r = Value.contains(part.Term);
            break;
        case TPart::General:
            r = MatchConditionTerm(part.Term, Value);
            break;
        case TPart::Group:
            r = part.Sub->MatchPrepared(Value);
            break;
        }
        // The last part alone (no operator anywhere) is the answer.
        if (i + 1 == FParts.size() && part.Op.isNull() && i == 0)
            return r;
        Combine(result, part.Op, r);
    }
    return result;
}
