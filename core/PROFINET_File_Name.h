#pragma once
// The file name of the GSDML export: a fixed leading part, the part the
// user types and a trailing part with the date.
#include "platform/rtl/Clock.h"
#include <QString>

// "GSDML-V2.31-Velmora-ZT38R14".
QString PROFINET_Name_Fix1();
// "-" + four-digit year + two-digit month + two-digit day + ".xml".
QString PROFINET_Name_Fix2(TDateTime Date);
// Fix1 + Fix2 when User is blank; Fix1 + User + Fix2 when User begins with
// "_"; otherwise Fix1 + "_" + User + Fix2. User is taken untrimmed.
QString PROFINET_File_Name(const QString& Fix1, const QString& User, const QString& Fix2);
