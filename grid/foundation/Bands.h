#pragma once
// TBands: alternating row colours. Active fires OnChange when it changes;
// colours and lengths fire it only while Active; TotalLength is always the
// sum of the two lengths.
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"

class TBands : public TPersistent {
public:
    // Copies every setting without an event; other sources are ignored.
    void Assign(TPersistent* Source) override;

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    int TotalLength() const { return FTotalLength; }
    // Bands also when printing.
    bool Print() const { return FPrint; }
    void SetPrint(bool Value) { FPrint = Value; }

    TNotifyEvent OnChange;

private:
    void ChangedWhileActive();

    bool FPrint = false;
    bool FActive = false;
    int FTotalLength = 2;
    int FSecondaryLength = 1;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    TColor FPrimaryColor = clInfoBk;
};
