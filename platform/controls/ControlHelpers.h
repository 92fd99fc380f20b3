#pragma once
// Helpers shared by the control sources.
#include "platform/controls/WinControl.h"

inline bool IsWindowed(const TControl* c) { return dynamic_cast<const TWinControl*>(c) != nullptr; }
