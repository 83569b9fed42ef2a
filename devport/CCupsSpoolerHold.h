#pragma once

#include "devport/CSpoolerJournal.h"
#include "devport/ICupsApi.h"
#include "devport/ISpoolerHold.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

// The spooler hold over CUPS. The maker's queues (make and model containing "VORANEX") whose backend
// serves the port in use ("usb" for USB, "serial" for serial, both for any other target) are paused with
// a state message saying why, so that CUPS lets go of the device while their jobs wait; restoring resumes
// exactly the queues this object paused. A queue that was paused already is left as it is; one that
// cannot be changed is logged and skipped; one the server refuses to this user (lack of rights, or a
// password wanted, which is never asked for) is also reported once by TakeQueuesRefusedToTell. Every queue is
// written to the journal before it is paused and taken out once it is resumed.
//
// Holds nest: an operation that holds the queues for all its exchanges (a Connect with its retries, a
// factory reset with its wait) runs exchanges that hold and restore on their own. Each
// ChangeWinDrvPortName counts as one hold; a RestoreWinDrvPortName while other holds remain gives nothing
// back, and the last one resumes every queue held meanwhile.
class CCupsSpoolerHold : public ISpoolerHold {
public:
    // The state message of a queue paused by the hold; a journal replay resumes only queues showing it.
    static constexpr const char* kHoldMessage =
        "Held by Quorlink Tool while it talks to a printer on this port";

    CCupsSpoolerHold(ICupsApi& cups, const CSpoolerJournal& journal);

    bool ChangeWinDrvPortName(int nTargetPort) override;
    bool RestoreWinDrvPortName() override;
    std::vector<std::string> QueuesPrintingNow(int nTargetPort) override;
    std::vector<std::string> TakeQueuesRefusedToTell() override;

    // Whether queue is one of the maker's on the port nTargetPort (0 USB, 1 serial, other both).
    static bool IsSelected(const CupsQueue& queue, int nTargetPort);
    // The backend of a device URI: its scheme ("usb" of "usb://VORANEX/RK7").
    static std::string Backend(const std::string& deviceUri);

    // The hold of the running program: the server libcups chooses, the journal in the default folder.
    static CCupsSpoolerHold& Process();

    using CupsApiFactory = std::function<std::unique_ptr<ICupsApi>(const std::string& server)>;
    // Resumes the queues in the journals of processes that have ended (held by this program's hold and
    // still paused with its message), and takes them out; entries that cannot be resumed now (server
    // down) stay for the next start. Journals of running processes are left alone. Logs only. Returns the
    // number of queues resumed.
    static int ResumeQueuesOfEndedRuns(const std::string& folder, const CupsApiFactory& connect);
    // The same for the default folder over libcups; called at the start of both programs. Costs one look
    // at the folder when there is nothing to resume.
    static int ResumeQueuesOfEndedRuns();

    // The queues held by the last ChangeWinDrvPortName: name → device URI. Restoring leaves it as it is, so
    // a second RestoreWinDrvPortName resumes the same queues again.
    std::map<std::string, std::string> m_DrvInfo;

    // The queues paused by this object and not resumed since (what the journal holds).
    std::set<std::string> HeldNow() const;
    // The holds not yet given back.
    int Holds() const;

private:
    bool WriteJournal(const char* operation);

    mutable std::mutex m_mutex;
    ICupsApi& m_cups;
    CSpoolerJournal m_journal;
    std::set<std::string> m_held;
    std::set<std::string> m_refusedUntold; // refused for lack of rights, the user not yet told
    std::set<std::string> m_refusedTold;
    int m_nHolds = 0;
};
