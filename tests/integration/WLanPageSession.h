#pragma once

// What the WLAN (Advanced) page drivers share: a main window that takes no messages, a user who answers
// every message box, the connection dialog filled in by keyboard and mouse, and steps run on the modal
// loop of a dialog the page opens.
#include "ConnectionDialogTyping.h"
#include "PageDoubles.h"
#include "ui/CVRXPageWLanAdvConnectDevice.h"
#include "ui/IMainWindowMessages.h"
#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"
#include "ui/qt/wlanadv/WLanAdvancedPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// Answers every message box that comes up (Yes for a question) and keeps its text.
class BoxAnswerer : public QObject {
public:
    QStringList texts;
    BoxAnswerer() {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts << box->text();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->button(QMessageBox::Ok))->click();
        });
        m_poll.start(20);
    }

private:
    QTimer m_poll;
};

// Presses the page's Connect, types path into the connection dialog and waits until the page has read
// the printer and said so in a message box. A wait that ran out fails the test: callers check
// QTest::currentTestFailed() before they go on.
inline void ConnectByTypedPath(WLanAdvancedPage& advanced, const QString& path, const BoxAnswerer& boxes) {
    advanced.ConnectionDialog().onShown = [path](CVRXPageWLanAdvConnectDevice&,
                                                 CVRXPageWLanAdvConnectDeviceDlg& dialog) {
        TypePathAndConnect(path, dialog);
    };
    auto* connect = advanced.View()->findChild<QPushButton*>(QStringLiteral("btnConnect"));
    QVERIFY(connect);
    QMetaObject::invokeMethod(connect, "click", Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(advanced.Page().IsConnected() && !boxes.texts.isEmpty(), 30000);
}

// Runs step once on the modal loop of the first dialog of type Dialog that comes up as the modal window
// (the page opens its dialogs from a button's click, which returns only when they are closed). A step
// that stopped half-way leaves its dialog up: it is cancelled afterwards, so that the run goes on. The
// flag tells whether the step ran.
template <typename Dialog>
std::shared_ptr<bool> WhenModal(QObject& owner, std::function<void(Dialog&)> step) {
    auto ran = std::make_shared<bool>(false);
    auto* poll = new QTimer(&owner);
    QObject::connect(poll, &QTimer::timeout, &owner, [poll, ran, step] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        *ran = true;
        step(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
    return ran;
}
