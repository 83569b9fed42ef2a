#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/PrinterRecords.h"
#include "netsearch/SearchProcedure.h"
#include "ui/BusyProgressControl.h"
#include "ui/ICursor.h"
#include "ui/IMessageBox.h"

#include <atomic>
#include <string>
#include <thread>

// The logic of the search dialog: it makes sure there is a local interface, runs one search on a worker
// thread at below-normal priority while the busy indicator bounces, sees from its 100 ms timer when the
// worker has ended, and hands the printers found to the caller.
//
// The worker writes only into this object, and only its own result; the user-interface thread reads the
// result only once it has seen the worker end. The object does not go while its worker runs: cancelling
// (or destroying the object) asks the worker to stop, which it does at its next wait, and the destructor
// waits for that.
class SearchDialogModel {
public:
    static constexpr int kTimerId = 100;
    static constexpr int kTimerMilliseconds = 100;
    // The indicator as the dialog creates it, before its settings.
    static constexpr int kInitialBlocks = 10;
    static constexpr int kInitialPosition = 0;
    // How much nicer than the user-interface thread the worker runs.
    static constexpr int kWorkerNiceIncrement = 5;

    // indicator: created with kInitialBlocks and kInitialPosition; it gets the dialog's settings here.
    SearchDialogModel(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor,
                      BusyProgressControl& indicator);
    ~SearchDialogModel();
    SearchDialogModel(const SearchDialogModel&) = delete;
    SearchDialogModel& operator=(const SearchDialogModel&) = delete;

    // The dialog's initialisation: the indicator's colours, the interface table. Without an interface it
    // tells the user, stops the indicator and returns false: the view ends the dialog cancelled. Otherwise
    // it starts the animation and the worker and returns true: the view starts the 100 ms timer.
    bool InitDialog();

    // Starts the worker once per object; true when it runs (or ran).
    bool CreateSearchThread();
    bool IsSearchThreadStarted() const { return m_bThreadStarted; }

    // True when there is no worker or it has ended.
    bool HasWorkerEnded() const;
    // True while the worker runs: then the dialog must not end.
    bool IsSearching() const { return !HasWorkerEnded(); }

    // The timer's tick: shows the wait cursor; once the worker has ended gives the arrow back, stops the
    // indicator and returns true: the view kills the timer and ends the dialog, cancelled when the user
    // asked for it (WasCancelled), else confirmed.
    bool OnTimer();

    // The user cancels (Escape, the window's close). While the worker runs, it is asked to stop at its
    // next wait and false is returned: the dialog stays until a tick sees the worker end. Once it has
    // ended, the arrow comes back and the indicator stops, as at the timer's end, and true tells the view
    // to end the dialog cancelled. Either way the printers found until then are handed over.
    bool OnCancel();
    // Whether the user cancelled the search.
    bool WasCancelled() const { return m_bCancelled; }

    // The window goes: the indicator stops.
    void OnDestroy();

    // Put every printer found into target (which is not emptied first; a printer it holds already takes the
    // newer record); false when none was found, and
    // then target is untouched. Nothing is handed over while the worker runs.
    bool CopyWLanInfoTo(WLanInfoMap& target) const;
    bool CopyEthernetInfoTo(EthernetInfoMap& target) const;

    // The sum of the exchanges' results (0: nothing answered); valid once the worker has ended.
    int NetworkPrinter() const;

    // How many printers have answered so far (each once), while the search runs and after.
    int PrintersHeard() const { return m_printersHeard.load(std::memory_order_relaxed); }
    // The dialog's line for it: "Printers found so far: 12".
    std::string PrintersHeardText() const;

private:
    void StartSearchThread(std::stop_token stop);
    void JoinWorker();

    INetworkEndpoint& m_endpoint;
    IMessageBox& m_messages;
    ICursor& m_cursor;
    BusyProgressControl& m_indicator;
    bool m_bThreadStarted = false;
    bool m_bCancelled = false;
    std::jthread m_worker;
    std::atomic<bool> m_workerEnded{false};
    SearchResult m_result; // written by the worker only, read after m_workerEnded
    std::atomic<int> m_printersHeard{0};
};
