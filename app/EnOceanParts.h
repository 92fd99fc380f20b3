#pragma once
// Pieces shared by the EnOcean windows: the catalogue lists, plain
// panels, the tab strips and the warning about a damaged device file.
#include "platform/controls/Control.h"
#include <QString>
#include <initializer_list>

class TComboBox;
class TStringList;
class TPanel;
class TWinControl;
class TDeckTabs;

// Replaces the items of List with those of Items (none for nullptr) and
// selects Index; a change made in code notifies nothing.
void Fill_Combo(TComboBox* List, const TStringList* Items, int Index = -1);

// A panel without bevel or caption, aligned.
TPanel* Place_Plain_Panel(TComponent* Owner, TWinControl* Parent, const char* Name, TAlign Align, int Left, int Top,
                          int Width, int Height);

// A tab strip at the top of Parent, 30 high, one tab per caption, the
// first active; no close or add buttons and no tab dragging.
TDeckTabs* Place_Tab_Strip(TComponent* Owner, TWinControl* Parent, const char* Name,
                           std::initializer_list<const char*> Captions);

// Shows why the device file could not be read whole, and that OK replaces
// it with what is shown.
void Damaged_File_Warning(const QString& Reason);
