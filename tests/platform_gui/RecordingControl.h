#pragma once
// A control that writes the messages it receives as lines such as
// "WM_LBUTTONDOWN 10,5 [Shift]", so tests compare whole sequences.
#include "platform/controls/CustomControl.h"
#include "platform/controls/GraphicControl.h"
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

QString DescribeMessage(const TMessage& m);

class TRecordingControl : public TCustomControl {
public:
    explicit TRecordingControl(TComponent* AOwner = nullptr, QStringList* Log = nullptr);
    QStringList* Log;
    QString Tag;
    // Answer to WM_GETDLGCODE.
    LRESULT DlgCode = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    // Key-down handler zeroes this key.
    int SwallowKey = 0;
    // MouseDown takes the focus, as controls that take focus do.
    bool FocusOnClick = false;
    using TWinControl::SetFocus;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(int& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DlgCode; }
};

class TRecordingGraphic : public TGraphicControl {
public:
    explicit TRecordingGraphic(TComponent* AOwner = nullptr, QStringList* Log = nullptr);
    QStringList* Log;
    QString Tag;
    void WndProc(TMessage& Message) override;
};
