#pragma once

#include <QWidget>

// Stands in for the WLAN (Advanced) page until that page is built: a tab of the main sheet that says so.
class WLanAdvancedPlaceholderView : public QWidget {
    Q_OBJECT
public:
    explicit WLanAdvancedPlaceholderView(QWidget* parent = nullptr);
};
