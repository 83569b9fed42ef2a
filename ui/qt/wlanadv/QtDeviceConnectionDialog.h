#pragma once

#include "devport/DevicePorts.h"
#include "devport/IDeviceRecords.h"
#include "ui/wlanadv/IDeviceConnectionDialog.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class CVRXPageWLanAdvConnectDevice;
class CVRXPageWLanAdvConnectDeviceDlg;

// The connection dialog on screen, made anew for every Connect, over the main window.
class QtDeviceConnectionDialog : public IDeviceConnectionDialog {
public:
    QtDeviceConnectionDialog(IDeviceRecords& records, DevicePorts ports, QWidget* mainWindow)
        : m_records(records), m_ports(ports), m_mainWindow(mainWindow) {}

    Choice Run() override;

    // Called with the dialog once it is up (tests and drivers fill it in).
    std::function<void(CVRXPageWLanAdvConnectDevice&, CVRXPageWLanAdvConnectDeviceDlg&)> onShown;

private:
    IDeviceRecords& m_records;
    DevicePorts m_ports;
    QPointer<QWidget> m_mainWindow;
};
