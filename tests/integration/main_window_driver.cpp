// The main window end to end: the window as the program builds it (offscreen), with the process's UDP
// endpoint and the real search dialog, against quorlink-printer-sim with
// tests/integration/main_window_sim.json, run by scripts/netns-harness. Presses Search, checks the list and
// the details, opens a printer's web page and its settings, goes back, and closes the window.
//
// Runs only inside the private network of the harness: it refuses to start unless it is in the harness's
// tool namespace and every interface there is on a documentation network, so nothing reaches a real network.

#include "app/DialogResult.h"
#include "netsearch/CUdpEndpoint.h"
#include "ui/CVrxQuorlink2ndDlg.h"
#include "ui/qt/CVrxQuorlink2ndDlgView.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QtCursor.h"
#include "ui/qt/QtPrinterSearch.h"

#include "FakeBrowser.h"
#include "FakeLanguageSelection.h"
#include "FakeMessageBox.h"

#include "HarnessNetwork.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using harness::Check;

QString Cell(QTableWidget* list, int row, int column) {
    const QTableWidgetItem* item = list->item(row, column);
    return item ? item->text() : QStringLiteral("(none)");
}

QStringList Column(QTableWidget* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << Cell(list, row, column);
    return texts;
}

std::string Show(const QStringList& texts) {
    return texts.join(QStringLiteral(", ")).toStdString();
}

} // namespace

int main(int argc, char** argv) {
    if (!harness::InsideHarness("main-window-driver"))
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // As the program builds it, except that message boxes, the browser and the language choice are recorded.
    INetworkEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    FakeMessageBox messages;
    QtCursor cursor;
    FakeBrowser browser;
    FakeLanguageSelection language;
    QtPrinterSearch search(endpoint, messages, cursor);
    CVrxQuorlink2ndDlg dlg(endpoint, messages, cursor, browser, language, search);
    CVrxQuorlink2ndDlgView view(dlg);
    search.SetParent(&view);

    auto* list = view.findChild<QTableWidget*>(QStringLiteral("listPrinter"));
    auto button = [&](const char* name) { return view.findChild<QPushButton*>(QString::fromLatin1(name)); };
    auto field = [&](const char* name) {
        return view.findChild<QLineEdit*>(QString::fromLatin1(name))->text().toStdString();
    };
    auto* mainSheet = view.findChild<QTabWidget*>(QStringLiteral("mainSheet"));
    auto* settingsSheet = view.findChild<QTabWidget*>(QStringLiteral("settingsSheet"));

    QTimer::singleShot(0, &view, [&] {
        button("btnSearch")->click(); // runs the search dialog until the search has ended

        Check(messages.shown().empty(), "the search showed no message");
        Check(Mnemonics::Strip(button("btnSearch")->text()) == QStringLiteral("Refresh"),
              "Search reads \"Refresh\"");
        const QStringList macs = Column(list, 2);
        Check(macs == QStringList{"02:00:00:00:41:01", "02:00:00:00:41:02", "02:00:00:00:40:01"},
              "wired printers first, the wireless one last: " + Show(macs));
        Check(Column(list, 0) == QStringList{"1", "2", "3"}, "rows numbered 1 to 3");
        Check(Column(list, 3) == QStringList{"-", "-", "Loading dock"},
              "system names: " + Show(Column(list, 3)));
        Check(Column(list, 4) == QStringList{"Wired", "Wired", "Wireless"},
              "types: " + Show(Column(list, 4)));
        Check(list->currentRow() == 2 && list->selectionModel()->isRowSelected(2, {}), "row 3 selected");
        Check(field("editIpAddress") == "192.0.2.93 (DHCP)", "details of row 3: " + field("editIpAddress"));
        Check(field("editGateway") == "192.0.2.254", "gateway of row 3: " + field("editGateway"));

        list->selectRow(0);
        Check(field("editMacAddress") == "02:00:00:00:41:01", "details follow the selection");
        button("btnBrowser")->click();
        Check(browser.opened == std::vector<std::string>{"https://192.0.2.91"},
              "Launch Browser opens https://192.0.2.91");

        button("btnConfiguration")->click();
        Check(settingsSheet->isVisible() && !mainSheet->isVisible(),
              "Configuration shows the settings sheet");
        Check(dlg.GetPageNetConnectionSetting().GetNetInfo().strMACAddress == "02:00:00:00:41:01",
              "the settings page has the chosen printer");
        dlg.GetPageNetConnectionSetting().OnBnClickedBtnCancel();
        Check(mainSheet->isVisible() && !settingsSheet->isVisible(), "Cancel returns to the list");
        Check(list->selectionModel()->isRowSelected(0, {}), "the printer's row is selected again");

        button("btnClose")->click();
    });
    const int result = view.DoModal();
    Check(result == IDCANCEL, "Close ends the window cancelled");

    std::printf("%s\n", harness::failures ? "main-window-driver: FAILED" : "main-window-driver: passed");
    return harness::failures ? 1 : 0;
}
