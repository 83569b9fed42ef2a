#pragma once

#include "ui/wlanadv/CVRXPageWLanAdvIpConfig.h"

#include "ui/qt/FramedDialog.h"

class IpAddressEdit;
class QPushButton;

// The IP address dialog on screen: the caption bar, the group "Network" with the three address fields, OK
// and Cancel. A number the user empties becomes 0 at once; Enter anywhere is OK. exec() returns the model's
// result (1 OK, 2 Cancel).
class CVRXPageWLanAdvIpConfigDlg : public FramedDialog {
    Q_OBJECT
public:
    CVRXPageWLanAdvIpConfigDlg(CVRXPageWLanAdvIpConfig& model, QWidget* mainWindow = nullptr);
    ~CVRXPageWLanAdvIpConfigDlg() override;

    int exec() override;
    // What exec() does before the dialog goes up: the model's start, the texts, size, place and focus (a
    // dialog shown without exec(), as the window tour shows it, calls it first).
    void Prepare();

    IpAddressEdit* IpAddress() const { return m_ip; }
    IpAddressEdit* SubnetMask() const { return m_subnetMask; }
    IpAddressEdit* Gateway() const { return m_gateway; }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnOK();
    void End();

    CVRXPageWLanAdvIpConfig& m_model;
    QWidget* m_mainWindow;
    IpAddressEdit* m_ip = nullptr;
    IpAddressEdit* m_subnetMask = nullptr;
    IpAddressEdit* m_gateway = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_bDone = false;
};
