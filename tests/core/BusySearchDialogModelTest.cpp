#include "ui/SearchDialogModel.h"

#include "app/StringTable.h"

#include "CapturedLog.h"
#include "FakeCursor.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Model = BusyProgressModel;

const ETHERNET_INFO kWired1 =
    FakeNetworkEndpoint::WiredPrinter({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x01}, {192, 0, 2, 10});
const ETHERNET_INFO kWired2 =
    FakeNetworkEndpoint::WiredPrinter({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x02}, {192, 0, 2, 11});
const WLAN_INFO kWireless1 =
    FakeNetworkEndpoint::WirelessPrinter({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x81}, {192, 0, 2, 20}, "Lobby");

// The lines of the log that are one of wanted, in the order written.
std::vector<std::string> Only(const CapturedLog& log, const std::vector<std::string>& wanted) {
    std::vector<std::string> out;
    for (const auto& line : log.Lines())
        if (std::find(wanted.begin(), wanted.end(), line) != wanted.end())
            out.push_back(line);
    return out;
}

struct SearchDialog {
    FakeNetworkEndpoint endpoint;
    FakeMessageBox messages;
    FakeCursor cursor;
    BusyProgressControl indicator{SearchDialogModel::kInitialBlocks, SearchDialogModel::kInitialPosition};
    std::unique_ptr<SearchDialogModel> model =
        std::make_unique<SearchDialogModel>(endpoint, messages, cursor, indicator);

    // Ticks like the dialog's timer until it says the dialog ends; the number of ticks, or -1.
    int TickUntilEnd(int maxTicks = 100) {
        for (int tick = 1; tick <= maxTicks; ++tick) {
            if (model->OnTimer())
                return tick;
            std::this_thread::sleep_for(std::chrono::milliseconds(SearchDialogModel::kTimerMilliseconds));
        }
        return -1;
    }
};

} // namespace

TEST(BusySearchDialogModel, ConstructionGivesTheIndicatorABouncingBlock) {
    SearchDialog dialog;
    const Model state = dialog.indicator.Snapshot();
    EXPECT_EQ(state.NumberOfBlocks(), 20);
    EXPECT_EQ(state.Speed(), 30);
    EXPECT_EQ(state.Gap(), 1);
    EXPECT_EQ(state.Granularity(), 5);
    EXPECT_EQ(state.Lower(), -100);
    EXPECT_EQ(state.Upper(), 100);
    EXPECT_EQ(state.Mode(), Model::kModeBusy);
    EXPECT_EQ(state.BusyFill(), Model::kFillOneBlock);
    EXPECT_EQ(state.BusyType(), Model::kTypeBounce);
    EXPECT_EQ(state.Position(), 0);
    EXPECT_EQ(state.Direction(), 1);
    EXPECT_TRUE(dialog.endpoint.Calls().empty());
}

TEST(BusySearchDialogModel, WithoutAnInterfaceTellsTheUserAndSearchesNothing) {
    CapturedLog log;
    SearchDialog dialog;
    dialog.endpoint.SetSystemInterfaceCount(0);
    dialog.endpoint.AddWiredAnswer(0, kWired1);

    EXPECT_FALSE(dialog.model->InitDialog());
    ASSERT_EQ(dialog.messages.shown().size(), 1u);
    EXPECT_EQ(dialog.messages.shown()[0].kind, FakeMessageBox::Kind::Error);
    EXPECT_EQ(dialog.messages.shown()[0].text, "NO NETWORK CONNECTION FOUND");
    EXPECT_EQ(dialog.messages.shown()[0].text, LoadString(StringId::NoNetworkConnection));
    EXPECT_FALSE(dialog.indicator.IsRunning());
    EXPECT_FALSE(dialog.model->IsSearchThreadStarted());
    EXPECT_EQ(dialog.endpoint.CountCalls("SearchRound"), 0);
    EXPECT_EQ(dialog.endpoint.CountCalls("ClearPrinterTables"), 0);

    EthernetInfoMap wired;
    WLanInfoMap wireless;
    EXPECT_FALSE(dialog.model->CopyEthernetInfoTo(wired));
    EXPECT_FALSE(dialog.model->CopyWLanInfoTo(wireless));
    EXPECT_TRUE(wired.empty());
    EXPECT_TRUE(wireless.empty());
    EXPECT_EQ(Only(log, {"CVRXSearchDlg::OnInitDialog : START", "CVRXSearchDlg::OnInitDialog : END",
                         "CVRXSearchDlg::CreateSearchThread : START"}),
              (std::vector<std::string>{"CVRXSearchDlg::OnInitDialog : START",
                                        "CVRXSearchDlg::OnInitDialog : END"}));
}

TEST(BusySearchDialogModel, SearchesEveryInterfaceOnTheWorkerAndEndsWhenItHasEnded) {
    CapturedLog log;
    SearchDialog dialog;
    dialog.endpoint.SetSystemInterfaceCount(2);
    dialog.endpoint.AddWiredAnswer(0, kWired1);
    dialog.endpoint.AddWiredAnswer(1, kWired2);
    dialog.endpoint.AddWiredAnswer(1, kWired1); // heard on both: listed once, with the first interface
    dialog.endpoint.AddWirelessAnswer(1, kWireless1);
    dialog.endpoint.HoldSearches();

    ASSERT_TRUE(dialog.model->InitDialog());
    EXPECT_TRUE(dialog.indicator.IsRunning());
    ASSERT_TRUE(dialog.endpoint.WaitUntilSearchIsHeld(2s));
    EXPECT_FALSE(dialog.model->OnTimer()); // still searching
    EXPECT_TRUE(dialog.model->IsSearching());
    EXPECT_EQ(dialog.model->PrintersHeard(), 3) << "counted as they answer, each printer once";
    EXPECT_TRUE(dialog.cursor.IsWait());
    EthernetInfoMap early;
    EXPECT_FALSE(dialog.model->CopyEthernetInfoTo(early)); // nothing handed over while it runs

    dialog.endpoint.ReleaseSearches();
    EXPECT_GT(dialog.TickUntilEnd(), 0);
    EXPECT_FALSE(dialog.indicator.IsRunning());
    EXPECT_FALSE(dialog.cursor.IsWait());

    EXPECT_EQ(dialog.endpoint.CountCalls("SearchRound"), 1) << "every exchange in one round";
    const std::vector<std::string> searches = {"SearchPrinter(0,1)", "SearchPrinter(0,2)",
                                               "SearchPrinter(1,1)", "SearchPrinter(1,2)"};
    std::vector<std::string> calls;
    for (const auto& call : dialog.endpoint.Calls())
        if (call.rfind("SearchPrinter", 0) == 0)
            calls.push_back(call);
    EXPECT_EQ(calls, searches);
    for (const auto& thread : dialog.endpoint.SearchThreads())
        EXPECT_NE(thread, std::this_thread::get_id());

    EthernetInfoMap wired;
    WLanInfoMap wireless;
    EXPECT_TRUE(dialog.model->CopyEthernetInfoTo(wired));
    EXPECT_TRUE(dialog.model->CopyWLanInfoTo(wireless));
    ASSERT_EQ(wired.size(), 2u);
    EXPECT_EQ(wired.at("00:1A:2B:3C:4D:01").byLocalNetworkInterface, 0);
    EXPECT_EQ(wired.at("00:1A:2B:3C:4D:02").byLocalNetworkInterface, 1);
    ASSERT_EQ(wireless.size(), 1u);
    EXPECT_EQ(DecodeSystemName(wireless.at("00:1A:2B:3C:4D:81")), "Lobby");
    EXPECT_NE(dialog.model->NetworkPrinter(), 0);

    const std::vector<std::string> order = {
        "CVRXSearchDlg::OnInitDialog : START",
        "CVRXSearchDlg::CreateSearchThread : START",
        "CVRXSearchDlg::CreateSearchThread : END",
        "CVRXSearchDlg::OnInitDialog : END",
        "StartSearchThread : START",
        "CVRXSearchDlg::RunSearchProcedure : START",
        "StartSearchThread : END",
        "CVRXSearchDlg::OnTimer : KillTimer",
    };
    const auto logged = Only(log, order);
    ASSERT_EQ(logged.size(), order.size());
    // The worker starts inside CreateSearchThread, so its first lines may come before or after the
    // dialog's last two initialisation lines; everything else has one order.
    const auto at = [&](size_t line) {
        return std::find(logged.begin(), logged.end(), order[line]) - logged.begin();
    };
    EXPECT_EQ(at(0), 0);
    EXPECT_EQ(at(1), 1);
    EXPECT_LT(at(2), at(3)); // CreateSearchThread : END before OnInitDialog : END
    EXPECT_LT(at(1), at(4)); // the worker only after its creation began
    EXPECT_LT(at(4), at(5));
    EXPECT_EQ(at(6), 6); // the worker's end, then the tick that sees it
    EXPECT_EQ(at(7), 7);
    EXPECT_TRUE(log.Contains("CVRXSearchDlg::OnTimer : m_networkPrinter = " +
                             std::to_string(dialog.model->NetworkPrinter())));
}

TEST(BusySearchDialogModel, TheWorkerRunsBelowTheCallersPriority) {
    struct PriorityEndpoint : FakeNetworkEndpoint {
        std::atomic<int> nice{-100};
        int SearchRound(const std::vector<SearchExchange>& exchanges, std::stop_token stop,
                        const PrinterHeardFunction& heard) override {
            nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()));
            return FakeNetworkEndpoint::SearchRound(exchanges, stop, heard);
        }
    } endpoint;
    FakeMessageBox messages;
    FakeCursor cursor;
    BusyProgressControl indicator(10, 0);
    SearchDialogModel model(endpoint, messages, cursor, indicator);
    endpoint.SetSystemInterfaceCount(1);
    const int mine = ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()));
    ASSERT_TRUE(model.InitDialog());
    ASSERT_TRUE(endpoint.WaitUntilNoSearchRuns(2s));
    for (int i = 0; i < 100 && !model.OnTimer(); ++i)
        std::this_thread::sleep_for(10ms);
    if (mine >= 19)
        GTEST_SKIP() << "already at the lowest priority";
    EXPECT_GT(endpoint.nice.load(), mine);
}

TEST(BusySearchDialogModel, CopiesInsertIntoTheCallersTablesAndLeaveThemAloneWhenNothingWasFound) {
    SearchDialog dialog;
    dialog.endpoint.SetSystemInterfaceCount(1);
    dialog.endpoint.AddWirelessAnswer(0, kWireless1); // wireless printers only
    ASSERT_TRUE(dialog.model->InitDialog());
    ASSERT_GT(dialog.TickUntilEnd(), 0);

    EthernetInfoMap wired{{"keep", kWired2}};
    EXPECT_FALSE(dialog.model->CopyEthernetInfoTo(wired));
    ASSERT_EQ(wired.size(), 1u);
    EXPECT_EQ(wired.count("keep"), 1u);

    WLAN_INFO older = kWireless1;
    older.Ip[3] = 99;
    WLanInfoMap wireless{{"keep", older}, {MacText(kWireless1.MacAddr), older}};
    EXPECT_TRUE(dialog.model->CopyWLanInfoTo(wireless));
    ASSERT_EQ(wireless.size(), 2u);                                              // not emptied first
    EXPECT_EQ(wireless.at(MacText(kWireless1.MacAddr)).Ip[3], kWireless1.Ip[3]); // the search's record wins
}

TEST(BusySearchDialogModel, NothingAnsweringEndsConfirmedWithEmptyTables) {
    SearchDialog dialog;
    dialog.endpoint.SetSystemInterfaceCount(3);
    ASSERT_TRUE(dialog.model->InitDialog());
    ASSERT_GT(dialog.TickUntilEnd(), 0);
    EXPECT_EQ(dialog.endpoint.CountCalls("SearchRound"), 1);
    EXPECT_EQ(dialog.endpoint.CountCalls("SearchPrinter"), 6);
    EXPECT_EQ(dialog.model->NetworkPrinter(), 0);
    EXPECT_EQ(dialog.model->PrintersHeard(), 0);
    EthernetInfoMap wired;
    WLanInfoMap wireless;
    EXPECT_FALSE(dialog.model->CopyEthernetInfoTo(wired));
    EXPECT_FALSE(dialog.model->CopyWLanInfoTo(wireless));
}

TEST(BusySearchDialogModel, ASecondSearchForgetsPrintersGoneSinceTheFirst) {
    FakeNetworkEndpoint endpoint;
    endpoint.SetSystemInterfaceCount(1);
    endpoint.AddWiredAnswer(0, kWired1);
    FakeMessageBox messages;
    FakeCursor cursor;
    for (const bool printerStillThere : {true, false}) {
        if (!printerStillThere) {
            endpoint.ClearAnswers();
            endpoint.AddWiredAnswer(0, kWired2);
        }
        BusyProgressControl indicator(10, 0);
        SearchDialogModel model(endpoint, messages, cursor, indicator);
        ASSERT_TRUE(model.InitDialog());
        for (int i = 0; i < 100 && !model.OnTimer(); ++i)
            std::this_thread::sleep_for(10ms);
        EthernetInfoMap wired;
        ASSERT_TRUE(model.CopyEthernetInfoTo(wired));
        EXPECT_EQ(wired.count(MacText(kWired1.MacAddr)), printerStillThere ? 1u : 0u);
    }
}

TEST(BusySearchDialogModel, OneWorkerPerDialog) {
    SearchDialog dialog;
    dialog.endpoint.SetSystemInterfaceCount(1);
    ASSERT_TRUE(dialog.model->InitDialog());
    EXPECT_TRUE(dialog.model->CreateSearchThread());
    ASSERT_GT(dialog.TickUntilEnd(), 0);
    EXPECT_TRUE(dialog.model->CreateSearchThread());
    dialog.model.reset();
    EXPECT_EQ(dialog.endpoint.CountCalls("SearchRound"), 1);
    EXPECT_EQ(dialog.endpoint.CountCalls("ClearPrinterTables"), 1);
}

TEST(BusySearchDialogModel, GoingWhileTheWorkerIsBlockedStopsItAndWaitsForIt) {
    SearchDialog dialog;
    dialog.endpoint.SetSystemInterfaceCount(2);
    dialog.endpoint.AddWiredAnswer(1, kWired1);
    dialog.endpoint.HoldSearches(); // never released: only the stop request gets the worker out
    ASSERT_TRUE(dialog.model->InitDialog());
    ASSERT_TRUE(dialog.endpoint.WaitUntilSearchIsHeld(2s));

    dialog.model.reset(); // returns once the worker has stopped; it wrote into the object only before
    EXPECT_EQ(dialog.endpoint.FinishedSearches(), 1);
    EXPECT_EQ(dialog.endpoint.StoppedSearches(), 1);
    EXPECT_TRUE(dialog.endpoint.WaitUntilNoSearchRuns(0ms));
    EXPECT_FALSE(dialog.indicator.IsRunning());
}

TEST(BusySearchDialogModel, CancellingStopsTheWorkerAtItsNextWaitThenEndsCancelledWithWhatWasFound) {
    // The round hears one printer, then waits (as for more answers) until it is stopped.
    FakeNetworkEndpoint endpoint;
    endpoint.SetSystemInterfaceCount(2);
    endpoint.AddWiredAnswer(0, kWired1);
    endpoint.HoldSearches();
    FakeMessageBox messages;
    FakeCursor cursor;
    BusyProgressControl indicator(10, 0);
    CapturedLog log;
    SearchDialogModel model(endpoint, messages, cursor, indicator);
    ASSERT_TRUE(model.InitDialog());
    ASSERT_TRUE(endpoint.WaitUntilSearchIsHeld(2s));
    EXPECT_FALSE(model.OnTimer());

    EXPECT_FALSE(model.OnCancel()) << "the dialog stays until the worker has stopped";
    model.OnCancel(); // a second Escape: still one stop, one log line
    EXPECT_TRUE(model.WasCancelled());
    int ticks = 0;
    while (!model.OnTimer() && ++ticks < 100)
        std::this_thread::sleep_for(10ms);
    EXPECT_LT(ticks, 100) << "a tick sees the stopped worker and ends the dialog";
    EXPECT_FALSE(indicator.IsRunning());
    EXPECT_FALSE(cursor.IsWait());

    EXPECT_EQ(endpoint.StoppedSearches(), 1);
    EXPECT_EQ(endpoint.CountCalls("SearchRound"), 1) << "nothing is searched after the stop";
    EthernetInfoMap wired;
    EXPECT_TRUE(model.CopyEthernetInfoTo(wired));
    EXPECT_EQ(wired.size(), 1u) << "the printer found before the cancel";
    EXPECT_EQ(wired.count(MacText(kWired1.MacAddr)), 1u);
    EXPECT_EQ(log.LinesStartingWith("CVRXSearchDlg::OnCancel"),
              std::vector<std::string>{"CVRXSearchDlg::OnCancel : stopping the search"});
    EXPECT_TRUE(log.Contains("CVRXSearchDlg::RunSearchProcedure : stopped"));
}

TEST(BusySearchDialogModel, ASearchLeftAloneIsNotCancelled) {
    SearchDialog dialog;
    dialog.endpoint.SetSystemInterfaceCount(1);
    ASSERT_TRUE(dialog.model->InitDialog());
    ASSERT_GT(dialog.TickUntilEnd(), 0);
    EXPECT_FALSE(dialog.model->WasCancelled());
    EXPECT_TRUE(dialog.model->OnCancel()) << "after the end a cancel ends at once";
    EXPECT_EQ(dialog.endpoint.StoppedSearches(), 0);
}
