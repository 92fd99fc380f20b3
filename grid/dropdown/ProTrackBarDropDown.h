#pragma once
// TProTrackBarDropDown: an integer edit whose popup is a track bar; the
// edit shows the track bar's position. Without the editor, Up lowers and
// Down raises the position by Frequency, and dragging the mouse across
// the edit moves it one step per PageSize pixels.
#include "grid/dropdown/ProDropDown.h"

class TTrackBar;

class TProTrackBarDropDown : public TProCustomDropDown {
public:
    explicit TProTrackBarDropDown(TComponent* AOwner = nullptr);
    ~TProTrackBarDropDown() override;

    // The range and position go to the track bar and are read back from
    // it (it may adjust them); the text follows the track bar.
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // Also the pixels of one step of a drag over the edit (0: no step).
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    // Also the step of Up and Down.
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    TTrackBar* TrackBar() const { return FTrackBar; }

    // The track bar moved.
    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DropDownFormDestroyed() override;
    // Position follows an integer text; another text leaves it.
    void Change() override;
    void WMKeyDown(TWMKey& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The track bar's change handler.
    void TrackChange(TObject* Sender);

private:
    // Passes the value on and reads back what the track bar kept.
    void Sync(int& Field, int Value, void (TTrackBar::*Set)(int), int (TTrackBar::*Get)() const);

    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FPageSize = 2;
    int FFrequency = 1;
    TTrackBar* FTrackBar = nullptr;
    bool FMouseDraging = false;
    int FMouseX = 0;
};
