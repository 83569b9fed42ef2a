#include "ui/qt/wlanadv/QtDeviceConnectionDialog.h"

#include "devport/PortOpenFailure.h"
#include "ui/CVRXPageWLanAdvConnectDevice.h"
#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"

#include <QTimer>

IDeviceConnectionDialog::Choice QtDeviceConnectionDialog::Run() {
    CVRXPageWLanAdvConnectDevice model(m_records, m_ports);
    CVRXPageWLanAdvConnectDeviceDlg dialog(model, m_mainWindow);
    dialog.setObjectName(QStringLiteral("connectDeviceDialog"));
    if (onShown)
        QTimer::singleShot(0, &dialog, [this, &model, &dialog] { onShown(model, dialog); });
    Choice choice;
    choice.result = dialog.exec();
    choice.interfaceType = model.GetDeviceOption().dwInterfaceType;
    if (choice.result == CVRXPageWLanAdvConnectDevice::kResultOpenFailed)
        choice.openFailureAdvice = PortOpenAdvice(model.GetOpenFailure());
    return choice;
}
