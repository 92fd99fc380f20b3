#include "grid/foundation/Bands.h"

void TBands::ChangedWhileActive()
{
    if (FActive && OnChange)
        OnChange(this);
}

void TBands::SetActive(bool Value)
{
    if (FActive == Value)
        return;
    FActive = Value;
    if (OnChange)
        OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value)
{
    if (FPrimaryColor == Value)
        return;
    FPrimaryColor = Value;
    ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value)
{
    if (FSecondaryColor == Value)
        return;
    FSecondaryColor = Value;
    ChangedWhileActive();
}

void TBands::SetPrimaryLength(int Value)
{
    if (FPrimaryLength == Value)
        return;
    FPrimaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::SetSecondaryLength(int Value)
{
    if (FSecondaryLength == Value)
        return;
    FSecondaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TBands*>(Source);
    if (!src)
        return;
    FActive = src->FActive;
    FPrimaryColor = src->FPrimaryColor;
    FPrimaryLength = src->FPrimaryLength;
    FSecondaryColor = src->FSecondaryColor;
    FSecondaryLength = src->FSecondaryLength;
    FPrint = src->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}
