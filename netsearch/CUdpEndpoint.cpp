#include "netsearch/CUdpEndpoint.h"

#include "app/DiagnosticLog.h"
#include "netsearch/DiscoveryAnswer.h"
#include "netsearch/PosixSocketApi.h"
#include "netsearch/QlinkProtocol.h"
#include "netsearch/SettingConfirmation.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
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

    WriteLog("CreateSocket: bRet = %d", 1);
    WriteLog("CreateSocket: END");
    return true;
}

void CUdpEndpoint::SetReceiveBuffer() {
    // The system's limit for SO_RCVBUF is often far below a burst of answers from hundreds of printers;
    // SO_RCVBUFFORCE passes it when the process may (root). Neither failing is fatal.
    const int wanted = kReceiveBufferBytes;
    if (m_sockets.SetOption(m_socketDes, SOL_SOCKET, SO_RCVBUFFORCE, &wanted, sizeof wanted) != 0)
        m_sockets.SetOption(m_socketDes, SOL_SOCKET, SO_RCVBUF, &wanted, sizeof wanted);
    int granted = 0;
    socklen_t length = sizeof granted;
    if (m_sockets.GetOption(m_socketDes, SOL_SOCKET, SO_RCVBUF, &granted, &length) == 0)
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
    WriteLog("BindSocket: clientInfo port = %d", ntohs(clientInfo.sin_port));
    WriteLog("BindSocket: serverInfo port = %d", ntohs(serverInfo.sin_port));
    const std::uint8_t* ip = localInterfaceInfo.byIpAdr;
    const std::uint8_t* broadcast = localInterfaceInfo.byBroadcastAdr;
    WriteLog("BindSocket: localInterfaceInfo.byIpAdr = [%d][%d][%d][%d]", ip[0], ip[1], ip[2], ip[3]);
    WriteLog("BindSocket: localInterfaceInfo.byBroadcastAdr = [%d][%d][%d][%d]", broadcast[0], broadcast[1],
             broadcast[2], broadcast[3]);

    // A socket bound to the interface's address still lets the routing table pick the interface a
    // broadcast leaves by; tying it to the device sends it out of this one. That needs the right to do so
    // (root); without it the directed broadcast address routes to the same interface in all but the case
    // of two interfaces on one subnet.
    const std::string name = InterfaceName(nLocalNetworkInterface);
    if (!name.empty() && m_sockets.SetOption(m_socketDes, SOL_SOCKET, SO_BINDTODEVICE, name.c_str(),
                                             static_cast<socklen_t>(name.size())) != 0)
        WriteLog("BindSocket: SO_BINDTODEVICE %s not set, (%d)", name.c_str(), m_sockets.LastError());

    if (m_sockets.Bind(m_socketDes, clientInfo) != 0) {
        WriteLog("BindSocket: %s, (%d)", "Cannot bind address to socket.", m_sockets.LastError());
        m_sockets.Close(m_socketDes);
        m_socketDes = kNoSocket;
        WriteLog("BindSocket: END");
        return false;
    }
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
    const ssize_t bytesSent =
        m_sockets.SendTo(m_socketDes, pData, static_cast<size_t>(nDataLength), serverInfo);
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
    WriteLog("CloseSocket: END");
}

int CUdpEndpoint::ReceiveDatagram(std::uint8_t* buffer, std::size_t size, bool dontWait) {
    sockaddr_in from{};
    const ssize_t received = m_sockets.ReceiveFrom(m_socketDes, buffer, size, dontWait, from);
    if (received < 0)
        return -1;
    serverInfo = from; // a later send on this socket answers the last sender
    return static_cast<int>(received);
}

// ---------------------------------------------------------------------------------------------------
// Discovery

int CUdpEndpoint::SearchPrinter(int nLocalNetworkInterface, int nPrinterNetworkType) {
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
        for (int i = 0; i < kRequestRepeats; ++i) {
            SendData(request.data(), static_cast<int>(request.size())); // results do not matter
            m_sockets.Sleep(kSendPause);
        }
    }

    int nRet = 0;
    if (ReceiveResponseData(nLocalNetworkInterface) > 0) {
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

int CUdpEndpoint::ReceiveResponseData(int nLocalNetworkInterface) {
    WriteLog("ReceiveResponseData: START");
    int nTotalBytes = 0;
    if (m_socketDes == kNoSocket) {
        WriteLog("ReceiveResponseData: END");
        return 0;
    }
    std::uint8_t buffer[QlinkProtocol::kMaxDatagram] = {};

    int nPolls = 0;
    for (;;) {
        const int nReceived = ReceiveDatagram(buffer, sizeof buffer, false);
        if (nReceived < 0) {
            WriteLog("ReceiveResponseData: %s (%d)", "Error receiving data.", m_sockets.LastError());
            break;
        }
        TakeDiscoveryDatagram(buffer, nReceived, nLocalNetworkInterface, nTotalBytes);
        // Everything else that is waiting, at once: with many printers answering, pausing between single
        // datagrams lets the socket's buffer overflow and answers get lost.
        int drained = 0;
        for (int n; drained < kMaxDrainedAtOnce && (n = ReceiveDatagram(buffer, sizeof buffer, true)) >= 0;
             ++drained)
            TakeDiscoveryDatagram(buffer, n, nLocalNetworkInterface, nTotalBytes);

        // Wait for more; 2 s of silence ends the collection.
        bool more = false;
        for (int nTry = 1; nTry <= kSilencePolls && !more; ++nTry) {
            if (++nPolls > kMaxCollectionPolls)
                break;
            m_sockets.Sleep(kPollPause);
            const int bytes_available = m_sockets.BytesWaiting(m_socketDes);
            WriteLog("ReceiveResponseData: bytes_available = %d", bytes_available);
            // An empty datagram shows no bytes but still waits at the head of the queue.
            if (bytes_available > 0 || m_sockets.DatagramWaiting(m_socketDes)) {
                WriteLog("ReceiveResponseData: BREAK, nTry = %d", nTry);
                more = true;
            }
        }
        if (nPolls > kMaxCollectionPolls) {
            WriteLog("ReceiveResponseData: datagrams kept coming for %d s; the collection ends",
                     static_cast<int>(kMaxCollectionPolls * kPollPause.count() / 1000));
            break;
        }
        if (!more)
            break;
    }

    WriteLog("ReceiveResponseData: m_ethernetInfoMap.GetCount() = %d",
             static_cast<int>(m_ethernetInfoMap.size()));
    WriteLog("ReceiveResponseData: m_WLanInfoMap.GetCount() = %d", static_cast<int>(m_WLanInfoMap.size()));
    WriteLog("ReceiveResponseData: nTotalBytes = %d", nTotalBytes);
    WriteLog("ReceiveResponseData: END");
    return nTotalBytes;
}

void CUdpEndpoint::TakeDiscoveryDatagram(const std::uint8_t* data, int nReceived, int nLocalNetworkInterface,
                                         int& nTotalBytes) {
    WriteLog("ReceiveResponseData: nReceived = %d", nReceived);
    AddBytes(nTotalBytes, nReceived);
    WriteLog("ReceiveResponseData: nTotalBytes = %d", nTotalBytes);

    const DiscoveryAnswer answer = ClassifyDiscoveryAnswer(data, static_cast<size_t>(nReceived),
                                                           static_cast<std::uint8_t>(nLocalNetworkInterface));
    if (answer.kind == DiscoveryAnswerKind::Wired) {
        WriteLog("ReceiveResponseData: CASE-1");
        const std::string mac = MacText(answer.ethernet.MacAddr);
        WriteLog("ReceiveResponseData: MAC ADDR = %s", mac.c_str());
        m_ethernetInfoMap.try_emplace(mac, answer.ethernet); // the first answer wins
    } else if (answer.kind == DiscoveryAnswerKind::Wireless) {
        WriteLog("ReceiveResponseData: CASE-2");
        if (answer.systemNameCopied)
            WriteLog("ReceiveResponseData: SYSTEM NAME");
        const std::string mac = MacText(answer.wlan.MacAddr);
        WriteLog("ReceiveResponseData: MAC ADDR = %s", mac.c_str());
        m_WLanInfoMap.try_emplace(mac, answer.wlan);
    }
}

void CUdpEndpoint::ClearPrinterTables() {
    m_ethernetInfoMap.clear();
    m_WLanInfoMap.clear();
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
    WriteLog("SetQlinkInfo: START");
    WriteLog("SetQlinkInfo: nLocalNetworkInterface = %d, nPrinterNetworkType = %d", nLocalNetworkInterface,
             nPrinterNetworkType);
    WriteLog("SetQlinkInfo: nDataLength = %d", nDataLength);
    m_bLastSettingConfirmed = false;
    if (!message || nDataLength <= 0 || !CreateSocket() ||
        !BindSocket(nLocalNetworkInterface, nPrinterNetworkType)) {
        WriteLog("SetQlinkInfo: END");
        return false;
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
    return bRet;
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
        switch (ClassifySettingConfirmation(buffer, static_cast<size_t>(bytesReceived))) {
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
