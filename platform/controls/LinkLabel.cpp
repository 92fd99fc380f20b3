#include "platform/controls/LinkLabel.h"
#include "platform/controls/NativeControl.h"
#include <QRegularExpression>

std::vector<TLinkPart> ParseLinkCaption(const QString& Caption)
{
    static const QRegularExpression tag(
        QStringLiteral("<a(?:\\s+(href|id)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]*)))?\\s*>(.*?)</a>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    std::vector<TLinkPart> parts;
    qsizetype at = 0;
    auto it = tag.globalMatch(Caption);
    while (it.hasNext()) {
        QRegularExpressionMatch m = it.next();
        if (m.capturedStart() > at)
            parts.push_back({Caption.mid(at, m.capturedStart() - at), QString(), sltURL});
        TLinkPart link;
        link.Text = m.captured(5);
        QString value = m.captured(2) + m.captured(3) + m.captured(4);
        link.Type = m.captured(1).compare(QLatin1String("id"), Qt::CaseInsensitive) == 0 ? sltID : sltURL;
        // A link without href or id reports its text.
        link.Link = m.captured(1).isEmpty() ? link.Text : value;
        parts.push_back(link);
        at = m.capturedEnd();
    }
    if (at < Caption.size())
        parts.push_back({Caption.mid(at), QString(), sltURL});
    return parts;
}

TLinkLabel::TLinkLabel(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csSetCaption, csClickEvents, csDoubleClicks};
    SetTabStop(true);
    SetBounds(0, 0, 53, 17);
}

int TLinkLabel::LinkCount() const
{
    int n = 0;
    for (const TLinkPart& p : ParseLinkCaption(Caption()))
        if (!p.Link.isEmpty())
            ++n;
    return n;
}

void TLinkLabel::ClickLink(int Index)
{
    int n = 0;
    for (const TLinkPart& p : ParseLinkCaption(Caption())) {
        if (p.Link.isEmpty())
            continue;
        if (n++ == Index) {
            DoOnLinkClick(p.Link, p.Type);
            return;
        }
    }
}

void TLinkLabel::DoOnLinkClick(const QString& Link, TSysLinkType LinkType)
{
    CallEvent(OnLinkClick, this, Link, LinkType);
}

void TLinkLabel::WndProc(TMessage& Message)
{
    NativeWndProc(this, Message, [&] { TWinControl::WndProc(Message); });
}

void TLinkLabel::CMTextChanged(TMessage& Message)
{
    TWinControl::CMTextChanged(Message);
    Push();
}

void TLinkLabel::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    NativeApplyFont(this);
}
