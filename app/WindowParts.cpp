#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"

TTitleBand Place_Title_Band(TComponent* Owner, TWinControl* Parent, int Width)
{
    TTitleBand band;
    band.P_Title = Place<TPanel>(Owner, Parent, "P_Title", 0, 0, Width, 48);
    band.P_Title->SetAlign(alTop);
    band.P_Title->SetBevelOuter(bvNone);
    band.P_Title->SetColor(clWhite);
    band.P_Title->SetShowCaption(false);
    band.L_SW_Code = Place<TLabel>(Owner, band.P_Title, "L_SW_Code", 8, 4, 120, 16);
    band.L_SW_Code->SetCaption(SW_Code);
    band.L_SW_Desc = Place<TLabel>(Owner, band.P_Title, "L_SW_Desc", 8, 24, 300, 18);
    band.L_SW_Desc->Font()->SetStyle(TFontStyles{fsBold});
    return band;
}

TLbButton* Place_Button(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top, int Width,
                        int Height)
{
    TLbButton* button = Place<TLbButton>(Owner, Parent, Name, Left, Top, Width, Height);
    button->SetShowHint(true);
    return button;
}

QString Lang(int Index)
{
    if (!Lang_SL || Index < 0 || Index >= Lang_SL->Count())
        return QString();
    return Lang_SL->Strings(Index);
}

void Error_Box(const QString& Text)
{
    MessageDlg(Text, mtError, TMsgDlgButtons{mbOK});
}

QString Folder_Error(const QString& Dir)
{
    return QStringLiteral("The folder \"%1\" could not be created: %2").arg(Dir, SysErrorMessage(GetLastOSError()));
}
