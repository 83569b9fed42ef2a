#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/ISocketApi.h"
#include "netsearch/PrinterRecords.h"
#include "netsearch/SystemInterfaces.h"

#include <cstdint>
#include <map>
#include <netinet/in.h>
#include <string>

// Everything the program does over UDP: the table of usable local IPv4 interfaces, one socket at a time,
// the discovery exchange with its two printer tables, and the IP settings exchange.
//
// There is one process-wide instance (GetInstance). Tests make their own, with an injected interface list
// and socket layer. Nothing is locked: a search and a settings exchange never overlap.
class CUdpEndpoint : public INetworkEndpoint {
public:
    // The interface list query holds at most this many IPv4 entries; a longer list fails the query.
    static constexpr int kMaxInterfaceEntries = 64;
    // Receive buffer asked for, so that a burst of answers from many printers is not dropped.
    static constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;
    static constexpr int kReceiveTimeoutMs = 500;
    static constexpr int kNoSocket = -1;

    static CUdpEndpoint* GetInstance();

    explicit CUdpEndpoint(SystemInterfaceLister lister = ListSystemInterfaces,
                          ISocketApi* sockets = nullptr /* the system's */);
    ~CUdpEndpoint() override;
    CUdpEndpoint(const CUdpEndpoint&) = delete;
    CUdpEndpoint& operator=(const CUdpEndpoint&) = delete;

    // Interface table.
    bool InitLocalNetworkInterface() override;
    int GetPrinterNetworkAddress() override;
    const std::map<int, LOCAL_INTERFACE_INFO>& InterfaceTable() const { return m_InterfaceInfo; }
    // The system's name of interface nLocalNetworkInterface ("" when unknown).
    std::string InterfaceName(int nLocalNetworkInterface) const;

    // Socket.
    bool CreateSocket();
    bool BindSocket(int nLocalNetworkInterface, int nPrinterNetworkType);
    int SendData(const void* pData, int nDataLength);
    void CloseSocket();
    bool HasSocket() const { return m_socketDes != kNoSocket; }
    const sockaddr_in& ServerInfo() const { return serverInfo; }
    const sockaddr_in& ClientInfo() const { return clientInfo; }

    // Discovery.
    int SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType) override;
    int ReceiveResponseData(int nLocalNetworkInterface);
    void ClearPrinterTables() override;
    int CopyEthernetInfoTo(EthernetInfoMap& target) override;
    int CopyWLanInfoTo(WLanInfoMap& target) override;

    // IP settings.
    bool SetQlinkInfo(int nLocalNetworkInterface, int nPrinterNetworkType, const unsigned char* message,
                      int nDataLength) override;
    bool ReceiveSettingResultData();
    // Whether the last SetQlinkInfo saw a confirmation.
    bool LastSettingConfirmed() const { return m_bLastSettingConfirmed; }

private:
    // One datagram into buffer; its source replaces serverInfo. -1 on failure or time-out.
    int ReceiveDatagram(std::uint8_t* buffer, std::size_t size, bool dontWait);
    void TakeDiscoveryDatagram(const std::uint8_t* data, int nReceived, int nLocalNetworkInterface,
                               int& nTotalBytes);
    void SetReceiveBuffer();

    SystemInterfaceLister m_lister;
    ISocketApi& m_sockets;

    int m_socketDes = kNoSocket;
    sockaddr_in serverInfo{};
    sockaddr_in clientInfo{};
    WLanInfoMap m_WLanInfoMap;
    EthernetInfoMap m_ethernetInfoMap;
    std::map<int, LOCAL_INTERFACE_INFO> m_InterfaceInfo;
    std::map<int, std::string> m_interfaceNames;
    bool m_bLastSettingConfirmed = false;
};
