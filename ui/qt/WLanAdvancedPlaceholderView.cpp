#include "ui/qt/WLanAdvancedPlaceholderView.h"

#include "app/StringTable.h"
#include "ui/CVRXPageBasicSetting.h"
#include "ui/qt/QuorlinkLook.h"

#include <QLabel>
#include <QVBoxLayout>

WLanAdvancedPlaceholderView::WLanAdvancedPlaceholderView(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QString::fromStdString(StringTable::Dialog("CVRXPageWLanAdvSetting", "WLAN (Advanced)")));
    setFixedSize(CVRXPageBasicSetting::kPageWidth, CVRXPageBasicSetting::kPageHeight);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    auto* icon = new QLabel(this);
    icon->setPixmap(QuorlinkLook::Icon(QuorlinkLook::IconKind::WLanTab).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    auto* text =
        new QLabel(QString::fromStdString(StringTable::Dialog(
                       "CVRXPageWLanAdvSetting",
                       "The advanced WLAN settings of a printer attached by USB or a serial line will "
                       "be configured on this page in a later version.")),
                   this);
    text->setObjectName(QStringLiteral("placeholderText"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setContentsMargins(60, 8, 60, 0);
    layout->addWidget(text);
    layout->addStretch(3);
}
