#pragma once
// The EnOcean network being edited: devices, each with its security settings
// and two lists of EEPs (RORG, FUNC, TYPE), each EEP with the variables the
// gateway takes from the device's telegrams. Only numbers and names are
// kept; display texts come from the catalogue when something is shown.
//
// Every list owns its entries; destroying an owner destroys what it owns,
// the last entry of each list first.
#include "platform/rtl/Object.h"
#include <QString>
#include <vector>

// One variable of an EEP, identified within it by (FCaseIndex, FData).
class TVarEnOcean : public TObject {
public:
    TVarEnOcean() = default;

    QString FData;         // name of the catalogue data field
    int FBitOffs = 0;      // copied from the catalogue data field
    int FBitSize = 0;
    int FPosition = 0;     // byte position in the gateway's data area
    int FBitStart = 0;     // first bit within that byte, 0..7
    int FCaseIndex = 0;    // position of the field's case in its TYPE's case list
};

// One EEP of a device.
class TRorFunTyp : public TObject {
public:
    TRorFunTyp() = default;
    ~TRorFunTyp() override;

    int FRorgNum = 0;
    int FFuncNum = 0;
    int FTypeNum = 0;
    std::vector<TVarEnOcean*> VariableList;   // owned, in the order added

    // Destroys every variable, last first, and empties the list.
    void Clear_Variables();
};

// One EnOcean device. The six integer security fields hold the position of
// the chosen entry in the device dialog's lists; they are independent of
// each other (an "Unsecure" device keeps its stored key and codes).
class TDevice_EnOcean : public TObject {
public:
    TDevice_EnOcean() = default;
    ~TDevice_EnOcean() override;

    QString FId = QStringLiteral("0");   // the identifier as typed
    int FSecure_Type = 0;                // 0 unsecure, 1 pre-shared key, 2 manual setting
    QString FKey;                        // at most 16 characters
    QString FRollCode;                   // at most 16 characters
    int FRollCodeAlg = 0;
    int FRollCodeTx = 0;
    int FCMACAlg = 0;
    int FDataCript = 0;
    int FPTM = 0;
    std::vector<TRorFunTyp*> UnidirectionalList;   // owned
    std::vector<TRorFunTyp*> SmartACKList;         // owned
    std::vector<TObject*> RemoteList;              // reserved: always empty, owns nothing

    // The EEP list meant by Uni_SAck: 0 unidirectional, otherwise Smart ACK.
    std::vector<TRorFunTyp*>& EEP_List(int Uni_SAck)
    {
        return Uni_SAck == 0 ? UnidirectionalList : SmartACKList;
    }
    const std::vector<TRorFunTyp*>& EEP_List(int Uni_SAck) const
    {
        return Uni_SAck == 0 ? UnidirectionalList : SmartACKList;
    }
    // EEPs over both lists.
    int EEP_Count() const { return int(UnidirectionalList.size() + SmartACKList.size()); }
};

// The devices being edited, in display order; owned by whoever holds it.
using TDevice_List = std::vector<TDevice_EnOcean*>;

// Destroys every device with everything it owns, last device first, and
// empties the list.
void Clear_Device_List(TDevice_List& List);

// Smart ACK EEPs with variables grouped by an incoming and an outgoing
// case. They have no file form.
class TVarEnOcean_SAck : public TObject {
public:
    TVarEnOcean_SAck() = default;

    QString FData;
    int FBitOffs = 0;
    int FBitSize = 0;
    int FPosition = 0;
    int FBitStart = 0;
};

class TGroup_SAck : public TObject {
public:
    TGroup_SAck() = default;
    ~TGroup_SAck() override;

    int FCaseInIndex = 0;
    int FCaseOutIndex = 0;
    std::vector<TVarEnOcean_SAck*> VarsInList;    // owned
    std::vector<TVarEnOcean_SAck*> VarsOutList;   // owned
};

class TRorFunTyp_SAck : public TObject {
public:
    TRorFunTyp_SAck() = default;
    ~TRorFunTyp_SAck() override;

    int FRorgNum = 0;
    int FFuncNum = 0;
    int FTypeNum = 0;
    std::vector<TGroup_SAck*> GroupList;   // owned
};
