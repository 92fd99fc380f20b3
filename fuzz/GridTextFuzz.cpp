// Feeds arbitrary text to the grid library's text parsers: filter
// conditions, the sort specification, number and date parsing, cell
// addresses and packed wide text. Only EConvertError may escape them.
#include "grid/foundation/FilterMatch.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool Pinned = (SetTestFormatSettings(), true);
    (void)Pinned;
    const QString Text = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const qsizetype half = Text.size() / 2;
    MatchFilterCondition(Text.left(half), Text.mid(half), false);
    MatchFilterCondition(Text, Text, true);
    TSortIndexList sort(0, 0);
    sort.LoadFromString(Text);
    sort.SaveToString();
    ClassifyNumberText(Text);
    ExtractFloatText(Text);
    ClassifyCellText(Text, true);
    TDateTime d = 0;
    ParseDateTimeText(Text, d);
    try {
        ParseShortDateUS(Text);
        ParseShortDateEU(Text);
    } catch (const EConvertError&) {
    }
    TPoint cell;
    ParseCellAddress(Text, cell);
    UnpackWideText(Text);
    DecodeCellBreaks(Text, false);
    ToMixedCase(Text);
    return 0;
}
