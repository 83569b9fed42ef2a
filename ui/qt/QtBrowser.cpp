#include "ui/qt/QtBrowser.h"

#include <QDesktopServices>
#include <QUrl>

bool QtBrowser::Open(const std::string& url) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid())
        return false;
    return QDesktopServices::openUrl(address);
}
