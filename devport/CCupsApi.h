#pragma once

#include "devport/ICupsApi.h"

#include <string>

// One CUPS server through libcups. Every request opens its own connection, bounded by the connect
// time-out, and closes it again. libcups never asks for a password: a server that wants one refuses the
// request, which then fails like any other.
class CCupsApi : public ICupsApi {
public:
    static constexpr int kDefaultConnectTimeoutMs = 5000;

    // server: a socket path or host[:port]; empty for the one libcups chooses (CUPS_SERVER, client.conf,
    // the local socket), fixed when the object is made.
    explicit CCupsApi(std::string server = {}, int connectTimeoutMs = kDefaultConnectTimeoutMs);

    std::string Server() const override { return m_server; }
    CupsResult ListQueues(std::vector<CupsQueue>& queues) override;
    CupsResult PauseQueue(const std::string& name, const std::string& reason) override;
    CupsResult ResumeQueue(const std::string& name) override;
    CupsResult AddQueue(const std::string& name, const std::string& deviceUri, const std::string& ppdFile,
                        const std::string& ppdName, const std::string& info) override;
    CupsResult SetQueueUri(const std::string& name, const std::string& deviceUri) override;
    CupsResult FindDriver(const std::string& make, std::string& ppdName) override;

private:
    CupsResult QueueRequest(int operation, const std::string& name, const std::string* reason);

    std::string m_server;
    int m_connectTimeoutMs;
};
