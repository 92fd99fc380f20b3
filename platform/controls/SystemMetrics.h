#pragma once
// GetSystemMetrics: the sizes of the desktop and of the standard window
// parts, as the framework's controls draw them.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
// Width of a vertical scroll bar.
constexpr int SM_CXVSCROLL = 2;
// Height of a horizontal scroll bar.
constexpr int SM_CYHSCROLL = 3;
// Width and height of a window border line.
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;

// 0 for an index it does not know.
int GetSystemMetrics(int Index);
