// The search dialog end to end: the real dialog (offscreen) with the process's UDP endpoint, against
// quorlink-printer-sim with tests/integration/search_dialog_sim.json, run by scripts/netns-harness (with or
// without --second-link). Searches twice: once left alone, once with Escape and a close while it runs, which
// stop it.
//
// Runs only inside the private network of the harness: it refuses to start unless it is in the harness's
// tool namespace and every interface there is on a documentation network, so nothing reaches a real network.

#include "netsearch/CUdpEndpoint.h"
#include "ui/qt/CVRXBusyProgressCtrl.h"
#include "ui/qt/CVRXSearchDlg.h"
#include "ui/qt/QtCursor.h"

#include "FakeMessageBox.h"

#include "HarnessNetwork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using harness::Check;

struct Run {
    int result = -1;
    double seconds = 0;
    bool visibleWhileSearching = false;
    bool stillUpAfterEscape = false;
    double secondsAfterEscape = -1;
    int positionsSeen = 0;
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    std::vector<std::string> messages;
};

// One search through the dialog; with pressEscape, Escape and a close are tried while it runs.
Run Search(CUdpEndpoint& endpoint, bool pressEscape) {
    FakeMessageBox messages;
    QtCursor cursor;
    CVRXSearchDlg dialog(endpoint, messages, cursor);
    Run run;
    int lastPosition = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &dialog, [&] {
        if (!dialog.isVisible())
            return;
        run.visibleWhileSearching = true;
        const int position = dialog.BusyIndicator()->Control().Snapshot().Position();
        if (position != lastPosition)
            ++run.positionsSeen;
        lastPosition = position;
    });
    watch.start(50);
    QElapsedTimer clock, sinceEscape;
    if (pressEscape) {
        QTimer::singleShot(600, &dialog, [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&dialog, &press);
            dialog.close();
            run.stillUpAfterEscape = dialog.isVisible();
            sinceEscape.start();
        });
    }
    clock.start();
    run.result = dialog.exec();
    run.seconds = clock.elapsed() / 1000.0;
    if (sinceEscape.isValid())
        run.secondsAfterEscape = sinceEscape.elapsed() / 1000.0;
    dialog.CopyWLanInfoTo(run.wireless);
    dialog.CopyEthernetInfoTo(run.wired);
    for (const auto& shown : messages.shown())
        run.messages.push_back(shown.text);
    return run;
}

void CheckPrinters(const Run& run, const std::string& label) {
    Check(run.result == QDialog::Accepted, label + ": the dialog ended confirmed");
    Check(run.messages.empty(), label + ": no message box");
    Check(run.visibleWhileSearching, label + ": the dialog was up during the search");
    Check(run.positionsSeen >= 5,
          label + ": the indicator moved (" + std::to_string(run.positionsSeen) + ")");
    Check(run.wired.size() == 2, label + ": two wired printers (" + std::to_string(run.wired.size()) + ")");
    Check(run.wireless.size() == 1,
          label + ": one wireless printer (" + std::to_string(run.wireless.size()) + ")");
    const auto first = run.wired.find("02:00:00:00:31:01");
    const auto second = run.wired.find("02:00:00:00:31:02");
    const auto wireless = run.wireless.find("02:00:00:00:32:01");
    Check(first != run.wired.end() && Ipv4Text(first->second.Ip) == "192.0.2.71",
          label + ": 192.0.2.71 found");
    Check(second != run.wired.end() && Ipv4Text(second->second.Ip) == "192.0.2.72",
          label + ": the slow printer 192.0.2.72 found");
    Check(wireless != run.wireless.end() && DecodeSystemName(wireless->second) == "Shipping bay",
          label + ": the wireless printer with its name");
    // Heard on every interface, listed once with the first interface searched.
    bool firstInterface = true;
    for (const auto& [mac, info] : run.wired)
        firstInterface &= info.byLocalNetworkInterface == 0;
    for (const auto& [mac, info] : run.wireless)
        firstInterface &= info.byLocalNetworkInterface == 0;
    Check(firstInterface, label + ": every printer with the interface it answered first on");
    std::printf("%s: search took %.2f s\n", label.c_str(), run.seconds);
}

} // namespace

int main(int argc, char** argv) {
    if (!harness::InsideHarness("search-dialog-driver"))
        return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    CUdpEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    const int links = std::getenv("QL_TOOL_ADDR2") ? 2 : 1;

    const Run plain = Search(endpoint, false);
    Check(endpoint.GetPrinterNetworkAddress() == links,
          "the interface table has the harness's " + std::to_string(links) + " link(s)");
    CheckPrinters(plain, "left alone");

    const Run escaped = Search(endpoint, true);
    Check(escaped.stillUpAfterEscape, "Escape and a close leave the dialog up until the worker has stopped");
    Check(escaped.result == QDialog::Rejected, "with Escape: the dialog ended cancelled");
    Check(escaped.secondsAfterEscape >= 0 && escaped.secondsAfterEscape < 0.8,
          "with Escape: the search stopped at its next wait (" + std::to_string(escaped.secondsAfterEscape) +
              " s)");
    Check(escaped.messages.empty(), "with Escape: no message box");
    std::printf("with Escape: ended %.2f s after it\n", escaped.secondsAfterEscape);

    // The search runs to its end again after a cancelled one.
    CheckPrinters(Search(endpoint, false), "after a cancelled search");

    std::printf("%s\n", harness::failures ? "search-dialog-driver: FAILED" : "search-dialog-driver: passed");
    return harness::failures ? 1 : 0;
}
