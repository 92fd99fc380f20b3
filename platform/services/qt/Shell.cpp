#include "platform/services/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

TShellOpenHandler& Handler()
{
    static TShellOpenHandler handler;
    return handler;
}

QUrl TargetUrl(const QString& Target)
{
    const QString t = Target.trimmed();
    if (t.isEmpty())
        return QUrl();
    // A one-letter scheme would be a drive letter, not a URL.
    const QUrl url(t, QUrl::TolerantMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
}

} // namespace

QString ShellOpenUrl(const QString& Target)
{
    return TargetUrl(Target).toString(QUrl::FullyEncoded);
}

bool ShellOpen(const QString& Target)
{
    const QUrl url = TargetUrl(Target);
    if (!url.isValid() || url.isEmpty())
        return false;
    if (Handler())
        return Handler()(url.toString(QUrl::FullyEncoded));
    return QDesktopServices::openUrl(url);
}

void SetShellOpenHandler(TShellOpenHandler Handler_)
{
    Handler() = std::move(Handler_);
}
