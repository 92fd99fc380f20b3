#pragma once
// TTrackBar over the native slider: OnChange runs whenever Position changes.
#include "platform/controls/WinControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* AOwner = nullptr);

    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // Ticks every Frequency positions (tsAuto).
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }

private:
    friend class RangeBridge;
    void Push();
    void NativeMoved(int Pos);

    TTrackBarOrientation FOrientation = trHorizontal;
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    TTickStyle FTickStyle = tsAuto;
    int FLineSize = 1;
    int FPageSize = 2;
    bool FUpdating = false;
};
