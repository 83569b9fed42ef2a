// The WLAN (Advanced) page's own grid items against quorlink-device-sim (Wi-Fi Direct with RF, a module
// that keeps certificate names): the user connects, picks an access point from the scan list, sets a new
// PSK in the password dialog and a new gateway in the address dialog, uploads a certificate as Client PEM,
// saves, and the simulator holds every change. With QUORLINK_SCREENSHOTS set to a folder, the access-point
// list, the password dialog and the address dialog are saved there as they come up during the run
// (wlan-run-bss-list.png, wlan-run-password.png, wlan-run-ip-config.png).
#include "DeviceSimProcess.h"
#include "FakeDeviceRecords.h"
#include "OfficeModule.h"
#include "TempDir.h"
#include "WLanPageSession.h"
#include "devcfg/PropertyIds.h"
#include "devport/ISpoolerHold.h"
#include "ui/qt/IpAddressEdit.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvBssListDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvIpConfigDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanPwSettingDlg.h"
#include "ui/qt/wlanadv/PropertyGridWidget.h"
#include "ui/qt/wlanadv/WLanAdvancedPage.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QTableWidget>
#include <QTreeWidget>

#include <string>

namespace {

const QString kPickedSsid = QStringLiteral("Workshop-2");
const char* const kNewPsk = "Quorlink&Rack-42";
const char* const kCertificateName = "rack-client.pem";

// The office module as Wi-Fi Direct with RF, on a manual address; it says it keeps certificate names (bit
// 0x01 of byDummy3, carried only by this variant) and knows a CA already. Three access points are in
// range: the one picked is neither the first nor the strongest, and its WPA security changes the
// authentication.
nlohmann::json SimulatorConfiguration() {
    nlohmann::json configuration = OfficeModule();
    configuration["variant"] = "wifi-direct-rf";
    nlohmann::json& record = configuration["record"];
    record["byNetworkMode"] = 0;
    record["byIPConfigMode"] = 0;
    record["byGateway"] = "192.0.2.1";
    record["byDummy3"] = 0x01;
    configuration["system"]["mac"] = "02:00:5e:10:00:0b";
    configuration["names"] = {{"ca", "site-ca.pem"}, {"key", ""}, {"pem", ""}};
    configuration["bss"] = nlohmann::json::array(
        {{{"ssid", "Office-7"}, {"bssid", "02:11:22:33:44:01"}, {"mode", 0}, {"rssi", -41}, {"security", 8}},
         {{"ssid", "Workshop-2"},
          {"bssid", "02:11:22:33:44:02"},
          {"mode", 0},
          {"rssi", -63},
          {"security", 4}},
         {{"ssid", "Guest"}, {"bssid", "02:11:22:33:44:03"}, {"mode", 0}, {"rssi", -78}, {"security", 0}}});
    return configuration;
}

// A PEM file of three upload chunks and a bit (1,370 bytes), every line different.
std::string CertificateText() {
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text = "-----BEGIN CERTIFICATE-----\n";
    for (int line = 0; line < 20; ++line) {
        for (int i = 0; i < 64; ++i)
            text += alphabet[(line * 7 + i * 13 + line * i) % 64];
        text += '\n';
    }
    text += "-----END CERTIFICATE-----\n";
    return text;
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 0xF];
    }
    return out;
}

void SaveScreenshot(QWidget& window, const char* name) {
    const QString folder = qEnvironmentVariable("QUORLINK_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
}

// Presses the "..." button of property id's row, as the user does with the mouse. The dialogs it opens
// run on their own modal loops: this returns when they are closed.
void PressButtonOf(PropertyGridWidget& grid, std::uint32_t id) {
    grid.SyncNow();
    QTreeWidgetItem* row = grid.RowOf(id);
    QVERIFY2(row, qPrintable(QStringLiteral("no row %1").arg(id)));
    grid.Tree()->scrollToItem(row);
    const QRect button = grid.ButtonRect(row);
    QVERIFY2(!button.isEmpty(), qPrintable(QStringLiteral("no button on row %1").arg(id)));
    QTest::mouseClick(grid.Tree()->viewport(), Qt::LeftButton, {}, button.center());
}

QString RowText(PropertyGridWidget& grid, std::uint32_t id) {
    grid.SyncNow();
    QTreeWidgetItem* row = grid.RowOf(id);
    return row ? row->text(1) : QStringLiteral("<no row %1>").arg(id);
}

QString StateText(const nlohmann::json& value) {
    return value.is_string() ? QString::fromStdString(value.get<std::string>())
                             : QString::fromStdString(value.dump());
}

} // namespace

class WLanItemsDriver : public QObject {
    Q_OBJECT
private slots:
    void pickTypeUploadSave() {
        DeviceSimProcess sim(SimulatorConfiguration());
        if (!sim.Ready())
            QFAIL(qPrintable(QStringLiteral("the simulator did not start: ") +
                             QString::fromStdString(sim.Output())));
        TempDir files;
        const std::string certificate = CertificateText();
        files.write(kCertificateName, certificate);
        FakeDeviceRecords records; // no serial port listed: the path is typed
        NoSpoolerHold spooler;
        NoMainWindow mainWindow;
        QWidget window;
        window.resize(580, 460);
        WLanAdvancedPage advanced(mainWindow, &window, {DevicePorts::Process(), &spooler, &records});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // 1. Connect through the connection dialog.
        BoxAnswerer boxes;
        ConnectByTypedPath(advanced, QString::fromStdString(sim.LinkPath()), boxes);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY(boxes.texts.contains(QStringLiteral("Success to get the WLAN information.")));
        CVRXPageWLanAdvSettingView* view = advanced.View();
        auto* save = view->findChild<QPushButton*>(QStringLiteral("btnConnect")); // Connect is Save now
        PropertyGridWidget* grid1 = view->Grid1View();
        QCOMPARE(RowText(*grid1, VRX_GROUP1_PROPERTY_ID_1), QStringLiteral("Office-7"));

        // 2. The SSID's button scans; the list shows the module's access points; a double-click picks one.
        QStringList listed;
        const auto picked =
            WhenModal<CVRXPageWLanAdvBssListDlg>(*this, [&](CVRXPageWLanAdvBssListDlg& dialog) {
                QTableWidget* list = dialog.List();
                SaveScreenshot(dialog, "wlan-run-bss-list.png");
                int row = -1;
                for (int r = 0; r < list->rowCount(); ++r) {
                    listed << list->item(r, 0)->text();
                    if (list->item(r, 0)->text() == kPickedSsid)
                        row = r;
                }
                QVERIFY(row >= 0);
                QCOMPARE(list->item(row, 1)->text(), QStringLiteral("02:11:22:33:44:02"));
                const QRect cell = list->visualRect(list->model()->index(row, 1));
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
            });
        PressButtonOf(*grid1, VRX_GROUP1_PROPERTY_ID_1);
        QVERIFY2(*picked, "the access-point list did not come up");
        if (QTest::currentTestFailed())
            return; // a step in the dialog failed
        listed.sort();
        QCOMPARE(listed, (QStringList{"Guest", "Office-7", "Workshop-2"}));
        QCOMPARE(RowText(*grid1, VRX_GROUP1_PROPERTY_ID_1), kPickedSsid);

        // 3. The PSK's button opens the password dialog: a new key, OK.
        const auto typed = WhenModal<CVRXPageWLanPwSettingDlg>(*this, [](CVRXPageWLanPwSettingDlg& dialog) {
            SaveScreenshot(dialog, "wlan-run-password.png");
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("password"));
            QVERIFY(edit);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, QString::fromLatin1(kNewPsk));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
        });
        PressButtonOf(*grid1, VRX_GROUP2_PROPERTY_ID_4);
        QVERIFY2(*typed, "the password dialog did not come up");
        if (QTest::currentTestFailed())
            return; // a step in the dialog failed
        QCOMPARE(RowText(*grid1, VRX_GROUP2_PROPERTY_ID_4),
                 QString(int(std::string(kNewPsk).size()), QLatin1Char('*')));

        // 4. The gateway's button opens the address dialog: the last number of the gateway, OK.
        const auto addressed =
            WhenModal<CVRXPageWLanAdvIpConfigDlg>(*this, [](CVRXPageWLanAdvIpConfigDlg& dialog) {
                SaveScreenshot(dialog, "wlan-run-ip-config.png");
                QLineEdit* last = dialog.Gateway()->field(3);
                last->setFocus();
                last->selectAll();
                QTest::keyClicks(last, "254");
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
            });
        PressButtonOf(*grid1, VRX_GROUP3_PROPERTY_ID_6);
        QVERIFY2(*addressed, "the address dialog did not come up");
        if (QTest::currentTestFailed())
            return; // a step in the dialog failed
        QCOMPARE(RowText(*grid1, VRX_GROUP3_PROPERTY_ID_6), QStringLiteral("192.0.2.254"));

        // 5. On the second grid: Client PEM as the type, then the file's button, the file chosen in the
        // file dialog, the question answered Yes.
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("btnPage2")), Qt::LeftButton);
        PropertyGridWidget* grid2 = view->Grid2View();
        QTRY_VERIFY(grid2->isVisible());
        QCOMPARE(RowText(*grid2, VRX_GROUP9_PROPERTY_ID_1), QStringLiteral("site-ca.pem"));
        QCOMPARE(RowText(*grid2, VRX_GROUP9_PROPERTY_ID_3), QString());
        grid2->SyncNow();
        grid2->Tree()->setFocus();
        grid2->Tree()->setCurrentItem(grid2->RowOf(VRX_GROUP8_PROPERTY_ID_1));
        QTest::keyClick(grid2->Tree(), Qt::Key_F2);
        auto* type = grid2->Tree()->findChild<QComboBox*>(QStringLiteral("optionEditor"));
        QVERIFY(type);
        QTest::keyClick(type, Qt::Key_End);
        QTRY_COMPARE(RowText(*grid2, VRX_GROUP8_PROPERTY_ID_1), QStringLiteral("Client PEM"));

        // The file dialog opens in the working folder, where the certificate is: its name typed, Open.
        const QString workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QString::fromStdString(files.path().string())));
        const auto chosen = WhenModal<QFileDialog>(*this, [](QFileDialog& dialog) {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            QVERIFY(name && buttons && buttons->button(QDialogButtonBox::Open));
            name->setFocus();
            QTest::keyClicks(name, QString::fromLatin1(kCertificateName));
            QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
        });
        const qsizetype boxesBefore = boxes.texts.size();
        PressButtonOf(*grid2, VRX_GROUP8_PROPERTY_ID_2);
        QDir::setCurrent(workingFolder);
        QVERIFY2(*chosen, "the file dialog did not come up");
        if (QTest::currentTestFailed())
            return; // a step in the dialog failed
        const QStringList uploadBoxes = boxes.texts.mid(boxesBefore);
        QVERIFY2(uploadBoxes.contains(QStringLiteral("Are you sure to upload the certificate?")),
                 qPrintable(uploadBoxes.join(QStringLiteral(" | "))));
        QVERIFY2(uploadBoxes.contains(QStringLiteral("The certificate has been uploaded successfully.")),
                 qPrintable(uploadBoxes.join(QStringLiteral(" | "))));
        // The module keeps names: the grid shows the file's name for Client PEM, the CA's stays.
        QCOMPARE(RowText(*grid2, VRX_GROUP9_PROPERTY_ID_3), QString::fromLatin1(kCertificateName));
        QCOMPARE(RowText(*grid2, VRX_GROUP9_PROPERTY_ID_1), QStringLiteral("site-ca.pem"));

        // 6. Save: asked, sent, applied, disconnected.
        QMetaObject::invokeMethod(save, "click", Qt::QueuedConnection);
        QTRY_VERIFY2_WITH_TIMEOUT(
            boxes.texts.contains(QStringLiteral("The changes have been applied. Please reset the printer.")),
            qPrintable(boxes.texts.join(QStringLiteral(" | "))), 30000);
        QVERIFY(boxes.texts.contains(QStringLiteral("Are you sure to save the new configuration?")));
        QVERIFY(!advanced.Page().IsConnected());

        // What the printer holds now.
        const nlohmann::json state = sim.State();
        const nlohmann::json& record = state["record"];
        QCOMPARE(StateText(record["bySSID"]), kPickedSsid);
        QCOMPARE(StateText(record["byAuthentication"]), QStringLiteral("2")); // WPA-PSK, as the AP has it
        QCOMPARE(StateText(record["byEncryption"]), QStringLiteral("3"));     // TKIP
        QCOMPARE(StateText(record["byPSK_Key"]), QString::fromLatin1(kNewPsk));
        QCOMPARE(StateText(record["byGateway"]), QStringLiteral("192.0.2.254"));
        QCOMPARE(StateText(record["byIP"]), QStringLiteral("192.0.2.7"));
        QCOMPARE(StateText(record["bySubnetMask"]), QStringLiteral("255.255.255.0"));
        const nlohmann::json& pem = state["certificates"]["pem"];
        QCOMPARE(StateText(pem["hex"]), QString::fromStdString(Hex(certificate)));
        QCOMPARE(pem["ended"].get<bool>(), true);
        QCOMPARE(pem["uploads"].get<int>(), 1);
        QCOMPARE(state["certificates"]["ca"]["size"].get<int>(), 0);
        QCOMPARE(StateText(state["names"]["pem"]), QString::fromLatin1(kCertificateName));
        QCOMPARE(StateText(state["names"]["ca"]), QStringLiteral("site-ca.pem"));
        QCOMPARE(state["sets"].get<int>(), 1);
    }
};

QTEST_MAIN(WLanItemsDriver)
#include "wlan_items_driver.moc"
