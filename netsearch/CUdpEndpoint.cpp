#include "netsearch/CUdpEndpoint.h"

#include "app/DiagnosticLog.h"
#include "netsearch/DiscoveryAnswer.h"
#include "netsearch/PosixSocketApi.h"
#include "netsearch/QlinkProtocol.h"
#include "netsearch/SettingConfirmation.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <memory>
#include <net/if.h>
#include <sys/time.h>

using namespace std::chrono_literals;

namespace {

constexpr auto kSendPause = 50ms;
constexpr auto kPollPause = 50ms;
constexpr auto kReopenPause = 100ms;
constexpr int kRequestRepeats = 5;
constexpr int kSilencePolls = 40; // 40 x 50 ms of nothing waiting ends a collection
constexpr int kSettingPolls = 10; // after an unrecognised datagram in the settings exchange
constexpr int kSettingAttempts = 2;
// A stream of datagrams that never falls silent (a flood, a looping sender) still ends a collection or the
// wait for a confirmation after this many pauses: 30 s and 5 s.
constexpr int kMaxCollectionPolls = 600;
constexpr int kMaxSettingPolls = 100;
// Datagrams read at once before the next pause.
constexpr int kMaxDrainedAtOnce = 4096;

// Adds without passing INT_MAX: a long stream of datagrams must not overflow the count.
void AddBytes(int& total, int bytes) {
    if (bytes > 0)
        total = bytes > INT_MAX - total ? INT_MAX : total + bytes;
}

sockaddr_in MakeAddress(std::uint16_t port, const std::uint8_t (&octets)[4]) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    std::memcpy(&address.sin_addr.s_addr, octets, 4);
    return address;
}

} // namespace

CUdpEndpoint* CUdpEndpoint::GetInstance() {
    static CUdpEndpoint instance;
    return &instance;
}

CUdpEndpoint::CUdpEndpoint(SystemInterfaceLister lister, ISocketApi* sockets)
    : m_lister(std::move(lister)), m_sockets(sockets ? *sockets : PosixSocketApi::Instance()) {}

CUdpEndpoint::~CUdpEndpoint() {
    if (m_socketDes != kNoSocket)
        m_sockets.Close(m_socketDes);
}

// ---------------------------------------------------------------------------------------------------
// Interface table

bool CUdpEndpoint::InitLocalNetworkInterface() {
    WriteLog("InitLocalNetworkInterface: START");
    // Read once per process; an adapter added later is seen at the next start.
    if (!m_InterfaceInfo.empty()) {
        WriteLog("InitLocalNetworkInterface: END");
        return true;
    }
    m_InterfaceInfo.clear();
    m_interfaceNames.clear();
    m_interfaceIndexes.clear();
    m_ethernetInfoMap.clear();
    m_WLanInfoMap.clear();

    std::vector<SystemInterfaceEntry> entries;
    int errorCode = 0;
    bool listed = m_lister && m_lister(entries, errorCode);
    if (listed && entries.size() > static_cast<size_t>(kMaxInterfaceEntries)) {
        listed = false; // more than the query's buffer holds
        errorCode = ENOBUFS;
    }
    if (!listed) {
        WriteLog("InitLocalNetworkInterface: %s, (%d)", "WSAIoctl failed with", errorCode);
        entries.clear();
    }

    for (size_t dwIndex = 0; dwIndex < entries.size(); ++dwIndex) {
        const SystemInterfaceEntry& entry = entries[dwIndex];
        WriteLog("InitLocalNetworkInterface: dwIndex = %d", static_cast<int>(dwIndex));
        std::uint32_t dwFlags = 0;
        if (entry.flags & IFF_UP) {
            WriteLog("InitLocalNetworkInterface: IFF_UP");
            dwFlags |= VRX_IFF_UP;
        }
        if (!(entry.flags & IFF_BROADCAST))
            continue;
        WriteLog("InitLocalNetworkInterface: IFF_BROADCAST");
        dwFlags |= VRX_IFF_BROADCAST;

        const std::uint8_t* ip = entry.address;
        WriteLog("InitLocalNetworkInterface: IP addr = %d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]);
        if (ip[0] == 0 && ip[1] == 0 && ip[2] == 0 && ip[3] == 0) {
            WriteLog("InitLocalNetworkInterface: 0.0.0.0");
            WriteLog("InitLocalNetworkInterface: continue");
            continue;
        }
        if (ip[0] == 127 && ip[1] == 0 && ip[2] == 0 && ip[3] == 1) {
            WriteLog("InitLocalNetworkInterface: 127.0.0.1");
            WriteLog("InitLocalNetworkInterface: continue");
            continue;
        }

        LOCAL_INTERFACE_INFO info;
        info.dwFlags = dwFlags;
        std::memcpy(info.byIpAdr, ip, 4);
        const bool reported = entry.hasBroadcast && (entry.broadcast[0] | entry.broadcast[1] |
                                                     entry.broadcast[2] | entry.broadcast[3]) != 0;
        for (int i = 0; i < 4; ++i) // an address without one gets the subnet's directed broadcast
            info.byBroadcastAdr[i] =
                reported ? entry.broadcast[i] : static_cast<std::uint8_t>(ip[i] | ~entry.netmask[i]);
        const std::uint8_t* b = info.byBroadcastAdr;
        WriteLog("InitLocalNetworkInterface: Broadcast addr = %d.%d.%d.%d", b[0], b[1], b[2], b[3]);

        const int key = static_cast<int>(m_InterfaceInfo.size());
        m_InterfaceInfo[key] = info;
        m_interfaceNames[key] = entry.name;
        m_interfaceIndexes[key] = entry.index;
    }

    WriteLog("InitLocalNetworkInterface: m_InterfaceInfo.GetCount() = %d",
             static_cast<int>(m_InterfaceInfo.size()));
    WriteLog("InitLocalNetworkInterface: END");
    return !m_InterfaceInfo.empty();
}

int CUdpEndpoint::GetPrinterNetworkAddress() {
    return static_cast<int>(m_InterfaceInfo.size());
}

std::string CUdpEndpoint::InterfaceName(int nLocalNetworkInterface) const {
    const auto found = m_interfaceNames.find(nLocalNetworkInterface);
    return found == m_interfaceNames.end() ? std::string() : found->second;
}

unsigned CUdpEndpoint::InterfaceIndex(int nLocalNetworkInterface) const {
    const auto found = m_interfaceIndexes.find(nLocalNetworkInterface);
    return found == m_interfaceIndexes.end() ? 0 : found->second;
}

// ---------------------------------------------------------------------------------------------------
// Socket

bool CUdpEndpoint::CreateSocket() {
    WriteLog("CreateSocket: START");
    if (m_socketDes != kNoSocket) {
        // Left open by an earlier exchange (the settings exchange keeps its socket).
        CloseSocket();
        m_sockets.Sleep(kReopenPause);
    }

    const int fd = m_sockets.Open();
    if (fd < 0) {
        WriteLog("CreateSocket: %s, (%d)", "Could not create socket.", m_sockets.LastError());
        WriteLog("CreateSocket: END");
        return false;
    }

    const int on = 1;
    const timeval timeout{0, kReceiveTimeoutMs * 1000};
    const char* failure = nullptr;
    if (m_sockets.SetOption(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
        failure = "setsockopt failed for BROADCAST";
    else if (m_sockets.SetOption(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout) != 0)
        failure = "setsockopt failed for timeout";
    else if (m_sockets.SetOption(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0)
        failure = "setsockopt failed for SO_REUSEADDR";
    if (failure) {
        WriteLog("CreateSocket: %s, (%d)", failure, m_sockets.LastError());
        m_sockets.Close(fd);
        WriteLog("CreateSocket: END");
        return false;
    }
    m_socketDes = fd;
    SetReceiveBuffer();
    // Where each datagram came in and whom it was sent to, so that the exchange takes only its interface's.
    if (m_sockets.SetOption(m_socketDes, IPPROTO_IP, IP_PKTINFO, &on, sizeof on) != 0)
        WriteLog("CreateSocket: IP_PKTINFO not set, (%d)", m_sockets.LastError());

    WriteLog("CreateSocket: bRet = %d", 1);
    WriteLog("CreateSocket: END");
    return true;
}

void CUdpEndpoint::SetReceiveBuffer() {
    SetReceiveBuffer(m_socketDes, kReceiveBufferBytes);
}

void CUdpEndpoint::SetReceiveBuffer(int fd, int bytes) {
    // The system's limit for SO_RCVBUF is often far below a burst of answers from hundreds of printers;
    // SO_RCVBUFFORCE passes it when the process may (root). Neither failing is fatal.
    if (m_sockets.SetOption(fd, SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) != 0)
        m_sockets.SetOption(fd, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
    int granted = 0;
    socklen_t length = sizeof granted;
    if (m_sockets.GetOption(fd, SOL_SOCKET, SO_RCVBUF, &granted, &length) == 0)
        WriteLog("CreateSocket: receive buffer = %d", granted);
}

bool CUdpEndpoint::BindSocket(int nLocalNetworkInterface, int nPrinterNetworkType) {
    WriteLog("BindSocket: START");
    WriteLog("BindSocket: nLocalNetworkInterface = %d", nLocalNetworkInterface);
    WriteLog("BindSocket: nPrinterNetworkType = %d", nPrinterNetworkType);
    if (m_socketDes == kNoSocket) {
        WriteLog("BindSocket: END");
        return false;
    }
    const auto found = m_InterfaceInfo.find(nLocalNetworkInterface);
    if (found == m_InterfaceInfo.end()) {
        WriteLog("BindSocket: %s", "Could not find the network information.");
        WriteLog("BindSocket: END");
        return false; // the socket stays open; the caller closes it
    }
    const LOCAL_INTERFACE_INFO& localInterfaceInfo = found->second;

    clientInfo = MakeAddress(QlinkProtocol::LocalPort(nPrinterNetworkType), localInterfaceInfo.byIpAdr);
    serverInfo =
        MakeAddress(QlinkProtocol::PrinterPort(nPrinterNetworkType), localInterfaceInfo.byBroadcastAdr);
    if (m_destination)
        std::memcpy(&serverInfo.sin_addr.s_addr, m_destination->data(), 4);
    WriteLog("BindSocket: clientInfo port = %d", ntohs(clientInfo.sin_port));
    WriteLog("BindSocket: serverInfo port = %d", ntohs(serverInfo.sin_port));
    const std::uint8_t* ip = localInterfaceInfo.byIpAdr;
    const std::uint8_t* broadcast = localInterfaceInfo.byBroadcastAdr;
    WriteLog("BindSocket: localInterfaceInfo.byIpAdr = [%d][%d][%d][%d]", ip[0], ip[1], ip[2], ip[3]);
    WriteLog("BindSocket: localInterfaceInfo.byBroadcastAdr = [%d][%d][%d][%d]", broadcast[0], broadcast[1],
             broadcast[2], broadcast[3]);

    // The socket takes the port on every address: one bound to the interface's address would never hear an
    // answer sent to the broadcast address. It is not tied to the device either, which would drop an answer
    // for this interface's address that the system delivers through another card on the same subnet.
    // Which interface a request leaves by is given with each datagram (SendData), and what comes in is
    // sorted by its destination and arrival (ReceiveDatagram).
    sockaddr_in anyAddress = clientInfo;
    anyAddress.sin_addr.s_addr = htonl(INADDR_ANY);
    if (m_sockets.Bind(m_socketDes, anyAddress) != 0) {
        WriteLog("BindSocket: %s, (%d)", "Cannot bind address to socket.", m_sockets.LastError());
        m_sockets.Close(m_socketDes);
        m_socketDes = kNoSocket;
        WriteLog("BindSocket: END");
        return false;
    }
    m_boundInterface = nLocalNetworkInterface;
    WriteLog("BindSocket: bRet = %d", 1);
    WriteLog("BindSocket: END");
    return true;
}

int CUdpEndpoint::SendData(const void* pData, int nDataLength) {
    WriteLog("SendData: START");
    WriteLog("SendData: nDataLength = %d", nDataLength);
    if (m_socketDes == kNoSocket || !pData || nDataLength <= 0) {
        WriteLog("SendData: END");
        return 0;
    }
    // Out of the exchange's interface, from its address: with two cards on one subnet the routing table
    // alone would send every broadcast out of the same one.
    ISocketApi::Route route;
    const ISocketApi::Route* via = nullptr;
    if (const auto bound = m_InterfaceInfo.find(m_boundInterface); bound != m_InterfaceInfo.end()) {
        route.interfaceIndex = InterfaceIndex(m_boundInterface);
        std::memcpy(route.source, bound->second.byIpAdr, 4);
        via = &route;
    }
    ssize_t bytesSent =
        m_sockets.SendTo(m_socketDes, pData, static_cast<size_t>(nDataLength), serverInfo, via);
    if (bytesSent < 0 && via) {
        // The system would not take the interface or the source address: let its routing table decide.
        WriteLog("SendData: not sent by interface %u, (%d); sent as routed", via->interfaceIndex,
                 m_sockets.LastError());
        bytesSent =
            m_sockets.SendTo(m_socketDes, pData, static_cast<size_t>(nDataLength), serverInfo, nullptr);
    }
    if (bytesSent < 0) {
        WriteLog("SendData: %s (%d)", "Error transmitting data.", m_sockets.LastError());
        WriteLog("SendData: END");
        return -1;
    }
    WriteLog("SendData: bytesSent = %d", static_cast<int>(bytesSent));
    WriteLog("SendData: END");
    return static_cast<int>(bytesSent);
}

void CUdpEndpoint::CloseSocket() {
    WriteLog("CloseSocket: START");
    if (m_socketDes != kNoSocket)
        m_sockets.Close(m_socketDes);
    m_socketDes = kNoSocket;
    m_boundInterface = -1;
    WriteLog("CloseSocket: END");
}

int CUdpEndpoint::ReceiveDatagram(std::uint8_t* buffer, std::size_t size, bool dontWait) {
    for (;;) {
        sockaddr_in from{};
        ISocketApi::Arrival arrival;
        const ssize_t received = m_sockets.ReceiveFrom(m_socketDes, buffer, size, dontWait, from, &arrival);
        if (received < 0)
            return -1;
        if (!IsForBoundInterface(arrival)) {
            const std::uint8_t* to = arrival.destination;
            WriteLog("ReceiveDatagram: passed over, sent to %d.%d.%d.%d on interface %u", to[0], to[1], to[2],
                     to[3], arrival.interfaceIndex);
            continue;
        }
        serverInfo = from; // a later send on this socket answers the last sender
        return static_cast<int>(received);
    }
}

bool CUdpEndpoint::IsForBoundInterface(const ISocketApi::Arrival& arrival) const {
    return IsForInterface(arrival, m_boundInterface);
}

bool CUdpEndpoint::IsForInterface(const ISocketApi::Arrival& arrival, int nLocalNetworkInterface) const {
    const auto bound = m_InterfaceInfo.find(nLocalNetworkInterface);
    if (!arrival.known || bound == m_InterfaceInfo.end())
        return true; // nothing to tell it by
    const LOCAL_INTERFACE_INFO& info = bound->second;
    const std::uint8_t* to = arrival.destination;
    if (std::memcmp(to, info.byIpAdr, 4) == 0)
        return true; // for this interface's address, whichever card it came through
    const bool limited = to[0] == 255 && to[1] == 255 && to[2] == 255 && to[3] == 255;
    if (!limited && std::memcmp(to, info.byBroadcastAdr, 4) != 0)
        return false;
    const unsigned index = InterfaceIndex(nLocalNetworkInterface);
    return index == 0 || arrival.interfaceIndex == index; // a broadcast counts on its own interface only
}

// ---------------------------------------------------------------------------------------------------
// Discovery

int CUdpEndpoint::SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType, std::stop_token stop) {
    WriteLog("SearchPrinter: START");
    WriteLog("SearchPrinter: nLocalNetworkInterface = %d", nLocalNetworkInterface);
    WriteLog("SearchPrinter: nPrinterNetworkType = %d", nPrinterNetworkType);
    if (!CreateSocket()) {
        WriteLog("SearchPrinter: END");
        return 0;
    }
    if (!BindSocket(nLocalNetworkInterface, nPrinterNetworkType)) {
        CloseSocket();
        WriteLog("SearchPrinter: END");
        return 0;
    }

    std::string_view request;
    if (nPrinterNetworkType == VRX_WIRED_PRINTER) {
        request = QlinkProtocol::kWiredRequest;
        WriteLog("SearchPrinter: command-1, sizeof(cmd1) = %d", static_cast<int>(request.size()));
    } else if (nPrinterNetworkType == VRX_WIRELESS_PRINTER) {
        request = QlinkProtocol::kWirelessRequest;
        WriteLog("SearchPrinter: command-2, sizeof(cmd2) = %d", static_cast<int>(request.size()));
    }
    if (!request.empty()) {
        for (int i = 0; i < kRequestRepeats && !stop.stop_requested(); ++i) {
            SendData(request.data(), static_cast<int>(request.size())); // results do not matter
            m_sockets.Sleep(kSendPause);
        }
    }

    int nRet = 0;
    if (ReceiveResponseData(nLocalNetworkInterface, stop) > 0) {
        if (nPrinterNetworkType == VRX_WIRED_PRINTER) {
            nRet = static_cast<int>(m_ethernetInfoMap.size());
            WriteLog("SearchPrinter: VRX_WIRED_PRINTER");
        } else if (nPrinterNetworkType == VRX_WIRELESS_PRINTER) {
            nRet = static_cast<int>(m_WLanInfoMap.size());
            WriteLog("SearchPrinter: VRX_WIRELESS_PRINTER");
        }
    }
    CloseSocket();
    WriteLog("SearchPrinter: nRet = %d", nRet);
    WriteLog("SearchPrinter: END");
    return nRet;
}

int CUdpEndpoint::SearchPrinterAt(int nLocalNetworkInterface, int nPrinterNetworkType,
                                  const Address& destination, std::stop_token stop) {
    WriteLog("SearchPrinterAt: %d.%d.%d.%d", destination[0], destination[1], destination[2], destination[3]);
    m_destination = destination;
    const int nRet = SearchPrinter(nLocalNetworkInterface, nPrinterNetworkType, stop);
    m_destination.reset();
    return nRet;
}

int CUdpEndpoint::OpenRoundSocket(int nPrinterNetworkType) {
    const int fd = m_sockets.Open();
    if (fd < 0) {
        WriteLog("SearchRound: %s, (%d)", "Could not create socket.", m_sockets.LastError());
        return kNoSocket;
    }
    const int on = 1;
    const char* failure = nullptr;
    if (m_sockets.SetOption(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) != 0)
        failure = "setsockopt failed for BROADCAST";
    else if (m_sockets.SetOption(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0)
        failure = "setsockopt failed for SO_REUSEADDR";
    else if (m_sockets.SetOption(fd, IPPROTO_IP, IP_PKTINFO, &on, sizeof on) != 0)
        failure = "setsockopt failed for IP_PKTINFO"; // without it no answer can be credited
    if (!failure) {
        SetReceiveBuffer(fd, kRoundReceiveBufferBytes);
        sockaddr_in anyAddress{};
        anyAddress.sin_family = AF_INET;
        anyAddress.sin_port = htons(QlinkProtocol::LocalPort(nPrinterNetworkType));
        anyAddress.sin_addr.s_addr = htonl(INADDR_ANY);
        if (m_sockets.Bind(fd, anyAddress) != 0)
            failure = "Cannot bind address to socket.";
    }
    if (failure) {
        WriteLog("SearchRound: %s, (%d)", failure, m_sockets.LastError());
        m_sockets.Close(fd);
        return kNoSocket;
    }
    WriteLog("SearchRound: socket for type %d on port %d", nPrinterNetworkType,
             QlinkProtocol::LocalPort(nPrinterNetworkType));
    return fd;
}

int CUdpEndpoint::SearchRound(const std::vector<SearchExchange>& exchanges, std::stop_token stop,
                              const PrinterHeardFunction& heard) {
    using Clock = std::chrono::steady_clock;
    WriteLog("SearchRound: START");
    WriteLog("SearchRound: exchanges = %d", static_cast<int>(exchanges.size()));
    if (m_socketDes != kNoSocket) {
        // The settings exchange leaves its socket open; on the same port it would take answers too.
        CloseSocket();
        m_sockets.Sleep(kReopenPause);
    }

    struct Exchange {
        SearchExchange what;
        std::string_view request;
        sockaddr_in destination{};
        ISocketApi::Route route;
        int fd = kNoSocket;
        int nTotalBytes = 0;
        bool heardAny = false;
        Clock::time_point last{};
        bool ended = false;
    };
    std::map<int, int> socketOfType; // type -> fd
    std::vector<Exchange> round;
    for (const SearchExchange& what : exchanges) {
        const auto found = m_InterfaceInfo.find(what.nLocalNetworkInterface);
        const int type = what.nPrinterNetworkType;
        if (found == m_InterfaceInfo.end() || (type != VRX_WIRED_PRINTER && type != VRX_WIRELESS_PRINTER)) {
            WriteLog("SearchRound: no exchange for interface %d, type %d", what.nLocalNetworkInterface, type);
            continue;
        }
        if (!socketOfType.count(type))
            socketOfType[type] = OpenRoundSocket(type);
        Exchange exchange;
        exchange.what = what;
        exchange.fd = socketOfType[type];
        if (exchange.fd == kNoSocket)
            continue; // this type's answers cannot be taken; the others go on
        exchange.request =
            type == VRX_WIRED_PRINTER ? QlinkProtocol::kWiredRequest : QlinkProtocol::kWirelessRequest;
        exchange.destination = MakeAddress(QlinkProtocol::PrinterPort(type), found->second.byBroadcastAdr);
        if (what.directed)
            std::memcpy(&exchange.destination.sin_addr.s_addr, what.directed->data(), 4);
        exchange.route.interfaceIndex = InterfaceIndex(what.nLocalNetworkInterface);
        std::memcpy(exchange.route.source, found->second.byIpAdr, 4);
        const auto* d = reinterpret_cast<const std::uint8_t*>(&exchange.destination.sin_addr.s_addr);
        WriteLog("SearchRound: interface %d, type %d, to %d.%d.%d.%d", what.nLocalNetworkInterface, type,
                 d[0], d[1], d[2], d[3]);
        round.push_back(exchange);
    }
    std::vector<int> fds;
    for (const auto& [type, fd] : socketOfType)
        if (fd != kNoSocket)
            fds.push_back(fd);

    // The exchange of a datagram that came in on fd (-1: none of the round's).
    const auto exchangeFor = [&](int fd, const ISocketApi::Arrival& arrival, const sockaddr_in& from) {
        const std::uint32_t source = ntohl(from.sin_addr.s_addr);
        int interfaceKey = -1, plain = -1, other = -1;
        for (size_t i = 0; i < round.size(); ++i) {
            const Exchange& e = round[i];
            if (e.fd != fd || (interfaceKey >= 0 && e.what.nLocalNetworkInterface != interfaceKey))
                continue;
            if (interfaceKey < 0) {
                if (!IsForInterface(arrival, e.what.nLocalNetworkInterface))
                    continue;
                interfaceKey = e.what.nLocalNetworkInterface; // the first interface that takes it
            }
            if (!e.what.directed) {
                plain = plain < 0 ? static_cast<int>(i) : plain;
                continue;
            }
            std::uint32_t network = 0;
            std::memcpy(&network, e.what.network.data(), 4);
            const std::uint32_t mask = e.what.prefix <= 0 ? 0 : ~std::uint32_t{0} << (32 - e.what.prefix);
            if ((source & mask) == (ntohl(network) & mask))
                return static_cast<int>(i); // from the subnet behind the router
            other = other < 0 ? static_cast<int>(i) : other;
        }
        return plain >= 0 ? plain : other;
    };

    const Clock::time_point start = m_sockets.Now();
    const Clock::time_point sendsEnd = start + kRequestRepeats * kSendPause;
    int sends = 0;
    std::uint8_t buffer[QlinkProtocol::kMaxDatagram];
    const auto ready = std::make_unique<bool[]>(fds.size() + 1);
    bool stopped = false;
    for (;;) {
        if (stop.stop_requested()) {
            stopped = true;
            break;
        }
        Clock::time_point now = m_sockets.Now();
        // Requests: each time one of every exchange, 50 ms apart.
        if (sends < kRequestRepeats && now >= start + sends * kSendPause) {
            for (Exchange& e : round) {
                ssize_t sent =
                    m_sockets.SendTo(e.fd, e.request.data(), e.request.size(), e.destination, &e.route);
                if (sent < 0)
                    sent = m_sockets.SendTo(e.fd, e.request.data(), e.request.size(), e.destination, nullptr);
                if (sent < 0)
                    WriteLog("SearchRound: %s (%d)", "Error transmitting data.", m_sockets.LastError());
            }
            ++sends;
            continue;
        }
        // Everything waiting, on every socket.
        for (size_t s = 0; s < fds.size(); ++s) {
            for (int taken = 0; taken < kMaxDrainedAtOnce; ++taken) {
                sockaddr_in from{};
                ISocketApi::Arrival arrival;
                const ssize_t n = m_sockets.ReceiveFrom(fds[s], buffer, sizeof buffer, true, from, &arrival);
                if (n < 0)
                    break;
                const int index = exchangeFor(fds[s], arrival, from);
                if (index < 0) {
                    const std::uint8_t* to = arrival.destination;
                    WriteLog("SearchRound: passed over, sent to %d.%d.%d.%d on interface %u", to[0], to[1],
                             to[2], to[3], arrival.interfaceIndex);
                    continue;
                }
                Exchange& e = round[static_cast<size_t>(index)];
                if (e.ended) {
                    // Its first answer came after its 500 ms, while other exchanges kept the round going
                    // (printers busy answering the other exchanges): taken, and it waits its 2 s of silence.
                    WriteLog("SearchRound: interface %d, type %d answered after its time-out; it goes on",
                             e.what.nLocalNetworkInterface, e.what.nPrinterNetworkType);
                    e.ended = false;
                }
                e.heardAny = true;
                e.last = m_sockets.Now();
                AddBytes(e.nTotalBytes, static_cast<int>(n));
                AnswerOrigin origin;
                std::memcpy(origin.source.data(), &from.sin_addr.s_addr, 4);
                origin.directed = e.what.directed;
                EnterDiscoveryAnswer(buffer, static_cast<int>(n), e.what.nLocalNetworkInterface, origin,
                                     heard);
            }
        }
        // Each exchange ends by its own silence: 2 s after its last datagram, or, when nothing came, the
        // 500 ms receive time-out after the requests. Never before its requests are out.
        now = m_sockets.Now();
        Clock::time_point wake =
            sends < kRequestRepeats ? start + sends * kSendPause : Clock::time_point::max();
        bool allEnded = true;
        for (Exchange& e : round) {
            if (e.ended)
                continue;
            // A stream of datagrams that never falls silent still ends the exchange after 30 s.
            const Clock::time_point end =
                std::min(e.heardAny ? std::max(e.last, sendsEnd) + kSilencePolls * kPollPause
                                    : sendsEnd + std::chrono::milliseconds(kReceiveTimeoutMs),
                         sendsEnd + kMaxCollectionPolls * kPollPause);
            if (sends >= kRequestRepeats && now >= end) {
                e.ended = true;
                WriteLog("SearchRound: interface %d, type %d ended, nTotalBytes = %d",
                         e.what.nLocalNetworkInterface, e.what.nPrinterNetworkType, e.nTotalBytes);
                continue;
            }
            allEnded = false;
            wake = std::min(wake, end);
        }
        if (allEnded && sends >= kRequestRepeats)
            break;
        // A stop request is seen within one poll pause.
        const auto wait = std::clamp(std::chrono::ceil<std::chrono::milliseconds>(wake - now),
                                     std::chrono::milliseconds(0), std::chrono::milliseconds(kPollPause));
        if (!fds.empty())
            m_sockets.WaitForDatagrams(fds.data(), ready.get(), static_cast<int>(fds.size()), wait);
        else
            m_sockets.Sleep(wait);
    }
    if (stopped)
        WriteLog("SearchRound: stopped");
    for (const int fd : fds)
        m_sockets.Close(fd);

    int nRet = 0;
    for (const Exchange& e : round) {
        if (e.nTotalBytes <= 0)
            continue;
        const int count = e.what.nPrinterNetworkType == VRX_WIRED_PRINTER
                              ? static_cast<int>(m_ethernetInfoMap.size())
                              : static_cast<int>(m_WLanInfoMap.size());
        nRet = count > INT_MAX - nRet ? INT_MAX : nRet + count;
    }
    WriteLog("SearchRound: m_ethernetInfoMap.GetCount() = %d", static_cast<int>(m_ethernetInfoMap.size()));
    WriteLog("SearchRound: m_WLanInfoMap.GetCount() = %d", static_cast<int>(m_WLanInfoMap.size()));
    WriteLog("SearchRound: nRet = %d", nRet);
    WriteLog("SearchRound: END");
    return nRet;
}

std::optional<CUdpEndpoint::AnswerOrigin> CUdpEndpoint::OriginOf(int nPrinterNetworkType,
                                                                 const std::string& mac) const {
    const auto found = m_origins.find({nPrinterNetworkType, mac});
    if (found == m_origins.end())
        return std::nullopt;
    return found->second;
}

int CUdpEndpoint::InterfaceWithAddress(const Address& address) const {
    for (const auto& [key, info] : m_InterfaceInfo)
        if (std::memcmp(info.byIpAdr, address.data(), 4) == 0)
            return key;
    return -1;
}

int CUdpEndpoint::ReceiveResponseData(int nLocalNetworkInterface, std::stop_token stop) {
    WriteLog("ReceiveResponseData: START");
    int nTotalBytes = 0;
    if (m_socketDes == kNoSocket) {
        WriteLog("ReceiveResponseData: END");
        return 0;
    }
    std::uint8_t buffer[QlinkProtocol::kMaxDatagram] = {};

    const int nReceived = stop.stop_requested() ? -1 : ReceiveDatagram(buffer, sizeof buffer, false);
    if (nReceived < 0) {
        WriteLog("ReceiveResponseData: %s (%d)", "Error receiving data.", m_sockets.LastError());
    } else {
        TakeDiscoveryDatagram(buffer, nReceived, nLocalNetworkInterface, nTotalBytes);
        // Everything else that is waiting, at once: with many printers answering, pausing between single
        // datagrams lets the socket's buffer overflow and answers get lost.
        TakeWaitingDiscoveryDatagrams(buffer, sizeof buffer, nLocalNetworkInterface, nTotalBytes);

        // Wait for more; 2 s of silence ends the collection. Only datagrams for this interface break it.
        for (int nTry = 1, nPolls = 1; nTry <= kSilencePolls && !stop.stop_requested(); ++nTry, ++nPolls) {
            if (nPolls > kMaxCollectionPolls) {
                WriteLog("ReceiveResponseData: datagrams kept coming for %d s; the collection ends",
                         static_cast<int>(kMaxCollectionPolls * kPollPause.count() / 1000));
                break;
            }
            m_sockets.Sleep(kPollPause);
            const int bytes_available = m_sockets.BytesWaiting(m_socketDes);
            WriteLog("ReceiveResponseData: bytes_available = %d", bytes_available);
            // An empty datagram shows no bytes but still waits at the head of the queue.
            if ((bytes_available > 0 || m_sockets.DatagramWaiting(m_socketDes)) &&
                TakeWaitingDiscoveryDatagrams(buffer, sizeof buffer, nLocalNetworkInterface, nTotalBytes) >
                    0) {
                WriteLog("ReceiveResponseData: BREAK, nTry = %d", nTry);
                nTry = 0;
            }
        }
    }
    if (stop.stop_requested())
        WriteLog("ReceiveResponseData: stopped");

    WriteLog("ReceiveResponseData: m_ethernetInfoMap.GetCount() = %d",
             static_cast<int>(m_ethernetInfoMap.size()));
    WriteLog("ReceiveResponseData: m_WLanInfoMap.GetCount() = %d", static_cast<int>(m_WLanInfoMap.size()));
    WriteLog("ReceiveResponseData: nTotalBytes = %d", nTotalBytes);
    WriteLog("ReceiveResponseData: END");
    return nTotalBytes;
}

int CUdpEndpoint::TakeWaitingDiscoveryDatagrams(std::uint8_t* buffer, std::size_t size,
                                                int nLocalNetworkInterface, int& nTotalBytes) {
    int taken = 0;
    for (int n; taken < kMaxDrainedAtOnce && (n = ReceiveDatagram(buffer, size, true)) >= 0; ++taken)
        TakeDiscoveryDatagram(buffer, n, nLocalNetworkInterface, nTotalBytes);
    return taken;
}

void CUdpEndpoint::TakeDiscoveryDatagram(const std::uint8_t* data, int nReceived, int nLocalNetworkInterface,
                                         int& nTotalBytes) {
    WriteLog("ReceiveResponseData: nReceived = %d", nReceived);
    AddBytes(nTotalBytes, nReceived);
    WriteLog("ReceiveResponseData: nTotalBytes = %d", nTotalBytes);
    // ReceiveDatagram left the sender in serverInfo.
    AnswerOrigin origin;
    std::memcpy(origin.source.data(), &serverInfo.sin_addr.s_addr, 4);
    origin.directed = m_destination;
    EnterDiscoveryAnswer(data, nReceived, nLocalNetworkInterface, origin, {});
}

bool CUdpEndpoint::EnterDiscoveryAnswer(const std::uint8_t* data, int nReceived, int nLocalNetworkInterface,
                                        const AnswerOrigin& origin, const PrinterHeardFunction& heard) {
    const DiscoveryAnswer answer = ClassifyDiscoveryAnswer(data, static_cast<size_t>(nReceived),
                                                           static_cast<std::uint8_t>(nLocalNetworkInterface));
    if (answer.kind == DiscoveryAnswerKind::Wired) {
        WriteLog("ReceiveResponseData: CASE-1");
        const std::string mac = MacText(answer.ethernet.MacAddr);
        WriteLog("ReceiveResponseData: MAC ADDR = %s", mac.c_str());
        const auto [entry, added] = m_ethernetInfoMap.try_emplace(mac, answer.ethernet); // the first wins
        if (!added)
            return false;
        m_origins[{VRX_WIRED_PRINTER, mac}] = origin;
        if (heard)
            heard(HeardPrinter{VRX_WIRED_PRINTER, &entry->second, nullptr});
        return true;
    }
    if (answer.kind == DiscoveryAnswerKind::Wireless) {
        WriteLog("ReceiveResponseData: CASE-2");
        if (answer.systemNameCopied)
            WriteLog("ReceiveResponseData: SYSTEM NAME");
        const std::string mac = MacText(answer.wlan.MacAddr);
        WriteLog("ReceiveResponseData: MAC ADDR = %s", mac.c_str());
        const auto [entry, added] = m_WLanInfoMap.try_emplace(mac, answer.wlan);
        if (!added)
            return false;
        m_origins[{VRX_WIRELESS_PRINTER, mac}] = origin;
        if (heard)
            heard(HeardPrinter{VRX_WIRELESS_PRINTER, nullptr, &entry->second});
        return true;
    }
    return false;
}

void CUdpEndpoint::ClearPrinterTables() {
    m_ethernetInfoMap.clear();
    m_WLanInfoMap.clear();
    m_origins.clear();
}

int CUdpEndpoint::CopyEthernetInfoTo(EthernetInfoMap& target) {
    target = m_ethernetInfoMap;
    return static_cast<int>(target.size());
}

int CUdpEndpoint::CopyWLanInfoTo(WLanInfoMap& target) {
    target = m_WLanInfoMap;
    return static_cast<int>(target.size());
}

// ---------------------------------------------------------------------------------------------------
// IP settings

bool CUdpEndpoint::SetQlinkInfo(int nLocalNetworkInterface, int nPrinterNetworkType,
                                const unsigned char* message, int nDataLength) {
    return SendSettings(nLocalNetworkInterface, nPrinterNetworkType, message, nDataLength, {});
}

bool CUdpEndpoint::SendSettings(int nLocalNetworkInterface, int nPrinterNetworkType,
                                const unsigned char* message, int nDataLength,
                                const SettingsDelivery& delivery) {
    WriteLog("SetQlinkInfo: START");
    WriteLog("SetQlinkInfo: nLocalNetworkInterface = %d, nPrinterNetworkType = %d", nLocalNetworkInterface,
             nPrinterNetworkType);
    WriteLog("SetQlinkInfo: nDataLength = %d", nDataLength);
    m_bLastSettingConfirmed = false;
    m_destination = delivery.destination;
    m_acceptFrom = delivery.acceptFrom;
    const auto plain = [this](bool result) {
        m_destination.reset();
        m_acceptFrom.clear();
        return result;
    };
    if (!message || nDataLength <= 0 || !CreateSocket() ||
        !BindSocket(nLocalNetworkInterface, nPrinterNetworkType)) {
        WriteLog("SetQlinkInfo: END");
        return plain(false);
    }
    // What came before this message (a late confirmation of an earlier exchange) is not its answer.
    {
        const sockaddr_in destination = serverInfo; // each datagram received replaces it
        std::uint8_t stale[QlinkProtocol::kMaxDatagram];
        for (int n = 0; n < kMaxDrainedAtOnce && ReceiveDatagram(stale, sizeof stale, true) >= 0; ++n)
            WriteLog("SetQlinkInfo: a datagram waiting before the message is dropped");
        serverInfo = destination;
    }

    // Every datagram received replaces the destination with its sender; a retry still goes to the
    // interface's broadcast address, where the printer listens, not to whoever sent a stray datagram.
    const sockaddr_in broadcast = serverInfo;
    bool bRet = false;
    for (int attempt = 0; attempt < kSettingAttempts; ++attempt) {
        serverInfo = broadcast;
        if (SendData(message, nDataLength) <= 0)
            continue;
        m_sockets.Sleep(kSendPause);
        bRet = true;
        if (ReceiveSettingResultData()) {
            m_bLastSettingConfirmed = true;
            break;
        }
    }
    // The socket stays open; the next CreateSocket closes it.
    WriteLog("SetQlinkInfo: bRet = %d", bRet ? 1 : 0);
    WriteLog("SetQlinkInfo: END");
    return plain(bRet);
}

bool CUdpEndpoint::ReceiveSettingResultData() {
    WriteLog("ReceiveSettingResultData: START");
    if (m_socketDes == kNoSocket) {
        WriteLog("ReceiveSettingResultData: END");
        return false;
    }
    std::uint8_t buffer[QlinkProtocol::kMaxDatagram] = {};
    int nTotalBytes = 0;
    int nPolls = 0;
    for (;;) {
        const int bytesReceived = ReceiveDatagram(buffer, sizeof buffer, false);
        if (bytesReceived < 0) {
            WriteLog("ReceiveSettingResultData: %s (%d)", "Error receiving data.", m_sockets.LastError());
            WriteLog("ReceiveSettingResultData: END");
            return false;
        }
        AddBytes(nTotalBytes, bytesReceived);
        WriteLog("ReceiveSettingResultData: bytesReceived = %d", bytesReceived);
        WriteLog("ReceiveSettingResultData: nTotalBytes = %d", nTotalBytes);

        const char* confirmed = nullptr;
        const auto* from = reinterpret_cast<const std::uint8_t*>(&serverInfo.sin_addr.s_addr);
        const bool fromAccepted =
            m_acceptFrom.empty() ||
            std::any_of(m_acceptFrom.begin(), m_acceptFrom.end(),
                        [from](const Address& a) { return std::memcmp(a.data(), from, 4) == 0; });
        if (!fromAccepted)
            WriteLog("ReceiveSettingResultData: passed over, from %d.%d.%d.%d", from[0], from[1], from[2],
                     from[3]);
        switch (fromAccepted ? ClassifySettingConfirmation(buffer, static_cast<size_t>(bytesReceived))
                             : SettingConfirmation::None) {
        case SettingConfirmation::SetResponse:
            confirmed = "ReceiveSettingResultData: SET COMPLETED-1";
            break;
        case SettingConfirmation::CompleteLong:
            confirmed = "ReceiveSettingResultData: SET COMPLETED-2";
            break;
        case SettingConfirmation::CompleteShort:
            confirmed = "ReceiveSettingResultData: SET COMPLETED-3";
            break;
        case SettingConfirmation::None:
            break;
        }
        if (confirmed) {
            WriteLog("%s", confirmed);
            WriteLog("ReceiveSettingResultData: END");
            return true;
        }

        bool more = false;
        for (int nTry = 1; nTry <= kSettingPolls && !more && nPolls < kMaxSettingPolls; ++nTry, ++nPolls) {
            m_sockets.Sleep(kPollPause);
            more = m_sockets.BytesWaiting(m_socketDes) > 0 || m_sockets.DatagramWaiting(m_socketDes);
        }
        if (!more || nPolls >= kMaxSettingPolls) {
            WriteLog("ReceiveSettingResultData: END");
            return false;
        }
    }
}
