#include "platform/controls/RichEdit.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Stream.h"

using enum TRichTextStyle::TField;

// Attributes

TRichTextStyle TTextAttributes::Get() const { return FOwner->NativeStyle(FSelection); }
void TTextAttributes::Set(const TRichTextStyle& Style, int Fields) { FOwner->NativeApplyStyle(Style, Fields, FSelection); }

QString TTextAttributes::Name() const { return Get().FontName; }
int TTextAttributes::Size() const { return Get().Size; }
TColor TTextAttributes::Color() const { return Get().Color; }
TVerticalOffset TTextAttributes::Offset() const { return Get().Offset; }

TFontStyles TTextAttributes::Style() const
{
    TRichTextStyle s = Get();
    TFontStyles styles;
    if (s.Bold)
        styles += fsBold;
    if (s.Italic)
        styles += fsItalic;
    if (s.Underline)
        styles += fsUnderline;
    return styles;
}

void TTextAttributes::SetName(const QString& value)
{
    TRichTextStyle s;
    s.FontName = value;
    Set(s, fName);
}

void TTextAttributes::SetSize(int value)
{
    TRichTextStyle s;
    s.Size = value;
    Set(s, fSize);
}

void TTextAttributes::SetColor(TColor value)
{
    TRichTextStyle s;
    s.Color = value;
    Set(s, fColor);
}

void TTextAttributes::SetStyle(TFontStyles value)
{
    TRichTextStyle s;
    s.Bold = value.Contains(fsBold);
    s.Italic = value.Contains(fsItalic);
    s.Underline = value.Contains(fsUnderline);
    Set(s, fStyle);
}

void TTextAttributes::SetOffset(TVerticalOffset value)
{
    TRichTextStyle s;
    s.Offset = value;
    Set(s, fOffset);
}

// Rich edit

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner)
    : TCustomMemo(AOwner), FSelAttributes(new TTextAttributes(this, true)),
      FDefAttributes(new TTextAttributes(this, false))
{
}

TCustomRichEdit::~TCustomRichEdit()
{
    DestroyHandleOnFree();
    delete FSelAttributes;
    delete FDefAttributes;
}

void TCustomRichEdit::SetRichText(const TRichText& value)
{
    FRich = value;
    QString text = TextFromDisplay(value.PlainText());
    if (text == Text())
        PushText();
    else
        SetText(text);
}

void TCustomRichEdit::SetRtf(const QByteArray& value)
{
    if (IsRtf(value)) {
        SetRichText(ReadRtf(value));
        return;
    }
    TRichText plain;
    plain.Append(AnsiToUtf16(value), TRichTextStyle());
    SetRichText(plain);
}

void TCustomRichEdit::LoadFromStream(TStream* Stream)
{
    if (FPlainText) {
        Lines()->LoadFromStream(Stream);
        return;
    }
    SetRtf(Stream->ReadAll());
}

void TCustomRichEdit::SaveToStream(TStream* Stream) const
{
    if (FPlainText) {
        Lines()->SaveToStream(Stream);
        return;
    }
    Stream->WriteBytes(Rtf());
}

void TCustomRichEdit::RequestSize(const TRect& Rect)
{
    if (OnResizeRequest)
        OnResizeRequest(this, Rect);
}
