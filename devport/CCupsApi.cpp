#include "devport/CCupsApi.h"

#include <cups/cups.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

static_assert(CupsResult::kForbidden == IPP_STATUS_ERROR_FORBIDDEN &&
              CupsResult::kNotAuthenticated == IPP_STATUS_ERROR_NOT_AUTHENTICATED &&
              CupsResult::kNotAuthorized == IPP_STATUS_ERROR_NOT_AUTHORIZED &&
              CupsResult::kAuthenticationCanceled == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED &&
              CupsResult::kNotFound == IPP_STATUS_ERROR_NOT_FOUND);

namespace {

// Every request answers within this once connected; a server that stalls fails the request.
constexpr double kResponseTimeoutSeconds = 10.0;

const char* DeclinePassword(const char*, http_t*, const char*, const char*, void*) {
    return nullptr; // never a prompt on the terminal: the request fails as not authorised
}

// libcups keeps the server and the password callback per thread: set both before each request, so that
// the hold works the same from whichever thread the device exchange runs on.
void PrepareThread(const std::string& server) {
    cupsSetPasswordCB2(DeclinePassword, nullptr);
    cupsSetServer(server.c_str());
}

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Http = std::unique_ptr<http_t, HttpCloser>;
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// libcups says only "Host is down" whatever went wrong; for a local socket the reason is one connect away.
std::string WhyNoConnection(const std::string& server) {
    const char* text = cupsLastErrorString();
    std::string reason = text && *text ? text : "no answer";
    if (server.empty() || server.front() != '/')
        return reason;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (server.size() >= sizeof(address.sun_path))
        return std::strerror(ENAMETOOLONG);
    std::memcpy(address.sun_path, server.c_str(), server.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return reason;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        reason = std::strerror(errno);
    ::close(fd);
    return reason;
}

Http Connect(const std::string& server, int timeoutMs, CupsResult& result) {
    PrepareThread(server);
    http_t* http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, nullptr);
    if (!http) {
        result.ok = false;
        result.status = IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
        result.text = "cannot connect to the CUPS server " + server + ": " + WhyNoConnection(cupsServer());
        return nullptr;
    }
    httpSetTimeout(http, kResponseTimeoutSeconds, nullptr, nullptr);
    return Http(http);
}

CupsResult LastResult() {
    CupsResult result;
    const ipp_status_t status = cupsLastError();
    result.ok = status <= IPP_STATUS_OK_EVENTS_COMPLETE;
    result.status = status;
    const char* text = cupsLastErrorString();
    result.text = text && *text ? text : ippErrorString(status);
    return result;
}

std::string Text(ipp_attribute_t* attribute) {
    const char* text = ippGetString(attribute, 0, nullptr);
    return text ? text : "";
}

} // namespace

CCupsApi::CCupsApi(std::string server, int connectTimeoutMs)
    : m_server(std::move(server)), m_connectTimeoutMs(connectTimeoutMs) {
    if (m_server.empty()) {
        cupsSetServer(nullptr); // this thread's default: CUPS_SERVER, client.conf, the local socket
        m_server = cupsServer();
        if (m_server.front() != '/' && m_server.find(':') == std::string::npos)
            m_server += ":" + std::to_string(ippPort());
    }
}

CupsResult CCupsApi::ListQueues(std::vector<CupsQueue>& queues) {
    queues.clear();
    CupsResult result;
    const Http http = Connect(m_server, m_connectTimeoutMs, result);
    if (!http)
        return result;

    static const char* const kAttributes[] = {"printer-name", "printer-make-and-model", "device-uri",
                                              "printer-state", "printer-state-message"};
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(kAttributes)), nullptr, kAttributes);
    const Ipp response(cupsDoRequest(http.get(), request, "/"));
    result = LastResult();
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) // "No destinations added."
        return {};
    if (!result.ok || !response)
        return result.ok ? CupsResult{false, IPP_STATUS_ERROR_INTERNAL, "empty answer"} : result;

    CupsQueue queue;
    const auto flush = [&] {
        if (!queue.name.empty())
            queues.push_back(queue);
        queue = CupsQueue{};
    };
    for (ipp_attribute_t* attribute = ippFirstAttribute(response.get()); attribute;
         attribute = ippNextAttribute(response.get())) {
        const char* name = ippGetName(attribute);
        if (ippGetGroupTag(attribute) != IPP_TAG_PRINTER || !name) {
            flush();
            continue;
        }
        if (!std::strcmp(name, "printer-name"))
            queue.name = Text(attribute);
        else if (!std::strcmp(name, "printer-make-and-model"))
            queue.makeAndModel = Text(attribute);
        else if (!std::strcmp(name, "device-uri"))
            queue.deviceUri = Text(attribute);
        else if (!std::strcmp(name, "printer-state"))
            queue.state = ippGetInteger(attribute, 0);
        else if (!std::strcmp(name, "printer-state-message"))
            queue.stateMessage = Text(attribute);
    }
    flush();
    return result;
}

CupsResult CCupsApi::PauseQueue(const std::string& name, const std::string& reason) {
    return QueueRequest(IPP_OP_PAUSE_PRINTER, name, &reason);
}

CupsResult CCupsApi::ResumeQueue(const std::string& name) {
    return QueueRequest(IPP_OP_RESUME_PRINTER, name, nullptr);
}

CupsResult CCupsApi::QueueRequest(int operation, const std::string& name, const std::string* reason) {
    CupsResult result;
    const Http http = Connect(m_server, m_connectTimeoutMs, result);
    if (!http)
        return result;

    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.c_str());
    ipp_t* request = ippNewRequest(static_cast<ipp_op_t>(operation));
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    if (reason)
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_TEXT, "printer-state-message", nullptr,
                     reason->c_str());
    const Ipp response(cupsDoRequest(http.get(), request, "/admin/"));
    return LastResult();
}

namespace {

ipp_t* NewQueueRequest(const std::string& name) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return request;
}

} // namespace

CupsResult CCupsApi::AddQueue(const std::string& name, const std::string& deviceUri,
                              const std::string& ppdFile, const std::string& ppdName,
                              const std::string& info) {
    CupsResult result;
    const Http http = Connect(m_server, m_connectTimeoutMs, result);
    if (!http)
        return result;
    ipp_t* request = NewQueueRequest(name);
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, deviceUri.c_str());
    if (!info.empty())
        ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_TEXT, "printer-info", nullptr, info.c_str());
    if (ppdFile.empty() && !ppdName.empty())
        ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_NAME, "ppd-name", nullptr, ppdName.c_str());
    ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
    ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
    const Ipp response(ppdFile.empty() ? cupsDoRequest(http.get(), request, "/admin/")
                                       : cupsDoFileRequest(http.get(), request, "/admin/", ppdFile.c_str()));
    return LastResult();
}

CupsResult CCupsApi::SetQueueUri(const std::string& name, const std::string& deviceUri) {
    CupsResult result;
    const Http http = Connect(m_server, m_connectTimeoutMs, result);
    if (!http)
        return result;
    ipp_t* request = NewQueueRequest(name);
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, deviceUri.c_str());
    const Ipp response(cupsDoRequest(http.get(), request, "/admin/"));
    return LastResult();
}

CupsResult CCupsApi::FindDriver(const std::string& make, std::string& ppdName) {
    ppdName.clear();
    CupsResult result;
    const Http http = Connect(m_server, m_connectTimeoutMs, result);
    if (!http)
        return result;
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PPDS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_TEXT, "ppd-make", nullptr, make.c_str());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "limit", 1);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "ppd-name");
    const Ipp response(cupsDoRequest(http.get(), request, "/"));
    result = LastResult();
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) // no driver of that make
        return {};
    if (!result.ok || !response)
        return result.ok ? CupsResult{false, IPP_STATUS_ERROR_INTERNAL, "empty answer"} : result;
    if (ipp_attribute_t* attribute = ippFindAttribute(response.get(), "ppd-name", IPP_TAG_NAME))
        ppdName = Text(attribute);
    return result;
}
