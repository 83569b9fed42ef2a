// The printer list page on screen: what the view adds to the page's logic (rows, selection, details and
// buttons shown; clicks, keys and header clicks forwarded).

#include "MainWindowHarness.h"
#include "ui/qt/Mnemonics.h"

#include <QScrollBar>
#include <QStyle>

#include <cstdlib>

using printers::MacOf;
using printers::Wired;
using printers::Wireless;

namespace {

const QString kWireless = QStringLiteral("Printer-Lobby");

void SearchTwoWiredAndOneWireless(MainWindowHarness& h, std::uint8_t wirelessMask = 0x91) {
    h.searchFinds({{MacOf(0x10), Wired(0x10, {192, 0, 2, 10})}, {MacOf(0x11), Wired(0x11, {192, 0, 2, 11})}},
                  {{MacOf(0x05), Wireless(0x05, {192, 0, 2, 5}, wirelessMask, kWireless.toStdString(), 1)}});
}

QString Mac(std::uint8_t last) {
    return QString::fromStdString(MacOf(last));
}

} // namespace

class PrinterListTest : public QObject {
    Q_OBJECT

private slots:
    void searchListsThePrintersAndSelectsTheLastRowWithItsDetails() {
        MainWindowHarness h;
        h.view->show();
        QCOMPARE(Mnemonics::Strip(h.button("btnSearch")->text()), QStringLiteral("Search"));
        QVERIFY(!h.button("btnConfiguration")->isEnabled());
        QVERIFY(!h.button("btnBrowser")->isEnabled());

        SearchTwoWiredAndOneWireless(h);

        QCOMPARE(Mnemonics::Strip(h.button("btnSearch")->text()), QStringLiteral("Refresh"));
        QCOMPARE(h.list()->rowCount(), 3);
        QCOMPARE(h.column(0), (QStringList{"1", "2", "3"}));
        QCOMPARE(h.column(1), (QStringList{"192.0.2.10", "192.0.2.11", "192.0.2.5"}));
        QCOMPARE(h.column(2), (QStringList{Mac(0x10), Mac(0x11), Mac(0x05)}));
        QCOMPARE(h.column(3), (QStringList{"-", "-", kWireless}));
        QCOMPARE(h.column(4), (QStringList{"Wired", "Wired", "Wireless"}));
        QCOMPARE(h.selectedRow(), 2);
        QCOMPARE(h.list()->currentRow(), 2);
        QCOMPARE(h.field("editMacAddress"), Mac(0x05));
        QCOMPARE(h.field("editIpAddress"), QStringLiteral("192.0.2.5 (DHCP)"));
        QCOMPARE(h.field("editSubnetMask"), QStringLiteral("255.255.255.0"));
        QCOMPARE(h.field("editGateway"), QStringLiteral("192.0.2.1"));
        QCOMPARE(h.field("editPortNumber"), QStringLiteral("9100"));
        QVERIFY(h.button("btnConfiguration")->isEnabled());
        QVERIFY(h.button("btnBrowser")->isEnabled());

        // A second search that finds nothing empties everything and keeps "Refresh".
        h.searchFinds({}, {});
        QCOMPARE(h.list()->rowCount(), 0);
        QCOMPARE(h.field("editMacAddress"), QString());
        QCOMPARE(Mnemonics::Strip(h.button("btnSearch")->text()), QStringLiteral("Refresh"));
        QVERIFY(!h.button("btnConfiguration")->isEnabled());
    }

    // The "#" and type columns are at least as wide as the page has them and wide enough for their texts;
    // the three text columns share the rest of the list beside the vertical scroll bar.
    void listHasTheColumnsOfThePage() {
        MainWindowHarness h;
        QTableWidget* list = h.list();
        const QStringList headers = {"#", "IP Address", "Mac Address", "System Name", "Type"};
        QCOMPARE(list->columnCount(), 5);
        for (int column = 0; column < 5; ++column)
            QCOMPARE(list->horizontalHeaderItem(column)->text(), headers[column]);
        QVERIFY(list->columnWidth(0) >= 28);
        QVERIFY(list->columnWidth(4) >= 60);
        const QFontMetrics metrics(list->font());
        QVERIFY(list->columnWidth(4) > metrics.horizontalAdvance(QStringLiteral("Wireless")));
        for (const QString& widest : {QStringLiteral("255.255.255.255"), QStringLiteral("DD:DD:DD:DD:DD:DD")})
            QVERIFY(list->columnWidth(widest.contains(':') ? 2 : 1) > metrics.horizontalAdvance(widest));
        QVERIFY(list->columnWidth(3) >= 80);
        int total = 0;
        for (int column = 0; column < 5; ++column)
            total += list->columnWidth(column);
        QCOMPARE(total, list->width() - 2 * list->frameWidth()); // no rows: no vertical scroll bar either
        QVERIFY(list->showGrid());
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        // Several rows may be selected (to copy them); the details follow the current one.
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    }

    // A long list: three-digit numbers whole, no horizontal scroll bar beside the vertical one, and the
    // selected row (the last one after the search, or one chosen in the details' place) on screen.
    void twoHundredPrintersFitTheListAndTheSelectedRowIsOnScreen() {
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.view.get()));
        EthernetInfoMap wired;
        for (int i = 1; i <= 200; ++i)
            wired[MacOf(static_cast<std::uint8_t>(i))] =
                Wired(static_cast<std::uint8_t>(i), {192, 0, 2, static_cast<std::uint8_t>(i)});
        h.searchFinds(wired, {});
        QTableWidget* list = h.list();
        QCOMPARE(list->rowCount(), 200);
        QApplication::processEvents();
        QVERIFY(list->verticalScrollBar()->isVisible());
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QVERIFY(list->horizontalHeader()->length() <= list->viewport()->width());
        const QFontMetrics metrics(list->font());
        QVERIFY(list->columnWidth(0) >= metrics.horizontalAdvance(QStringLiteral("200")) + 8);

        auto onScreen = [list](int row) {
            const QRect cell = list->visualRect(list->model()->index(row, 1));
            return cell.isValid() && list->viewport()->rect().contains(cell);
        };
        QCOMPARE(h.selectedRow(), 199);
        QVERIFY(onScreen(199));
        QCOMPARE(h.field("editIpAddress"), QStringLiteral("192.0.2.200"));

        // Sorted by address, 192.0.2.200 is still the selected row, now in the middle: on screen too.
        QTest::mouseClick(list->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(list->horizontalHeader()->sectionViewportPosition(1) + 10, 5));
        QCOMPARE(h.text(0, 1), QStringLiteral("192.0.2.1"));
        QCOMPARE(h.text(20, 1), QStringLiteral("192.0.2.21"));
        QCOMPARE(h.selectedRow(), 199);
        h.clickCell(0);
        list->scrollToTop();
        h.dlg->GetPageBasicSetting().SetListControlFocus(MacOf(150));
        QApplication::processEvents();
        QCOMPARE(h.selectedRow(), 149);
        QVERIFY(onScreen(149));
    }

    void wirelessMaskDisablesBothButtonsUntilTheNextSearch() {
        MainWindowHarness h;
        h.view->show();
        SearchTwoWiredAndOneWireless(h, 0x80);
        QVERIFY(!h.button("btnConfiguration")->isEnabled());
        QVERIFY(!h.button("btnBrowser")->isEnabled());

        h.clickCell(0);
        QCOMPARE(h.selectedRow(), 0);
        QCOMPARE(h.field("editMacAddress"), Mac(0x10));
        QVERIFY(!h.button("btnConfiguration")->isEnabled());
        QVERIFY(!h.button("btnBrowser")->isEnabled());

        SearchTwoWiredAndOneWireless(h, 0x91);
        QVERIFY(h.button("btnConfiguration")->isEnabled());
        QVERIFY(h.button("btnBrowser")->isEnabled());
    }

    void launchBrowserOpensThePrintersPage_data() {
        QTest::addColumn<int>("http");
        QTest::addColumn<QString>("url");
        QTest::newRow("Http 1") << 1 << "https://203.0.113.9";
        QTest::newRow("Http 0") << 0 << "http://203.0.113.9";
    }
    void launchBrowserOpensThePrintersPage() {
        QFETCH(int, http);
        QFETCH(QString, url);
        MainWindowHarness h;
        h.view->show();
        h.searchFinds({{MacOf(0x01), Wired(0x01, {192, 0, 2, 1})},
                       {MacOf(0x09), Wired(0x09, {203, 0, 113, 9}, 0, static_cast<std::uint8_t>(http))}},
                      {});
        h.clickCell(0);
        h.clickCell(1);
        QTest::mouseClick(h.button("btnBrowser"), Qt::LeftButton);
        QCOMPARE(h.browser.opened, std::vector<std::string>{url.toStdString()});
        QCOMPARE(h.selectedRow(), 1);
    }

    void longTextsShowFromTheirStartAndWholeInTooltips() {
        MainWindowHarness h;
        h.view->show();
        const std::string name = "Warehouse aisle 7, the long shelf by the loading gate";
        h.searchFinds({{MacOf(0x01), Wired(0x01, {203, 0, 113, 254}, 1)}},
                      {{MacOf(0x02), Wireless(0x02, {192, 0, 2, 2}, 0x91, name)}});
        // The list's fixed column elides the name; its tooltip holds it whole.
        QCOMPARE(h.list()->item(1, 3)->toolTip(), QString::fromStdString(name));
        h.clickCell(0);
        auto* ip = h.child<QLineEdit>("editIpAddress");
        const QString text = QStringLiteral("203.0.113.254 (DHCP)");
        QCOMPARE(ip->text(), text);
        QCOMPARE(ip->cursorPosition(), 0); // a field too narrow cuts the end, never the address
        QCOMPARE(ip->toolTip(), text);
        QVERIFY(ip->fontMetrics().horizontalAdvance(QStringLiteral("255.255.255.255 (DHCP)")) <
                ip->contentsRect().width());
    }

    void clickOnTheEmptyAreaReselectsTheCurrentRow() {
        MainWindowHarness h;
        h.view->show();
        SearchTwoWiredAndOneWireless(h);
        h.clickCell(1);
        QCOMPARE(h.selectedRow(), 1);

        const QPoint below(h.list()->viewport()->width() / 2,
                           h.list()->visualRect(h.list()->model()->index(2, 0)).bottom() + 40);
        QVERIFY(!h.list()->indexAt(below).isValid());
        QTest::mouseClick(h.list()->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(h.selectedRow(), 1);
        QCOMPARE(h.field("editMacAddress"), Mac(0x11));
        QTest::mouseDClick(h.list()->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(h.selectedRow(), 1);
        QVERIFY(h.dlg->GetMainSheet().IsVisible()); // the empty area opens nothing
    }

    void keysMoveTheSelectionAndTheDetailsFollow() {
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowActive(h.view.get()));
        SearchTwoWiredAndOneWireless(h);
        QCOMPARE(QApplication::focusWidget(), h.list());
        QTest::keyClick(h.list(), Qt::Key_Up);
        QCOMPARE(h.selectedRow(), 1);
        QCOMPARE(h.field("editMacAddress"), Mac(0x11));
        QTest::keyClick(h.list(), Qt::Key_Up);
        QCOMPARE(h.selectedRow(), 0);
        QCOMPARE(h.field("editIpAddress"), QStringLiteral("192.0.2.10"));
    }

    void headerClicksSortBothWaysAndTheSelectionStaysWithItsPrinter() {
        MainWindowHarness h;
        h.view->show();
        h.searchFinds({{MacOf(0x01), Wired(0x01, {192, 0, 2, 1})}},
                      {{MacOf(0x40), Wireless(0x40, {192, 0, 2, 40}, 0x91, "charlie")},
                       {MacOf(0x41), Wireless(0x41, {192, 0, 2, 41}, 0x91, "alpha")},
                       {MacOf(0x42), Wireless(0x42, {192, 0, 2, 42}, 0x91, "Bravo")}});
        h.clickCell(1);
        QHeaderView* header = h.list()->horizontalHeader();
        auto clickHeader = [&](int column) {
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                       header->height() / 2));
        };

        clickHeader(3);
        QCOMPARE(h.column(3), (QStringList{"-", "alpha", "Bravo", "charlie"}));
        QCOMPARE(header->sortIndicatorSection(), 3);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(h.text(h.selectedRow(), 3), QStringLiteral("charlie"));

        clickHeader(3);
        QCOMPARE(h.column(3), (QStringList{"charlie", "Bravo", "alpha", "-"}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(h.text(h.selectedRow(), 3), QStringLiteral("charlie"));
        QCOMPARE(h.field("editMacAddress"), Mac(0x40));

        clickHeader(0);
        QCOMPARE(h.column(0), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(header->sortIndicatorSection(), 0);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);

        // Configuration opens the selected printer, wherever sorting moved it.
        QTest::mouseClick(h.button("btnConfiguration"), Qt::LeftButton);
        QCOMPARE(h.dlg->GetPageNetConnectionSetting().GetNetInfo().strMACAddress, MacOf(0x40));
    }

    void doubleClickAndEnterOpenTheSettingsOfTheRow() {
        MainWindowHarness h;
        h.view->show();
        QVERIFY(QTest::qWaitForWindowActive(h.view.get()));
        SearchTwoWiredAndOneWireless(h);
        h.doubleClickCell(0);
        QVERIFY(h.settingsSheet()->isVisible());
        QVERIFY(!h.mainSheet()->isVisible());
        QCOMPARE(h.dlg->GetPageNetConnectionSetting().GetNetInfo().strMACAddress, MacOf(0x10));

        h.dlg->SendMessage(MainWindowMessage::M4);
        QVERIFY(h.mainSheet()->isVisible());
        QCOMPARE(h.selectedRow(), 0);
        QTest::keyClick(h.list(), Qt::Key_Down);
        QTest::keyClick(h.list(), Qt::Key_Return);
        QVERIFY(h.settingsSheet()->isVisible());
        QCOMPARE(h.dlg->GetPageNetConnectionSetting().GetNetInfo().strMACAddress, MacOf(0x11));
    }
};

QTEST_MAIN(PrinterListTest)
#include "printer_list_test.moc"
