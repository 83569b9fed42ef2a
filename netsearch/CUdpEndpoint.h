#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/ISocketApi.h"
#include "netsearch/PrinterRecords.h"
#include "netsearch/SystemInterfaces.h"

#include <array>
#include <cstdint>
#include <map>
#include <netinet/in.h>
#include <optional>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

// Everything the program does over UDP: the table of usable local IPv4 interfaces, one socket at a time,
// the discovery exchange with its two printer tables, and the IP settings exchange.
//
// There is one process-wide instance (GetInstance). Tests make their own, with an injected interface list
// and socket layer. Nothing is locked: a search and a settings exchange never overlap.
//
// The socket of an exchange is bound to the type's local port on every address, and each datagram it sends
// leaves by the interface of the exchange with that interface's address as its source. Of what comes in,
// it takes what was sent to the interface's own address, through whichever card it arrived (two cards on
// one subnet may deliver it through the other), and what was sent to the interface's broadcast address or
// to 255.255.255.255 through that interface (a printer on another subnet cannot answer any other way).
class CUdpEndpoint : public INetworkEndpoint {
public:
    // The interface list query holds at most this many IPv4 entries; a longer list fails the query.
    static constexpr int kMaxInterfaceEntries = 64;
    // Receive buffer asked for, so that a burst of answers from many printers is not dropped.
    static constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;
    static constexpr int kReceiveTimeoutMs = 500;
    static constexpr int kNoSocket = -1;

    using Address = std::array<std::uint8_t, 4>;

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
    // The system's index of interface nLocalNetworkInterface (0 when unknown).
    unsigned InterfaceIndex(int nLocalNetworkInterface) const;

    // Socket.
    bool CreateSocket();
    bool BindSocket(int nLocalNetworkInterface, int nPrinterNetworkType);
    int SendData(const void* pData, int nDataLength);
    void CloseSocket();
    bool HasSocket() const { return m_socketDes != kNoSocket; }
    const sockaddr_in& ServerInfo() const { return serverInfo; }
    const sockaddr_in& ClientInfo() const { return clientInfo; }

    // Discovery. A stop request ends the search at its next wait; what was collected stays.
    int SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType,
                      std::stop_token stop = {}) override;
    int ReceiveResponseData(int nLocalNetworkInterface, std::stop_token stop = {});
    // Every exchange in one round (INetworkEndpoint). One socket per printer type takes the type's port on
    // every address; each answer is credited to the interface it came in on (IsForInterface), and to the
    // directed exchange of that interface when it comes from that exchange's subnet.
    int SearchRound(const std::vector<SearchExchange>& exchanges, std::stop_token stop = {},
                    const PrinterHeardFunction& heard = {}) override;
    // Receive buffer of a round's sockets: every interface's answers for a type come into one of them.
    static constexpr int kRoundReceiveBufferBytes = 16 * 1024 * 1024;
    // The same search with the requests sent to destination, a directed broadcast address of a subnet
    // that interface nLocalNetworkInterface routes to (printers behind a router hear no local broadcast).
    int SearchPrinterAt(int nLocalNetworkInterface, int nPrinterNetworkType, const Address& destination,
                        std::stop_token stop = {});
    // Where the answer that put a printer into a table came from, and the directed broadcast address its
    // request went to (nothing for the interface's own broadcast address).
    struct AnswerOrigin {
        Address source{};
        std::optional<Address> directed;
    };
    std::optional<AnswerOrigin> OriginOf(int nPrinterNetworkType, const std::string& mac) const;
    // The key of the interface that holds address; -1 when none does.
    int InterfaceWithAddress(const Address& address) const;
    void ClearPrinterTables() override;
    int CopyEthernetInfoTo(EthernetInfoMap& target) override;
    int CopyWLanInfoTo(WLanInfoMap& target) override;

    // IP settings.
    bool SetQlinkInfo(int nLocalNetworkInterface, int nPrinterNetworkType, const unsigned char* message,
                      int nDataLength) override;
    // How one settings message goes: to destination (nothing: the interface's broadcast address), and
    // which senders' confirmations count (empty: anyone's). A confirmation names no printer, so one from
    // another address may be a late answer of another printer.
    struct SettingsDelivery {
        std::optional<Address> destination;
        std::vector<Address> acceptFrom;
    };
    // SetQlinkInfo with a delivery; datagrams already waiting on the new socket are dropped first.
    bool SendSettings(int nLocalNetworkInterface, int nPrinterNetworkType, const unsigned char* message,
                      int nDataLength, const SettingsDelivery& delivery);
    bool ReceiveSettingResultData();
    // Whether the last SetQlinkInfo saw a confirmation.
    bool LastSettingConfirmed() const { return m_bLastSettingConfirmed; }

private:
    // One datagram for the bound interface into buffer; its source replaces serverInfo. Datagrams for
    // other interfaces are passed over. -1 on failure or time-out.
    int ReceiveDatagram(std::uint8_t* buffer, std::size_t size, bool dontWait);
    // Whether a datagram that came in as arrival belongs to the bound interface's exchange.
    bool IsForBoundInterface(const ISocketApi::Arrival& arrival) const;
    // Whether a datagram that came in as arrival belongs to interface nLocalNetworkInterface's exchanges.
    bool IsForInterface(const ISocketApi::Arrival& arrival, int nLocalNetworkInterface) const;
    // A socket of a round: the options of CreateSocket, bound to the type's local port on every address.
    int OpenRoundSocket(int nPrinterNetworkType);
    // Enters a recognised answer into its table (the first answer for a MAC address wins); true when the
    // printer is new, and then heard is told.
    bool EnterDiscoveryAnswer(const std::uint8_t* data, int nReceived, int nLocalNetworkInterface,
                              const AnswerOrigin& origin, const PrinterHeardFunction& heard);
    void SetReceiveBuffer(int fd, int bytes);
    void TakeDiscoveryDatagram(const std::uint8_t* data, int nReceived, int nLocalNetworkInterface,
                               int& nTotalBytes);
    // Takes every datagram waiting, without waiting; the number taken.
    int TakeWaitingDiscoveryDatagrams(std::uint8_t* buffer, std::size_t size, int nLocalNetworkInterface,
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
    std::map<int, unsigned> m_interfaceIndexes;
    int m_boundInterface = -1;            // key of the interface the socket's exchange runs on
    std::optional<Address> m_destination; // instead of the interface's broadcast address
    std::vector<Address> m_acceptFrom;    // senders whose confirmations count; empty: anyone
    std::map<std::pair<int, std::string>, AnswerOrigin> m_origins; // by type and MAC text
    bool m_bLastSettingConfirmed = false;
};
