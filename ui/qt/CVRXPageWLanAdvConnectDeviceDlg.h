#pragma once

#include "ui/CVRXPageWLanAdvConnectDevice.h"

#include "ui/qt/FramedDialog.h"
#include <QBasicTimer>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The connection dialog on screen: a small modal window with the program's caption bar, the choice of USB
// or serial, the Port list and the five serial lists, Connect and Cancel. It shows what
// CVRXPageWLanAdvConnectDevice's controls hold and forwards the user's choices, the keys and its 5 s timer
// to it; Enter presses Connect, Escape cancels. It can be made larger (the corner's grip) for long port
// names; its designed size is the smallest.
//
// exec() returns the dialog's result: 1 connected, 2 the port cannot be opened, 3 cancelled.
class CVRXPageWLanAdvConnectDeviceDlg : public FramedDialog {
    Q_OBJECT
public:
    // mainWindow: a widget of the main window, over whose window the dialog is centred; may be none.
    CVRXPageWLanAdvConnectDeviceDlg(CVRXPageWLanAdvConnectDevice& model, QWidget* mainWindow = nullptr);
    ~CVRXPageWLanAdvConnectDeviceDlg() override;

    int exec() override;
    bool IsTimerActive() const { return m_timer.isActive(); }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void Refresh();
    void RefreshControls();
    // Hands the model what the controls hold now, however it got there (Connect and Enter read them).
    void ReadControls();
    // Enter and Escape, wherever the focus is; true when the key was one of them.
    bool HandleKey(int key);

    CVRXPageWLanAdvConnectDevice& m_model;
    QWidget* m_mainWindow;
    QRadioButton* m_radioUsb = nullptr;
    QRadioButton* m_radioSerial = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_baudRate = nullptr;
    QComboBox* m_dataBits = nullptr;
    QComboBox* m_parity = nullptr;
    QComboBox* m_stopBits = nullptr;
    QComboBox* m_flowControl = nullptr;
    QList<QWidget*> m_serialWidgets; // the five lists and their labels
    QPushButton* m_connect = nullptr;
    QPushButton* m_cancel = nullptr;
    QBasicTimer m_timer;
    bool m_bDone = false;
    bool m_bRefreshing = false; // the controls' signals while Refresh shows the model are not the user's
};
