#pragma once

#include <string>
#include <vector>

// A print queue as the spooler lists it.
struct CupsQueue {
    static constexpr int kIdle = 3;       // printer-state values
    static constexpr int kProcessing = 4; // a job is printing
    static constexpr int kStopped = 5;    // paused

    std::string name;         // printer-name
    std::string makeAndModel; // printer-make-and-model, the *NickName of the queue's PPD
    std::string deviceUri;    // device-uri; its scheme names the backend ("usb", "serial")
    int state = kIdle;        // printer-state
    std::string stateMessage; // printer-state-message
};

// The outcome of one request to the spooler: ok, or the IPP status with CUPS's error text.
struct CupsResult {
    static constexpr int kNotFound = 0x0406; // client-error-not-found: no such queue
    // The refusals of a user who may not do that: client-error-forbidden, -not-authenticated,
    // -not-authorized, and CUPS's own for a password that was asked for and not given.
    static constexpr int kForbidden = 0x0401;
    static constexpr int kNotAuthenticated = 0x0402;
    static constexpr int kNotAuthorized = 0x0403;
    static constexpr int kAuthenticationCanceled = 0x1000;

    bool RefusedForRights() const {
        return !ok && (status == kForbidden || status == kNotAuthenticated || status == kNotAuthorized ||
                       status == kAuthenticationCanceled);
    }

    bool ok = true;
    int status = 0;
    std::string text;
};

// What the spooler hold needs of one CUPS server. CCupsApi reaches it through libcups; tests script it.
class ICupsApi {
public:
    virtual ~ICupsApi() = default;

    // The server as libcups reaches it: a socket path or host:port. The journal keeps it, so that a later
    // start resumes the queues on the server where they were paused.
    virtual std::string Server() const = 0;
    // Every queue of the server. A server without queues gives an empty list, not a failure.
    virtual CupsResult ListQueues(std::vector<CupsQueue>& queues) = 0;
    // IPP Pause-Printer, with reason as the queue's state message.
    virtual CupsResult PauseQueue(const std::string& name, const std::string& reason) = 0;
    // IPP Resume-Printer.
    virtual CupsResult ResumeQueue(const std::string& name) = 0;

    // Making and mending queues (a server that cannot refuses). CUPS-Add-Modify-Printer of a new queue,
    // enabled and accepting jobs: with the PPD file ppdFile when given, else the server's driver ppdName
    // when given, else raw.
    virtual CupsResult AddQueue(const std::string& name, const std::string& deviceUri,
                                const std::string& ppdFile, const std::string& ppdName,
                                const std::string& info) {
        (void)name, (void)deviceUri, (void)ppdFile, (void)ppdName, (void)info;
        return {false, 0x0501, "this print server cannot add queues"}; // server-error-operation-not-supported
    }
    // CUPS-Add-Modify-Printer that changes only the device URI.
    virtual CupsResult SetQueueUri(const std::string& name, const std::string& deviceUri) {
        (void)name, (void)deviceUri;
        return {false, 0x0501, "this print server cannot change queues"};
    }
    // CUPS-Get-PPDs: the ppd-name of the first driver of make (empty when it has none).
    virtual CupsResult FindDriver(const std::string& make, std::string& ppdName) {
        (void)make;
        ppdName.clear();
        return {};
    }
};
