#include "core/EnOcean_Edit.h"

#include "core/Catalog_EnOcean.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "platform/rtl/StringList.h"

namespace {

constexpr int Text_No_More_EEP = 1126;
constexpr int Text_Var_Inserted = 1127;
constexpr int Max_EEPs = 4;

QString Hex2(int Value)
{
    return QString::number(Value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

template <typename T>
const T* At(const std::vector<T*>& List, int Index)
{
    return Index >= 0 && Index < int(List.size()) ? List[size_t(Index)] : nullptr;
}

template <typename T>
int Valid(const std::vector<T*>& List, int Index)
{
    return Index >= 0 && Index < int(List.size()) ? Index : -1;
}

bool Same_Profile(const TRorFunTyp& EEP, const TEEP_Cascade& Choice)
{
    return EEP.FRorgNum == Choice.Rorg()->Number() && EEP.FFuncNum == Choice.Func()->Number()
           && EEP.FTypeNum == Choice.Type()->Number();
}

} // namespace

bool Check_Device_ID(const QString& Text)
{
    const qint64 id = Str_To_Int64_Def(Text, -1);
    return id >= 0 && id <= 0xFFFFFFFFLL;
}

QString EEP_Root_Text(int Uni_SAck)
{
    return Uni_SAck == 0 ? QStringLiteral("Unidirectional - EEP List") : QStringLiteral("Smart ACK - EEP List");
}

QString EEP_Node_Text(const TRorFunTyp& EEP)
{
    return QStringLiteral("EEP - RORG : 0x%1 FUNC : 0x%2 TYPE : 0x%3")
        .arg(Hex2(EEP.FRorgNum), Hex2(EEP.FFuncNum), Hex2(EEP.FTypeNum));
}

QString Variable_Node_Text(const TVarEnOcean& Var)
{
    return QStringLiteral("Variable - ") + Var.FData;
}

QStringList EEP_Var_Details(const TCatalog_EnOcean* Catalog, const TRorFunTyp* EEP,
                            const TVarEnOcean* Var)
{
    QStringList rows(9);
    if (!EEP)
        return rows;
    if (Catalog) {
        rows[1] = Catalog->Get_Rorg_Name_Str(EEP->FRorgNum);
        rows[2] = Catalog->Get_Func_Name_Str(EEP->FRorgNum, EEP->FFuncNum);
        rows[3] = Catalog->Get_Type_Name_Str(EEP->FRorgNum, EEP->FFuncNum, EEP->FTypeNum);
    }
    if (!Var)
        return rows;
    if (Catalog)
        rows[5] = Catalog->Get_Case_Name_Str(EEP->FRorgNum, EEP->FFuncNum, EEP->FTypeNum, Var->FCaseIndex);
    rows[6] = Var->FData;
    rows[7] = QString::number(Var->FPosition);
    rows[8] = QString::number(Var->FBitStart);
    return rows;
}

// Variable dialog

TEEP_Cascade::TEEP_Cascade(const TCatalog_EnOcean* Catalog) : FCatalog(Catalog) {}

const TRorg* TEEP_Cascade::Rorg() const
{
    return FCatalog ? At(FCatalog->List_Rorg, FRorg) : nullptr;
}

const TFunc* TEEP_Cascade::Func() const
{
    const TRorg* r = Rorg();
    return r ? At(r->List_Func, FFunc) : nullptr;
}

const TType* TEEP_Cascade::Type() const
{
    const TFunc* f = Func();
    return f ? At(f->List_Type, FType) : nullptr;
}

const TCase* TEEP_Cascade::Case() const
{
    const TType* t = Type();
    return t ? At(t->List_Case, FCase) : nullptr;
}

const TDataField* TEEP_Cascade::Data_Field() const
{
    const TCase* c = Case();
    return c ? At(c->List_DataField, FVar) : nullptr;
}

const TStringList* TEEP_Cascade::Rorg_Items() const
{
    return FCatalog ? FCatalog->Rorg_SL : nullptr;
}

const TStringList* TEEP_Cascade::Func_Items() const
{
    const TRorg* r = Rorg();
    return r ? r->Func_SL : nullptr;
}

const TStringList* TEEP_Cascade::Type_Items() const
{
    const TFunc* f = Func();
    return f ? f->Type_SL : nullptr;
}

const TStringList* TEEP_Cascade::Case_Items() const
{
    const TType* t = Type();
    return t ? t->Case_SL : nullptr;
}

const TStringList* TEEP_Cascade::Variable_Items() const
{
    const TCase* c = Case();
    return c ? c->DataField_SL : nullptr;
}

void TEEP_Cascade::Choose_Rorg(int Index)
{
    FRorg = FCatalog ? Valid(FCatalog->List_Rorg, Index) : -1;
    FFunc = FType = FCase = FVar = -1;
    Position.clear();
    Bit_Start = 0;
}

void TEEP_Cascade::Choose_Func(int Index)
{
    const TRorg* r = Rorg();
    FFunc = r ? Valid(r->List_Func, Index) : -1;
    FType = FCase = FVar = -1;
    Position.clear();
    Bit_Start = 0;
}

void TEEP_Cascade::Choose_Type(int Index)
{
    const TFunc* f = Func();
    FType = f ? Valid(f->List_Type, Index) : -1;
    FCase = FVar = -1;
    Position.clear();
    Bit_Start = 0;
}

void TEEP_Cascade::Choose_Case(int Index)
{
    const TType* t = Type();
    FCase = t ? Valid(t->List_Case, Index) : -1;
    FVar = -1;
    Position.clear();
    Bit_Start = 0;
}

void TEEP_Cascade::Choose_Variable(int Index)
{
    const TCase* c = Case();
    FVar = c ? Valid(c->List_DataField, Index) : -1;
}

void TEEP_Cascade::Preset(const TRorFunTyp& EEP, const TVarEnOcean* Var)
{
    if (!FCatalog) {
        Choose_Rorg(-1);
        return;
    }
    Choose_Rorg(FCatalog->Get_RorgNum_Index(EEP.FRorgNum));
    Choose_Func(Rorg() ? FCatalog->Get_FuncNum_Index(EEP.FRorgNum, EEP.FFuncNum) : -1);
    Choose_Type(Func() ? FCatalog->Get_TypeNum_Index(EEP.FRorgNum, EEP.FFuncNum, EEP.FTypeNum) : -1);
    if (Var)
        Preset_Variable(EEP, *Var);
}

void TEEP_Cascade::Preset_SAck(const TRorFunTyp& EEP, const TVarEnOcean* Var)
{
    const bool rorg = FCatalog && FCatalog->Get_RorgNum_Index(EEP.FRorgNum) == SAck_Rorg_Index;
    const bool func = rorg && FCatalog->Get_FuncNum_Index(EEP.FRorgNum, EEP.FFuncNum) == SAck_Func_Index;
    Choose_Rorg(SAck_Rorg_Index);
    Choose_Func(SAck_Func_Index);
    if (!func)
        return;
    Choose_Type(FCatalog->Get_TypeNum_Index(EEP.FRorgNum, EEP.FFuncNum, EEP.FTypeNum));
    if (Var)
        Preset_Variable(EEP, *Var);
}

void TEEP_Cascade::Preset_Variable(const TRorFunTyp& EEP, const TVarEnOcean& Var)
{
    Choose_Case(Var.FCaseIndex);
    Choose_Variable(Case() ? FCatalog->Get_DataField_Index(EEP.FRorgNum, EEP.FFuncNum, EEP.FTypeNum,
                                                           Var.FCaseIndex, Var.FData)
                           : -1);
    Position = QString::number(Var.FPosition);
    Bit_Start = Var.FBitStart >= 0 && Var.FBitStart <= 7 ? Var.FBitStart : 0;
}

void TEEP_Cascade::Clear_Variable_Part()
{
    FCase = FVar = -1;
    Position.clear();
    Bit_Start = 0;
}

int Position_Value(const QString& Text)
{
    bool ok = false;
    const int value = Text.toInt(&ok, 10);
    return ok ? value : 0;
}

QString Check_Variable_Choice(const TDevice_EnOcean& Dev, const TEEP_Cascade& Choice,
                              const TVariable_Edit& Edit, int& EEP_Index)
{
    EEP_Index = -1;
    const bool modify_eep = Edit.Mode != 0 && Edit.Modify_EEP_Var == 0;
    const bool modify_var = Edit.Mode != 0 && Edit.Modify_EEP_Var != 0;
    if (!Choice.Type() || (!modify_eep && !Choice.Data_Field()))
        return QStringLiteral("Error!! Select a RORG, FUNC, TYPE, Case and Variable");
    if (!modify_eep) {
        bool ok = false;
        const int position = Choice.Position.toInt(&ok, 10);
        if (!ok || position < 0)
            return QStringLiteral("Error!! Position must be an integer not below 0");
    }

    const std::vector<TRorFunTyp*>& list = Dev.EEP_List(Edit.Uni_SAck);
    for (int i = 0; i < int(list.size()); ++i) {
        if (modify_eep && i == Edit.Ind_EEP)
            continue;
        if (Same_Profile(*list[size_t(i)], Choice)) {
            EEP_Index = i;
            break;
        }
    }
    // A modified variable stays in its own EEP.
    if (modify_var && At(list, Edit.Ind_EEP) && Same_Profile(*list[size_t(Edit.Ind_EEP)], Choice))
        EEP_Index = Edit.Ind_EEP;

    const int others = Dev.EEP_Count() - (modify_eep && At(list, Edit.Ind_EEP) ? 1 : 0);
    if (EEP_Index < 0 && others >= Max_EEPs)
        return Lang_SL->Strings(Text_No_More_EEP);
    if (EEP_Index >= 0 && !modify_eep) {
        const TRorFunTyp* eep = list[size_t(EEP_Index)];
        const int skip = modify_var && EEP_Index == Edit.Ind_EEP ? Edit.Ind_Var : -1;
        for (int j = 0; j < int(eep->VariableList.size()); ++j) {
            const TVarEnOcean* v = eep->VariableList[size_t(j)];
            if (j != skip && v->FCaseIndex == Choice.Case_Index() && v->FData == Choice.Data_Field()->Data())
                return Lang_SL->Strings(Text_Var_Inserted);
        }
    }
    return QString();
}

void Set_Variable(TVarEnOcean& Var, const TEEP_Cascade& Choice)
{
    Var.FCaseIndex = Choice.Case_Index();
    if (const TDataField* field = Choice.Data_Field()) {
        Var.FData = field->Data();
        Var.FBitOffs = field->BitOffs();
        Var.FBitSize = field->BitSize();
    }
    Var.FPosition = Position_Value(Choice.Position);
    Var.FBitStart = Choice.Bit_Start;
}

int Add_Variable(TDevice_EnOcean& Dev, int Uni_SAck, int EEP_Index, const TEEP_Cascade& Choice)
{
    std::vector<TRorFunTyp*>& list = Dev.EEP_List(Uni_SAck);
    if (!At(list, EEP_Index)) {
        auto* eep = new TRorFunTyp;
        Modify_EEP(*eep, Choice, false);
        list.push_back(eep);
        EEP_Index = int(list.size()) - 1;
    }
    auto* var = new TVarEnOcean;
    Set_Variable(*var, Choice);
    list[size_t(EEP_Index)]->VariableList.push_back(var);
    return EEP_Index;
}

void Modify_EEP(TRorFunTyp& EEP, const TEEP_Cascade& Choice, bool Clear_Variables)
{
    if (Clear_Variables)
        EEP.Clear_Variables();
    if (Choice.Rorg())
        EEP.FRorgNum = Choice.Rorg()->Number();
    if (Choice.Func())
        EEP.FFuncNum = Choice.Func()->Number();
    if (Choice.Type())
        EEP.FTypeNum = Choice.Type()->Number();
}

void Remove_EEP(TDevice_EnOcean& Dev, int Uni_SAck, int Index)
{
    std::vector<TRorFunTyp*>& list = Dev.EEP_List(Uni_SAck);
    if (!At(list, Index))
        return;
    delete list[size_t(Index)];
    list.erase(list.begin() + Index);
}

void Remove_Variable(TRorFunTyp& EEP, int Index)
{
    if (!At(EEP.VariableList, Index))
        return;
    delete EEP.VariableList[size_t(Index)];
    EEP.VariableList.erase(EEP.VariableList.begin() + Index);
}
