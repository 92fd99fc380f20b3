#pragma once
// The grid's own cursors: header selection arrows, the cell selector and
// the panning directions.
#include "platform/controls/Control.h"

constexpr TCursor crPanNeutral = 8000;
constexpr TCursor crPanDown = 8001;
constexpr TCursor crPanLeft = 8002;
constexpr TCursor crPanRight = 8003;
constexpr TCursor crPanUp = 8004;
constexpr TCursor crPanUpRight = 8005;
constexpr TCursor crPanUpLeft = 8006;
constexpr TCursor crPanDownRight = 8007;
constexpr TCursor crPanDownLeft = 8008;
constexpr TCursor crGridRowSelect = 8010;
constexpr TCursor crGridColSelect = 8011;
constexpr TCursor crGridAllSelect = 8012;
constexpr TCursor crGridCellSelector = 8014;

// Draws the cursors above and registers them with the screen; later
// calls do nothing.
void RegisterGridCursors();
