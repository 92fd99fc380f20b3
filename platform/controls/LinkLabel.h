#pragma once
// TLinkLabel: text with links written as <a href="...">text</a> (or
// <a id="...">): clicking a link runs OnLinkClick with the href (sltURL)
// or the id (sltID). Everything outside the <a> tags shows as plain text.
#include "platform/controls/WinControl.h"

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const QString& Link, TSysLinkType LinkType)>;

struct TLinkPart {
    QString Text;
    // Empty for plain text.
    QString Link;
    TSysLinkType Type = sltURL;
};

// Splits a caption into plain text and links.
std::vector<TLinkPart> ParseLinkCaption(const QString& Caption);

class TLinkLabel : public TWinControl {
public:
    explicit TLinkLabel(TComponent* AOwner = nullptr);

    // Runs the link as a click on it would.
    void ClickLink(int Index);
    int LinkCount() const;

    TSysLinkEvent OnLinkClick;

protected:
    virtual void DoOnLinkClick(const QString& Link, TSysLinkType LinkType);
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    friend class LinkBridge;
    void Push();
};
