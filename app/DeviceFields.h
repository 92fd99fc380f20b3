#pragma once
// The nine device fields of the device dialog and of the older editor,
// which hold them in controls of the same names. The user includes the
// edit and combo box headers.
#include "core/Device_EnOcean.h"

template <typename TWindow>
void Device_From_Fields(const TWindow& W, TDevice_EnOcean& Dev)
{
    Dev.FId = W.E_DevEnOcean_ID->Text();
    Dev.FSecure_Type = W.CB_DevEnOcean_SecType->ItemIndex();
    Dev.FKey = W.E_DevEnOcean_Secure_Key->Text();
    Dev.FRollCode = W.E_DevEnOcean_Secure_RollCode->Text();
    Dev.FRollCodeAlg = W.CB_DevEnOcean_Secure_RollCodeAlg->ItemIndex();
    Dev.FRollCodeTx = W.CB_DevEnOcean_Secure_RollCodeTx->ItemIndex();
    Dev.FCMACAlg = W.CB_DevEnOcean_Secure_CMACAlg->ItemIndex();
    Dev.FDataCript = W.CB_DevEnOcean_Secure_DataEnc->ItemIndex();
    Dev.FPTM = W.CB_DevEnOcean_Secure_PTM->ItemIndex();
}

template <typename TWindow>
void Device_To_Fields(TWindow& W, const TDevice_EnOcean& Dev)
{
    W.E_DevEnOcean_ID->SetText(Dev.FId);
    W.CB_DevEnOcean_SecType->SetItemIndex(Dev.FSecure_Type);
    W.E_DevEnOcean_Secure_Key->SetText(Dev.FKey);
    W.E_DevEnOcean_Secure_RollCode->SetText(Dev.FRollCode);
    W.CB_DevEnOcean_Secure_RollCodeAlg->SetItemIndex(Dev.FRollCodeAlg);
    W.CB_DevEnOcean_Secure_RollCodeTx->SetItemIndex(Dev.FRollCodeTx);
    W.CB_DevEnOcean_Secure_CMACAlg->SetItemIndex(Dev.FCMACAlg);
    W.CB_DevEnOcean_Secure_DataEnc->SetItemIndex(Dev.FDataCript);
    W.CB_DevEnOcean_Secure_PTM->SetItemIndex(Dev.FPTM);
}
