#pragma once
// The program entry's windows, created in their fixed order, main window
// first: its creation fills the text table and the software code that the
// others read in theirs.
void Create_Program_Windows();
