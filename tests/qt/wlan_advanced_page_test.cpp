#include "app/StringTable.h"
#include "devcfg/CConfigurationValidator.h"
#include "devcfg/DeviceFrame.h"
#include "devcfg/PropertyIds.h"
#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/CVRXWaitingDlg.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvSettingView.h"
#include "ui/qt/wlanadv/PropertyGridWidget.h"
#include "ui/qt/wlanadv/QtPageTimer.h"
#include "ui/qt/wlanadv/QtWaitingDialog.h"
#include "ui/qt/wlanadv/QtWindowLoop.h"

#include "app/LanguageTable.h"
#include "ui/qt/QtTextCatalog.h"
#include "ui/wlanadv/GroupEditorAdapter.h"
#include "ui/wlanadv/WLanAdvGroupEditor.h"

#include "FakeCursor.h"
#include "FakeGroupEditor.h"
#include "ModulePort.h"
#include "PageDoubles.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

namespace {

using Bytes = std::vector<std::uint8_t>;

class RecordingMessageBox : public IMessageBox {
public:
    std::vector<std::string> errors, informations;
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowInformation(const std::string& text) override { informations.push_back(text); }
    bool AskYesNo(const std::string&) override { return true; }
};

// A printer's network module that stays silent (every read waits 100 ms for nothing) until it is told to
// answer; then it answers a configuration read.
class SlowModulePort : public CPortMng {
public:
    std::atomic<bool> answering{false};
    std::atomic<int> silentReads{0};

    bool OpenPort() override { return true; }
    void ClosePort() override {}
    bool SetDeviceOption(DEVICE_OPTION) override { return true; }
    std::uint32_t GetInterfaceType() override { return VRX_DEVICE_INTERFACE_SERIAL; }
    std::uint32_t Write(const std::uint8_t* bytes, std::uint32_t count) override {
        std::lock_guard lock(m_mutex);
        m_pending.clear();
        if (!answering)
            return count;
        const Bytes written(bytes, bytes + count);
        auto is = [&](const Bytes& expected) { return written == expected; };
        const auto query = DeviceFrame::kFactoryResetQuery;
        const auto start = DeviceFrame::ConfigStartCommand('C');
        if (is(Bytes(query.begin(), query.end())))
            m_pending = {'_', 'O', 'K', 0x00};
        else if (is(Bytes(start.begin(), start.end())))
            m_pending = {0x1F, 'W', 'M', 0x7F, 0x03};
        else if (is(DeviceFrame::BuildFrame('C', DeviceFrame::kSysReq))) {
            WLAN_ADVANCED_SYS_INFO info{};
            const auto* raw = reinterpret_cast<const std::uint8_t*>(&info);
            m_pending = DeviceFrame::BuildFrame('M', DeviceFrame::kSysRsp, raw, sizeof info);
        } else if (is(DeviceFrame::BuildFrame('C', DeviceFrame::kIfGet))) {
            WLAN_ADVANCED_CONFIG_INFO record{};
            DeviceRecords::SetFieldText(record.bySSID, "Slow-AP");
            m_pending =
                DeviceRecords::ConfigurationFrame(record, DeviceRecords::ConfigVariant::Basic, false, 'M');
        }
        return count;
    }
    std::uint32_t Read(std::uint8_t* bytes, std::uint32_t room, std::uint32_t) override {
        {
            std::lock_guard lock(m_mutex);
            if (!m_pending.empty()) {
                const std::uint32_t count =
                    std::min<std::uint32_t>(room, static_cast<std::uint32_t>(m_pending.size()));
                std::memcpy(bytes, m_pending.data(), count);
                m_pending.erase(m_pending.begin(), m_pending.begin() + count);
                return count;
            }
        }
        if (!answering) {
            ++silentReads;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return 0;
    }

private:
    std::mutex m_mutex;
    Bytes m_pending;
};

class NoFileDialogs : public IFileDialogs {
public:
    std::optional<std::string> GetOpenFileName(const std::string&, const std::vector<Filter>&) override {
        return {};
    }
    std::optional<std::string> GetSaveFileName(const std::string&, const std::vector<Filter>&) override {
        return {};
    }
};

class SerialConnection : public IDeviceConnectionDialog {
public:
    Choice Run() override {
        Choice choice;
        choice.result = 1;
        choice.interfaceType = VRX_DEVICE_INTERFACE_SERIAL;
        return choice;
    }
};

// A grid with one group of each kind of item that the widget treats apart.
void FillGrid(PropertyGrid& grid) {
    auto& group = grid.AddGroup(std::make_unique<PropertyGroup>(VRX_GROUP_ID_1, "WLAN Basic Configuration"));
    auto& ssid = group.AddItem(
        std::make_unique<PropertyItem>(1, "SSID", PropertyKind::AccessPoint, "Office", "The network's name"));
    ssid.SetEditMask(std::string(32, '*'), std::string(32, '_'));
    auto& mode =
        group.AddItem(std::make_unique<PropertyItem>(2, "WLAN Mode", PropertyKind::Option, "Infrastructure"));
    mode.SetOptions({"Infrastructure", "Ad hoc", "Wi-Fi Direct"});
    auto& pin = group.AddItem(std::make_unique<PropertyItem>(5, "PIN Code", PropertyKind::Text, "12345678"));
    pin.SetEditMask(std::string(8, 'd'), std::string(8, '_'));
    pin.Enable(false);
    auto& system = grid.AddGroup(std::make_unique<PropertyGroup>(VRX_GROUP_ID_4, "System Information"));
    system.AddItem(std::make_unique<PropertyItem>(21, "Firmware Version", PropertyKind::ReadOnly, "2.07"));
}

// The office module on a line whose next write, once armed, waits on the device worker until the window
// thread has run whileHeld (posted to it) and released the line.
class HeldModulePort : public ModulePort {
public:
    HeldModulePort() : ModulePort(ModulePort::OfficeModuleWithScan()) {}
    std::function<void()> whileHeld;
    std::atomic<bool> armed{false};

    std::uint32_t Write(const std::uint8_t* bytes, std::uint32_t count) override {
        if (armed.exchange(false)) {
            std::atomic<bool> released{false};
            QMetaObject::invokeMethod(
                qApp,
                [this, &released] {
                    whileHeld();
                    released = true;
                },
                Qt::QueuedConnection);
            while (!released)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return ModulePort::Write(bytes, count);
    }
};

// The language of the catalogs the program ships ("de", "ru", "ja"), English for "en".
int LanguageIndex(const char* locale) {
    for (const auto& entry : LanguageTable::Entries())
        if (std::strcmp(LanguageTable::ToolkitLocaleName(entry.index), locale) == 0)
            return entry.index;
    return 0;
}

} // namespace

class WLanAdvancedPageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    // While a save is on the line, every button of the page, both grids and the "..." buttons are disabled
    // and look so; afterwards the focus is where it was. With QUORLINK_SCREENSHOTS set, the busy page is
    // saved as wlan-page-busy-<language>.png.
    void pageLooksDisabledWhileAnExchangeRuns_data() {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"en", "de", "ru", "ja"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void pageLooksDisabledWhileAnExchangeRuns() {
        QFETCH(QString, locale);
        const int index = LanguageIndex(locale.toLatin1().constData());
        QVERIFY(index > 0 || locale == QStringLiteral("en"));
        if (index > 0) {
            int error = 0;
            const std::string path = QCoreApplication::applicationDirPath().toStdString() + "/" +
                                     LanguageTable::CatalogRelativePath(index);
            std::shared_ptr<const ITextCatalog> catalog = QtTextCatalog::Load(path, error);
            QVERIFY2(catalog, path.c_str());
            StringTable::SetCatalog(catalog);
        }
        HeldModulePort port;
        RecordingMessageBox messages;
        FakeCursor cursor;
        QtWindowLoop loop;
        DeviceConfigState state;
        WLanAdvGroupEditor editor(state, messages);
        GroupEditorAdapter adapter(editor);
        CVRXPageWLanAdvSetting* page = nullptr;
        QtPageTimer timer([&page](int id) { page->OnTimer(id); });
        QWidget mainWindow;
        QtWaitingDialog waiting(cursor, &mainWindow);
        NoFileDialogs files;
        SerialConnection connection;
        NoMainWindow noMainWindow;
        FreeSpoolerHold spooler;
        CVRXPageWLanAdvSetting::Services services;
        services.ports.serial = &port;
        services.spooler = &spooler;
        CVRXPageWLanAdvSetting model(state, services, loop, messages, cursor, timer, waiting, files,
                                     connection, noMainWindow, adapter);
        page = &model;
        model.OnInitDialog();
        CVRXPageWLanAdvSettingView view(model, &mainWindow);
        mainWindow.setFixedSize(view.size());
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        model.OnBnClickedConnectBtn();
        QVERIFY(model.IsConnected());
        view.Grid1View()->SyncNow();
        auto* saveButton = view.findChild<QPushButton*>(QStringLiteral("btnConnect"));
        mainWindow.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
        saveButton->setFocus(Qt::OtherFocusReason);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(saveButton));

        QStringList enabledWhileBusy;
        bool locked = false;
        port.whileHeld = [&] {
            // The grids follow the model from the event loop: let them.
            QCoreApplication::processEvents();
            locked = model.Grid1().IsLocked() && model.Grid2().IsLocked() && model.GetControls().busy;
            for (QWidget* widget : view.findChildren<QWidget*>()) {
                const bool control =
                    qobject_cast<QAbstractButton*>(widget) || qobject_cast<PropertyGridWidget*>(widget);
                if (control && widget->isVisible() && widget->isEnabled())
                    enabledWhileBusy << widget->objectName();
            }
            // The SSID's "..." button is drawn disabled and takes no click.
            const QRect button =
                view.Grid1View()->ButtonRect(view.Grid1View()->RowOf(VRX_GROUP1_PROPERTY_ID_1));
            QVERIFY(!button.isEmpty());
            QVERIFY(!model.Grid1().ClickButton(*model.Grid1().FindItem(VRX_GROUP1_PROPERTY_ID_1)));
            if (const QString folder = qEnvironmentVariable("QUORLINK_SCREENSHOTS"); !folder.isEmpty()) {
                QDir().mkpath(folder);
                mainWindow.grab().save(
                    QDir(folder).filePath(QStringLiteral("wlan-page-busy-%1.png").arg(locale)));
            }
        };
        QVERIFY(model.Grid1().EditValue(*model.Grid1().FindItem(VRX_GROUP1_PROPERTY_ID_1), "Dock-9"));
        port.armed = true;
        saveButton->click();
        QVERIFY(locked);
        QVERIFY2(enabledWhileBusy.isEmpty(), qPrintable(enabledWhileBusy.join(QStringLiteral(", "))));
        QCOMPARE(messages.informations, (std::vector<std::string>{LoadString(160), LoadString(162)}));
        // Saved and disconnected: the button reads "Connect" again, enabled, and has the focus back.
        QVERIFY(saveButton->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(saveButton));
    }

    // A locked grid (an exchange runs) looks disabled and opens no editor; a row the page asks for (a
    // failed check) becomes the current row; the cell editor takes no more bytes than the field holds.
    void lockedGridSelectedRowAndTheEditorsByteLimit() {
        PropertyGrid grid(1, 4);
        FillGrid(grid);
        grid.FindItem(1)->SetMaxBytes(31);
        PropertyGridWidget widget(grid);
        widget.resize(500, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QTreeWidget* tree = widget.Tree();

        grid.Lock(true);
        QTRY_VERIFY(!widget.isEnabled());
        QVERIFY(!grid.BeginEdit(*grid.FindItem(1)));
        grid.Lock(false);
        QTRY_VERIFY(widget.isEnabled());

        grid.FindGroup(VRX_GROUP_ID_4)->Expand(false);
        grid.FindGroup(VRX_GROUP_ID_4)->Expand(true);
        grid.SelectItem(21);
        QTRY_COMPARE(tree->currentItem(), widget.RowOf(21));

        tree->setFocus();
        tree->setCurrentItem(widget.RowOf(1));
        QTest::keyClick(tree, Qt::Key_F2);
        auto* edit = tree->findChild<QLineEdit*>(QStringLiteral("textEditor"));
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, QString(40, QLatin1Char('s')));
        QCOMPARE(edit->text(), QString(31, QLatin1Char('s')));
        edit->selectAll();
        QString accents;
        for (int i = 0; i < 20; ++i)
            accents += QChar(0x00E9);
        edit->insert(accents); // a paste: cut at the last whole character that fits
        QCOMPARE(edit->text(), accents.left(15));
        QCOMPARE(edit->text().toUtf8().size(), 30);
    }

    void gridShowsGroupsAsRowsWithTwoColumnsAndNoHeader() {
        PropertyGrid grid(1, 4);
        FillGrid(grid);
        PropertyGridWidget widget(grid);
        widget.resize(500, 300);
        widget.show();
        QTreeWidget* tree = widget.Tree();
        QVERIFY(tree->isHeaderHidden());
        QCOMPARE(tree->columnCount(), 2);
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("WLAN Basic Configuration"));
        QCOMPARE(tree->topLevelItem(0)->childCount(), 3);
        QCOMPARE(widget.RowOf(2)->text(1), QStringLiteral("Infrastructure"));
        // A disabled item is reached by the keyboard, but takes no edit.
        QVERIFY(widget.RowOf(5)->flags() & Qt::ItemIsEnabled);
        QVERIFY(!(widget.RowOf(5)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(widget.RowOf(21)->flags() & Qt::ItemIsEditable));
        // The description area holds four rows of text for grid #1, two for grid #2.
        PropertyGrid second(2, 2);
        PropertyGridWidget widget2(second);
        const int line = widget.DescriptionArea()->fontMetrics().lineSpacing();
        QVERIFY(widget.DescriptionArea()->height() >= 4 * line);
        QVERIFY(widget2.DescriptionArea()->height() < 3 * line);
        tree->setCurrentItem(widget.RowOf(1));
        QVERIFY(widget.DescriptionArea()->text().contains(QStringLiteral("The network's name")));
        // A model change shows after the event loop has run.
        grid.FindItem(1)->Show(false);
        QTRY_VERIFY(widget.RowOf(1)->isHidden());
        grid.FindGroup(VRX_GROUP_ID_4)->Expand(false);
        QTRY_VERIFY(!widget.RowOf(VRX_GROUP_ID_4)->isExpanded());
    }

    void keyboardEditsAndEscapeCancels() {
        PropertyGrid grid(1, 4);
        FillGrid(grid);
        std::vector<std::uint32_t> changed;
        grid.SetChangeHandler([&](PropertyItem& item) { changed.push_back(item.Id()); });
        PropertyGridWidget widget(grid);
        widget.resize(500, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QTreeWidget* tree = widget.Tree();
        tree->setFocus();
        tree->setCurrentItem(widget.RowOf(VRX_GROUP_ID_1));
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(tree->currentItem(), widget.RowOf(1));
        QTest::keyClick(tree, Qt::Key_F2);
        auto* edit = tree->findChild<QLineEdit*>(QStringLiteral("textEditor"));
        QVERIFY(edit);
        QCOMPARE(edit->maxLength(), 32);
        QTest::keyClicks(edit, "Dock");
        QPointer<QLineEdit> cancelled = edit;
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_VERIFY(!cancelled);
        QCOMPARE(grid.FindItem(1)->Value(), std::string("Office"));
        QVERIFY(changed.empty());

        QTest::keyClick(tree, Qt::Key_Return);
        edit = tree->findChild<QLineEdit*>(QStringLiteral("textEditor"));
        QVERIFY(edit && edit->isVisible());
        edit->selectAll();
        QTest::keyClicks(edit, "Dock-9");
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_COMPARE(grid.FindItem(1)->Value(), std::string("Dock-9"));
        QVERIFY(grid.FindItem(1)->IsModified());
        QCOMPARE(changed, std::vector<std::uint32_t>{1});
        QTRY_COMPARE(widget.RowOf(1)->text(1), QStringLiteral("Dock-9"));

        // The option item: a drop-down list that cannot be typed into.
        tree->setCurrentItem(widget.RowOf(2));
        QTest::keyClick(tree, Qt::Key_F2);
        auto* combo = tree->findChild<QComboBox*>(QStringLiteral("optionEditor"));
        QVERIFY(combo);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), 0);
        combo->setCurrentIndex(2);
        emit combo->activated(2);
        QTRY_COMPARE(grid.FindItem(2)->Value(), std::string("Wi-Fi Direct"));

        // The SSID's button goes to the model.
        int clicks = 0;
        grid.SetButtonHandler([&](PropertyItem& item) { clicks += item.Id() == 1; });
        grid.FindItem(1)->Show(true);
        widget.SyncNow();
        const QRect button = widget.ButtonRect(widget.RowOf(1));
        QVERIFY(!button.isEmpty());
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, button.center());
        QCOMPARE(clicks, 1);
    }

    // Every row is reached from the keyboard, the disabled ones too (the certificate names at the end of
    // grid #2 are never enabled): End, Down and Page Down go on to the last row; a disabled row's button
    // and edit keys do nothing.
    void everyRowIsReachedFromTheKeyboard() {
        PropertyGrid grid(2, 2);
        auto& certificates =
            grid.AddGroup(std::make_unique<PropertyGroup>(VRX_GROUP_ID_8, "Certificate Upload"));
        certificates
            .AddItem(std::make_unique<PropertyItem>(38, "Certificate Type", PropertyKind::Option, "CA"))
            .SetOptions({"CA", "Client Key", "Client PEM"});
        auto& names = grid.AddGroup(std::make_unique<PropertyGroup>(VRX_GROUP_ID_9, "Certificate Name"));
        for (std::uint32_t id : {40u, 41u, 42u})
            names
                .AddItem(std::make_unique<PropertyItem>(id, "Name " + std::to_string(id),
                                                        PropertyKind::Option, "cert.pem"))
                .Enable(false);
        grid.Enable(true);
        PropertyGridWidget widget(grid);
        widget.resize(500, 200);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.SyncNow();
        QTreeWidget* tree = widget.Tree();
        tree->setFocus();
        const auto current = [&] {
            for (std::uint32_t id : {VRX_GROUP_ID_8, 38u, VRX_GROUP_ID_9, 40u, 41u, 42u})
                if (tree->currentItem() == widget.RowOf(id))
                    return id;
            return 0u;
        };

        tree->setCurrentItem(widget.RowOf(38));
        QTest::keyClick(tree, Qt::Key_End);
        QCOMPARE(current(), 42u);

        tree->setCurrentItem(widget.RowOf(38));
        QList<std::uint32_t> walked;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(tree, Qt::Key_Down);
            walked << current();
        }
        QCOMPARE(walked, (QList<std::uint32_t>{VRX_GROUP_ID_9, 40u, 41u, 42u}));

        tree->setCurrentItem(widget.RowOf(38));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(tree, Qt::Key_PageDown);
        QCOMPARE(current(), 42u);

        // Reached, yet not editable: F2 and F4 open nothing.
        QTest::keyClick(tree, Qt::Key_F2);
        QTest::keyClick(tree, Qt::Key_F4);
        QVERIFY(!tree->findChild<QComboBox*>());
        QCOMPARE(grid.FindItem(42)->Value(), std::string("cert.pem"));
    }

    // A screen reader reads a row as "name, value" with what the eye sees besides (grey: read-only, bold:
    // changed, the button: its key), a password as its stars, and hears a new value once the model has it.
    void gridRowsReadAsNameAndValueWithTheirStates() {
        PropertyGrid grid(1, 4);
        FillGrid(grid);
        grid.FindGroup(VRX_GROUP_ID_1)
            ->AddItem(std::make_unique<PropertyItem>(7, "PSK Key", PropertyKind::Password, "secret"));
        PropertyGridWidget widget(grid);
        widget.resize(500, 300);
        widget.show();
        widget.SyncNow();
        const auto spoken = [&](std::uint32_t id, int column) {
            return widget.RowOf(id)->data(column, Qt::AccessibleTextRole).toString();
        };
        const auto described = [&](std::uint32_t id) {
            return widget.RowOf(id)->data(1, Qt::AccessibleDescriptionRole).toString();
        };
        const QString readOnly = QString::fromStdString(LoadString(StringId::GridItemReadOnly));
        const QString changed = QString::fromStdString(LoadString(StringId::GridItemChanged));
        const QString opens = QString::fromStdString(LoadString(StringId::GridItemOpensDialog));
        for (int column : {0, 1}) {
            QCOMPARE(spoken(2, column), QStringLiteral("WLAN Mode, Infrastructure"));
            QCOMPARE(spoken(21, column), QStringLiteral("Firmware Version, 2.07"));
            QCOMPARE(spoken(7, column), QStringLiteral("PSK Key, ******"));
            QCOMPARE(spoken(VRX_GROUP_ID_4, column), QStringLiteral("System Information"));
        }
        QCOMPARE(described(21), readOnly);
        QCOMPARE(described(2), QString());
        QCOMPARE(described(1), opens); // the SSID: typed in place, and its button
        QCOMPARE(described(7), opens);

        grid.SelectOption(*grid.FindItem(2), 1);
        grid.FindItem(21)->SetModified(true);
        QTRY_COMPARE(spoken(2, 0), QStringLiteral("WLAN Mode, Ad hoc"));
        QCOMPARE(described(2), changed);
        QCOMPARE(described(21), readOnly + QStringLiteral(", ") + changed);
        grid.FindItem(7)->SetValue("longer-secret");
        QTRY_COMPARE(spoken(7, 1), QStringLiteral("PSK Key, *************"));
        // A disabled item has no dialog to open: it is greyed, read-only.
        grid.FindItem(1)->Enable(false);
        QTRY_COMPARE(described(1), readOnly);

        // The group row's open or closed state, as the tree reports it.
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(widget.Tree());
        QVERIFY(tree && tree->tableInterface());
        QAccessibleInterface* cell = tree->tableInterface()->cellAt(0, 0);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("WLAN Basic Configuration"));
        QVERIFY(cell->state().expandable && cell->state().expanded);
        grid.FindGroup(VRX_GROUP_ID_1)->Expand(false);
        QTRY_VERIFY(!widget.RowOf(VRX_GROUP_ID_1)->isExpanded());
        cell = tree->tableInterface()->cellAt(0, 0);
        QVERIFY(cell->state().expandable && !cell->state().expanded);
    }

    // While a read waits on a silent printer (a second and more), the window thread goes on handling its
    // events: a 10 ms timer never waits 100 ms; then the waiting dialog is up and animating, the first retry
    // finds the printer answering, and the page connects.
    void windowThreadKeepsHandlingEventsWhileAReadWaits() {
        SlowModulePort port;
        RecordingMessageBox messages;
        FakeCursor cursor;
        QtWindowLoop loop;
        DeviceConfigState state;
        FakeGroupEditor editor(state, messages);
        CVRXPageWLanAdvSetting* page = nullptr;
        QtPageTimer timer([&page](int id) { page->OnTimer(id); });
        QWidget mainWindow;
        mainWindow.resize(560, 430);
        mainWindow.show();
        QtWaitingDialog waiting(cursor, &mainWindow);
        NoFileDialogs files;
        SerialConnection connection;
        NoMainWindow noMainWindow;
        CVRXPageWLanAdvSetting::Services services;
        services.ports.serial = &port;
        CVRXPageWLanAdvSetting model(state, services, loop, messages, cursor, timer, waiting, files,
                                     connection, noMainWindow, editor);
        page = &model;
        model.OnInitDialog();
        CVRXPageWLanAdvSettingView view(model, &mainWindow);
        view.show();

        QElapsedTimer clock;
        qint64 last = 0, longest = 0;
        int ticks = 0;
        bool sawBusy = false, sawAnimation = false;
        QTimer probe;
        probe.setInterval(10);
        connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            // Only while the first read runs: the waiting dialog's own start may take its time.
            if (model.GetControls().busy && !waiting.Current())
                longest = std::max(longest, now - last);
            last = now;
            ++ticks;
            sawBusy = sawBusy || model.GetControls().busy;
            if (CVRXWaitingDlg* dialog = waiting.Current()) {
                sawAnimation = sawAnimation || dialog->BusyIndicator()->Control().IsRunning();
                port.answering = true;
            }
        });
        clock.start();
        probe.start();
        QMetaObject::invokeMethod(view.findChild<QPushButton*>(QStringLiteral("btnConnect")), "click",
                                  Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(model.IsConnected(), 20000);
        probe.stop();
        qInfo("longest stall of the window thread during the silent read: %lld ms over %d ticks, %d silent "
              "reads",
              static_cast<long long>(longest), ticks, port.silentReads.load());
        QVERIFY(port.silentReads >= 16);
        QVERIFY(sawBusy);
        QVERIFY(sawAnimation);
        QVERIFY2(longest < 100, qPrintable(QStringLiteral("stall of %1 ms").arg(longest)));
        QCOMPARE(messages.informations, std::vector<std::string>{LoadString(160)});
        QCOMPARE(model.Grid1().FindItem(1)->Value(), std::string("Slow-AP"));
        QVERIFY(view.Grid1View()->isVisible());
        QTRY_VERIFY(view.Grid1View()->RowOf(1) &&
                    view.Grid1View()->RowOf(1)->text(1) == QStringLiteral("Slow-AP"));
    }

    // The waiting dialog while a silent printer is retried offers Cancel; Escape while a retry's read runs
    // ends the retries at once with text 161, and the window thread never stalls meanwhile.
    void escapeInTheWaitingDialogEndsTheRetriesAtOnce() {
        SlowModulePort port; // never answers
        RecordingMessageBox messages;
        FakeCursor cursor;
        QtWindowLoop loop;
        DeviceConfigState state;
        FakeGroupEditor editor(state, messages);
        CVRXPageWLanAdvSetting* page = nullptr;
        QtPageTimer timer([&page](int id) { page->OnTimer(id); });
        QWidget mainWindow;
        mainWindow.resize(560, 430);
        mainWindow.show();
        QtWaitingDialog waiting(cursor, &mainWindow);
        NoFileDialogs files;
        SerialConnection connection;
        NoMainWindow noMainWindow;
        CVRXPageWLanAdvSetting::Services services;
        services.ports.serial = &port;
        CVRXPageWLanAdvSetting model(state, services, loop, messages, cursor, timer, waiting, files,
                                     connection, noMainWindow, editor);
        page = &model;
        model.OnInitDialog();
        CVRXPageWLanAdvSettingView view(model, &mainWindow);
        view.show();

        QElapsedTimer clock;
        qint64 last = 0, longest = 0, escapedAt = -1;
        bool cancelShown = false;
        QTimer probe;
        probe.setInterval(10);
        connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
            CVRXWaitingDlg* dialog = waiting.Current();
            // Escape once a retry's read runs under the dialog.
            if (dialog && escapedAt < 0 && model.GetControls().busy && port.silentReads > 20) {
                cancelShown = dialog->CancelButtons()->isVisible();
                escapedAt = now;
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        clock.start();
        probe.start();
        QMetaObject::invokeMethod(view.findChild<QPushButton*>(QStringLiteral("btnConnect")), "click",
                                  Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(!messages.errors.empty(), 20000);
        const qint64 told = clock.elapsed();
        probe.stop();
        qInfo("Escape to text 161: %lld ms; longest stall of the window thread: %lld ms",
              static_cast<long long>(told - escapedAt), static_cast<long long>(longest));
        QVERIFY(escapedAt >= 0);
        QVERIFY(cancelShown);
        QVERIFY2(told - escapedAt < 500, qPrintable(QString::number(told - escapedAt)));
        QVERIFY2(longest < 100, qPrintable(QStringLiteral("stall of %1 ms").arg(longest)));
        QCOMPARE(messages.errors, std::vector<std::string>{LoadString(161)});
        QVERIFY(!model.IsConnected());
        QVERIFY(!waiting.Current());
        const int reads = port.silentReads;
        QTest::qWait(1500);
        QCOMPARE(port.silentReads.load(), reads); // no retry after Cancel
    }
};

QTEST_MAIN(WLanAdvancedPageTest)
#include "wlan_advanced_page_test.moc"
