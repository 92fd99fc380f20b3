#pragma once
// TControlList: which control sits in which cell. The list owns its
// items, not the controls.
#include "platform/controls/Messages.h"
#include "platform/rtl/List.h"

class TControl;

class TControlItem : public TObject {
public:
    TControlItem(int AX, int AY, TControl* AObject) : FX(AX), FY(AY), FObject(AObject) {}

    // The cell's column and row.
    int X() const { return FX; }
    void SetX(int Value) { FX = Value; }
    int Y() const { return FY; }
    void SetY(int Value) { FY = Value; }
    // Not owned.
    TControl* Control() const { return FObject; }
    void SetControl(TControl* Value) { FObject = Value; }

private:
    int FX;
    int FY;
    TControl* FObject;
};

class TControlList : public TObjectList {
public:
    void AddControl(int X, int Y, TControl* AObject);
    // The first item of cell (X, Y); -1 when none.
    int ControlIndex(int X, int Y) const;
    TControlItem* Control(int i) const { return static_cast<TControlItem*>(Items(i)); }
    TControlItem* GetControl(int i) const { return Control(i); }
    // Frees the item; the control stays.
    void RemoveControl(int i) { Delete(i); }
    // Some item's control is a windowed control with this window.
    bool HasHandle(HWND Handle) const;
};
