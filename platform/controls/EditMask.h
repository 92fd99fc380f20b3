#pragma once
// The framework's edit-mask language, independent of any widget.
//
// A mask is "pattern;save;blank". Pattern characters: "0" digit required,
// "9" digit optional, "#" digit or sign optional, "L"/"l" letter
// required/optional, "A"/"a" letter or digit required/optional, "C"/"c" any
// character required/optional, ">" upper-cases and "<" lower-cases what
// follows ("<>" ends either), "\" takes the next character as a literal,
// ":" and "/" are the time and date separators, "_" a literal blank, "!"
// is accepted and has no effect here; any other character is a literal. "save" is "1"
// (Text keeps the literals, the default) or "0"; "blank" is the character
// shown in empty positions ("_" by default).
#include <QString>
#include <vector>

class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(const QString& Mask) { SetMask(Mask); }

    void SetMask(const QString& Mask);
    const QString& Mask() const { return FMask; }
    bool Empty() const { return FPositions.empty(); }
    // Positions of the edit text.
    int Length() const { return int(FPositions.size()); }
    bool IsLiteral(int Pos) const;
    QChar Blank() const { return FBlank; }
    bool SaveLiterals() const { return FSaveLiterals; }

    // The character stored when Ch is typed at input position Pos (case
    // rules applied); a null QChar when the mask refuses it.
    QChar Accept(int Pos, QChar Ch) const;
    // The first input position at or after Pos; Length() when none.
    int NextInput(int Pos) const;
    // The last input position before Pos; -1 when none.
    int PrevInput(int Pos) const;

    // The edit text with every input position blank.
    QString EmptyEditText() const;
    // Fills the edit text from a Text value (literals included or not,
    // as SaveLiterals says); characters the mask refuses stay blank.
    QString EditTextFromText(const QString& Text) const;
    // The Text value of an edit text: blanks become spaces; literals are
    // kept only with SaveLiterals.
    QString TextFromEditText(const QString& EditText) const;
    // The Text value of what an edit shows; text of another length (pasted
    // or cut) goes through the mask again first.
    QString TextFromEdited(const QString& Shown) const;
    // True when every required position holds a character.
    bool IsComplete(const QString& EditText) const;

    // Editing an edit text at the caret Pos. False when the mask refuses the
    // character (nothing changes); otherwise the text is updated and Pos
    // stands after the character.
    bool Type(QString& EditText, int& Pos, QChar Ch) const;
    // Blanks the input positions in [From, To).
    void Clear(QString& EditText, int From, int To) const;
    // Backspace (Back) or Delete with the selection [SelStart, SelStart +
    // SelLength): blanks the selection, else the input position before the
    // caret (Back) or the one at or after it. Returns the new caret.
    int Delete(QString& EditText, int SelStart, int SelLength, bool Back) const;

private:
    enum TKind { Literal, Digit, DigitOrSign, Letter, AlphaNum, Any };
    enum TCase { None, Upper, Lower };
    struct TPosition {
        TKind Kind = Literal;
        bool Required = false;
        TCase Case = None;
        QChar Char;
    };
    QString FMask;
    std::vector<TPosition> FPositions;
    QChar FBlank = u'_';
    bool FSaveLiterals = true;
};
