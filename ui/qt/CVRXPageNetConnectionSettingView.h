#pragma once

#include "ui/CVRXPageNetConnectionSetting.h"

#include <QWidget>

class IpAddressEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The network settings page on screen. It shows what CVRXPageNetConnectionSetting's controls hold and
// forwards the user's edits, clicks and the Escape key to it; all decisions are the page's.
class CVRXPageNetConnectionSettingView : public QWidget {
    Q_OBJECT
public:
    explicit CVRXPageNetConnectionSettingView(CVRXPageNetConnectionSetting& page, QWidget* parent = nullptr);
    ~CVRXPageNetConnectionSettingView() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refresh();
    QWidget* WidgetOf(int controlId) const;

    CVRXPageNetConnectionSetting& m_page;
    QRadioButton* m_radioDhcp = nullptr;
    QRadioButton* m_radioManual = nullptr;
    IpAddressEdit* m_ipAddress = nullptr;
    IpAddressEdit* m_subnetMask = nullptr;
    IpAddressEdit* m_gateway = nullptr;
    QLineEdit* m_portNumber = nullptr;
    QLineEdit* m_inactiveTime = nullptr;
    QLabel* m_ipLabel = nullptr;
    QLabel* m_subnetLabel = nullptr;
    QLabel* m_gatewayLabel = nullptr;
    QGroupBox* m_systemNameGroup = nullptr;
    QLabel* m_systemNameLabel = nullptr;
    QLineEdit* m_systemName = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    unsigned m_appliedFocusSerial = 0;
    int m_saveWidth = 0;
    int m_cancelWidth = 0;
};
