#include "devcfg/DeviceConfigExchange.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"
#include "devport/PortOpenFailure.h"

#include <cstdio>
#include <cstring>

using namespace std::chrono_literals;

namespace {

std::string FormatWithCode(const std::string& text, int code) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " (%d)", code);
    return text + buffer;
}

// The file name of path without its folder.
std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

DeviceConfigExchange::DeviceConfigExchange(DeviceConfigState& state, DeviceExchangeServices services)
    : m_state(state), m_services(services),
      m_link(state, services.sleeper ? *services.sleeper : ThreadSleeper::Instance()),
      m_certificates(m_link) {}

CPortMng* DeviceConfigExchange::Port() const {
    return m_services.ports.ForInterface(m_state.m_dwConnectionType);
}

void DeviceConfigExchange::HoldSpooler() {
    HoldSpooler(static_cast<int>(m_state.m_dwConnectionType));
}

void DeviceConfigExchange::HoldSpooler(int nTargetPort) {
    if (!m_services.spooler)
        return;
    m_services.spooler->ChangeWinDrvPortName(nTargetPort);
    // A queue the user may not pause stays on the port; the exchange goes on, and the user hears once
    // what that may do and how to allow it.
    if (!m_services.messages)
        return;
    const std::vector<std::string> refused = m_services.spooler->TakeQueuesRefusedToTell();
    if (refused.empty())
        return;
    const std::string user = CurrentUserName();
    for (const std::string& queue : refused)
        m_services.messages->ShowWarning(StringTable::Fill(LoadString(StringId::SpoolerPauseRefused),
                                                           {queue, user.empty() ? "$USER" : user}));
}

void DeviceConfigExchange::RestoreSpooler() {
    if (m_services.spooler)
        m_services.spooler->RestoreWinDrvPortName();
}

IDeviceSleeper& DeviceConfigExchange::Sleeper() const {
    return m_services.sleeper ? *m_services.sleeper : ThreadSleeper::Instance();
}

void DeviceConfigExchange::ShowError(const std::string& text) const {
    if (m_services.messages)
        m_services.messages->ShowError(text);
}

void DeviceConfigExchange::ShowInformation(const std::string& text) const {
    if (m_services.messages)
        m_services.messages->ShowInformation(text);
}

// ---- reading --------------------------------------------------------------------------------------------

bool DeviceConfigExchange::GetCurrentConfiguration(std::uint32_t* received) {
    WriteLog("GetCurrentConfiguration : START");
    std::uint32_t dwReceived = 0;
    if (received)
        *received = 0;
    CPortMng* pPortHandle = Port();
    // Every read of a printer begins in the normal mode.
    if (m_state.m_byModeLetter != DeviceFrame::kModeNormal) {
        m_state.m_byModeLetter = DeviceFrame::kModeNormal;
        m_state.m_bRefusal = false;
    }
    if (!pPortHandle) {
        WriteLog("GetCurrentConfiguration : pPortHandle is NULL");
        WriteLog("GetCurrentConfiguration : END");
        return false;
    }
    HoldSpooler();
    if (!pPortHandle->OpenPort()) {
        WriteLog("GetCurrentConfiguration : OpenPort failed");
        RestoreSpooler();
        WriteLog("GetCurrentConfiguration : END");
        return false;
    }

    m_state.m_bFactoryReset = IsFactoryResetSupported(pPortHandle);
    WriteLog("GetCurrentConfiguration : m_bFactoryReset = %d", m_state.m_bFactoryReset ? 1 : 0);
    bool bSystemInformation = false;
    WriteLog("GetCurrentConfiguration : m_byModeLetter = %c", m_state.m_byModeLetter);
    if (m_link.SendConfigStartMessage(pPortHandle, &dwReceived, kStartMaxTry)) {
        bSystemInformation = ReceiveSystemInformation(pPortHandle);
        if (!bSystemInformation)
            WriteLog("GetCurrentConfiguration : ReceiveSystemInformation failed");
    } else {
        WriteLog("GetCurrentConfiguration : SendConfigStartMessage failed.");
    }
    Sleeper().Sleep(100ms);

    bool bConfiguration = false;
    if (bSystemInformation) {
        if (m_state.m_strFilePath.empty()) {
            if (m_link.SendConfigStartMessage(pPortHandle, &dwReceived, kStartMaxTry))
                bConfiguration = ReceiveConfigInformation(pPortHandle);
            else
                WriteLog("GetCurrentConfiguration : SendConfigStartMessage failed.");
        } else {
            bConfiguration = ReceiveConfigInformation(pPortHandle);
        }
        if (!bConfiguration)
            WriteLog("GetCurrentConfiguration : ReceiveConfigInformation failed");
    }

    if (bConfiguration) {
        m_state.m_ConfigurationInfoAsRead = m_state.m_ConfigurationInfo;
        if (m_state.m_ConfigurationInfo.bySNMP == VRX_SNMP_NOT_OFFERED)
            m_state.m_bSNMP = false;
        if (m_services.grid)
            m_services.grid->RebuildGroups();
    }
    pPortHandle->ClosePort();
    RestoreSpooler();
    if (received)
        *received = dwReceived;
    WriteLog("GetCurrentConfiguration : result = %d", bConfiguration ? 1 : 0);
    WriteLog("GetCurrentConfiguration : END");
    return bConfiguration;
}

bool DeviceConfigExchange::ReceiveSystemInformation(CPortMng* pPortHandle) {
    WriteLog("ReceiveSystemInformation : START");
    if (!pPortHandle) {
        WriteLog("ReceiveSystemInformation : pPortHandle is NULL.");
        return false;
    }
    m_link.WriteMessage(*pPortHandle, DeviceFrame::BuildMessage(DeviceFrame::kSysReq),
                        "ReceiveSystemInformation");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::SysReq, reply, "ReceiveSystemInformation");
    const DeviceFrame::ParsedFrame parsed =
        DeviceFrame::ParseFrame(reply.data(), received, DeviceFrame::kSysReplyMinLength);
    bool result = false;
    switch (parsed.check) {
    case DeviceFrame::FrameCheck::NoEndByte:
    case DeviceFrame::FrameCheck::TooShort:
        WriteLog("ReceiveSystemInformation : data validation failed");
        break;
    case DeviceFrame::FrameCheck::ChecksumFailed:
        WriteLog("ReceiveSystemInformation : checksum failed.");
        break;
    case DeviceFrame::FrameCheck::FirmwareFail:
        WriteLog("ReceiveSystemInformation : CFG_FW_MESSAGE_FAIL");
        break;
    case DeviceFrame::FrameCheck::Ok:
        result = true;
        if (parsed.HasHeader(DeviceFrame::kSysRsp) &&
            parsed.SizeAfter(DeviceFrame::kSysRsp) >= sizeof(WLAN_ADVANCED_SYS_INFO)) {
            std::memcpy(&m_state.m_SystemInformation, parsed.After(DeviceFrame::kSysRsp),
                        sizeof(WLAN_ADVANCED_SYS_INFO));
            WriteLog("ReceiveSystemInformation : CFG_SYSINFO_RSP");
            WriteLog("ReceiveSystemInformation : FW_VERSION = %s",
                     DeviceRecords::FieldText(m_state.m_SystemInformation.FW_VERSION).c_str());
        } else {
            WriteLog("ReceiveSystemInformation : NOT CFG_SYSINFO_RSP");
        }
        break;
    }
    WriteLog("ReceiveSystemInformation : END");
    return result;
}

std::size_t DeviceConfigExchange::ReadWiFiConfigurationData(CPortMng* pPortHandle,
                                                            std::vector<std::uint8_t>& frame) {
    WriteLog("ReadWiFiConfigurationData : START");
    frame.clear();
    if (!pPortHandle) {
        WriteLog("ReadWiFiConfigurationData : pPortHandle is NULL.");
        return 0;
    }
    m_link.WriteMessage(*pPortHandle, DeviceFrame::BuildMessage(DeviceFrame::kIfGet),
                        "ReadWiFiConfigurationData");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::IfGet, reply, "ReadWiFiConfigurationData");
    if (received == 0 || reply[received - 1] != DeviceFrame::kEndOfFrame) {
        WriteLog("ReadWiFiConfigurationData : no end of frame");
        WriteLog("ReadWiFiConfigurationData : END");
        return 0;
    }
    frame.assign(reply.begin(), reply.begin() + static_cast<std::ptrdiff_t>(received));
    WriteLog("ReadWiFiConfigurationData : END");
    return received;
}

bool DeviceConfigExchange::ReceiveConfigInformation(CPortMng* pPortHandle) {
    WriteLog("ReceiveConfigInformation : START");
    std::vector<std::uint8_t> frame;
    std::size_t N = 0;
    if (m_state.m_strFilePath.empty()) {
        N = ReadWiFiConfigurationData(pPortHandle, frame);
    } else if (m_services.fileReader) {
        WriteLog("ReceiveConfigInformation : file %s", m_state.m_strFilePath.c_str());
        N = m_services.fileReader->ReadWiFiConfigurationDataFromFile(m_state.m_strFilePath, frame);
        if (N > frame.size())
            N = frame.size();
    }

    m_state.m_bWifiDirect = false;
    m_state.m_bRfModeSelection = false;
    m_state.m_bSoftAP = false;
    m_state.m_bSNMP = true;
    m_state.m_bCertificateUpload = true;
    m_state.m_bCertificateName = false;

    const std::optional<DeviceRecords::ConfigVariant> variant = DeviceRecords::VariantForFrameLength(N);
    if (!variant || N > DeviceFrame::kConfigBufferSize) {
        WriteLog("ReceiveConfigInformation : N = %zu", N);
        WriteLog("ReceiveConfigInformation : data validation failed");
        WriteLog("ReceiveConfigInformation : END");
        return false;
    }
    switch (*variant) {
    case DeviceRecords::ConfigVariant::WifiDirectRf:
        m_state.m_bWifiDirect = true;
        m_state.m_bRfModeSelection = true;
        m_state.m_bSoftAP = true;
        m_state.m_bCertificateUpload = false;
        break;
    case DeviceRecords::ConfigVariant::WifiDirect:
        m_state.m_bWifiDirect = true;
        break;
    case DeviceRecords::ConfigVariant::Basic:
        break;
    }
    WriteLog("ReceiveConfigInformation : N = %zu, m_bWifiDirect = %d, m_bRfModeSelection = %d", N,
             m_state.m_bWifiDirect ? 1 : 0, m_state.m_bRfModeSelection ? 1 : 0);

    // A file's prefix and end byte are not looked at: the checksum and the header tell.
    const std::vector<std::uint8_t> message = DeviceFrame::HexDecode(frame.data(), N);
    if (DeviceFrame::Checksum16(message.data(), message.size()) != 0) {
        WriteLog("ReceiveConfigInformation : checksum failed.");
        WriteLog("ReceiveConfigInformation : END");
        return false;
    }
    const std::size_t after = message.size() - DeviceFrame::kIfCur.size();
    if (!DeviceFrame::StartsWith(message.data(), message.size(), DeviceFrame::kIfCur) ||
        !DeviceRecords::PayloadToRecord(message.data() + DeviceFrame::kIfCur.size(), after, *variant,
                                        m_state.m_ConfigurationInfo)) {
        WriteLog("ReceiveConfigInformation : NOT CFG_MESSAGE_CURINFO");
        WriteLog("ReceiveConfigInformation : END");
        return false;
    }
    m_state.m_nDhcpOption12AsRead =
        (m_state.m_ConfigurationInfo.byDummy3 & VRX_DUMMY3_DHCP_OPTION12_DISABLED) ? 0 : 1;
    m_state.m_nDhcpOption77AsRead =
        (m_state.m_ConfigurationInfo.byDummy3 & VRX_DUMMY3_DHCP_OPTION77_DISABLED) ? 0 : 1;
    m_state.m_nDhcpOption12 = m_state.m_nDhcpOption12AsRead;
    m_state.m_nDhcpOption77 = m_state.m_nDhcpOption77AsRead;

    if (m_state.m_ConfigurationInfo.byDummy3 & VRX_DUMMY3_CERTIFICATE_SUPPORT) {
        m_state.m_bCertificateUpload = true;
        m_state.m_bCertificateName = true;
        for (int nType = DeviceFrame::kCertificateCA; nType <= DeviceFrame::kCertificateClientPEM; ++nType)
            m_certificates.GetCertificateName(pPortHandle, nType);
    }
    WriteLog("ReceiveConfigInformation : END");
    return true;
}

// ---- writing --------------------------------------------------------------------------------------------

bool DeviceConfigExchange::SaveNewConfiguration(bool toFile) {
    WriteLog("SaveNewConfiguration : START");
    const std::optional<WLAN_ADVANCED_CONFIG_INFO> record = PrepareConfigurationToSend(toFile);
    bool result = record.has_value();
    if (record && !toFile) {
        result = SendNewConfiguration(*record);
        if (result)
            m_state.m_ConfigurationInfo = *record;
    }
    WriteLog("SaveNewConfiguration : END");
    return result;
}

std::optional<WLAN_ADVANCED_CONFIG_INFO> DeviceConfigExchange::PrepareConfigurationToSend(bool toFile) {
    std::uint8_t& dummy3 = m_state.m_ConfigurationInfo.byDummy3;
    if (m_state.m_nDhcpOption12 == 0)
        dummy3 |= VRX_DUMMY3_DHCP_OPTION12_DISABLED;
    else
        dummy3 &= static_cast<std::uint8_t>(~VRX_DUMMY3_DHCP_OPTION12_DISABLED);
    if (m_state.m_nDhcpOption77 == 0)
        dummy3 |= VRX_DUMMY3_DHCP_OPTION77_DISABLED;
    else
        dummy3 &= static_cast<std::uint8_t>(~VRX_DUMMY3_DHCP_OPTION77_DISABLED);

    if (m_services.validator &&
        (!m_services.validator->DataValidation4Group1() || !m_services.validator->DataValidation4Group2())) {
        WriteLog("SaveNewConfiguration : data validation failed");
        return std::nullopt;
    }
    if (toFile) {
        WriteLog("SaveNewConfiguration : SAVE AS A FILE");
        return SetConfigInformationToSend();
    }
    if (m_services.messages && !m_services.messages->AskYesNo(LoadString(163))) {
        WriteLog("SaveNewConfiguration : CANCEL BY USER");
        return std::nullopt;
    }
    return SetConfigInformationToSend();
}

bool DeviceConfigExchange::SendNewConfiguration(const WLAN_ADVANCED_CONFIG_INFO& record) {
    int nError = 0;
    CPortMng* pPortHandle = Port();
    if (!pPortHandle) {
        WriteLog("SaveNewConfiguration : pPortHandle is NULL");
        nError = kSaveErrorNoPort;
    } else {
        HoldSpooler();
        if (!pPortHandle->OpenPort()) {
            WriteLog("SaveNewConfiguration : OpenPort failed.");
            nError = kSaveErrorOpenPort;
        } else {
            if (!m_link.SendConfigStartMessage(pPortHandle, nullptr, kStartMaxTry)) {
                WriteLog("SaveNewConfiguration : SendConfigStartMessage failed.");
                nError = kSaveErrorStart;
            } else if (!SendConfigInformation(pPortHandle, record)) {
                WriteLog("SaveNewConfiguration : SendConfigInformation failed.");
                nError = kSaveErrorSend;
            }
            pPortHandle->ClosePort();
        }
        RestoreSpooler();
    }
    if (nError != 0) {
        WriteLog("SaveNewConfiguration : nError = %d", nError);
        ShowError(FormatWithCode(LoadString(165), nError));
    }
    return nError == 0;
}

WLAN_ADVANCED_CONFIG_INFO DeviceConfigExchange::SetConfigInformationToSend() {
    WriteLog("SetConfigInformationToSend : START");
    std::vector<int> grid1, grid2;
    if (m_services.grid) {
        grid1 = m_services.grid->VisibleItemIdentifiers(1);
        grid2 = m_services.grid->VisibleItemIdentifiers(2);
    }
    const WLAN_ADVANCED_CONFIG_INFO record = DeviceRecords::MergeVisibleItems(
        m_state.m_ConfigurationInfoAsRead, m_state.m_ConfigurationInfo, grid1, grid2);
    WriteLog("SetConfigInformationToSend : END");
    return record;
}

std::vector<std::uint8_t> DeviceConfigExchange::CreateConfigurationData(bool bForSending) const {
    return CreateConfigurationData(m_state.m_ConfigurationInfo, bForSending);
}

std::vector<std::uint8_t>
DeviceConfigExchange::CreateConfigurationData(const WLAN_ADVANCED_CONFIG_INFO& record,
                                              bool bForSending) const {
    WriteLog("CreateConfigurationData : START");
    if (m_state.m_bWifiDirect && !m_state.m_bRfModeSelection)
        WriteLog("CreateConfigurationData : Dual-band is not supported.");
    std::vector<std::uint8_t> frame =
        DeviceRecords::ConfigurationFrame(record, m_state.Variant(), bForSending, m_state.m_byModeLetter);
    WriteLog("CreateConfigurationData : length = %zu", frame.size());
    WriteLog("CreateConfigurationData : END");
    return frame;
}

bool DeviceConfigExchange::SendConfigInformation(CPortMng* pPortHandle,
                                                 const WLAN_ADVANCED_CONFIG_INFO& record) {
    WriteLog("SendConfigInformation : START");
    if (!pPortHandle) {
        WriteLog("SendConfigInformation : pPortHandle is NULL.");
        return false;
    }
    const std::vector<std::uint8_t> frame = CreateConfigurationData(record, true);
    m_link.WriteBytes(*pPortHandle, frame.data(), frame.size(), "SendConfigInformation");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::IfSet, reply, "SendConfigInformation");
    const DeviceFrame::ParsedFrame parsed = DeviceFrame::ParseFrame(reply.data(), received);
    bool result = false;
    switch (parsed.check) {
    case DeviceFrame::FrameCheck::NoEndByte:
    case DeviceFrame::FrameCheck::TooShort:
        WriteLog("SendConfigInformation : data validation failed");
        break;
    case DeviceFrame::FrameCheck::ChecksumFailed:
        WriteLog("SendConfigInformation : checksum failed.");
        break;
    case DeviceFrame::FrameCheck::FirmwareFail:
        WriteLog("SendConfigInformation : CFG_FW_MESSAGE_FAIL");
        break;
    case DeviceFrame::FrameCheck::Ok:
        WriteLog(parsed.HasHeader(DeviceFrame::kIfSuc)
                     ? "SendConfigInformation : CFG_MESSAGE_SUCCESS"
                     : "SendConfigInformation : unexpected reply, taken as success");
        result = true;
        break;
    }
    WriteLog("SendConfigInformation : END");
    return result;
}

// ---- access-point scan ----------------------------------------------------------------------------------

bool DeviceConfigExchange::GetBSSInfoList() {
    WriteLog("GetBSSInfoList : START");
    m_state.m_nNumBSSInfo = 0;
    std::memset(m_state.m_BSSInfo, 0, sizeof m_state.m_BSSInfo);
    CPortMng* pPortHandle = Port();
    if (!pPortHandle) {
        WriteLog("GetBSSInfoList : pPortHandle is NULL");
        WriteLog("GetBSSInfoList : END");
        return false;
    }
    HoldSpooler();
    bool result = false;
    if (!pPortHandle->OpenPort()) {
        WriteLog("GetBSSInfoList : OpenPort failed");
    } else {
        if (!m_link.SendConfigStartMessage(pPortHandle, nullptr, kStartMaxTry)) {
            WriteLog("GetBSSInfoList : SendConfigStartMessage failed.");
        } else {
            Sleeper().Sleep(100ms);
            if (m_services.cursor)
                m_services.cursor->ShowWait();
            result = ReceiveBssInformation(pPortHandle, kScanMaxTry);
            if (m_services.cursor)
                m_services.cursor->ShowArrow();
        }
        pPortHandle->ClosePort();
    }
    RestoreSpooler();
    WriteLog("GetBSSInfoList : END");
    return result;
}

bool DeviceConfigExchange::ReceiveBssInformation(CPortMng* pPortHandle, int maxTry) {
    WriteLog("ReceiveBssInformation : START");
    if (!pPortHandle) {
        WriteLog("ReceiveBssInformation : pPortHandle is NULL.");
        return false;
    }
    m_link.WriteMessage(*pPortHandle, DeviceFrame::BuildMessage(DeviceFrame::kBssReq),
                        "ReceiveBssInformation");
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::BssReq(maxTry), reply, "ReceiveBssInformation");
    const DeviceFrame::ParsedFrame parsed =
        DeviceFrame::ParseFrame(reply.data(), received, DeviceFrame::kBssReplyMinLength);
    bool result = false;
    switch (parsed.check) {
    case DeviceFrame::FrameCheck::NoEndByte:
    case DeviceFrame::FrameCheck::TooShort:
        WriteLog("ReceiveBssInformation : data validation failed");
        break;
    case DeviceFrame::FrameCheck::ChecksumFailed:
        WriteLog("ReceiveBssInformation : checksum failed.");
        break;
    case DeviceFrame::FrameCheck::FirmwareFail:
        WriteLog("ReceiveBssInformation : CFG_FW_MESSAGE_FAIL");
        break;
    case DeviceFrame::FrameCheck::Ok:
        result = true;
        if (parsed.HasHeader(DeviceFrame::kBssRsp)) {
            m_state.m_nNumBSSInfo = DeviceRecords::ParseBssResponse(parsed.message.data(),
                                                                    parsed.message.size(), m_state.m_BSSInfo);
            WriteLog("ReceiveBssInformation : m_nNumBSSInfo = %d", m_state.m_nNumBSSInfo);
        } else {
            WriteLog("ReceiveBssInformation : NOT INF_BSSINFO_RSP");
        }
        break;
    }
    WriteLog("ReceiveBssInformation : END");
    return result;
}

bool DeviceConfigExchange::GetBSSInfoData(BSS_INFO* buffer, int& count) const {
    count = m_state.m_nNumBSSInfo;
    if (count <= 0 || !buffer)
        return false;
    std::memcpy(buffer, m_state.m_BSSInfo, sizeof(BSS_INFO) * static_cast<std::size_t>(count));
    return true;
}

// ---- factory reset --------------------------------------------------------------------------------------

bool DeviceConfigExchange::IsFactoryResetSupported(CPortMng* pPortHandle) {
    WriteLog("IsFactoryResetSupported : START");
    if (!pPortHandle) {
        WriteLog("IsFactoryResetSupported : pPortHandle is NULL.");
        return false;
    }
    const auto& query = DeviceFrame::kFactoryResetQuery;
    if (m_link.WriteBytes(*pPortHandle, query.data(), query.size(), "IsFactoryResetSupported") == 0) {
        WriteLog("IsFactoryResetSupported : END");
        return false;
    }
    std::vector<std::uint8_t> reply;
    const std::size_t received =
        m_link.ReadReply(*pPortHandle, ReadRules::FactoryResetQuery, reply, "IsFactoryResetSupported");
    const bool result = DeviceFrame::IsFactoryResetSupportedReply(reply.data(), received);
    WriteLog("IsFactoryResetSupported : result = %d", result ? 1 : 0);
    WriteLog("IsFactoryResetSupported : END");
    return result;
}

bool DeviceConfigExchange::FactoryReset() {
    // Without a port nothing was tried, and nothing is told.
    const bool result = SendFactoryReset();
    if (!Port())
        return result;
    if (result)
        ShowInformation(LoadString(162));
    else
        ShowError(LoadString(276));
    return result;
}

bool DeviceConfigExchange::SendFactoryReset() {
    WriteLog("FactoryReset : START");
    CPortMng* pPortHandle = Port();
    if (!pPortHandle) {
        WriteLog("FactoryReset : pPortHandle is NULL");
        WriteLog("FactoryReset : END");
        return false;
    }
    HoldSpooler();
    bool result = false;
    if (!pPortHandle->OpenPort()) {
        WriteLog("FactoryReset : OpenPort failed");
    } else {
        const auto& command = DeviceFrame::kFactoryReset;
        if (m_link.WriteBytes(*pPortHandle, command.data(), command.size(), "FactoryReset") !=
            command.size()) {
            WriteLog("FactoryReset : the reset command was not written");
        } else {
            if (m_services.waiting)
                m_services.waiting->WaitFor(kFactoryResetCountdownMs);
            else
                Sleeper().Sleep(std::chrono::milliseconds(kFactoryResetCountdownMs));
            std::vector<std::uint8_t> reply;
            const std::size_t received =
                m_link.ReadReply(*pPortHandle, ReadRules::FactoryReset, reply, "FactoryReset");
            result = DeviceFrame::ContainsOkReply(reply.data(), received);
        }
        pPortHandle->ClosePort();
    }
    RestoreSpooler();
    WriteLog("FactoryReset : result = %d", result ? 1 : 0);
    WriteLog("FactoryReset : END");
    return result;
}

// ---- certificates ---------------------------------------------------------------------------------------

bool DeviceConfigExchange::UploadCertificateDocument(const std::string& path) {
    WriteLog("UploadCertificateDocument : START");
    if (!m_certificates.DataValidation4Certificate(path)) {
        ShowError(LoadString(243));
        WriteLog("UploadCertificateDocument : END");
        return false;
    }
    const bool result = SendCertificateDocument(BaseName(path));
    if (result)
        ShowInformation(LoadString(244));
    else
        ShowError(LoadString(245));
    WriteLog("UploadCertificateDocument : END");
    return result;
}

bool DeviceConfigExchange::SendCertificateDocument(const std::string& name) {
    WriteLog("SendCertificateDocument : START");
    bool result = false;
    CPortMng* pPortHandle = Port();
    if (!pPortHandle) {
        WriteLog("SendCertificateDocument : pPortHandle is NULL");
    } else {
        HoldSpooler();
        if (!pPortHandle->OpenPort()) {
            WriteLog("SendCertificateDocument : OpenPort failed");
        } else {
            if (!m_certificates.SendCertificateStartMessage(pPortHandle))
                WriteLog("SendCertificateDocument : SendCertificateStartMessage failed");
            else if (!(result = m_certificates.SendCertificateInformation(pPortHandle, name)))
                WriteLog("SendCertificateDocument : SendCertificateInformation failed");
            pPortHandle->ClosePort();
        }
        RestoreSpooler();
    }
    if (result && m_state.m_bCertificateName && DeviceFrame::IsCertificateType(m_state.m_nCertificateType)) {
        std::uint8_t field[DeviceFrame::kCertificateNameFieldSize];
        DeviceCertificateExchange::CertificateNameField(name, field);
        CERT_NAME_INFO& stored = m_state.m_CertificateName[m_state.m_nCertificateType];
        std::memset(&stored, 0, sizeof stored);
        std::memcpy(stored.byCertName, field, sizeof field);
    }
    WriteLog("SendCertificateDocument : result = %d", result ? 1 : 0);
    WriteLog("SendCertificateDocument : END");
    return result;
}
