#include "grid/dropdown/TableStyles.h"

namespace {

constexpr TColor Same = TableStyleSame;

const TTableStyleColors TableStyles[] = {
    {tsOffice2003Blue, scOffice2007, 0xD68759, 0x933803, 0xFFFFFF, 0x962D00, 0x962D00, Same, 0},
    {tsOffice2003Silver, scOffice2007, 0xBDA4A5, 0x957475, Same, 0x947C7C, 0x947C7C, Same, 0},
    {tsOffice2003Olive, scOffice2007, 0x82C0AF, 0x447A63, Same, 0x588060, 0x588060, Same, 0},
    {tsOffice2003Classic, scOffice2007, 0x808080, 0x808080, Same, 0x808080, 0x808080, Same, 0},
    {tsOffice2007Luna, scOffice2007, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF, Same, 0},
    {tsOffice2007Obsidian, scOffice2007, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C, Same, 0},
    {tsOffice2007Silver, scOffice2007, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0x74706F, Same, 0},
    {tsWhidbey, scOffice2007, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0x962D00, Same, 0},
    {tsWindowsXP, scCustom, clBtnFace, clBtnFace, 0, 0xC0C0C0, 0, clHighlight, clHighlightText},
    {tsTerminal, scCustom, clBtnFace, clBtnFace, 0, 0x808080, 0x808080, clHighlight, clHighlightText},
    {tsWindowsVista, scWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA, 0xFCF2DA, Same, 0},
    {tsWindows7, scWindows7, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFBD6B8, Same, 0},
    {tsOffice2010Blue, scCustom, 0xEDDBCD, clNone, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
    {tsOffice2010Silver, scCustom, 0xEDE9E5, clNone, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
    {tsOffice2010Black, scCustom, 0x828282, clNone, 0xD7D7D6, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0},
};

} // namespace

const TTableStyleColors* TableStyleColors(TQLXStyle AStyle)
{
    for (const TTableStyleColors& t : TableStyles)
        if (t.Style == AStyle)
            return &t;
    return nullptr;
}
