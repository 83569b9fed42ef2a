#pragma once

#include "ui/CVRXPageWLanAdvConnectDevice.h"
#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Types path into the connection dialog's Port list (serial) and presses Connect, as the user does.
inline void TypePathAndConnect(const QString& path, CVRXPageWLanAdvConnectDeviceDlg& dialog) {
    auto* serial =
        dialog.findChild<QRadioButton*>(QString::number(CVRXPageWLanAdvConnectDevice::IDC_RADIO_SERIAL));
    QTest::mouseClick(serial, Qt::LeftButton);
    auto* port = dialog.findChild<QComboBox*>(QString::number(CVRXPageWLanAdvConnectDevice::IDC_COMBO_PORT));
    QLineEdit* field = port->lineEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, path);
    QTest::mouseClick(
        dialog.findChild<QPushButton*>(QString::number(CVRXPageWLanAdvConnectDevice::IDC_BTN_CONNECT)),
        Qt::LeftButton);
}
