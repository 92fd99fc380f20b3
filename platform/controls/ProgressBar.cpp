#include "platform/controls/ProgressBar.h"
#include <algorithm>

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(int value)
{
    FMin = value;
    FMax = std::max(FMax, FMin);
    FPosition = std::clamp(FPosition, FMin, FMax);
    Push();
}

void TProgressBar::SetMax(int value)
{
    FMax = value;
    FMin = std::min(FMin, FMax);
    FPosition = std::clamp(FPosition, FMin, FMax);
    Push();
}

void TProgressBar::SetPosition(int value)
{
    FPosition = std::clamp(value, FMin, FMax);
    Push();
}

void TProgressBar::StepBy(int Delta) { SetPosition(FPosition + Delta); }

void TProgressBar::StepIt()
{
    int pos = FPosition + FStep;
    if (pos > FMax)
        pos = FMin + (pos - FMax - 1) % std::max(1, FMax - FMin + 1);
    SetPosition(pos);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value)
{
    FOrientation = value;
    Push();
}
