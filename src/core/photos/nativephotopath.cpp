#include "photos/nativephotopath.h"

#include <QDir>
#include <QStringList>
#include <QUrl>

#ifdef Q_OS_WIN
QString nativePhotoPath(const QString &entry)
{
    // A dropped file:///C:/f/a.jpg and a chosen C:/f/a.jpg both become C:\f\a.jpg.
    QString path = entry.split(QLatin1Char('/')).join(QLatin1Char('\\'));
    path.remove(QStringLiteral("file:\\\\\\"));
    return path;
}
#else
QString nativePhotoPath(const QString &entry)
{
    // Drops arrive as URLs (percent-encoded or not), chosen files as paths; only URLs are
    // decoded, so a path that happens to contain "%20" keeps it.
    if (entry.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(entry, QUrl::TolerantMode);
        if (url.isValid() && url.isLocalFile())
            return QDir::toNativeSeparators(url.toLocalFile());
    }
    return QDir::toNativeSeparators(entry);
}
#endif
