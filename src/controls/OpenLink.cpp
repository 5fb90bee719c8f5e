#include "OpenLink.h"

#include <QDesktopServices>
#include <QUrl>

void openLink(const QString &link)
{
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}
