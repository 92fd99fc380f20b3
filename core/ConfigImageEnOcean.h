#pragma once
// The EnOcean device tables of the table bank, as read from the device file
// before they are written. Numbers are unsigned 32-bit unless said otherwise;
// every *Add field is a device address.
#include <QString>
#include <QtGlobal>
#include <vector>

struct TEnOcean_Var_Info {
    quint32 BitSize = 0;
    quint32 BitOffset = 0;
    quint32 Position = 0;      // in the gateway's data area
    quint32 Size = 0;          // start bit of the value ("BitStart")
};

// The variables of one profile that share a case identification.
struct TEnOcean_Case_Info {
    quint32 InCaseIdSize = 0;
    quint32 InCaseIdOffset = 0;
    quint32 InCase = 0;
    quint32 InVarNum = 0;
    std::vector<TEnOcean_Var_Info> InVarTable;
    quint32 InVarAdd = 0;
    // The output side stays empty.
    quint32 OutCaseIdSize = 0;
    quint32 OutCaseIdOffset = 0;
    quint32 OutCase = 0;
    quint32 OutVarNum = 0;
    std::vector<TEnOcean_Var_Info> OutVarTable;
    quint32 OutVarAdd = 0;
};

struct TEnOcean_Eep_Info {
    quint32 Rorg = 0;
    quint32 CaseNum = 0;
    std::vector<TEnOcean_Case_Info> CaseTable;
    quint32 CaseAdd = 0;
};

struct TEnOcean_Security_Info {
    QString PreSharedKey;
    QString PrivateKey;
    quint32 RollingCode = 0;
    quint8 RLCAlgorithm = 0;
    quint8 RLCTx = 0;
    quint8 MACAlgorithm = 0;
    quint8 DataEncryption = 0;
    quint8 SenderIsPTM = 0;
    quint8 UnusedChar = 0;
    quint16 UnusedShort = 0;
};

struct TEnOcean_ID_Info {
    quint32 Id = 0;
    quint32 SecurityOption = 0;
    TEnOcean_Security_Info Security_Info;
    quint32 SecAdd = 0;
    quint32 UniEepNum = 0;
    std::vector<TEnOcean_Eep_Info> UniEepTable;
    quint32 UniEepAdd = 0;
    // Smart ACK profiles are not taken from the file; always empty.
    quint32 SAEepNum = 0;
    std::vector<TEnOcean_Eep_Info> SAEepTable;
    quint32 SAEepAdd = 0;
};

// Sizes of the table parts
constexpr int EnOcean_Header_Size = 8;
constexpr int EnOcean_Device_Size = 28;
constexpr int EnOcean_Security_Size = 44;
constexpr int EnOcean_Eep_Size = 12;
constexpr int EnOcean_Case_Size = 40;
constexpr int EnOcean_Var_Size = 16;

// The devices of the last Load_EnOcean, in file order.
extern std::vector<TEnOcean_ID_Info> EnOcean_ID_List;
// Device address of the first device entry.
extern quint32 EnOcean_Table_Add;
// Bytes that Put_EnOcean_Tables writes for EnOcean_ID_List.
int EnOcean_Tables_Size();
