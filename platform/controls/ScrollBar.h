#pragma once
// TScrollBar over the native scroll bar. Moved by the user (keys or mouse)
// it runs OnScroll, which may change the new position, then OnChange when
// the position changed. Changes by the program run OnChange only.
#include "platform/controls/WinControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* AOwner = nullptr);

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    void SetMin(int value) { SetParams(FPosition, value, FMax); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetParams(FPosition, FMin, value); }
    int Position() const { return FPosition; }
    void SetPosition(int value) { SetParams(value, FMin, FMax); }
    // Position is kept within Min .. Max - PageSize + 1.
    void SetParams(int APosition, int AMin, int AMax);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value);

    TScrollEvent OnScroll;
    TNotifyEvent OnChange;

protected:
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
    virtual void Change();
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }

private:
    friend class RangeBridge;
    void Push();
    void NativeAction(TScrollCode Code, int Pos);

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    bool FUpdating = false;
};
