// The main window for a fleet: resized, remembered across a restart, and the printer list's filter, sort,
// copy and export over 200 printers. The printers come from a scripted search; nothing is sent.
#include "app/DialogResult.h"
#include "app/Preferences.h"
#include "app/StringTable.h"
#include "app/WindowPlacement.h"
#include "ui/qt/CVRXPageBasicSettingView.h"
#include "ui/qt/wlanadv/PropertyGridWidget.h"
#include "ui/qt/wlanadv/WLanAdvancedPage.h"
#include "ui/wlanadv/PropertyGrid.h"

#include "FakeFleet.h"
#include "MainWindowHarness.h"

#include <QClipboard>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace {

constexpr int kFleet = 200;

// Rows of a table whose whole height lies in its viewport.
int WholeRowsShown(QTableView* view) {
    int rows = 0;
    const QRect area = view->viewport()->rect();
    for (int row = 0; row < view->model()->rowCount(); ++row)
        if (area.contains(view->visualRect(view->model()->index(row, 0))))
            ++rows;
    return rows;
}

// Rows of a tree (groups and their items) whose whole height lies in its viewport.
int WholeRowsShown(QTreeWidget* tree) {
    int rows = 0;
    const QRect area = tree->viewport()->rect();
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (area.contains(tree->visualItemRect(*it)) && tree->visualItemRect(*it).height() > 0)
            ++rows;
    return rows;
}

// Export's file dialog: answers with the path given.
class SaveTo : public IFileDialogs {
public:
    explicit SaveTo(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> GetOpenFileName(const std::string&, const std::vector<Filter>&) override {
        return std::nullopt;
    }
    std::optional<std::string> GetSaveFileName(const std::string&, const std::vector<Filter>&) override {
        ++asked;
        return m_path;
    }
    int asked = 0;

private:
    std::string m_path;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Triggers the item whose text starts with text of the next popup menu that comes up (after start() runs).
QStringList ChooseFromPopup(const std::function<void()>& start, const QString& text) {
    QStringList seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            seen << action->text();
            if (!chosen && action->isEnabled() && action->text().startsWith(text))
                chosen = action;
        }
        if (chosen)
            chosen->trigger();
        menu->close();
    });
    poll.start();
    start();
    poll.stop();
    QCoreApplication::processEvents(); // the chosen action runs once its menu has gone
    return seen;
}

} // namespace

class PrinterFleetWindowTest : public QObject {
    Q_OBJECT

private:
    // A harness whose search finds kFleet printers, searched once, the window shown.
    static std::unique_ptr<MainWindowHarness> FleetWindow() {
        auto h = std::make_unique<MainWindowHarness>(std::string("0"));
        h->view->show();
        h->view->activateWindow();
        if (!QTest::qWaitForWindowActive(h->view.get()))
            qFatal("the main window did not become active");
        h->search.Script(printers::Fleet(kFleet));
        QTest::mouseClick(h->button("btnSearch"), Qt::LeftButton);
        return h;
    }
    static QLineEdit* Filter(MainWindowHarness& h) { return h.child<QLineEdit>("editFilter"); }
    static QString Count(MainWindowHarness& h) { return h.child<QLabel>("labelCount")->text(); }
    // Ends the window as its Close button does and builds it anew over the same preferences, as the next
    // start of the program would.
    static void Restart(MainWindowHarness& h, const std::function<void()>& between = {}) {
        if (!h.dlg->IsEnded())
            h.dlg->OnClose();
        h.view.reset();
        if (between)
            between(); // after the window has written its preferences, before the next start reads them
        h.dlg = std::make_unique<CVrxQuorlink2ndDlg>(h.endpoint, h.messages, h.cursor, h.browser, h.language,
                                                     h.search);
        h.view = std::make_unique<CVrxQuorlink2ndDlgView>(*h.dlg);
    }
    static void Resize(MainWindowHarness& h, QSize size) {
        h.view->resize(size);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

private slots:
    void designedSizeIsTheSmallestAndTheListFillsALargerWindow() {
        auto h = FleetWindow();
        const QSize designed = h->view->size();
        QCOMPARE(h->view->minimumSize(), designed);
        Resize(*h, QSize(300, 200));
        QCOMPARE(h->view->size(), designed);
        const int designedRows = WholeRowsShown(h->list());
        QVERIFY2(designedRows >= 5, qPrintable(QString::number(designedRows)));

        auto* page = h->child<QWidget>("printerListPage");
        const auto button = [page](const char* name) {
            return page->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        const QRect closeAtDesigned = button("btnClose")->geometry();
        const QSize pageAtDesigned = page->size();

        Resize(*h, QSize(1600, 1000));
        QCOMPARE(h->view->size(), QSize(1600, 1000));
        const int rows = WholeRowsShown(h->list());
        QVERIFY2(rows >= 30, qPrintable(QStringLiteral("%1 rows shown, %2 high, %3 each")
                                            .arg(rows)
                                            .arg(h->list()->viewport()->height())
                                            .arg(h->list()->rowHeight(0))));
        QCOMPARE(h->list()->rowCount(), kFleet);

        // The buttons keep their places at their edges; the details panel takes the width.
        const QRect close = button("btnClose")->geometry();
        QCOMPARE(page->width() - close.right(), pageAtDesigned.width() - closeAtDesigned.right());
        QCOMPARE(page->height() - close.bottom(), pageAtDesigned.height() - closeAtDesigned.bottom());
        QCOMPARE(close.size(), closeAtDesigned.size());
        QCOMPARE(button("btnLanguage")->geometry().left(), 12);
        QCOMPARE(button("btnSearch")->geometry().left(), 24);
        QVERIFY(button("btnSearch")->geometry().top() > h->list()->geometry().bottom());
        QCOMPARE(h->child<QLineEdit>("editGateway")->geometry().right(), page->width() - 560 + 533);
        QVERIFY(h->child<QLineEdit>("editMacAddress")->width() > 400);
        // No column runs past the list, the columns are wider than at the designed size.
        int columns = 0;
        for (int column = 0; column < h->list()->columnCount(); ++column)
            columns += h->list()->columnWidth(column);
        QVERIFY(columns <= h->list()->viewport()->width());
        QVERIFY(columns > 1000);
    }

    void wlanGridsGrowAndTheirDescriptionKeepsItsRows() {
        auto h = FleetWindow();
        CVRXPageWLanAdvSetting& advanced = h->view->WLanAdvanced()->Page();
        auto& group = advanced.Grid1().AddGroup(std::make_unique<PropertyGroup>(10000, "Group"));
        for (std::uint32_t id = 1; id <= 60; ++id)
            group.AddItem(std::make_unique<PropertyItem>(id, "Item " + std::to_string(id), PropertyKind::Text,
                                                         "value"));
        h->mainSheet()->setCurrentIndex(1);
        auto* grid = h->child<PropertyGridWidget>("grid1");
        grid->setEnabled(true);
        grid->show();
        QCoreApplication::processEvents();
        auto* description = grid->findChild<QLabel*>(QStringLiteral("descriptionArea"));
        const int descriptionHeight = description->height();
        auto* close = h->view->WLanAdvanced()->View()->findChild<QPushButton*>(QStringLiteral("btnClose"));
        QWidget* page = close->parentWidget();
        const int belowClose = page->height() - close->geometry().bottom();
        const int designedRows = WholeRowsShown(grid->Tree());

        Resize(*h, QSize(1600, 1000));
        const int rows = WholeRowsShown(grid->Tree());
        QVERIFY2(
            rows >= 20,
            qPrintable(QStringLiteral("%1 rows shown, %2 at the designed size").arg(rows).arg(designedRows)));
        QCOMPARE(description->height(), descriptionHeight);
        QVERIFY(grid->width() > 1500);
        QCOMPARE(page->height() - close->geometry().bottom(), belowClose);
    }

    void sizePlaceAndColumnWidthsComeBackAfterARestart() {
        auto h = FleetWindow();
        const QSize designed = h->view->size();
        Resize(*h, QSize(1600, 1000));
        h->view->move(40, 30);
        // The user makes the system name column narrower.
        h->list()->horizontalHeader()->resizeSection(3, 111);
        const std::vector<int> widths = h->dlg->GetPageBasicSetting().GetControls().columnWidths;
        QCOMPARE(widths.size(), size_t(5));
        QCOMPARE(widths[3], 111);

        // A language switch ends the window for the restart.
        h->dlg->SendMessage(MainWindowMessage::Restart);
        QVERIFY(h->dlg->IsEnded());
        QCOMPARE(h->dlg->GetResult(), int(IDOK));
        Restart(*h);
        QCOMPARE(VRXReadConfigurationInfoFromFile(PreferenceKey::MainWindow).value_or(""),
                 std::string("40,30,1600,1000"));
        QCOMPARE(h->view->size(), QSize(1600, 1000));
        QCOMPARE(h->view->pos(), QPoint(40, 30));
        h->view->show();
        h->search.Script(printers::Fleet(kFleet));
        QTest::mouseClick(h->button("btnSearch"), Qt::LeftButton);
        QCOMPARE(h->list()->columnWidth(3), 111);
        QCOMPARE(h->dlg->GetPageBasicSetting().GetControls().columnWidths, widths);

        // A size below the designed one (an edited file) gives the designed size.
        Restart(*h, [] { VRXWriteConfigurationInfoFromFile(PreferenceKey::MainWindow, "40,30,100,100"); });
        QCOMPARE(h->view->size(), designed);
    }

    void filterNarrowsTheRowsAndCountsThem() {
        auto h = FleetWindow();
        QCOMPARE(Count(*h), QStringLiteral("200 of 200 printers"));
        // Ctrl+F goes to the filter field.
        h->list()->setFocus();
        QTest::keyClick(h->list(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(Filter(*h)->hasFocus());
        QTest::keyClicks(Filter(*h), QStringLiteral("Dock-1"));
        QCOMPARE(h->list()->rowCount(), 28);
        QCOMPARE(Count(*h), QStringLiteral("28 of 200 printers"));
        for (const QString& name : h->column(3))
            QVERIFY2(name.startsWith(QStringLiteral("Dock-1")), qPrintable(name));
        QVERIFY2(Filter(*h)->hasFocus(), "typing stays in the field");
        Filter(*h)->clear();
        QCOMPARE(h->list()->rowCount(), kFleet);
    }

    void headersSortAddressesByNumberAndTheOrderOutlivesARefresh() {
        auto h = FleetWindow();
        QTest::mouseClick(h->list()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(h->list()->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(h->text(0, 1), QStringLiteral("192.0.2.1"));
        QCOMPARE(h->text(8, 1), QStringLiteral("192.0.2.9"));
        QCOMPARE(h->text(9, 1), QStringLiteral("192.0.2.10"));
        QCOMPARE(h->list()->horizontalHeader()->sortIndicatorSection(), 1);
        QTest::mouseClick(h->list()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(h->list()->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
        QTest::mouseClick(h->list()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(h->list()->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
        QCOMPARE(h->text(0, 2), QString::fromStdString(printers::FleetMacText(kFleet - 1)));

        h->search.Script(printers::Fleet(kFleet + 10));
        QTest::mouseClick(h->button("btnSearch"), Qt::LeftButton);
        QCOMPARE(h->text(0, 2), QString::fromStdString(printers::FleetMacText(kFleet + 9)));
        QCOMPARE(h->list()->horizontalHeader()->sortIndicatorSection(), 2);
        QCOMPARE(h->list()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void selectionFollowsItsPrinterAcrossARefresh() {
        auto h = FleetWindow();
        QTest::mouseClick(h->list()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(h->list()->horizontalHeader()->sectionViewportPosition(1) + 5, 5));
        h->list()->scrollToTop();
        h->clickCell(5);
        const QString chosen = h->text(5, 2);
        QCOMPARE(h->field("editMacAddress"), chosen);

        // Ten printers more, with lower addresses: the chosen one's row moves down by ten.
        FakePrinterSearch::Found more = printers::Fleet(kFleet);
        for (int i = 0; i < 10; ++i) {
            ETHERNET_INFO info = printers::Wired(0, {10, 0, 0, static_cast<std::uint8_t>(i + 1)});
            const auto mac = printers::FleetMac(1000 + i);
            std::memcpy(info.MacAddr, mac.data(), 6);
            more.ethernet[MacText(mac.data())] = info;
        }
        h->search.Script(std::move(more));
        QTest::mouseClick(h->button("btnSearch"), Qt::LeftButton);
        QCOMPARE(h->selectedRow(), 15);
        QCOMPARE(h->text(15, 2), chosen);
        QCOMPARE(h->field("editMacAddress"), chosen);
        // On screen, too.
        QVERIFY(h->list()->viewport()->rect().intersects(
            h->list()->visualRect(h->list()->model()->index(15, 0))));
    }

    void copyTakesTheSelectedRowsOrOneAddress() {
        auto h = FleetWindow();
        QTest::keyClicks(Filter(*h), QStringLiteral("Dock-19"));
        QCOMPARE(h->list()->rowCount(), 4); // 19, 191, 195, 199 in the order found
        h->clickCell(0);
        QTest::mouseClick(h->list()->viewport(), Qt::LeftButton, Qt::ShiftModifier, h->cellCentre(2, 1));
        h->list()->setFocus();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(h->list(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("192.0.2.20\t00:1A:2B:3C:00:13\tDock-19\tWireless\n"
                                "192.0.2.192\t00:1A:2B:3C:00:BF\tDock-191\tWireless\n"
                                "192.0.2.196\t00:1A:2B:3C:00:C3\tDock-195\tWireless\n"));

        // The context menu copies one row's address.
        const auto menuOn = [&](int row) {
            return [&h, row] {
                QMetaObject::invokeMethod(
                    h->list(),
                    [&h, row] { emit h->list()->customContextMenuRequested(h->cellCentre(row, 1)); },
                    Qt::QueuedConnection);
                QCoreApplication::processEvents();
            };
        };
        const QStringList items = ChooseFromPopup(menuOn(3), QStringLiteral("Copy MAC"));
        QCOMPARE(items, (QStringList{QStringLiteral("Copy"), QStringLiteral("Copy IP Address"),
                                     QStringLiteral("Copy MAC Address"), QStringLiteral("Export…")}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("00:1A:2B:3C:00:C7"));
        ChooseFromPopup(menuOn(1), QStringLiteral("Copy IP"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("192.0.2.192"));
    }

    void exportWritesAllOrTheFilteredPrintersAsTheCommandLinesCsv() {
        auto h = FleetWindow();
        SaveTo file(h->dir.file("printers.csv"));
        h->dlg->GetPageBasicSetting().SetFileDialogs(&file);
        const std::string header =
            "type,mac,ip,subnet,gateway,port,baudrate,dhcp,inactivity,http,firmware,mask,name,interface\r\n";

        // Unfiltered, Export writes every printer at once.
        QTest::mouseClick(h->button("btnExport"), Qt::LeftButton);
        QCOMPARE(file.asked, 1);
        std::string all = ReadFile(h->dir.file("printers.csv"));
        QCOMPARE(std::count(all.begin(), all.end(), '\n'), kFleet + 1);
        QVERIFY(all.rfind(header, 0) == 0);
        QCOMPARE(all, h->dlg->GetPageBasicSetting().PrintersAsCsv(false));

        // Filtered: a choice of all or those shown.
        QTest::keyClicks(Filter(*h), QStringLiteral("Dock-19"));
        const auto clickExport = [&h] {
            QMetaObject::invokeMethod(h->button("btnExport"), "click", Qt::QueuedConnection);
            QCoreApplication::processEvents();
        };
        const QStringList choices = ChooseFromPopup(clickExport, QStringLiteral("Printers shown"));
        QCOMPARE(choices,
                 (QStringList{QStringLiteral("All printers (200)…"), QStringLiteral("Printers shown (4)…")}));
        QCOMPARE(file.asked, 2);
        const std::string shown = ReadFile(h->dir.file("printers.csv"));
        QCOMPARE(std::count(shown.begin(), shown.end(), '\n'), 5);
        QVERIFY(shown.find("wireless,00:1A:2B:3C:00:13,192.0.2.20,255.255.255.0,192.0.2.1,9100,7,false,300,"
                           "false,2.14,145.2,Dock-19,0\r\n") != std::string::npos);
        ChooseFromPopup(clickExport, QStringLiteral("All printers"));
        QCOMPARE(ReadFile(h->dir.file("printers.csv")), all);
        QVERIFY(h->messages.shown().empty());
    }
};

QTEST_MAIN(PrinterFleetWindowTest)
#include "printer_fleet_window_test.moc"
