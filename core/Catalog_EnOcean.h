#pragma once
// The EEP catalogue: the EnOcean Equipment Profiles read from "eep.xml",
// as a tree RORG -> FUNC -> TYPE -> case -> data field.
//
// Every level owns its children in a list of objects and keeps, in the same
// order and with the same count, a string list of display texts for choice
// lists. The catalogue is filled once by Read_Cat_EnOcean_XML and read-only
// afterwards.
#include "platform/rtl/Object.h"
#include <QString>
#include <vector>

class TStringList;
class TXMLNode;
class TRorg;
class TFunc;
class TType;
class TCase;
class TDataField;

class TCatalog_EnOcean : public TObject {
public:
    TCatalog_EnOcean();
    ~TCatalog_EnOcean() override;

    std::vector<TRorg*> List_Rorg;   // owned
    TStringList* Rorg_SL;            // "0xF6 : title", one per RORG

    // Loads FileName into the catalogue (appending to what it holds).
    // False when the file is missing or cannot be parsed, or when the last
    // RORG read failed; the RORGs read before a failure stay. A file whose
    // root element is not "profile" loads nothing and gives true.
    bool Read_Cat_EnOcean_XML(const QString& FileName);

    // Look-ups; numbers compare with the stored ones, a case is given by its
    // 0-based index in its type's List_Case.
    // Note: the index look-ups search only below the first RORG (and first
    // FUNC) with the asked number; Get_CaseObj and the name look-ups go on
    // to later entries with the same numbers until one matches.

    // Index in List_Rorg, -1 when none.
    int Get_RorgNum_Index(int RorgNum) const;
    // Index in the RORG's List_Func, -1 when none.
    int Get_FuncNum_Index(int RorgNum, int FuncNum) const;
    // Index in the FUNC's List_Type, -1 when none.
    int Get_TypeNum_Index(int RorgNum, int FuncNum, int TypeNum) const;
    // Index in the case's List_DataField of the first field named Data
    // (case-sensitive); -1 when none or CaseNum is out of range.
    int Get_DataField_Index(int RorgNum, int FuncNum, int TypeNum, int CaseNum,
                            const QString& Data) const;
    // The case, or nullptr.
    TCase* Get_CaseObj(int RorgNum, int FuncNum, int TypeNum, int CaseNum) const;

    // "0x" + the number in at least two upper-case hex digits + " : " + title;
    // "" when the entry does not exist.
    QString Get_Rorg_Name_Str(int RorgNum) const;
    QString Get_Func_Name_Str(int RorgNum, int FuncNum) const;
    QString Get_Type_Name_Str(int RorgNum, int FuncNum, int TypeNum) const;
    // CaseNum + 1 + " -> " + title; "" when absent or out of range.
    QString Get_Case_Name_Str(int RorgNum, int FuncNum, int TypeNum, int CaseNum) const;
};

class TRorg : public TObject {
public:
    TRorg();
    ~TRorg() override;

    int Number() const { return FNumber; }
    const QString& Title() const { return FTitle; }

    std::vector<TFunc*> List_Func;   // owned
    TStringList* Func_SL;            // "0x02 : title", one per FUNC

    // Reads the element; false when the last FUNC read failed or on an error.
    bool Read_Rorg_XML(TXMLNode* Rorg);

private:
    int FNumber = 0;
    QString FTitle;
};

class TFunc : public TObject {
public:
    TFunc();
    ~TFunc() override;

    int Number() const { return FNumber; }
    const QString& Title() const { return FTitle; }

    std::vector<TType*> List_Type;   // owned
    TStringList* Type_SL;            // "0x01 : title", one per TYPE

    // False when the last TYPE read failed or on an error.
    bool Read_Func_XML(TXMLNode* Func, int Rorg);

private:
    int FNumber = 0;
    QString FTitle;
};

class TType : public TObject {
public:
    TType();
    ~TType() override;

    int Number() const { return FNumber; }
    const QString& Title() const { return FTitle; }

    std::vector<TCase*> List_Case;   // owned
    TStringList* Case_SL;            // "1 -> title": 1-based position, one per case

    // False when the last case read failed or on an error.
    // Note: the parent keeps a TYPE whatever this returns.
    bool Read_Type_XML(TXMLNode* Type_, int Rorg, int Func);

private:
    int FNumber = 0;
    QString FTitle;
};

// One way of reading a profile's telegram. For RORG 0xF6 CaseId is built
// from the status byte's bits; for RORG 0xD2 the case is told by the data
// field at CaseIdOffset/CaseIdSize holding CaseId. Otherwise all three are 0.
class TCase : public TObject {
public:
    TCase();
    ~TCase() override;

    const QString& Title() const { return FTitle; }
    int CaseIdSize() const { return FCaseIdSize; }
    int CaseIdOffset() const { return FCaseIdOffset; }
    int CaseId() const { return FCaseId; }

    std::vector<TDataField*> List_DataField;   // owned; reserved fields left out
    TStringList* DataField_SL;                 // "data : bit offset, bit size"

    // False only after an error in the case's own elements.
    bool Read_Case_XML(TXMLNode* Case_, int Rorg, int Func, int Type_);

private:
    void Read_Condition(TXMLNode* Condition, int Rorg);

    QString FTitle;
    int FCaseIdSize = 0;
    int FCaseIdOffset = 0;
    int FCaseId = 0;
    // Status field numbers, held from one status field to the next.
    quint8 FStatusValue = 0;
    quint8 FStatusBitOffs = 0;
    quint8 FStatusBitSize = 0;
};

class TDataField : public TObject {
public:
    TDataField() = default;
    ~TDataField() override;

    // The field's name, the key by which variables refer to it.
    const QString& Data() const { return FData; }
    const QString& Shortcut() const { return FShortcut; }
    const QString& Description() const { return FDescription; }
    const QString& Info() const { return FInfo; }
    // Position and width in the telegram's data, in bits from the most
    // significant bit of the first data byte.
    int BitOffs() const { return FBitOffs; }
    int BitSize() const { return FBitSize; }

    // False when the field is reserved (it is then not kept) or on an error.
    bool Read_DataField_XML(TXMLNode* DataField);

private:
    QString FData;
    QString FShortcut;
    QString FDescription;
    QString FInfo;
    int FBitOffs = 0;
    int FBitSize = 0;
};
