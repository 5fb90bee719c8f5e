#include "Inet.h"

#include <QDesktopServices>
#include <QUrl>

void Inet::openLink(const QString &link, QWidget *window)
{
    Q_UNUSED(window);
    QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}
