#include "core/ExportDialogs.h"

TSave_Dialog_Event On_Export_Save_Dialog;
TConfirm_Event On_Export_Confirm;

bool Export_Save_Dialog(TSave_Dialog_Request& Request)
{
    return On_Export_Save_Dialog && On_Export_Save_Dialog(Request);
}

bool Export_Confirm(const QString& Text)
{
    return On_Export_Confirm && On_Export_Confirm(Text);
}
