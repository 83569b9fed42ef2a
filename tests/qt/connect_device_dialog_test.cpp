#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"

#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "devport/CPortCom.h"
#include "ui/qt/QtTextCatalog.h"

#include "FakeDeviceRecords.h"
#include "FakePort.h"
#include "PtyPair.h"
#include "WhenShown.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

using Model = CVRXPageWLanAdvConnectDevice;

namespace {

// The dialog over scripted device records, a real serial port and a fake USB port.
struct Harness {
    FakeDeviceRecords records;
    FakePort usb;
    CPortCom serial;
    Model model{records, DevicePorts{&usb, &serial}};
    CVRXPageWLanAdvConnectDeviceDlg dialog;

    explicit Harness(QWidget* mainWindow = nullptr) : dialog(model, mainWindow) {}

    template <typename T> T* child(int controlId) const {
        T* found = dialog.findChild<T*>(QString::number(controlId));
        if (!found)
            qFatal("no control %d", controlId);
        return found;
    }
    QComboBox* port() const { return child<QComboBox>(Model::IDC_COMBO_PORT); }
    QPushButton* connectButton() const { return child<QPushButton>(Model::IDC_BTN_CONNECT); }

    // Runs the dialog with step on its modal loop; the dialog's result.
    int Run(std::function<void()> step) {
        WhenShown(dialog, std::move(step));
        return dialog.exec();
    }
    // Chooses the serial line and types path into the Port list as the user does.
    void TypeSerialPort(const QString& path) const {
        QTest::mouseClick(child<QRadioButton>(Model::IDC_RADIO_SERIAL), Qt::LeftButton);
        QLineEdit* field = port()->lineEdit();
        if (!field)
            qFatal("the serial Port list is not editable");
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, path);
    }
};

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class ConnectDeviceDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    void aTypedPtyPathConnects() {
        PtyPair pty;
        Harness h;
        const int result = h.Run([&] {
            h.TypeSerialPort(QString::fromStdString(pty.slavePath()));
            QVERIFY(h.connectButton()->isEnabled());
            QTest::mouseClick(h.connectButton(), Qt::LeftButton);
        });
        QCOMPARE(result, int(Model::kResultConnected));
        QCOMPARE(h.serial.GetDeviceOption().strPort, pty.slavePath());
        QCOMPARE(h.serial.GetDeviceOption().dwBaudRate, 115200u);
        QVERIFY(!h.serial.IsOpen());
        QVERIFY(!h.dialog.IsTimerActive());
    }

    void aPathThatDoesNotOpenGivesTwo() {
        Harness h;
        const int result = h.Run([&] {
            h.TypeSerialPort(QStringLiteral("/nonexistent/ttyQ7"));
            QTest::mouseClick(h.connectButton(), Qt::LeftButton);
        });
        QCOMPARE(result, int(Model::kResultOpenFailed));
        QCOMPARE(h.serial.GetDeviceOption().strPort, std::string("/nonexistent/ttyQ7"));
    }

    // A screen reader chooses through the radio button's "Toggle" action, which checks it without a click:
    // the dialog reacts all the same.
    void theAccessibilityToggleActionChoosesTheInterface() {
        Harness h;
        h.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
        h.records.AddTty("ttyS2", "pnp", "4");
        h.Run([&] {
            const auto toggle = [&](int controlId) {
                QAccessibleInterface* radio =
                    QAccessible::queryAccessibleInterface(h.child<QRadioButton>(controlId));
                QVERIFY(radio && radio->actionInterface());
                QVERIFY(radio->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::toggleAction()));
                radio->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            };
            toggle(Model::IDC_RADIO_SERIAL);
            QVERIFY(h.child<QRadioButton>(Model::IDC_RADIO_SERIAL)->isChecked());
            QCOMPARE(h.model.GetControls().interfaceChoice, int(Model::kInterfaceSerial));
            QCOMPARE(Items(h.port()), QStringList({"/dev/ttyS2"}));
            QVERIFY(h.port()->isEditable());
            QVERIFY(h.child<QComboBox>(Model::IDC_COMBO_BAUDRATE)->isVisible());
            toggle(Model::IDC_RADIO_USB);
            QCOMPARE(h.model.GetControls().interfaceChoice, int(Model::kInterfaceUsb));
            QCOMPARE(Items(h.port()), QStringList({"HALDA RK7"}));
            QVERIFY(!h.child<QComboBox>(Model::IDC_COMBO_BAUDRATE)->isVisible());
            h.dialog.reject();
        });
    }

    // Text put into the Port field by other means than typing is what Connect opens: the field is read
    // when Connect is pressed, even when no signal told the dialog.
    void connectOpensWhatThePortFieldHolds() {
        PtyPair pty;
        for (const bool quietly : {false, true}) {
            Harness h;
            const int result = h.Run([&] {
                h.TypeSerialPort(QStringLiteral("/nonexistent/ttyQ9"));
                QLineEdit* field = h.port()->lineEdit();
                field->blockSignals(quietly);
                field->setText(QString::fromStdString(pty.slavePath())); // as an assistive tool sets it
                field->blockSignals(false);
                QTest::mouseClick(h.connectButton(), Qt::LeftButton);
            });
            QCOMPARE(result, int(Model::kResultConnected));
            QCOMPARE(h.serial.GetDeviceOption().strPort, pty.slavePath());
        }
    }

    // A serial port is offered only when the user picked it before; the field starts empty.
    void serialPreselectsNoPort() {
        Harness h;
        h.records.AddTty("ttyS0", "platform", "4");
        h.Run([&] {
            QTest::mouseClick(h.child<QRadioButton>(Model::IDC_RADIO_SERIAL), Qt::LeftButton);
            QCOMPARE(Items(h.port()), QStringList({"/dev/ttyS0"}));
            QCOMPARE(h.port()->currentText(), QString());
            QVERIFY(!h.connectButton()->isEnabled());
            h.port()->setCurrentIndex(0);
            emit h.port()->activated(0);
            QVERIFY(h.connectButton()->isEnabled());
            h.dialog.reject();
        });
    }

    // The designed size is the smallest; larger, the Port list takes the width.
    void theDialogResizesAndThePortListGrows() {
        Harness h;
        h.records.AddTty("ttyS0", "platform", "4");
        h.Run([&] {
            QTest::mouseClick(h.child<QRadioButton>(Model::IDC_RADIO_SERIAL), Qt::LeftButton);
            const QSize designed = h.dialog.size();
            QCOMPARE(h.dialog.minimumSize(), designed);
            QVERIFY(h.dialog.maximumWidth() > designed.width() + 400);
            QVERIFY(h.dialog.findChild<QWidget*>(QStringLiteral("sizeGrip")));
            const int portWidth = h.port()->width();
            h.dialog.resize(designed.width() + 300, designed.height() + 100);
            QTRY_VERIFY(h.port()->width() >= portWidth + 250);
            h.dialog.resize(designed.width() - 100, designed.height() - 50);
            QCOMPARE(h.dialog.size(), designed);
            h.dialog.reject();
        });
    }

    void escapeCancels() {
        Harness h;
        h.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
        const int result = h.Run([&] { QTest::keyClick(h.port(), Qt::Key_Escape); });
        QCOMPARE(result, int(Model::kResultCancelled));
        QVERIFY(h.usb.calls.empty());
        QVERIFY(!h.dialog.IsTimerActive());
    }

    void escapeCancelsFromTheEditablePortList() {
        Harness h;
        const int result = h.Run([&] {
            h.TypeSerialPort(QStringLiteral("/dev/pts/nothing"));
            QTest::keyClick(h.port()->lineEdit(), Qt::Key_Escape);
        });
        QCOMPARE(result, int(Model::kResultCancelled));
    }

    void enterTestsThePort() {
        PtyPair pty;
        Harness h;
        const int result = h.Run([&] {
            h.TypeSerialPort(QString::fromStdString(pty.slavePath()));
            QTest::keyClick(h.port()->lineEdit(), Qt::Key_Return);
        });
        QCOMPARE(result, int(Model::kResultConnected));
        QCOMPARE(h.serial.GetDeviceOption().strPort, pty.slavePath());

        // Enter on a path that does not open reports it: no success for a port nobody tried.
        Harness missing;
        const int failed = missing.Run([&] {
            missing.TypeSerialPort(QStringLiteral("/nonexistent/ttyQ8"));
            QTest::keyClick(missing.port()->lineEdit(), Qt::Key_Enter);
        });
        QCOMPARE(failed, int(Model::kResultOpenFailed));
    }

    void enterWithoutAPortDoesNothing() {
        Harness h;
        bool stillUp = false;
        const int result = h.Run([&] {
            QVERIFY(!h.connectButton()->isEnabled());
            QTest::keyClick(&h.dialog, Qt::Key_Return);
            stillUp = h.dialog.isVisible();
            QTest::mouseClick(h.child<QPushButton>(Model::IDC_BTN_CANCEL), Qt::LeftButton);
        });
        QVERIFY(stillUp);
        QCOMPARE(result, int(Model::kResultCancelled));
    }

    void theControlsShowTheModel() {
        Harness h;
        h.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
        h.records.AddUsb("1-2", 0x3f9a, 0xa007, "B2");
        h.records.AddTty("ttyS10", "pnp", "4");
        h.records.AddTty("ttyS2", "pnp", "4");
        h.Run([&] {
            QCOMPARE(Items(h.port()), QStringList({"HALDA RK7", "HALDA RK7#1"}));
            QVERIFY(!h.port()->isEditable());
            QVERIFY(!h.child<QComboBox>(Model::IDC_COMBO_BAUDRATE)->isVisible());
            QVERIFY(!h.child<QLabel>(1153)->isVisible());
            QVERIFY(h.dialog.IsTimerActive());
            QCOMPARE(h.child<QRadioButton>(Model::IDC_RADIO_USB)->isChecked(), true);

            QTest::mouseClick(h.child<QRadioButton>(Model::IDC_RADIO_SERIAL), Qt::LeftButton);
            QCOMPARE(Items(h.port()), QStringList({"/dev/ttyS2", "/dev/ttyS10"}));
            QVERIFY(h.port()->isEditable());
            auto* baud = h.child<QComboBox>(Model::IDC_COMBO_BAUDRATE);
            QVERIFY(baud->isVisible());
            QCOMPARE(baud->currentText(), QStringLiteral("115200"));
            QCOMPARE(h.child<QComboBox>(Model::IDC_COMBO_PARITY)->currentText(), QStringLiteral("None"));
            QCOMPARE(h.child<QComboBox>(Model::IDC_COMBO_FLOWCONTROL)->currentText(),
                     QStringLiteral("Hardware"));
            // The second "38400" is chosen through the list as the user does.
            baud->setCurrentIndex(5);
            emit baud->activated(5);
            QCOMPARE(h.model.GetControls().baudRate.selected, 5);
            h.dialog.reject();
        });
    }

    void anUnpluggedPrinterDisappearsWithinFiveSeconds() {
        Harness h;
        h.records.AddUsb("1-1", 0x3f9a, 0xa007, "A1");
        h.Run([&] {
            QCOMPARE(Items(h.port()), QStringList({"HALDA RK7"}));
            QVERIFY(h.connectButton()->isEnabled());
            h.records.RemoveUsb("1-1");
            QTRY_COMPARE_WITH_TIMEOUT(Items(h.port()), QStringList({"No Available Ports"}), 5500);
            QVERIFY(!h.connectButton()->isEnabled());
            h.dialog.reject();
        });
    }

    void theDialogIsCentredOverTheMainWindow() {
        QWidget mainWindow;
        mainWindow.setGeometry(100, 80, 900, 700);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        Harness h(&mainWindow);
        h.Run([&] {
            const QPoint centre = mainWindow.mapToGlobal(mainWindow.rect().center());
            const QPoint dialogCentre = h.dialog.frameGeometry().center();
            QVERIFY2(qAbs(centre.x() - dialogCentre.x()) <= 1 && qAbs(centre.y() - dialogCentre.y()) <= 1,
                     qPrintable(QStringLiteral("%1,%2 vs %3,%4")
                                    .arg(centre.x())
                                    .arg(centre.y())
                                    .arg(dialogCentre.x())
                                    .arg(dialogCentre.y())));
            QCOMPARE(h.dialog.windowTitle(), QStringLiteral("Device Connection"));
            h.dialog.reject();
        });
    }

    // Every text whole in every language: the longest translation of each label and button fits.
    void everyTextFitsInEveryLanguage() {
        for (int index = 0; index < LanguageTable::kCount; ++index) {
            if (index > 0) {
                int error = 0;
                std::shared_ptr<const ITextCatalog> catalog =
                    QtTextCatalog::Load(QCoreApplication::applicationDirPath().toStdString() + "/" +
                                            LanguageTable::CatalogRelativePath(index),
                                        error);
                QVERIFY(catalog);
                StringTable::SetCatalog(catalog);
            }
            Harness h;
            h.records.AddTty("ttyUSB0", "usb-serial");
            h.Run([&] {
                QTest::mouseClick(h.child<QRadioButton>(Model::IDC_RADIO_SERIAL), Qt::LeftButton);
                for (QLabel* label : h.dialog.findChildren<QLabel*>())
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
                for (QAbstractButton* button : h.dialog.findChildren<QAbstractButton*>())
                    QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
                for (QComboBox* combo : h.dialog.findChildren<QComboBox*>())
                    for (int i = 0; i < combo->count(); ++i)
                        QVERIFY2(combo->width() >=
                                     combo->fontMetrics().horizontalAdvance(combo->itemText(i)) + 24,
                                 qPrintable(combo->itemText(i)));
                SaveScreenshot(h.dialog, index);
                h.dialog.reject();
            });
            StringTable::SetCatalog(nullptr);
        }
    }

private:
    // With QUORLINK_SCREENSHOTS (or QUORLINK_SCREENSHOT_DIR) set, the dialog as it looks now goes there as
    // a PNG per language, connect-device-dialog-<code>.png (scripts/contact-sheet uses them).
    static void SaveScreenshot(QWidget& dialog, int languageIndex) {
        QByteArray dir = qgetenv("QUORLINK_SCREENSHOTS");
        if (dir.isEmpty())
            dir = qgetenv("QUORLINK_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QDir().mkpath(QString::fromLocal8Bit(dir));
        const QString name = QString::fromLatin1(LanguageTable::ToolkitLocaleName(languageIndex));
        dialog.grab().save(
            QDir(QString::fromLocal8Bit(dir)).filePath("connect-device-dialog-" + name + ".png"));
    }
};

QTEST_MAIN(ConnectDeviceDialogTest)
#include "connect_device_dialog_test.moc"
