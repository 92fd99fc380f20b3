#include "platform/services/Shell.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/qt/ImageSurface.h"

#include <QDesktopServices>
#include <QFileIconProvider>
#include <QPainter>
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

bool GetShellFileIcon(const QString& Path, bool Large, TIcon* Icon)
{
    if (!Icon || Path.isEmpty())
        return false;
    static QFileIconProvider provider;
    const QFileInfo info(Path);
    QIcon icon = info.exists() ? provider.icon(info) : QIcon();
    if (icon.isNull())
        icon = provider.icon(info.suffix().isEmpty() ? QAbstractFileIconProvider::Folder
                                                     : QAbstractFileIconProvider::File);
    const int size = Large ? 32 : 16;
    const QImage image = icon.pixmap(size, size).toImage();
    if (image.isNull())
        return false;
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        p.drawImage(QRect(0, 0, size, size), image);
    }
    Icon->Surface()->SetImage(out);
    return true;
}
