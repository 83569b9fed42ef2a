// The main window on screen: frameless with its caption bars, the sheets from "PREFERENCE[4]", the
// messages between the pages and the window, the keys that close nothing and the results of the modal run.

#include "MainWindowHarness.h"
#include "app/DialogResult.h"
#include "app/StringTable.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/QuorlinkLook.h"

#include <QFontDatabase>

#include <QTabBar>

using printers::MacOf;
using printers::Wired;
using printers::Wireless;

namespace {

void SearchTwoWiredAndOneWireless(MainWindowHarness& h) {
    h.searchFinds({{MacOf(0x10), Wired(0x10, {192, 0, 2, 10})}, {MacOf(0x11), Wired(0x11, {192, 0, 2, 11})}},
                  {{MacOf(0x05), Wireless(0x05, {192, 0, 2, 5}, 0x91, "Printer-Lobby")}});
}

void ClickTab(QTabWidget* sheet, int index) {
    QTabBar* bar = sheet->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsFramelessWithTheTitleAndSizedAroundTheMainSheet() {
        MainWindowHarness h;
        QVERIFY(h.view->windowFlags() & Qt::FramelessWindowHint);
        auto* top = h.child<CaptionBar>("topCaption");
        auto* bottom = h.child<CaptionBar>("bottomCaption");
        const QString title = QString::fromStdString(
            CVrxQuorlink2ndDlg::ComposeTitle(LoadString(StringId::AppTitle), QUORLINK_FILE_VERSION));
        QVERIFY(title.startsWith(QStringLiteral("Quorlink Tool V")));
        QCOMPARE(top->Text(), title);
        QCOMPARE(h.view->windowTitle(), title);
        QVERIFY(!bottom->Text().isEmpty());

        const QRect sheet = h.mainSheet()->geometry();
        QCOMPARE(h.view->width(), sheet.x() + sheet.width() + 3);
        QCOMPARE(h.view->height(), sheet.y() + sheet.height() + 5 + bottom->height());
        QCOMPARE(top->geometry(), QRect(0, 0, h.view->width(), top->height()));
        QCOMPARE(bottom->geometry(),
                 QRect(0, sheet.y() + sheet.height() + 5, h.view->width(), bottom->height()));
        QCOMPARE(h.settingsSheet()->pos(), sheet.topLeft() + QPoint(2, 2));
        // The pages fit their sheets whole.
        QCOMPARE(h.mainSheet()->currentWidget()->size(), QSize(560, 430));
        QVERIFY(!h.settingsSheet()->isVisibleTo(h.view.get()));
    }

    void captionFontIsBoldAndFourteenPixelsHigh() {
        const QFont font = QuorlinkLook::CaptionFont();
        QVERIFY(font.bold());
        QCOMPARE(font.pixelSize(), 14);
        if (QFontDatabase::families().contains(QStringLiteral("Verdana")))
            QCOMPARE(font.family(), QStringLiteral("Verdana"));
    }

    void preferenceFourChoosesTheTabs_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("tabs");
        const QStringList both = {"LAN/WLAN", "WLAN (Advanced)"};
        QTest::newRow("none") << QString() << both;
        QTest::newRow("1") << "1" << QStringList{"LAN/WLAN"};
        QTest::newRow("2") << "2" << QStringList{"WLAN (Advanced)"};
        QTest::newRow("3") << "3" << both;
    }
    void preferenceFourChoosesTheTabs() {
        QFETCH(QString, value);
        QFETCH(QStringList, tabs);
        MainWindowHarness h(value.isNull() ? std::nullopt : std::optional<std::string>(value.toStdString()));
        QStringList shown;
        for (int i = 0; i < h.mainSheet()->count(); ++i)
            shown << h.mainSheet()->tabText(i);
        QCOMPARE(shown, tabs);
        QCOMPARE(h.mainSheet()->currentIndex(), 0);
        QCOMPARE(h.settingsSheet()->count(), 1);
        QCOMPARE(h.settingsSheet()->tabText(0), QStringLiteral("Network Configuration"));
        QVERIFY(!h.mainSheet()->tabIcon(0).isNull());
        // Nothing was posted by building the sheets.
        QCOMPARE(h.dlg->GetPostedCount(), 0u);
    }

    void configurationOpensTheChosenPrinterAndCancelReturnsToItsRow() {
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowActive(h.view.get()));
        SearchTwoWiredAndOneWireless(h);
        h.clickCell(1);
        QTest::mouseClick(h.button("btnConfiguration"), Qt::LeftButton);

        QVERIFY(!h.mainSheet()->isVisible());
        QVERIFY(h.settingsSheet()->isVisible());
        QCOMPARE(h.dlg->GetPageBasicSetting().m_strSelectedMac, MacOf(0x11));
        QCOMPARE(h.dlg->GetPageNetConnectionSetting().GetNetInfo().strMACAddress, MacOf(0x11));
        QCOMPARE(h.dlg->GetPageNetConnectionSetting().GetNetInfo().strIPAddress, "192.0.2.11");

        h.dlg->GetPageNetConnectionSetting().OnBnClickedBtnCancel(); // M4
        QVERIFY(h.mainSheet()->isVisible());
        QVERIFY(!h.settingsSheet()->isVisible());
        QCOMPARE(h.selectedRow(), 1);
        QCOMPARE(QApplication::focusWidget(), h.list());
        QCOMPARE(h.search.runs, 1);
    }

    void saveSearchesAgainAndReselectsThePrinter() {
        MainWindowHarness h;
        h.view->show();
        SearchTwoWiredAndOneWireless(h);
        h.clickCell(0);
        QTest::mouseClick(h.button("btnConfiguration"), Qt::LeftButton);
        QVERIFY(h.settingsSheet()->isVisible());

        // After the save the printer has a new address, and another printer now comes first.
        h.search.Script({{},
                         {{MacOf(0x01), Wired(0x01, {192, 0, 2, 1})},
                          {MacOf(0x10), Wired(0x10, {198, 51, 100, 10})},
                          {MacOf(0x11), Wired(0x11, {192, 0, 2, 11})}}});
        h.dlg->PostMessage(MainWindowMessage::M3); // as the page posts it after a save
        QVERIFY(h.settingsSheet()->isVisible());
        QTRY_VERIFY(h.mainSheet()->isVisible());
        QCOMPARE(h.search.runs, 2);
        QVERIFY(!h.settingsSheet()->isVisible());
        QCOMPARE(h.selectedRow(), 1);
        QCOMPARE(h.text(1, 2), QString::fromStdString(MacOf(0x10)));
        QCOMPARE(h.field("editIpAddress"), QStringLiteral("198.51.100.10"));
    }

    void returningToThePrinterListTabReselectsItsRow() {
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowActive(h.view.get()));
        SearchTwoWiredAndOneWireless(h);
        h.clickCell(1);

        ClickTab(h.mainSheet(), 1);
        QCOMPARE(h.mainSheet()->currentIndex(), 1);
        QCOMPARE(h.dlg->GetMainSheet().GetActiveIndex(), 1);
        ClickTab(h.mainSheet(), 0);
        QCOMPARE(h.mainSheet()->currentIndex(), 0);
        // M1 is posted: the row comes back with the focus once the event loop has run it.
        QTRY_COMPARE(h.dlg->GetPostedCount(), 0u);
        QCOMPARE(h.selectedRow(), 1);
        QCOMPARE(QApplication::focusWidget(), h.list());
    }

    void enterAndEscapeCloseNothing() {
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowActive(h.view.get()));
        // Without printers Enter has nothing to open; on a focused button it presses nothing.
        h.button("btnClose")->setFocus();
        QTest::keyClick(h.button("btnClose"), Qt::Key_Return);
        QTest::keyClick(h.button("btnClose"), Qt::Key_Enter);
        QTest::keyClick(h.button("btnClose"), Qt::Key_Escape);
        QTest::keyClick(h.mainSheet()->tabBar(), Qt::Key_Escape);
        QTest::keyClick(h.view.get(), Qt::Key_Escape);
        QTest::keyClick(h.view.get(), Qt::Key_Return);
        QVERIFY(h.view->isVisible());
        QVERIFY(!h.dlg->IsEnded());

        // In the settings sheet too.
        SearchTwoWiredAndOneWireless(h);
        QTest::keyClick(h.list(), Qt::Key_Return);
        QVERIFY(h.settingsSheet()->isVisible());
        QTest::keyClick(h.settingsSheet()->tabBar(), Qt::Key_Escape);
        QTest::keyClick(h.settingsSheet()->tabBar(), Qt::Key_Return);
        QVERIFY(h.view->isVisible());
        QVERIFY(!h.dlg->IsEnded());
    }

    void modalRunEndsConfirmedOnlyAfterTheRestartMessage_data() {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Close button") << 0 << int(IDCANCEL);
        QTest::newRow("system close") << 1 << int(IDCANCEL);
        QTest::newRow("close message") << 2 << int(IDCANCEL);
        QTest::newRow("restart message") << 3 << int(IDOK);
    }
    void modalRunEndsConfirmedOnlyAfterTheRestartMessage() {
        QFETCH(int, how);
        QFETCH(int, result);
        MainWindowHarness h;
        QTimer::singleShot(0, h.view.get(), [&h, how] {
            switch (how) {
            case 0:
                QTest::mouseClick(h.button("btnClose"), Qt::LeftButton);
                break;
            case 1:
                h.view->close();
                break;
            case 2:
                h.dlg->SendMessage(MainWindowMessage::Close);
                break;
            default:
                h.dlg->SendMessage(MainWindowMessage::Restart);
            }
        });
        QCOMPARE(h.view->DoModal(), result);
        QVERIFY(!h.view->isVisible());
    }

    void draggingTheTopCaptionMovesTheWindow() {
        MainWindowHarness h;
        h.view->move(100, 100);
        h.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.view.get()));
        auto* top = h.child<CaptionBar>("topCaption");
        const QPoint start = h.view->pos();
        QTest::mousePress(top, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseMove(top, QPoint(160, 60));
        QTest::mouseRelease(top, Qt::LeftButton, {}, QPoint(160, 60));
        QTRY_COMPARE(h.view->pos(), start + QPoint(100, 50));

        // The bottom bar moves nothing.
        auto* bottom = h.child<CaptionBar>("bottomCaption");
        QTest::mousePress(bottom, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseMove(bottom, QPoint(160, 60));
        QTest::mouseRelease(bottom, Qt::LeftButton, {}, QPoint(160, 60));
        QCOMPARE(h.view->pos(), start + QPoint(100, 50));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
