// Shows every window of the program, one scene after another, over fakes: the printer list filled by a
// scripted search (nothing is sent anywhere), the WLAN (Advanced) page, unconnected and connected (to the
// simulator's network module in this process, its grids filled from the module's record), the grid items'
// password, address and access-point dialogs, a printer's settings, the search dialog, the waiting dialog and
// the connection dialog. Used by the accessibility walk
// (tests/accessibility/atspi_walk.py) and to take the screenshots of docs/.
//
//   window-tour-driver [--language INDEX] [--dark] [--screenshots FOLDER]
//
// Each scene prints "SCENE <name> <expectations>" on stdout; the driver then waits for a line on stdin
// before it goes on (so that the walker can read the windows over the accessibility bus), or, with
// --screenshots, saves every visible window of the scene as FOLDER/<scene>[-<n>].png. After the last scene
// it prints "DONE" and ends. A new window of the program belongs in the scene table below.

#include "ConnectionDialogTyping.h"
#include "MainWindowHarness.h"
#include "PageDoubles.h"
#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "devport/DevicePorts.h"
#include "ui/CVRXPageWLanAdvConnectDevice.h"
#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/CVRXPageWLanAdvConnectDeviceDlg.h"
#include "ui/qt/CVRXSearchDlg.h"
#include "ui/qt/CVRXWaitingDlg.h"
#include "ui/qt/QtAppPlatform.h"
#include "ui/qt/QtTextCatalog.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvBssListDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvIpConfigDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanPwSettingDlg.h"
#include "ui/qt/wlanadv/PropertyGridWidget.h"
#include "ui/qt/wlanadv/WLanAdvancedPage.h"

#include "FakeDeviceRecords.h"
#include "FakePort.h"
#include "ModulePort.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QRadioButton>
#include <QSocketNotifier>
#include <QStyleFactory>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <tuple>
#include <unistd.h>
#include <vector>

using printers::MacOf;
using printers::Wired;
using printers::Wireless;

namespace {

struct Scene {
    const char* name;
    // What the walker must find besides names: "addresses=N" address fields, "busy=N" busy indicators,
    // "rows=N" grid rows that read "name, value", "row=VALUE" a grid row that reads "name, VALUE".
    const char* expectations;
    std::function<void()> show;
};

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(0x2b, 0x2d, 0x31), base(0x1e, 0x1f, 0x22), text(0xe6, 0xe6, 0xe6);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3d, 0x42));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xe0));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0x8a, 0x8d, 0x93));
    dark.setColor(QPalette::Light, QColor(0x50, 0x53, 0x58));
    dark.setColor(QPalette::Midlight, QColor(0x44, 0x47, 0x4c));
    dark.setColor(QPalette::Mid, QColor(0x25, 0x27, 0x2a));
    dark.setColor(QPalette::Dark, QColor(0x18, 0x19, 0x1b));
    dark.setColor(QPalette::Shadow, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x7a, 0x7d, 0x82));
    return dark;
}

void Settle(int milliseconds) {
    QTest::qWait(milliseconds);
}

// The WLAN (Advanced) page in a window of its own, connected over a serial line to the simulator's module:
// the grids hold the module's record.
struct ConnectedPage {
    ModulePort port{ModulePort::OfficeModuleWithScan()};
    FakeDeviceRecords records;
    FreeSpoolerHold spooler;
    NoMainWindow mainWindow;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    std::unique_ptr<WLanAdvancedPage> advanced;

    ConnectedPage() {
        advanced = std::make_unique<WLanAdvancedPage>(
            mainWindow, window.get(), WLanAdvancedPage::Parts{{nullptr, &port}, &spooler, &records});
        window->setWindowTitle(advanced->View()->windowTitle());
        window->setFixedSize(advanced->View()->size());
        advanced->ConnectionDialog().onShown = [](CVRXPageWLanAdvConnectDevice&,
                                                  CVRXPageWLanAdvConnectDeviceDlg& dialog) {
            TypePathAndConnect(QStringLiteral("/dev/ttyQL-module"), dialog);
        };
    }
    ~ConnectedPage() {
        advanced.reset();
        window.reset();
    }

    // Shows the window and connects; the message that says so is answered.
    bool Connect() {
        window->show();
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        answer.start(20);
        QMetaObject::invokeMethod(advanced->View()->findChild<QPushButton*>(QStringLiteral("btnConnect")),
                                  "click", Qt::QueuedConnection);
        for (int tries = 0; tries < 1000 && !advanced->Page().IsConnected(); ++tries)
            Settle(20);
        Settle(100);
        advanced->View()->Grid1View()->SyncNow();
        advanced->View()->Grid2View()->SyncNow();
        return advanced->Page().IsConnected();
    }
    void ShowGrid(int number) {
        advanced->View()->findChild<QPushButton*>(number == 1 ? "btnPage1" : "btnPage2")->click();
        PropertyGridWidget* grid =
            number == 1 ? advanced->View()->Grid1View() : advanced->View()->Grid2View();
        grid->SyncNow();
        grid->Tree()->setFocus();
        grid->Tree()->setCurrentItem(grid->Tree()->topLevelItem(0));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("window-tour-driver"));
    int language = 0;
    bool dark = false;
    QString screenshots;
    const QStringList arguments = QApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--language") && i + 1 < arguments.size())
            language = arguments[++i].toInt();
        else if (arguments[i] == QLatin1String("--dark"))
            dark = true;
        else if (arguments[i] == QLatin1String("--screenshots") && i + 1 < arguments.size())
            screenshots = arguments[++i];
        else {
            std::fprintf(stderr,
                         "usage: window-tour-driver [--language INDEX] [--dark] [--screenshots FOLDER]\n");
            return 2;
        }
    }
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    QtAppPlatform platform([] { return 0; });
    if (language > 0) {
        int error = 0;
        const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/" +
                                 LanguageTable::CatalogRelativePath(language);
        std::shared_ptr<const ITextCatalog> catalog = QtTextCatalog::Load(path, error);
        if (!catalog) {
            std::fprintf(stderr, "no catalog %s\n", path.c_str());
            return 2;
        }
        StringTable::SetCatalog(catalog);
        platform.UseToolkitLanguage(language);
    }

    MainWindowHarness h;
    h.view->show();
    if (!QTest::qWaitForWindowExposed(h.view.get()))
        std::fprintf(stderr, "the main window was never shown\n");
    // The scripted search of the harness: a table handed over at once, no dialog, no socket.
    EthernetInfoMap wired;
    for (std::uint8_t last = 1; last <= 3; ++last)
        wired[MacOf(last)] = Wired(last, {192, 0, 2, static_cast<std::uint8_t>(100 + last)});
    h.searchFinds(wired, {{MacOf(0x40), Wireless(0x40, {198, 51, 100, 40}, 0x91, "Label-Lab-7", 1)}});

    FakeDeviceRecords records;
    FakePort usb;
    FakePort serial;
    CVRXPageWLanAdvConnectDevice connectModel(records, DevicePorts{&usb, &serial});
    std::unique_ptr<QWidget> dialog;
    std::unique_ptr<ConnectedPage> connected;
    // The item dialogs' models, as the grid's items fill them.
    CVRXPageWLanPwSetting passwordModel(false, "psk-12345", "PSK Key", 63);
    CVRXPageWLanAdvIpConfig addressModel;
    addressModel.SetIPAddress({192, 0, 2, 7});
    addressModel.SetSubnetMask({255, 255, 255, 0});
    addressModel.SetGateway({192, 0, 2, 1});
    std::vector<BSS_INFO> scan;
    for (const auto& [ssid, last, rssi] :
         {std::tuple{"Office-7", 0x55, -67}, std::tuple{"Lab", 0x66, -40}, std::tuple{"Store", 0x77, -80}}) {
        BSS_INFO entry{};
        std::memcpy(entry.bySSID, ssid, std::strlen(ssid));
        const std::uint8_t bssid[6] = {0x02, 0x11, 0x22, 0x33, 0x44, static_cast<std::uint8_t>(last)};
        std::memcpy(entry.byBSSID, bssid, 6);
        DeviceRecords::SetRssi(entry, static_cast<std::int16_t>(rssi));
        entry.bySecurity = 8;
        entry.byIndex = static_cast<std::uint8_t>(scan.size());
        scan.push_back(entry);
    }
    CVRXPageWLanAdvBssList listModel;
    listModel.SetBSSInfoData(scan.data(), static_cast<int>(scan.size()));

    const std::vector<Scene> scenes = {
        {"printer-list", "", [&] { h.mainSheet()->setCurrentIndex(0); }},
        {"wlan-page", "", [&] { h.mainSheet()->setCurrentIndex(1); }},
        {"wlan-page-connected", "rows=5 row=Office-7",
         [&] {
             h.mainSheet()->setCurrentIndex(0);
             connected = std::make_unique<ConnectedPage>();
             if (!connected->Connect())
                 std::fprintf(stderr, "the page did not connect to the module\n");
             connected->ShowGrid(1);
         }},
        {"wlan-page-connected-grid2", "rows=5 row=public",
         [&] {
             if (connected)
                 connected->ShowGrid(2);
         }},
        {"password-dialog", "",
         [&] {
             connected.reset();
             auto* window = new CVRXPageWLanPwSettingDlg(passwordModel, h.view.get());
             dialog.reset(window);
             window->Prepare();
             window->show();
         }},
        {"ip-config-dialog", "addresses=3",
         [&] {
             auto* window = new CVRXPageWLanAdvIpConfigDlg(addressModel, h.view.get());
             dialog.reset(window);
             window->Prepare();
             window->show();
         }},
        {"bss-list-dialog", "",
         [&] {
             auto* window = new CVRXPageWLanAdvBssListDlg(listModel, h.view.get());
             dialog.reset(window);
             window->Prepare();
             window->show();
         }},
        {"settings-page", "addresses=3",
         [&] {
             h.mainSheet()->setCurrentIndex(0);
             h.doubleClickCell(3);
             for (int tries = 0; tries < 50 && !h.settingsSheet()->isVisible(); ++tries)
                 Settle(20);
             h.child<QRadioButton>("radioManual")->click();
         }},
        {"search-dialog", "busy=1",
         [&] {
             auto* search = new CVRXSearchDlg(h.endpoint, h.messages, h.cursor, h.view.get());
             dialog.reset(search);
             search->BusyIndicator()->Control().Start();
             search->show();
         }},
        {"waiting-dialog", "busy=1",
         [&] {
             auto* waiting = new CVRXWaitingDlg(h.cursor, h.view.get());
             dialog.reset(waiting);
             waiting->BusyIndicator()->Control().Start();
             waiting->show();
         }},
        {"connection-dialog", "",
         [&] {
             auto* connect = new CVRXPageWLanAdvConnectDeviceDlg(connectModel, h.view.get());
             dialog.reset(connect);
             connect->show();
         }},
    };

    for (const Scene& scene : scenes) {
        dialog.reset();
        scene.show();
        Settle(400);
        if (!screenshots.isEmpty()) {
            QDir().mkpath(screenshots);
            int n = 0;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->isVisible() || window == h.view.get())
                    continue;
                window->grab().save(
                    QDir(screenshots)
                        .filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(scene.name)).arg(++n)));
            }
            h.view->grab().save(
                QDir(screenshots).filePath(QStringLiteral("%1.png").arg(QLatin1String(scene.name))));
            std::printf("SCENE %s %s\n", scene.name, scene.expectations);
            std::fflush(stdout);
            continue;
        }
        std::printf("SCENE %s %s\n", scene.name, scene.expectations);
        std::fflush(stdout);
        // Wait for the walker's line, answering the accessibility bus meanwhile.
        QEventLoop wait;
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, &wait, [&wait] {
            char buffer[256];
            if (read(STDIN_FILENO, buffer, sizeof buffer) >= 0)
                wait.quit();
        });
        wait.exec();
    }
    dialog.reset();
    connected.reset();
    std::printf("DONE\n");
    std::fflush(stdout);
    return 0;
}
