#pragma once
// Small pieces shared by the configurator's windows: placing a named
// control, the title band every dialog shows, and the error box.
#include "platform/controls/Control.h"
#include <QString>

class TWinControl;
class TPanel;
class TLabel;
class TLbButton;

// Creates a T owned by Owner, puts it on Parent at the given bounds and
// gives it its object name.
template <typename T>
T* Place(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top, int Width, int Height)
{
    auto* control = new T(Owner);
    control->SetName(QString::fromLatin1(Name));
    control->SetBounds(Left, Top, Width, Height);
    control->SetParent(Parent);
    return control;
}

// The title band at the top of a dialog: P_Title holding L_SW_Code (the
// software code) and L_SW_Desc.
struct TTitleBand {
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
};
TTitleBand Place_Title_Band(TComponent* Owner, TWinControl* Parent, int Width);

// A push button of the configurator's look.
TLbButton* Place_Button(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top, int Width,
                        int Height);

// Text of the UI text table.
QString Lang(int Index);

// An error box with OK.
void Error_Box(const QString& Text);

// "The folder ... could not be created: " and the system's reason of the
// last failed CreateDir or ForceDirectories.
QString Folder_Error(const QString& Dir);
