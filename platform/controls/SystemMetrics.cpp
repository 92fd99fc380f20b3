#include "platform/controls/SystemMetrics.h"
#include "platform/controls/Screen.h"

namespace {

// The scroll bars of the platform's grid and scrolling controls.
constexpr int ScrollBarSize = 17;

} // namespace

int GetSystemMetrics(int Index)
{
    switch (Index) {
    case SM_CXSCREEN: return Screen ? Screen->Width() : 0;
    case SM_CYSCREEN: return Screen ? Screen->Height() : 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return ScrollBarSize;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    default: return 0;
    }
}
