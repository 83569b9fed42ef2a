#include "devport/CCupsSpoolerHold.h"

#include "app/DiagnosticLog.h"
#include "devport/CCupsApi.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr const char* kMakerToken = "VORANEX"; // case-sensitive, as the maker's PPDs spell it

// A journal replay at start-up waits at most this long for a server that does not answer.
constexpr int kReplayConnectTimeoutMs = 2000;

const CupsQueue* FindQueue(const std::vector<CupsQueue>& queues, const std::string& name) {
    for (const auto& queue : queues)
        if (queue.name == name)
            return &queue;
    return nullptr;
}

// Serialises journal replays of processes starting at the same moment; the one that finds the lock taken
// leaves the journals to the other.
class ReplayLock {
public:
    explicit ReplayLock(const std::string& folder)
        : m_fd(::open((folder + "/replay.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {}
    ~ReplayLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReplayLock(const ReplayLock&) = delete;
    ReplayLock& operator=(const ReplayLock&) = delete;
    bool Take() { return m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0; }

private:
    int m_fd;
};

} // namespace

CCupsSpoolerHold::CCupsSpoolerHold(ICupsApi& cups, const CSpoolerJournal& journal)
    : m_cups(cups), m_journal(journal) {}

std::string CCupsSpoolerHold::Backend(const std::string& deviceUri) {
    const size_t colon = deviceUri.find(':');
    return colon == std::string::npos ? std::string() : deviceUri.substr(0, colon);
}

bool CCupsSpoolerHold::IsSelected(const CupsQueue& queue, int nTargetPort) {
    if (queue.makeAndModel.find(kMakerToken) == std::string::npos)
        return false;
    const std::string backend = Backend(queue.deviceUri);
    if (nTargetPort == 0)
        return backend == "usb";
    if (nTargetPort == 1)
        return backend == "serial";
    return backend == "usb" || backend == "serial";
}

std::set<std::string> CCupsSpoolerHold::HeldNow() const {
    std::lock_guard lock(m_mutex);
    return m_held;
}

int CCupsSpoolerHold::Holds() const {
    std::lock_guard lock(m_mutex);
    return m_nHolds;
}

bool CCupsSpoolerHold::WriteJournal(const char* operation) {
    std::string error;
    if (m_journal.Write(m_cups.Server(), m_held, error))
        return true;
    WriteLog("%s : the journal cannot be written: %s", operation, error.c_str());
    return false;
}

bool CCupsSpoolerHold::ChangeWinDrvPortName(int nTargetPort) {
    std::lock_guard lock(m_mutex);
    WriteLog("ChangeWinDrvPortName : START");
    ++m_nHolds;
    if (m_nHolds > 1)
        WriteLog("ChangeWinDrvPortName : inside another hold (%d)", m_nHolds);

    // Queues still held from an earlier call without a restore stay this object's to resume.
    m_DrvInfo.clear();
    for (const auto& name : m_held)
        m_DrvInfo[name] = std::string();
    std::vector<CupsQueue> queues;
    const CupsResult listed = m_cups.ListQueues(queues);
    for (const auto& queue : queues)
        if (m_held.count(queue.name))
            m_DrvInfo[queue.name] = queue.deviceUri;
    if (!listed.ok) {
        // No server (or none that answers) is no reason to stop the device exchange.
        WriteLog("ChangeWinDrvPortName : EnumPrinters failed with (%d) %s", listed.status,
                 listed.text.c_str());
        WriteLog("ChangeWinDrvPortName : END");
        return false;
    }
    WriteLog("ChangeWinDrvPortName : nTargetPort = %d, cReturned = %d", nTargetPort,
             static_cast<int>(queues.size()));

    std::vector<const CupsQueue*> toPause;
    for (const auto& queue : queues) {
        WriteLog("ChangeWinDrvPortName : pDriverName = %s", queue.makeAndModel.c_str());
        if (!IsSelected(queue, nTargetPort))
            continue;
        if (nTargetPort == 0) {
            // CUPS's usb backend talks both ways, so every usb queue counts as bidirectional.
            WriteLog("ChangeWinDrvPortName : pPrinterName = %s", queue.name.c_str());
            WriteLog("ChangeWinDrvPortName : pPortName = %s", queue.deviceUri.c_str());
            WriteLog("ChangeWinDrvPortName : PRINTER_ATTRIBUTE_ENABLE_BIDI");
        }
        WriteLog("ChangeWinDrvPortName : pPrinterName = %s", queue.name.c_str());
        WriteLog("ChangeWinDrvPortName : pPortName = %s", queue.deviceUri.c_str());
        if (m_held.count(queue.name))
            continue; // paused by this object already, and in m_DrvInfo
        if (queue.state == CupsQueue::kStopped) {
            WriteLog("ChangeWinDrvPortName : (%s) is paused already (%s); left as it is.", queue.name.c_str(),
                     queue.stateMessage.c_str());
            continue;
        }
        m_DrvInfo[queue.name] = queue.deviceUri;
        toPause.push_back(&queue);
    }
    WriteLog("ChangeWinDrvPortName : m_DrvInfo.GetCount() = %d", static_cast<int>(m_DrvInfo.size()));

    if (!toPause.empty()) {
        // The journal names every queue before it is paused. A crash in between leaves it naming a queue
        // that is not paused, which the next start passes over: it resumes only queues showing the hold's
        // message.
        const std::set<std::string> heldBefore = m_held;
        for (const CupsQueue* queue : toPause)
            m_held.insert(queue->name);
        if (!WriteJournal("ChangeWinDrvPortName")) {
            WriteLog("ChangeWinDrvPortName : no queue is paused without the journal.");
            for (const CupsQueue* queue : toPause)
                m_DrvInfo.erase(queue->name);
            m_held = heldBefore;
            WriteLog("ChangeWinDrvPortName : END");
            return true;
        }
        bool anyFailed = false;
        for (const CupsQueue* queue : toPause) {
            const CupsResult paused = m_cups.PauseQueue(queue->name, kHoldMessage);
            if (paused.ok) {
                WriteLog("ChangeWinDrvPortName : (%s) port has been changed.)", queue->name.c_str());
                continue;
            }
            WriteLog("ChangeWinDrvPortName : SetPrinter failed with (%d) %s (%s)", paused.status,
                     paused.text.c_str(), queue->name.c_str());
            if (paused.RefusedForRights()) {
                WriteLog("ChangeWinDrvPortName : (%s) is not held: refused to this user (%s); the exchange "
                         "goes on (members of lpadmin may pause it)",
                         queue->name.c_str(), paused.text.c_str());
                if (!m_refusedTold.count(queue->name))
                    m_refusedUntold.insert(queue->name);
            }
            m_DrvInfo.erase(queue->name);
            m_held.erase(queue->name);
            anyFailed = true;
        }
        if (anyFailed)
            WriteJournal("ChangeWinDrvPortName");
    }
    WriteLog("ChangeWinDrvPortName : END");
    return true;
}

bool CCupsSpoolerHold::RestoreWinDrvPortName() {
    std::lock_guard lock(m_mutex);
    WriteLog("RestoreWinDrvPortName : START");
    if (m_nHolds > 1) {
        // An outer hold still needs the port: its own restore gives the queues back.
        --m_nHolds;
        WriteLog("RestoreWinDrvPortName : an outer hold remains (%d); nothing resumed", m_nHolds);
        WriteLog("RestoreWinDrvPortName : END");
        return true;
    }
    m_nHolds = 0;
    WriteLog("RestoreWinDrvPortName : m_DrvInfo.GetCount() = %d", static_cast<int>(m_DrvInfo.size()));
    if (m_DrvInfo.empty()) {
        WriteLog("RestoreWinDrvPortName : END");
        return false;
    }
    for (const auto& [name, deviceUri] : m_DrvInfo) {
        const CupsResult resumed = m_cups.ResumeQueue(name);
        if (!resumed.ok && resumed.status == CupsResult::kNotFound) {
            // A queue deleted meanwhile is done with.
            WriteLog("RestoreWinDrvPortName : (%s) no longer exists; nothing to resume.", name.c_str());
            if (m_held.erase(name))
                WriteJournal("RestoreWinDrvPortName");
            continue;
        }
        if (!resumed.ok) {
            // It stays in the journal, and the next start of the program resumes it once this run has
            // ended.
            WriteLog("RestoreWinDrvPortName : SetPrinter failed with (%d) %s (%s)", resumed.status,
                     resumed.text.c_str(), name.c_str());
            WriteLog("RestoreWinDrvPortName : (%s) stays held; the next start resumes it.", name.c_str());
            continue;
        }
        WriteLog("RestoreWinDrvPortName : (%s) (%s)", name.c_str(), deviceUri.c_str());
        if (m_held.erase(name))
            WriteJournal("RestoreWinDrvPortName");
    }
    WriteLog("RestoreWinDrvPortName : END");
    return true;
}

std::vector<std::string> CCupsSpoolerHold::QueuesPrintingNow(int nTargetPort) {
    std::lock_guard lock(m_mutex);
    WriteLog("QueuesPrintingNow : START");
    std::vector<std::string> printing;
    std::vector<CupsQueue> queues;
    const CupsResult listed = m_cups.ListQueues(queues);
    if (!listed.ok)
        WriteLog("QueuesPrintingNow : EnumPrinters failed with (%d) %s", listed.status, listed.text.c_str());
    for (const auto& queue : queues) {
        if (IsSelected(queue, nTargetPort) && queue.state == CupsQueue::kProcessing) {
            WriteLog("QueuesPrintingNow : (%s) is printing.", queue.name.c_str());
            printing.push_back(queue.name);
        }
    }
    WriteLog("QueuesPrintingNow : nTargetPort = %d, printing = %d", nTargetPort,
             static_cast<int>(printing.size()));
    WriteLog("QueuesPrintingNow : END");
    return printing;
}

std::vector<std::string> CCupsSpoolerHold::TakeQueuesRefusedToTell() {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> queues(m_refusedUntold.begin(), m_refusedUntold.end());
    m_refusedTold.insert(m_refusedUntold.begin(), m_refusedUntold.end());
    m_refusedUntold.clear();
    return queues;
}

CCupsSpoolerHold& CCupsSpoolerHold::Process() {
    static CCupsApi cups;
    static const CSpoolerJournal journal(CSpoolerJournal::DefaultFolder(), ProcessIdentity::Self());
    static CCupsSpoolerHold hold(cups, journal);
    return hold;
}

int CCupsSpoolerHold::ResumeQueuesOfEndedRuns(const std::string& folder, const CupsApiFactory& connect) {
    if (folder.empty())
        return 0;
    const std::vector<std::string> files = CSpoolerJournal::Files(folder);
    if (files.empty())
        return 0; // the usual start: nothing to do, nothing to log

    WriteLog("ResumeQueuesOfEndedRuns : START");
    ReplayLock lock(folder);
    if (!lock.Take()) {
        WriteLog("ResumeQueuesOfEndedRuns : another start is resuming the queues.");
        WriteLog("ResumeQueuesOfEndedRuns : END");
        return 0;
    }
    int resumedCount = 0;
    for (const auto& path : files) {
        const auto contents = CSpoolerJournal::Read(path);
        // The owner's journal carries the owner's name; a file under another name is somebody else's.
        if (!contents || std::filesystem::path(CSpoolerJournal(folder, contents->owner).Path()).filename() !=
                             std::filesystem::path(path).filename()) {
            WriteLog("ResumeQueuesOfEndedRuns : (%s) is no journal; left as it is.", path.c_str());
            continue;
        }
        const CSpoolerJournal journal(std::filesystem::path(path).parent_path().string(), contents->owner);
        if (contents->owner.IsRunning()) {
            WriteLog("ResumeQueuesOfEndedRuns : process %d still runs; its journal is left alone.",
                     static_cast<int>(contents->owner.pid));
            continue;
        }
        WriteLog("ResumeQueuesOfEndedRuns : process %d has ended holding %d queue(s) on %s",
                 static_cast<int>(contents->owner.pid), static_cast<int>(contents->queues.size()),
                 contents->server.c_str());

        const std::unique_ptr<ICupsApi> cups = connect(contents->server);
        std::vector<CupsQueue> queues;
        const CupsResult listed = cups->ListQueues(queues);
        if (!listed.ok) {
            WriteLog("ResumeQueuesOfEndedRuns : EnumPrinters failed with (%d) %s; the journal is kept.",
                     listed.status, listed.text.c_str());
            continue;
        }
        std::set<std::string> kept;
        for (const auto& name : contents->queues) {
            const CupsQueue* queue = FindQueue(queues, name);
            if (!queue) {
                WriteLog("ResumeQueuesOfEndedRuns : (%s) no longer exists.", name.c_str());
                continue;
            }
            if (queue->state != CupsQueue::kStopped || queue->stateMessage != kHoldMessage) {
                // Resumed by someone, or paused again by someone for a reason of their own.
                WriteLog("ResumeQueuesOfEndedRuns : (%s) is no longer held by this program; left as it is.",
                         name.c_str());
                continue;
            }
            const CupsResult resumed = cups->ResumeQueue(name);
            if (!resumed.ok) {
                WriteLog("ResumeQueuesOfEndedRuns : SetPrinter failed with (%d) %s (%s)", resumed.status,
                         resumed.text.c_str(), name.c_str());
                kept.insert(name);
                continue;
            }
            WriteLog("ResumeQueuesOfEndedRuns : (%s) resumed.", name.c_str());
            ++resumedCount;
        }
        std::string error;
        if (!journal.Write(contents->server, kept, error))
            WriteLog("ResumeQueuesOfEndedRuns : the journal cannot be written: %s", error.c_str());
    }
    WriteLog("ResumeQueuesOfEndedRuns : resumed = %d", resumedCount);
    WriteLog("ResumeQueuesOfEndedRuns : END");
    return resumedCount;
}

int CCupsSpoolerHold::ResumeQueuesOfEndedRuns() {
    return ResumeQueuesOfEndedRuns(CSpoolerJournal::DefaultFolder(), [](const std::string& server) {
        return std::make_unique<CCupsApi>(server, kReplayConnectTimeoutMs);
    });
}
