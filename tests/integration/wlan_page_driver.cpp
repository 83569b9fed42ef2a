// The WLAN (Advanced) page against quorlink-device-sim: the user types the simulator's pty path into the
// connection dialog, connects, sees the simulator's SSID and the groups, edits the system name, saves, and
// the simulator's stored record holds the change.
#include "DeviceSimProcess.h"
#include "FakeDeviceRecords.h"
#include "OfficeModule.h"
#include "PtyPair.h"
#include "WLanPageSession.h"
#include "app/LanguageTable.h"
#include "app/StringTable.h"
#include "devcfg/PropertyIds.h"
#include "devport/ISpoolerHold.h"
#include "ui/qt/CVRXWaitingDlg.h"
#include "ui/qt/QtTextCatalog.h"
#include "ui/qt/QuorlinkLook.h"
#include "ui/qt/wlanadv/PropertyGridWidget.h"
#include "ui/qt/wlanadv/WLanAdvancedPage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The texts of page's visible buttons and of the grid's visible rows that do not fit.
QStringList CutTexts(QWidget* page, PropertyGridWidget* grid) {
    QStringList cut;
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(page) && !button->text().isEmpty() &&
            button->sizeHint().width() > button->width())
            cut << QStringLiteral("button %1").arg(button->text());
    QTreeWidget* tree = grid->Tree();
    const QFontMetrics metrics(tree->font());
    QFont bold = tree->font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int indent = tree->indentation();
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tree->topLevelItem(g);
        if (group->isHidden())
            continue;
        if (boldMetrics.horizontalAdvance(group->text(0)) + indent + 8 > tree->viewport()->width())
            cut << QStringLiteral("group %1").arg(group->text(0));
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem* row = group->child(i);
            if (!row->isHidden() &&
                metrics.horizontalAdvance(row->text(0)) + 2 * indent + 8 > tree->columnWidth(0))
                cut << QStringLiteral("name %1").arg(row->text(0));
        }
    }
    return cut;
}

} // namespace

class WLanPageDriver : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { StringTable::SetCatalog(nullptr); }

    // A serial port where nothing answers (a pty whose other end only swallows what is sent): after the
    // first read the waiting dialog is up with Cancel. Left alone, the retries end within the countdown's
    // 17.5 s of wall time; cancelled (Escape) while a retry's read runs, they end at once. Either way text
    // 161, and the window thread never stalls.
    void printerThatNeverAnswers_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("waited out") << false;
        QTest::newRow("cancelled") << true;
    }
    void printerThatNeverAnswers() {
        QFETCH(bool, cancel);
        PtyPair line;
        FakeDeviceRecords records;
        NoSpoolerHold spooler;
        NoMainWindow mainWindow;
        QWidget window;
        window.resize(580, 460);
        WLanAdvancedPage advanced(mainWindow, &window, {DevicePorts::Process(), &spooler, &records});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        BoxAnswerer boxes;
        const QString failed = QStringLiteral("Failed to get the WLAN information.");
        advanced.ConnectionDialog().onShown = [&line](CVRXPageWLanAdvConnectDevice&,
                                                      CVRXPageWLanAdvConnectDeviceDlg& dialog) {
            TypePathAndConnect(QString::fromStdString(line.slavePath()), dialog);
        };

        QElapsedTimer clock;
        qint64 last = 0, longest = 0, shownAt = -1, escapedAt = -1;
        bool cancelOffered = false;
        QTimer probe;
        probe.setInterval(10);
        connect(&probe, &QTimer::timeout, [&] {
            line.Receive(0); // the other end swallows what is sent
            const qint64 now = clock.elapsed();
            longest = std::max(longest, now - last);
            last = now;
            CVRXWaitingDlg* dialog = advanced.WaitingDialog().Current();
            if (dialog && dialog->isVisible() && shownAt < 0) {
                shownAt = now;
                cancelOffered = dialog->CancelButtons()->isVisible();
            }
            // Cancel 2.5 s into the retries: a read runs then (each waits 4 s on the silent line).
            if (cancel && dialog && shownAt >= 0 && escapedAt < 0 && now - shownAt > 2500) {
                escapedAt = now;
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        clock.start();
        probe.start();
        QMetaObject::invokeMethod(advanced.View()->findChild<QPushButton*>(QStringLiteral("btnConnect")),
                                  "click", Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(boxes.texts.contains(failed), 40000);
        const qint64 told = clock.elapsed();
        probe.stop();
        QVERIFY(shownAt >= 0);
        QVERIFY(cancelOffered);
        qInfo(
            "waiting dialog up at %lld ms, text 161 at %lld ms (%lld ms of retries)%s; longest stall of the "
            "window thread %lld ms",
            static_cast<long long>(shownAt), static_cast<long long>(told),
            static_cast<long long>(told - shownAt),
            cancel ? qPrintable(QStringLiteral(", %1 ms after Escape").arg(told - escapedAt)) : "",
            static_cast<long long>(longest));
        if (cancel) {
            QVERIFY(escapedAt >= 0);
            QVERIFY2(told - escapedAt < 1000, qPrintable(QString::number(told - escapedAt)));
        } else {
            // The countdown, the delay under way at its end, and a tick's second to notice.
            QVERIFY2(told - shownAt <= 17500 + 1500, qPrintable(QString::number(told - shownAt)));
            QVERIFY(told - shownAt >= 15000);
        }
        QVERIFY2(longest < 250, qPrintable(QStringLiteral("stall of %1 ms").arg(longest)));
        QCOMPARE(boxes.texts, QStringList{failed});
        QVERIFY(!advanced.Page().IsConnected());
        QVERIFY(!advanced.WaitingDialog().Current());
    }

    void connectEditSave() {
        DeviceSimProcess sim(OfficeModule());
        if (!sim.Ready())
            QFAIL(qPrintable(QStringLiteral("the simulator did not start: ") +
                             QString::fromStdString(sim.Output())));
        FakeDeviceRecords records; // no serial port listed: the path is typed
        NoSpoolerHold spooler;
        NoMainWindow mainWindow;
        QWidget window;
        window.resize(580, 460);
        WLanAdvancedPage advanced(mainWindow, &window, {DevicePorts::Process(), &spooler, &records});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        BoxAnswerer boxes;
        ConnectByTypedPath(advanced, QString::fromStdString(sim.LinkPath()), boxes);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY(boxes.texts.contains(QStringLiteral("Success to get the WLAN information.")));
        CVRXPageWLanAdvSettingView* view = advanced.View();
        auto* save = view->findChild<QPushButton*>(QStringLiteral("btnConnect")); // Connect is Save now

        // The grid shows the simulator's SSID and the groups of grid #1.
        PropertyGridWidget* grid = view->Grid1View();
        grid->SyncNow();
        QVERIFY(grid->isVisible());
        QTreeWidgetItem* ssid = grid->RowOf(VRX_GROUP1_PROPERTY_ID_1);
        QVERIFY(ssid);
        QCOMPARE(ssid->text(1), QStringLiteral("Office-7"));
        QVERIFY(grid->Tree()->topLevelItemCount() >= 4);
        QVERIFY(grid->RowOf(VRX_GROUP_ID_1) && grid->RowOf(VRX_GROUP_ID_3) && grid->RowOf(VRX_GROUP_ID_5));

        // Edit the system name in place, as the user does.
        QTreeWidgetItem* name = grid->RowOf(VRX_GROUP5_PROPERTY_ID_1);
        QVERIFY(name);
        grid->Tree()->setFocus();
        grid->Tree()->setCurrentItem(name);
        QTest::keyClick(grid->Tree(), Qt::Key_F2);
        auto* edit = grid->Tree()->findChild<QLineEdit*>(QStringLiteral("textEditor"));
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, "Dock-9");
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_COMPARE(grid->RowOf(VRX_GROUP5_PROPERTY_ID_1)->text(1), QStringLiteral("Dock-9"));

        // Save: asked, sent, applied, disconnected.
        QMetaObject::invokeMethod(save, "click", Qt::QueuedConnection);
        QTRY_VERIFY2_WITH_TIMEOUT(
            boxes.texts.contains(QStringLiteral("The changes have been applied. Please reset the printer.")),
            qPrintable(boxes.texts.join(QStringLiteral(" | "))), 30000);
        QVERIFY(boxes.texts.contains(QStringLiteral("Are you sure to save the new configuration?")));
        QVERIFY(!advanced.Page().IsConnected());
        const nlohmann::json state = sim.State();
        QCOMPARE(QString::fromStdString(state["record"]["bySystemName"].get<std::string>()),
                 QStringLiteral("Dock-9"));
        QCOMPARE(QString::fromStdString(state["record"]["bySSID"].get<std::string>()),
                 QStringLiteral("Office-7"));
    }

    // The connected page in every language: no button text and no group or property name is cut. With
    // QUORLINK_SCREENSHOTS set to a folder, both grids are saved there as wlan-advanced-grid1-xx_XX.png and
    // wlan-advanced-grid2-xx_XX.png.
    void connectedPageInEveryLanguage_data() {
        QTest::addColumn<int>("index");
        for (const auto& entry : LanguageTable::Entries())
            QTest::newRow(entry.menuText) << entry.index;
    }
    void connectedPageInEveryLanguage() {
        QFETCH(int, index);
        if (index > 0) {
            int error = 0;
            const std::string catalogPath = QCoreApplication::applicationDirPath().toStdString() + "/" +
                                            LanguageTable::CatalogRelativePath(index);
            std::shared_ptr<const ITextCatalog> catalog = QtTextCatalog::Load(catalogPath, error);
            QVERIFY2(catalog, catalogPath.c_str());
            StringTable::SetCatalog(catalog);
        }
        DeviceSimProcess sim(OfficeModule());
        if (!sim.Ready())
            QFAIL(qPrintable(QStringLiteral("the simulator did not start: ") +
                             QString::fromStdString(sim.Output())));
        FakeDeviceRecords records;
        NoSpoolerHold spooler;
        NoMainWindow mainWindow;
        QWidget window;
        window.setStyleSheet(QuorlinkLook::WindowStyleSheet());
        WLanAdvancedPage advanced(mainWindow, &window, {DevicePorts::Process(), &spooler, &records});
        window.setFixedSize(advanced.View()->size());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        BoxAnswerer boxes;
        ConnectByTypedPath(advanced, QString::fromStdString(sim.LinkPath()), boxes);
        if (QTest::currentTestFailed())
            return;
        CVRXPageWLanAdvSettingView* view = advanced.View();
        const QString folder = qEnvironmentVariable("QUORLINK_SCREENSHOTS");
        const QString code = QString::fromLatin1(LanguageTable::ToolkitLocaleName(index));
        for (int page = 1; page <= 2; ++page) {
            if (page == 2)
                QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("btnPage2")), Qt::LeftButton);
            PropertyGridWidget* grid = page == 1 ? view->Grid1View() : view->Grid2View();
            grid->SyncNow();
            QTRY_VERIFY(grid->isVisible());
            grid->Tree()->setCurrentItem(grid->Tree()->topLevelItem(0));
            QTest::qWait(50);
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                window.grab().save(
                    QDir(folder).filePath(QStringLiteral("wlan-advanced-grid%1-%2.png").arg(page).arg(code)));
            }
            const QStringList cut = CutTexts(view, grid);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        }
        StringTable::SetCatalog(nullptr);
    }
};

QTEST_MAIN(WLanPageDriver)
#include "wlan_page_driver.moc"
