#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/CVRXSearchDlg.h"

#include "FakeCursor.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"
#include "WhenShown.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace {

using namespace std::chrono_literals;

const ETHERNET_INFO kWired =
    FakeNetworkEndpoint::WiredPrinter({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x01}, {192, 0, 2, 10});
const WLAN_INFO kWireless =
    FakeNetworkEndpoint::WirelessPrinter({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x81}, {192, 0, 2, 20}, "Hall");

} // namespace

class SearchDialogTest : public QObject {
    Q_OBJECT
private slots:
    void withoutAnInterfaceTellsTheUserAndDoesNotSearch() {
        FakeNetworkEndpoint endpoint;
        endpoint.AddWiredAnswer(0, kWired);
        FakeMessageBox messages;
        bool visibleBehindTheMessage = true;
        FakeCursor cursor;
        CVRXSearchDlg dialog(endpoint, messages, cursor, nullptr);
        messages.onShow = [&](const FakeMessageBox::Shown&) { visibleBehindTheMessage = dialog.isVisible(); };
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(messages.Errors(), std::vector<std::string>{"NO NETWORK CONNECTION FOUND"});
        QCOMPARE(messages.shown().size(), size_t(1));
        QVERIFY(!visibleBehindTheMessage);
        QCOMPARE(endpoint.CountCalls("SearchRound"), 0);
        QVERIFY(!dialog.BusyIndicator()->Control().IsRunning());
        EthernetInfoMap wired;
        WLanInfoMap wireless;
        QVERIFY(!dialog.CopyEthernetInfoTo(wired));
        QVERIFY(!dialog.CopyWLanInfoTo(wireless));
    }

    void endsConfirmedSoonAfterTheWorkerAndHandsOverBothTables() {
        FakeNetworkEndpoint endpoint;
        endpoint.SetSystemInterfaceCount(1);
        endpoint.AddWiredAnswer(0, kWired);
        endpoint.AddWirelessAnswer(0, kWireless);
        FakeMessageBox messages;
        FakeCursor cursor;
        CVRXSearchDlg dialog(endpoint, messages, cursor);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY2(clock.elapsed() < 400, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(messages.shown().empty());
        QVERIFY(cursor.WaitCount() >= 1);
        QVERIFY(!cursor.IsWait());
        QVERIFY(!dialog.BusyIndicator()->Control().IsRunning());

        EthernetInfoMap wired;
        WLanInfoMap wireless;
        QVERIFY(dialog.CopyWLanInfoTo(wireless));
        QVERIFY(dialog.CopyEthernetInfoTo(wired));
        QCOMPARE(wired.size(), size_t(1));
        QCOMPARE(wireless.size(), size_t(1));
        QCOMPARE(Ipv4Text(wired.at("00:1A:2B:3C:4D:01").Ip), std::string("192.0.2.10"));
        QCOMPARE(DecodeSystemName(wireless.at("00:1A:2B:3C:4D:81")), std::string("Hall"));
    }

    void onlyWirelessPrintersLeaveTheCallersWiredTableAlone() {
        FakeNetworkEndpoint endpoint;
        endpoint.SetSystemInterfaceCount(1);
        endpoint.AddWirelessAnswer(0, kWireless);
        FakeMessageBox messages;
        FakeCursor cursor;
        CVRXSearchDlg dialog(endpoint, messages, cursor);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        EthernetInfoMap wired{{"earlier", kWired}};
        QVERIFY(!dialog.CopyEthernetInfoTo(wired));
        QCOMPARE(wired.size(), size_t(1));
        QCOMPARE(wired.count("earlier"), size_t(1));
        WLanInfoMap wireless;
        QVERIFY(dialog.CopyWLanInfoTo(wireless));
    }

    void countsThePrintersHeardWhileTheSearchRunsAndFillsTheListOnlyAtTheEnd() {
        FakeNetworkEndpoint endpoint;
        endpoint.SetSystemInterfaceCount(2);
        endpoint.AddWiredAnswer(0, kWired);
        endpoint.AddWiredAnswer(1, kWired); // heard on both interfaces: counted once
        endpoint.AddWirelessAnswer(1,
                                   FakeNetworkEndpoint::WirelessPrinter({6, 0, 0, 0, 0, 9}, {192, 0, 2, 9}));
        endpoint.HoldSearches();
        FakeMessageBox messages;
        FakeCursor cursor;
        CVRXSearchDlg dialog(endpoint, messages, cursor);
        QString before, during;
        bool handedOverEarly = true;
        WhenShown(dialog, [&] {
            before = dialog.HeardLabel()->text();
            QVERIFY(endpoint.WaitUntilSearchIsHeld(2s));
            QTest::qWait(3 * SearchDialogModel::kTimerMilliseconds); // a few ticks
            during = dialog.HeardLabel()->text();
            EthernetInfoMap early;
            handedOverEarly = dialog.CopyEthernetInfoTo(early);
            endpoint.ReleaseSearches();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY2(before.endsWith(QStringLiteral(": 0")), qPrintable(before));
        QCOMPARE(during, QStringLiteral("Printers found so far: 2"));
        QVERIFY(!handedOverEarly);
        EthernetInfoMap wired;
        QVERIFY(dialog.CopyEthernetInfoTo(wired));
        QCOMPARE(wired.size(), size_t(1));
    }

    void escapeAndCloseStopTheSearchAtItsNextWaitThenEndCancelled() {
        for (const bool byClose : {false, true}) {
            const char* how = byClose ? "close" : "Escape";
            // The round hears one printer, then waits (as for more answers) until it is stopped.
            FakeNetworkEndpoint endpoint;
            endpoint.SetSystemInterfaceCount(2);
            endpoint.AddWiredAnswer(0, kWired);
            endpoint.HoldSearches();
            FakeMessageBox messages;
            FakeCursor cursor;
            CVRXSearchDlg dialog(endpoint, messages, cursor);
            bool upRightAfter = false;
            QElapsedTimer sinceCancel;
            WhenShown(dialog, [&] {
                QVERIFY(endpoint.WaitUntilSearchIsHeld(2s));
                sinceCancel.start();
                if (byClose)
                    dialog.close();
                else
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                upRightAfter = dialog.isVisible(); // it ends once the worker has stopped
            });
            QCOMPARE(dialog.exec(), int(QDialog::Rejected));
            QVERIFY2(sinceCancel.elapsed() < 500, how);
            QVERIFY2(upRightAfter, how);
            QCOMPARE(endpoint.StoppedSearches(), 1);
            QCOMPARE(endpoint.CountCalls("SearchRound"), 1);
            QVERIFY(endpoint.WaitUntilNoSearchRuns(1s));
            QVERIFY2(!cursor.IsWait(), how);
            QVERIFY(!dialog.BusyIndicator()->Control().IsRunning());
            EthernetInfoMap wired;
            QVERIFY2(dialog.CopyEthernetInfoTo(wired), how); // what was found before the stop
            QCOMPARE(wired.size(), size_t(1));
            QVERIFY(messages.shown().empty());
        }
    }

    void escapeAfterTheWorkerEndedBeforeTheNextTickLeavesNoWaitCursor() {
        FakeNetworkEndpoint endpoint;
        endpoint.SetSystemInterfaceCount(1);
        endpoint.AddWiredAnswer(0, kWired);
        endpoint.HoldSearches();
        FakeMessageBox messages;
        FakeCursor cursor;
        CVRXSearchDlg dialog(endpoint, messages, cursor);
        bool waitedBefore = false;
        WhenShown(dialog, [&] {
            QVERIFY(endpoint.WaitUntilSearchIsHeld(2s));
            waitedBefore = QTest::qWaitFor([&] { return cursor.IsWait(); }, 1000); // a tick has been
            // Everything below runs before the next tick can: the worker ends, then the user presses Escape.
            endpoint.ReleaseSearches();
            QVERIFY(endpoint.WaitUntilNoSearchRuns(2s));
            std::this_thread::sleep_for(50ms); // the worker's last lines after its searches
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(waitedBefore);
        QVERIFY(!cursor.IsWait());
        QVERIFY(!dialog.BusyIndicator()->Control().IsRunning());
        const int waits = cursor.WaitCount();
        QTest::qWait(250);
        QCOMPARE(cursor.WaitCount(), waits); // the timer is gone with the dialog's end
        EthernetInfoMap wired;
        QVERIFY(dialog.CopyEthernetInfoTo(wired));
        QCOMPARE(wired.size(), size_t(1));
    }

    void destroyedDuringABlockedSearchStopsTheWorkerAndWaitsForIt() {
        FakeNetworkEndpoint endpoint;
        endpoint.SetSystemInterfaceCount(1);
        endpoint.AddWiredAnswer(0, kWired);
        endpoint.HoldSearches(); // never released: only the stop gets the worker out
        FakeMessageBox messages;
        FakeCursor cursor;
        QPointer<CVRXSearchDlg> dialog = new CVRXSearchDlg(endpoint, messages, cursor);
        bool stoppedBeforeGone = false;
        WhenShown(*dialog, [&] {
            QVERIFY(endpoint.WaitUntilSearchIsHeld(2s));
            delete dialog; // with the worker still inside its search round
            stoppedBeforeGone = endpoint.StoppedSearches() == 1 && endpoint.FinishedSearches() == 1;
        });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QVERIFY(dialog.isNull());
        QVERIFY(stoppedBeforeGone);
        QVERIFY(endpoint.WaitUntilNoSearchRuns(0s));
        QCOMPARE(endpoint.CountCalls("SearchRound"), 1);
    }

    void sitsFiftyPixelsAboveTheCentreOfTheParentsWindow() {
        QWidget mainWindow;
        mainWindow.setGeometry(160, 90, 900, 640);
        auto* page = new QWidget(&mainWindow);
        page->setGeometry(20, 300, 400, 200);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        FakeNetworkEndpoint endpoint;
        endpoint.SetSystemInterfaceCount(1);
        endpoint.HoldSearches();
        FakeMessageBox messages;
        FakeCursor cursor;
        CVRXSearchDlg dialog(endpoint, messages, cursor, page);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.isModal());
        QRect placed;
        WhenShown(dialog, [&] {
            placed = dialog.frameGeometry();
            endpoint.ReleaseSearches();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        const QPoint client = mainWindow.mapToGlobal(QPoint(0, 0));
        QVERIFY2(qAbs(placed.center().x() - (client.x() + 450)) <= 1,
                 qPrintable(QString::number(placed.x())));
        QVERIFY2(qAbs(placed.center().y() - (client.y() + 320 - 50)) <= 1,
                 qPrintable(QString::number(placed.y())));
    }
};

QTEST_MAIN(SearchDialogTest)
#include "search_dialog_test.moc"
