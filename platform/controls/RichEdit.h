#pragma once
// TCustomRichEdit and TRichEdit: a memo with formatted text over the native
// rich text edit. Lines and Text are the plain text; the formatting reads
// and writes as TRichText or RTF (see RichText.h). SelAttributes formats
// the selection (or what is typed next); DefAttributes the whole text.
#include "platform/controls/Memo.h"
#include "platform/controls/RichText.h"
#include "platform/graphics/GraphicsObjects.h"

class TCustomRichEdit;
class TStream;

// Rect: the size the content asks for, at (0, 0).
using TRichEditResizeEvent = std::function<void(TObject* Sender, const TRect& Rect)>;

class TTextAttributes {
public:
    TTextAttributes(TCustomRichEdit* Owner, bool Selection) : FOwner(Owner), FSelection(Selection) {}

    QString Name() const;
    void SetName(const QString& value);
    // Points.
    int Size() const;
    void SetSize(int value);
    TColor Color() const;
    void SetColor(TColor value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles value);
    TVerticalOffset Offset() const;
    void SetOffset(TVerticalOffset value);

private:
    TRichTextStyle Get() const;
    void Set(const TRichTextStyle& Style, int Fields);
    TCustomRichEdit* FOwner;
    bool FSelection;
};

class TCustomRichEdit : public TCustomMemo {
public:
    explicit TCustomRichEdit(TComponent* AOwner = nullptr);
    ~TCustomRichEdit() override;

    // Streams and files carry plain text instead of RTF.
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool value) { FPlainText = value; }
    TTextAttributes* SelAttributes() const { return FSelAttributes; }
    TTextAttributes* DefAttributes() const { return FDefAttributes; }

    TRichText RichText() const;
    void SetRichText(const TRichText& value);
    QByteArray Rtf() const { return WriteRtf(RichText()); }
    // Reads RTF; text that is not RTF is taken as plain (Windows-1252) text.
    void SetRtf(const QByteArray& value);
    // RTF unless PlainText.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream) const;

    // Fires whenever the laid-out content changes its size (typing, a new
    // text, a new width).
    TRichEditResizeEvent OnResizeRequest;

protected:
    // The content asks for a new size; fires OnResizeRequest.
    virtual void RequestSize(const TRect& Rect);
    void CreateWnd() override;
    void DestroyWnd() override;
    void PushText() override;
    void PushStyle() override;

private:
    friend class TTextAttributes;
    friend class RichEditBridge;
    TRichTextStyle NativeStyle(bool Selection) const;
    // Fields: a mask of the TRichTextStyle members to apply (TRichTextStyle::TField).
    void NativeApplyStyle(const TRichTextStyle& Style, int Fields, bool Selection);

    bool FPlainText = false;
    TTextAttributes* FSelAttributes;
    TTextAttributes* FDefAttributes;
    // The formatted text while there is no window.
    TRichText FRich;
    TRichTextStyle FPendingStyle;
};

class TRichEdit : public TCustomRichEdit {
public:
    using TCustomRichEdit::TCustomRichEdit;
};
