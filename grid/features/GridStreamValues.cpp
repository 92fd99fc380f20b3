#include "grid/features/GridStreamValues.h"

namespace GridFiles {

const QStringList AlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
const QStringList FontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const QStringList EditorNames{
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
    "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric",
    "edFloat", "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase",
    "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn", "edCustom",
    "edRichEdit", "edNone", "edDateTimeEdit", "edValidChars", "edTrackbarDropDown", "edMemoDropDown",
    "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown",
    "edColorPickerDropDown", "edImagePickerDropDown", "edProGridDropDown", "edPositiveFloat",
    "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};

TStreamValue ColorValue(TColor C)
{
    const QString s = ColorToString(C);
    return s.startsWith(QLatin1String("cl")) ? TStreamValue::Ident(s) : TStreamValue::Integer(int32_t(C));
}

} // namespace GridFiles
