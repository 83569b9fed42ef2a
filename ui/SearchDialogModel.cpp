#include "ui/SearchDialogModel.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {
constexpr BusyProgressModel::Color kBlockFill{0x90, 0x90, 0xB2};
constexpr BusyProgressModel::Color kHighlightFill{0xB6, 0xDD, 0xE8};

// Below-normal priority for the calling thread; best effort (a thread may always be made nicer).
void LowerThisThreadsPriority(int increment) {
    const auto thread = static_cast<id_t>(::gettid());
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, thread);
    if (nice == -1 && errno != 0)
        return;
    ::setpriority(PRIO_PROCESS, thread, nice + increment);
}
} // namespace

SearchDialogModel::SearchDialogModel(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor,
                                     BusyProgressControl& indicator)
    : m_endpoint(endpoint), m_messages(messages), m_cursor(cursor), m_indicator(indicator) {
    m_indicator.SetNumberOfBlocks(20);
    m_indicator.SetSpeed(30);
    m_indicator.SetGap(1);
    m_indicator.SetGranularity(5);
    m_indicator.SetRange(-100, 100);
    m_indicator.SetMode(BusyProgressModel::kModeBusy);
    m_indicator.SetBusyFill(BusyProgressModel::kFillOneBlock);
    m_indicator.SetBusyType(BusyProgressModel::kTypeBounce);
    m_indicator.Reset();
}

SearchDialogModel::~SearchDialogModel() {
    m_indicator.Stop();
    m_worker.request_stop(); // nobody is left to see the printers
    JoinWorker();
}

bool SearchDialogModel::InitDialog() {
    WriteLog("CVRXSearchDlg::OnInitDialog : START");
    m_indicator.SetColor(2, kBlockFill);
    m_indicator.SetColor(4, kHighlightFill);

    m_endpoint.InitLocalNetworkInterface();
    if (m_endpoint.GetPrinterNetworkAddress() <= 0) {
        m_messages.ShowError(LoadString(StringId::NoNetworkConnection));
        m_indicator.Stop();
        WriteLog("CVRXSearchDlg::OnInitDialog : END");
        return false;
    }
    m_indicator.Start();
    CreateSearchThread();
    WriteLog("CVRXSearchDlg::OnInitDialog : END");
    return true;
}

bool SearchDialogModel::CreateSearchThread() {
    WriteLog("CVRXSearchDlg::CreateSearchThread : START");
    if (!m_bThreadStarted) {
        try {
            m_worker = std::jthread([this](std::stop_token stop) { StartSearchThread(stop); });
            m_bThreadStarted = true;
        } catch (const std::system_error&) {
            // No search; the first tick finds no worker and ends the dialog with empty tables.
        }
    }
    WriteLog("CVRXSearchDlg::CreateSearchThread : END");
    return m_bThreadStarted;
}

void SearchDialogModel::StartSearchThread(std::stop_token stop) {
    LowerThisThreadsPriority(kWorkerNiceIncrement);
    WriteLog("StartSearchThread : START");
    m_result = RunSearchProcedure(m_endpoint, stop, [this](const HeardPrinter&) {
        m_printersHeard.fetch_add(1, std::memory_order_relaxed);
    });
    WriteLog("StartSearchThread : END");
    m_workerEnded.store(true, std::memory_order_release);
}

bool SearchDialogModel::HasWorkerEnded() const {
    return !m_bThreadStarted || m_workerEnded.load(std::memory_order_acquire);
}

bool SearchDialogModel::OnTimer() {
    m_cursor.ShowWait();
    if (!HasWorkerEnded())
        return false;
    JoinWorker();
    WriteLog("CVRXSearchDlg::OnTimer : m_networkPrinter = %d", NetworkPrinter());
    WriteLog("CVRXSearchDlg::OnTimer : KillTimer");
    m_cursor.ShowArrow();
    m_indicator.Stop();
    return true;
}

bool SearchDialogModel::OnCancel() {
    if (!HasWorkerEnded()) {
        if (!m_bCancelled)
            WriteLog("CVRXSearchDlg::OnCancel : stopping the search");
        m_bCancelled = true;
        m_worker.request_stop(); // the next tick after the worker has stopped ends the dialog
        return false;
    }
    m_bCancelled = true;
    // A tick may have set the wait cursor already; it must not outlive the dialog.
    m_cursor.ShowArrow();
    m_indicator.Stop();
    return true;
}

void SearchDialogModel::OnDestroy() {
    m_indicator.Stop();
}

bool SearchDialogModel::CopyWLanInfoTo(WLanInfoMap& target) const {
    if (!HasWorkerEnded() || m_result.wlan.empty())
        return false;
    for (const auto& [mac, info] : m_result.wlan)
        target.insert_or_assign(mac, info);
    return true;
}

bool SearchDialogModel::CopyEthernetInfoTo(EthernetInfoMap& target) const {
    if (!HasWorkerEnded() || m_result.ethernet.empty())
        return false;
    for (const auto& [mac, info] : m_result.ethernet)
        target.insert_or_assign(mac, info);
    return true;
}

int SearchDialogModel::NetworkPrinter() const {
    return HasWorkerEnded() ? m_result.networkPrinter : 0;
}

std::string SearchDialogModel::PrintersHeardText() const {
    return StringTable::Fill(LoadString(StringId::SearchPrintersHeard), {std::to_string(PrintersHeard())});
}

void SearchDialogModel::JoinWorker() {
    if (m_worker.joinable())
        m_worker.join();
}
