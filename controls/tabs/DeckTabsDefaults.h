#pragma once
// The values a new tab strip starts with. The strip's SetDefaultOptions and
// SetDefaultLookAndFeel call these; they write through the setters, so each
// write reports to the strip like any other.
class TOptions;
class TDeckTabsLookAndFeel;

// Leaves TabWidthFromContent, ShowPinnedTabText, the smoothing mode,
// TabSpinners and ContrainDraggedTabWithinContainer as they are.
void SetDefaultDeckTabsOptions(TOptions* Options);
// Leaves TabsContainer.OutlineSize and the spinner pens as they are.
// Note: the strip brackets this with BeginUpdate/EndUpdate.
void SetDefaultDeckTabsLookAndFeel(TDeckTabsLookAndFeel* LookAndFeel);
