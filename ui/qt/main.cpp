#include "app/CVrxQuorlink2ndApp.h"
#include "devport/CCupsApi.h"
#include "netsearch/CUdpEndpoint.h"
#include "ui/CVrxQuorlink2ndDlg.h"
#include "ui/PrintQueueActions.h"
#include "ui/qt/CVrxQuorlink2ndDlgView.h"
#include "ui/qt/QtAppPlatform.h"
#include "ui/qt/QtBrowser.h"
#include "ui/qt/QtCursor.h"
#include "ui/qt/QtMessageBox.h"
#include "ui/qt/QtPrinterSearch.h"
#include "ui/qt/QtQueueNameAsker.h"
#include "ui/qt/QuorlinkLook.h"

#include <QApplication>

namespace {

// Builds the main window over the real endpoint and desktop, runs it modally and destroys it again.
int RunMainWindow(ILanguageSelection& language) {
    INetworkEndpoint& endpoint = *CUdpEndpoint::GetInstance();
    QtMessageBox messages;
    QtCursor cursor;
    QtBrowser browser;
    QtPrinterSearch search(endpoint, messages, cursor);
    CVrxQuorlink2ndDlg dlg(endpoint, messages, cursor, browser, language, search);
    CVrxQuorlink2ndDlgView view(dlg);
    messages.SetParent(&view);
    search.SetParent(&view);
    CCupsApi cups; // the desktop's print server, for the print-queue actions
    PrintQueueActions queues(cups, messages);
    QtQueueNameAsker queueNames(&view);
    view.SetPrintQueues(queues, queueNames);
    return view.DoModal();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QuorlinkLook::Icon(QuorlinkLook::IconKind::Application));
    // The desktop entry the window belongs to (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.halda.QuorlinkTool"));
    CVrxQuorlink2ndApp* app = nullptr;
    QtAppPlatform platform([&app] { return RunMainWindow(*app); });
    CVrxQuorlink2ndApp instance(platform);
    app = &instance;
    instance.InitInstance();
    return 0;
}
