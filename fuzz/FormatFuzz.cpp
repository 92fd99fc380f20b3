// Feeds arbitrary text to the format-string interpreters and the number and
// date parsers; only EConvertError may escape them.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool Pinned = (SetTestFormatSettings(), true);
    (void)Pinned;
    const QString Text = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const double Values[] = {0.0, -1234.5678, 1e300, 5e-324, std::nan(""), 45356.587};
    for (double V : Values) {
        FormatFloat(Text, V);
        FormatDateTime(Text, V);
        try {
            Format(Text, {V, 7, "s", -3LL, V});
        } catch (const EConvertError&) {
        }
    }
    double F;
    int I;
    int64_t L;
    TDateTime D;
    TryStrToFloat(Text, F);
    Val(Text, F, I);
    TryStrToInt(Text, I);
    TryStrToInt64(Text, L);
    TryStrToDateTime(Text, D);
    AnsiDequotedStr(Text, u'\'');
    MatchesMask(Text, Text.left(Text.size() / 2) + u'*');
    return 0;
}
