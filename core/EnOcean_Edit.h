#pragma once
// The EnOcean editor's logic without its windows: the device identifier
// check, the EEP tree and detail texts, the catalogue choice of the
// variable dialog with its OK check, and the changes the editor makes to
// the device model. The windows mirror these in their controls.
#include "core/Device_EnOcean.h"
#include <QString>
#include <QStringList>

class TCatalog_EnOcean;
class TStringList;
class TRorg;
class TFunc;
class TType;
class TCase;
class TDataField;

// Device dialog

// True when Text is a device identifier the image can hold: 0 to
// 4294967295 in the shared conversion's text forms (decimal, or hex after
// "$", "x", "0x"; leading blanks and a sign allowed, nothing after).
bool Check_Device_ID(const QString& Text);

// Editor tree and detail table

// "Unidirectional - EEP List" (Uni_SAck 0) or "Smart ACK - EEP List".
QString EEP_Root_Text(int Uni_SAck);
// "EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x05".
QString EEP_Node_Text(const TRorFunTyp& EEP);
// "Variable - " + the data field name.
QString Variable_Node_Text(const TVarEnOcean& Var);
// The value column of the detail table, rows 0 to 8: RORG, FUNC and TYPE
// display texts in rows 1 to 3; for a variable its case text, data field,
// position and bit start in rows 5 to 8. Rows without a value are "";
// all are "" without an EEP. Var may be null (an EEP node).
QStringList EEP_Var_Details(const TCatalog_EnOcean* Catalog, const TRorFunTyp* EEP,
                            const TVarEnOcean* Var);

// Variable dialog

// The five catalogue lists of the variable dialog (RORG, FUNC, TYPE, case,
// data field) with their selections, the position text and the bit start.
// A list's entries follow the choice above it: choosing an entry refills
// the list below with nothing selected, empties the lists further down and
// resets the position and bit start, as the dialog does on a user's choice.
class TEEP_Cascade {
public:
    explicit TEEP_Cascade(const TCatalog_EnOcean* Catalog);

    // Display lists; null while the list above has no choice.
    const TStringList* Rorg_Items() const;
    const TStringList* Func_Items() const;
    const TStringList* Type_Items() const;
    const TStringList* Case_Items() const;
    const TStringList* Variable_Items() const;

    // Selected positions, -1 for none.
    int Rorg_Index() const { return FRorg; }
    int Func_Index() const { return FFunc; }
    int Type_Index() const { return FType; }
    int Case_Index() const { return FCase; }
    int Variable_Index() const { return FVar; }

    // A position outside the list selects nothing.
    void Choose_Rorg(int Index);
    void Choose_Func(int Index);
    void Choose_Type(int Index);
    void Choose_Case(int Index);
    void Choose_Variable(int Index);

    QString Position;     // the position text as typed
    int Bit_Start = 0;    // 0..7

    // Selects EEP's profile (and, with Var, its case, data field, position
    // and bit start) through the cascade. A number the catalogue lacks
    // leaves its list and those below without a selection.
    void Preset(const TRorFunTyp& EEP, const TVarEnOcean* Var = nullptr);
    // The same for a Smart ACK EEP, whose RORG and FUNC can only be those
    // at catalogue positions 3 and 9: they are chosen whatever EEP holds,
    // and the TYPE (and Var) are preset only when EEP's RORG and FUNC are
    // those.
    void Preset_SAck(const TRorFunTyp& EEP, const TVarEnOcean* Var = nullptr);
    // Clears the case and data field choice and the position; bit start 0.
    void Clear_Variable_Part();

    // The catalogue entries chosen; null when none.
    const TRorg* Rorg() const;
    const TFunc* Func() const;
    const TType* Type() const;
    const TCase* Case() const;
    const TDataField* Data_Field() const;

private:
    void Preset_Variable(const TRorFunTyp& EEP, const TVarEnOcean& Var);

    const TCatalog_EnOcean* FCatalog;
    int FRorg = -1, FFunc = -1, FType = -1, FCase = -1, FVar = -1;
};

// Catalogue positions of the only RORG and FUNC of Smart ACK EEPs.
constexpr int SAck_Rorg_Index = 3;
constexpr int SAck_Func_Index = 9;

// What the variable dialog was opened for.
struct TVariable_Edit {
    int Uni_SAck = 0;          // 0 the unidirectional list, otherwise Smart ACK
    int Mode = 0;              // 0 add, 1 modify
    int Modify_EEP_Var = 0;    // in modify mode: 0 the EEP's profile, 1 a variable
    int Ind_EEP = -1;          // the EEP (modify mode) in the list meant
    int Ind_Var = -1;          // the variable (modify a variable)
};

// The position text as the editor takes it: a decimal integer, 0 when the
// text is not one.
int Position_Value(const QString& Text);

// The OK check of the variable dialog. Sets EEP_Index to the position of
// Dev's EEP whose profile is the chosen one (-1 when it is a new EEP) and
// returns "" when the choice may be taken, else the message to show:
// an incomplete choice (only RORG, FUNC and TYPE when an EEP is modified),
// a position that is not an integer of 0 or more, a fifth EEP (text 1126)
// or a variable its EEP already holds (text 1127). The entry being modified
// is left out of the count and duplicate checks.
QString Check_Variable_Choice(const TDevice_EnOcean& Dev, const TEEP_Cascade& Choice,
                              const TVariable_Edit& Edit, int& EEP_Index);

// Editor changes after the dialog's OK

// Case, data field (name, bit offset and size), position and bit start
// from the choice.
void Set_Variable(TVarEnOcean& Var, const TEEP_Cascade& Choice);
// Appends a variable from the choice to the EEP at EEP_Index of the list
// meant, first appending a new EEP of the chosen profile when EEP_Index is
// -1. Returns the EEP's position.
int Add_Variable(TDevice_EnOcean& Dev, int Uni_SAck, int EEP_Index, const TEEP_Cascade& Choice);
// Gives the EEP the chosen profile; its variables are destroyed first when
// Clear_Variables is set.
void Modify_EEP(TRorFunTyp& EEP, const TEEP_Cascade& Choice, bool Clear_Variables);
// Destroy an entry with what it owns and take it out of its list.
void Remove_EEP(TDevice_EnOcean& Dev, int Uni_SAck, int Index);
void Remove_Variable(TRorFunTyp& EEP, int Index);
