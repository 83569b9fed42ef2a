#pragma once

#include <string>
#include <vector>

// Frees a printer's port from the print spooler while the program talks to the printer: the maker's
// queues on that kind of port are held before the port is opened and given back after it is closed.
class ISpoolerHold {
public:
    virtual ~ISpoolerHold() = default;

    // nTargetPort: 0 = USB, 1 = serial, any other value = both. False only when the queues cannot be
    // listed; the caller goes on either way.
    virtual bool ChangeWinDrvPortName(int nTargetPort) = 0;
    // Gives back what the last ChangeWinDrvPortName held; false when it held nothing.
    virtual bool RestoreWinDrvPortName() = 0;
    // The queues ChangeWinDrvPortName(nTargetPort) would hold that are printing a job at this moment.
    // Holding such a queue sends its job back to the queue, and it prints again from its start later; so
    // the caller asks the user first (wait, or go on) or, on the command line, refuses unless forced.
    // Empty when none is printing or the queues cannot be listed.
    virtual std::vector<std::string> QueuesPrintingNow(int) { return {}; }
    // The queues that ChangeWinDrvPortName could not hold because the spooler refused this user (lack of
    // rights, or a password the program never gives) and that nobody has been told about: each queue is
    // given once, so that the user hears of it once, not at every exchange.
    virtual std::vector<std::string> TakeQueuesRefusedToTell() { return {}; }
};

// For callers and tests that have no spooler to deal with.
class NoSpoolerHold : public ISpoolerHold {
public:
    bool ChangeWinDrvPortName(int) override { return true; }
    bool RestoreWinDrvPortName() override { return false; }
};
