#include "app/EnOceanParts.h"
#include "app/WindowParts.h"
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabs.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Panel.h"
#include "platform/rtl/StringList.h"

void Fill_Combo(TComboBox* List, const TStringList* Items, int Index)
{
    List->Items()->BeginUpdate();
    List->Items()->Clear();
    for (int i = 0; Items && i < Items->Count(); ++i)
        List->Items()->Add(Items->Strings(i));
    List->Items()->EndUpdate();
    List->SetItemIndex(Index);
}

TPanel* Place_Plain_Panel(TComponent* Owner, TWinControl* Parent, const char* Name, TAlign Align, int Left, int Top,
                          int Width, int Height)
{
    TPanel* panel = Place<TPanel>(Owner, Parent, Name, Left, Top, Width, Height);
    panel->SetAlign(Align);
    panel->SetBevelOuter(bvNone);
    panel->SetShowCaption(false);
    return panel;
}

TDeckTabs* Place_Tab_Strip(TComponent* Owner, TWinControl* Parent, const char* Name,
                           std::initializer_list<const char*> Captions)
{
    auto* tabs = new TDeckTabs(Owner);
    tabs->SetName(QString::fromLatin1(Name));
    tabs->SetBounds(0, 0, Parent->Width(), 30);
    tabs->SetParent(Parent);
    tabs->SetAlign(alTop);
    TDeckTabsDisplayOptions* display = tabs->Options()->Display();
    display->CloseButton()->SetVisibility(bvNever);
    display->AddButton()->SetVisibility(avNone);
    tabs->Options()->DragDrop()->SetDragType(dtNone);
    for (const char* caption : Captions)
        tabs->Tabs()->Add()->SetCaption(QString::fromLatin1(caption));
    tabs->SetActiveTabIndex(0);
    return tabs;
}

void Damaged_File_Warning(const QString& Reason)
{
    MessageDlg(QStringLiteral("The EnOcean device file could not be read whole:\n%1\n\n"
                              "The devices read before the damage are shown. OK replaces the file with what is "
                              "shown; Cancel leaves it as it is.")
                   .arg(Reason),
               mtWarning, TMsgDlgButtons{mbOK});
}
