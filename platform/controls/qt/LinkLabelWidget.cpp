// The native side of TLinkLabel: a rich-text label whose links carry
// their index.
#include "platform/controls/LinkLabel.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QLabel>

class LinkBridge {
public:
    static void Activated(TLinkLabel* l, const QString& href) { l->ClickLink(href.toInt()); }
};

void TLinkLabel::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* label = new QLabel;
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    AttachNative(this, label);
    NativeApplyFont(this);
    Push();
    QObject::connect(label, &QLabel::linkActivated, label,
                     [this](const QString& href) { LinkBridge::Activated(this, href); });
}

void TLinkLabel::Push()
{
    auto* label = NativeAs<QLabel>(this);
    if (!label)
        return;
    QString html;
    int index = 0;
    for (const TLinkPart& p : ParseLinkCaption(Caption())) {
        if (p.Link.isEmpty())
            html += p.Text.toHtmlEscaped();
        else
            html += QStringLiteral("<a href=\"%1\">%2</a>").arg(index++).arg(p.Text.toHtmlEscaped());
    }
    label->setText(html);
}
