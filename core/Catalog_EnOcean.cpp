#include "core/Catalog_EnOcean.h"

#include "core/Globals.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

const int Rorg_RPS = 0xF6;
const int Rorg_VLD = 0xD2;

// A level walks the children of its element once, in document order.
template <typename Fn>
void ForEachChild(TXMLNode* Parent, const QString& Name, Fn fn)
{
    TXMLNodeList* Children = Parent->ChildNodes();
    const int Count = Children->Count();
    for (int i = 0; i < Count; ++i) {
        TXMLNode* Child = Children->Nodes(i);
        if (Child->NodeName() == Name)
            fn(Child);
    }
}

// The first child element of each name, found in one pass over the
// children; nullptr where there is none. The leaf elements are the bulk of
// a catalogue, so they are not searched once per name.
template <size_t N>
void FindChildren(TXMLNode* Parent, const QLatin1String (&Names)[N], TXMLNode* (&Found)[N])
{
    std::fill(std::begin(Found), std::end(Found), nullptr);
    TXMLNodeList* Children = Parent->ChildNodes();
    const int Count = Children->Count();
    for (int i = 0; i < Count; ++i) {
        TXMLNode* Child = Children->Nodes(i);
        const QString Name = Child->NodeName();
        for (size_t k = 0; k < N; ++k)
            if (!Found[k] && Name == Names[k]) {
                Found[k] = Child;
                break;
            }
    }
}

// The element's text; Current when there is no element. Raises when the
// element holds child elements instead of text.
QString TextOf(TXMLNode* Child, const QString& Current)
{
    return Child ? Child->Text() : Current;
}

// As TextOf, but an element that holds child elements reads as "".
QString PlainTextOf(TXMLNode* Child, const QString& Current)
{
    if (!Child)
        return Current;
    return Child->IsTextElement() ? Child->Text() : QString();
}

int NumberOf(TXMLNode* Child, int Current)
{
    return Child ? Str_To_Int_Def(Child->Text(), 0) : Current;
}

// "number" and "title" of a RORG, FUNC or TYPE element.
void ReadNumberTitle(TXMLNode* Node, int& Number, QString& Title)
{
    static const QLatin1String Names[] = {QLatin1String("number"), QLatin1String("title")};
    TXMLNode* Child[2];
    FindChildren(Node, Names, Child);
    Number = NumberOf(Child[0], Number);
    Title = TextOf(Child[1], Title);
}

const QLatin1String kNumberNames[] = {QLatin1String("value"), QLatin1String("bitoffs"),
                                      QLatin1String("bitsize")};

QString HexName(int Number, const QString& Title)
{
    return QStringLiteral("0x") + IntToHex(qint64(quint32(Number)), 2)
         + QStringLiteral(" : ") + Title;
}

QString CaseName(int Position, const QString& Title)
{
    return QString::number(Position) + QStringLiteral(" -> ") + Title;
}

template <typename T>
void FreeChildren(std::vector<T*>& List)
{
    while (!List.empty()) {
        delete List.back();
        List.pop_back();
    }
}

bool CaseInRange(const TType* Type, int CaseNum)
{
    return CaseNum >= 0 && CaseNum < int(Type->List_Case.size());
}

} // namespace

// Catalogue

TCatalog_EnOcean::TCatalog_EnOcean()
    : Rorg_SL(new TStringList)
{
}

TCatalog_EnOcean::~TCatalog_EnOcean()
{
    FreeChildren(List_Rorg);
    delete Rorg_SL;
}

bool TCatalog_EnOcean::Read_Cat_EnOcean_XML(const QString& FileName)
{
    if (!FileExists(FileName))
        return false;
    try {
        TXMLDocument Doc;
        Doc.LoadFromFile(FileName);
        TXMLNode* Profile = Doc.ChildNodes()->FindNode(QStringLiteral("profile"));
        if (!Profile)
            return true;
        bool Result = true;
        ForEachChild(Profile, QStringLiteral("rorg"), [&](TXMLNode* Node) {
            auto Rorg = std::make_unique<TRorg>();
            Result = Rorg->Read_Rorg_XML(Node);
            if (!Result)
                return;
            Rorg_SL->Add(HexName(Rorg->Number(), Rorg->Title()));
            List_Rorg.push_back(Rorg.release());
        });
        return Result;
    } catch (const std::exception&) {
        return false;
    }
}

// Look-ups

int TCatalog_EnOcean::Get_RorgNum_Index(int RorgNum) const
{
    for (size_t i = 0; i < List_Rorg.size(); ++i)
        if (List_Rorg[i]->Number() == RorgNum)
            return int(i);
    return -1;
}

int TCatalog_EnOcean::Get_FuncNum_Index(int RorgNum, int FuncNum) const
{
    const int r = Get_RorgNum_Index(RorgNum);
    if (r < 0)
        return -1;
    const auto& Funcs = List_Rorg[r]->List_Func;
    for (size_t i = 0; i < Funcs.size(); ++i)
        if (Funcs[i]->Number() == FuncNum)
            return int(i);
    return -1;
}

int TCatalog_EnOcean::Get_TypeNum_Index(int RorgNum, int FuncNum, int TypeNum) const
{
    const int f = Get_FuncNum_Index(RorgNum, FuncNum);
    if (f < 0)
        return -1;
    const auto& Types = List_Rorg[Get_RorgNum_Index(RorgNum)]->List_Func[f]->List_Type;
    for (size_t i = 0; i < Types.size(); ++i)
        if (Types[i]->Number() == TypeNum)
            return int(i);
    return -1;
}

int TCatalog_EnOcean::Get_DataField_Index(int RorgNum, int FuncNum, int TypeNum,
                                          int CaseNum, const QString& Data) const
{
    const int f = Get_FuncNum_Index(RorgNum, FuncNum);
    if (f < 0)
        return -1;
    const TFunc* Func = List_Rorg[Get_RorgNum_Index(RorgNum)]->List_Func[f];
    for (const TType* Type : Func->List_Type) {
        if (Type->Number() != TypeNum || !CaseInRange(Type, CaseNum))
            continue;
        const auto& Fields = Type->List_Case[CaseNum]->List_DataField;
        for (size_t i = 0; i < Fields.size(); ++i)
            if (Fields[i]->Data() == Data)
                return int(i);
        return -1;
    }
    return -1;
}

TCase* TCatalog_EnOcean::Get_CaseObj(int RorgNum, int FuncNum, int TypeNum, int CaseNum) const
{
    for (const TRorg* Rorg : List_Rorg) {
        if (Rorg->Number() != RorgNum)
            continue;
        for (const TFunc* Func : Rorg->List_Func) {
            if (Func->Number() != FuncNum)
                continue;
            for (const TType* Type : Func->List_Type)
                if (Type->Number() == TypeNum && CaseInRange(Type, CaseNum))
                    return Type->List_Case[CaseNum];
        }
    }
    return nullptr;
}

QString TCatalog_EnOcean::Get_Rorg_Name_Str(int RorgNum) const
{
    for (const TRorg* Rorg : List_Rorg)
        if (Rorg->Number() == RorgNum)
            return HexName(RorgNum, Rorg->Title());
    return QString();
}

QString TCatalog_EnOcean::Get_Func_Name_Str(int RorgNum, int FuncNum) const
{
    for (const TRorg* Rorg : List_Rorg) {
        if (Rorg->Number() != RorgNum)
            continue;
        for (const TFunc* Func : Rorg->List_Func)
            if (Func->Number() == FuncNum)
                return HexName(FuncNum, Func->Title());
    }
    return QString();
}

QString TCatalog_EnOcean::Get_Type_Name_Str(int RorgNum, int FuncNum, int TypeNum) const
{
    for (const TRorg* Rorg : List_Rorg) {
        if (Rorg->Number() != RorgNum)
            continue;
        for (const TFunc* Func : Rorg->List_Func) {
            if (Func->Number() != FuncNum)
                continue;
            for (const TType* Type : Func->List_Type)
                if (Type->Number() == TypeNum)
                    return HexName(TypeNum, Type->Title());
        }
    }
    return QString();
}

QString TCatalog_EnOcean::Get_Case_Name_Str(int RorgNum, int FuncNum, int TypeNum,
                                            int CaseNum) const
{
    const TCase* Case = Get_CaseObj(RorgNum, FuncNum, TypeNum, CaseNum);
    return Case ? CaseName(CaseNum + 1, Case->Title()) : QString();
}

// RORG

TRorg::TRorg()
    : Func_SL(new TStringList)
{
}

TRorg::~TRorg()
{
    FreeChildren(List_Func);
    delete Func_SL;
}

bool TRorg::Read_Rorg_XML(TXMLNode* Rorg)
{
    try {
        ReadNumberTitle(Rorg, FNumber, FTitle);
        bool Result = true;
        ForEachChild(Rorg, QStringLiteral("func"), [&](TXMLNode* Node) {
            auto Func = std::make_unique<TFunc>();
            Result = Func->Read_Func_XML(Node, FNumber);
            if (!Result)
                return;
            Func_SL->Add(HexName(Func->Number(), Func->Title()));
            List_Func.push_back(Func.release());
        });
        return Result;
    } catch (const std::exception&) {
        return false;
    }
}

// FUNC

TFunc::TFunc()
    : Type_SL(new TStringList)
{
}

TFunc::~TFunc()
{
    FreeChildren(List_Type);
    delete Type_SL;
}

bool TFunc::Read_Func_XML(TXMLNode* Func, int Rorg)
{
    try {
        ReadNumberTitle(Func, FNumber, FTitle);
        bool Result = true;
        ForEachChild(Func, QStringLiteral("type"), [&](TXMLNode* Node) {
            auto Type = std::make_unique<TType>();
            Result = Type->Read_Type_XML(Node, Rorg, FNumber);
            Type_SL->Add(HexName(Type->Number(), Type->Title()));
            List_Type.push_back(Type.release());
        });
        return Result;
    } catch (const std::exception&) {
        return false;
    }
}

// TYPE

TType::TType()
    : Case_SL(new TStringList)
{
}

TType::~TType()
{
    FreeChildren(List_Case);
    delete Case_SL;
}

bool TType::Read_Type_XML(TXMLNode* Type_, int Rorg, int Func)
{
    try {
        ReadNumberTitle(Type_, FNumber, FTitle);
        bool Result = true;
        ForEachChild(Type_, QStringLiteral("case"), [&](TXMLNode* Node) {
            auto Case = std::make_unique<TCase>();
            Result = Case->Read_Case_XML(Node, Rorg, Func, FNumber);
            if (!Result)
                return;
            List_Case.push_back(Case.release());
            Case_SL->Add(CaseName(int(List_Case.size()), List_Case.back()->Title()));
        });
        return Result;
    } catch (const std::exception&) {
        return false;
    }
}

// Case

TCase::TCase()
    : DataField_SL(new TStringList)
{
}

TCase::~TCase()
{
    FreeChildren(List_DataField);
    delete DataField_SL;
}

bool TCase::Read_Case_XML(TXMLNode* Case_, int Rorg, int Func, int Type_)
{
    FCaseIdSize = 0;
    FCaseIdOffset = 0;
    FCaseId = 0;
    FStatusValue = 0;
    FStatusBitOffs = 0;
    FStatusBitSize = 0;
    try {
        FTitle = TextOf(Case_->FindChild(QStringLiteral("title")), FTitle);
        TXMLNodeList* Children = Case_->ChildNodes();
        const int Count = Children->Count();
        for (int i = 0; i < Count; ++i) {
            TXMLNode* Node = Children->Nodes(i);
            const QString Name = Node->NodeName();
            if (Name == QLatin1String("datafield")) {
                auto Field = std::make_unique<TDataField>();
                if (!Field->Read_DataField_XML(Node))
                    continue;
                DataField_SL->Add(Field->Data() + QStringLiteral(" : ")
                                  + QString::number(Field->BitOffs()) + QStringLiteral(", ")
                                  + QString::number(Field->BitSize()));
                List_DataField.push_back(Field.release());
            } else if (Name == QLatin1String("condition")) {
                if (Rorg == Rorg_RPS || Rorg == Rorg_VLD)
                    Read_Condition(Node, Rorg);
            }
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TCase::Read_Condition(TXMLNode* Condition, int Rorg)
{
    FCaseId = 0;
    if (Rorg == Rorg_RPS) {
        // Status byte bits: bit offset 0 is the most significant bit.
        ForEachChild(Condition, QStringLiteral("statusfield"), [&](TXMLNode* Node) {
            TXMLNode* Num[3];
            FindChildren(Node, kNumberNames, Num);
            FStatusValue = quint8(NumberOf(Num[0], FStatusValue));
            if (FStatusValue == 0)
                return;
            FStatusBitOffs = quint8(NumberOf(Num[1], FStatusBitOffs));
            FStatusBitSize = quint8(NumberOf(Num[2], FStatusBitSize));
            if (FStatusBitSize == 0)
                return;
            const unsigned Shift = quint8(7 - FStatusBitOffs) & 31u;
            FCaseId = int(quint32(FCaseId) + (quint32(FStatusValue) << Shift));
        });
    } else {
        ForEachChild(Condition, QStringLiteral("datafield"), [&](TXMLNode* Node) {
            TXMLNode* Num[3];
            FindChildren(Node, kNumberNames, Num);
            FCaseId = NumberOf(Num[0], FCaseId);
            FCaseIdOffset = NumberOf(Num[1], FCaseIdOffset);
            FCaseIdSize = NumberOf(Num[2], FCaseIdSize);
        });
    }
}

// Data field

TDataField::~TDataField() = default;

bool TDataField::Read_DataField_XML(TXMLNode* DataField)
{
    static const QLatin1String Names[] = {
        QLatin1String("reserved"), QLatin1String("data"), QLatin1String("shortcut"),
        QLatin1String("description"), QLatin1String("info"), QLatin1String("bitoffs"),
        QLatin1String("bitsize")};
    try {
        TXMLNode* Child[7];
        FindChildren(DataField, Names, Child);
        if (Child[0])
            return false;
        FData = TextOf(Child[1], FData);
        FShortcut = TextOf(Child[2], FShortcut);
        FDescription = PlainTextOf(Child[3], FDescription);
        FInfo = PlainTextOf(Child[4], FInfo);
        FBitOffs = NumberOf(Child[5], FBitOffs);
        FBitSize = NumberOf(Child[6], FBitSize);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
