#include "ui/CVRXPageNetConnectionSetting.h"

#include "app/DiagnosticLog.h"
#include "app/StringTable.h"
#include "app/Utf8.h"
#include "netsearch/IpSettingsRules.h"
#include "netsearch/SettingsMessage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr std::array<std::uint8_t, 4> kFactoryDefaultIp = {192, 168, 192, 123};
constexpr std::array<std::uint8_t, 4> kAllZero = {0, 0, 0, 0};

// An unsigned decimal number as the data exchange reads it: blanks around it are allowed, nothing else.
bool ParseUnsigned(const std::string& text, std::uint32_t& value) {
    size_t position = 0;
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t'))
        ++position;
    const size_t digitsBegin = position;
    std::uint64_t number = 0;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        number = number * 10 + static_cast<unsigned>(text[position] - '0');
        if (number > 0xFFFFFFFFull)
            return false;
        ++position;
    }
    if (position == digitsBegin)
        return false;
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t'))
        ++position;
    if (position != text.size())
        return false;
    value = static_cast<std::uint32_t>(number);
    return true;
}

// The leading decimal number of text, 0 when there is none.
std::uint32_t LeadingNumber(const std::string& text) {
    std::uint64_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        number = std::min<std::uint64_t>(number * 10 + static_cast<unsigned>(c - '0'), 0xFFFFFFFFull);
    }
    return static_cast<std::uint32_t>(number);
}

// "a.b.c.d" with four numbers 0..255; anything else gives 0.0.0.0.
std::array<std::uint8_t, 4> ParseDottedAddress(const std::string& text) {
    std::array<std::uint8_t, 4> address{};
    size_t position = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (position >= text.size() || text[position] != '.')
                return kAllZero;
            ++position;
        }
        unsigned value = 0;
        size_t digits = 0;
        while (position < text.size() && text[position] >= '0' && text[position] <= '9' && digits < 3) {
            value = value * 10 + static_cast<unsigned>(text[position] - '0');
            ++position;
            ++digits;
        }
        if (digits == 0 || value > 255)
            return kAllZero;
        address[part] = static_cast<std::uint8_t>(value);
    }
    return position == text.size() ? address : kAllZero;
}

size_t CharacterCount(const std::string& text) {
    return Utf8::ToUtf16(text).size();
}

// The name as the comparison with the printer's field takes it: its bytes as they stand (no blanks
// removed), cut or filled with zero bytes to the 64 bytes of the field; a name of more than 128 bytes gives
// no bytes.
void NameFieldAsTyped(const std::string& name, std::uint8_t (&field)[64]) {
    std::memset(field, 0, sizeof field);
    if (name.size() > 128)
        return;
    std::memcpy(field, name.data(), std::min(name.size(), sizeof field));
}

// A 16-bit field of the printer's records: high byte first, from a value the page keeps within 16 bits.
void PutBigEndian16(std::uint32_t value, std::uint8_t (&bytes)[2]) {
    bytes[0] = static_cast<std::uint8_t>(value >> 8);
    bytes[1] = static_cast<std::uint8_t>(value % 256);
}

std::string FormatValueMessage(const std::string& text, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " (%d)", value);
    return text + buffer;
}

} // namespace

CVRXPageNetConnectionSetting::CVRXPageNetConnectionSetting(INetworkEndpoint& endpoint, IMessageBox& messages,
                                                           ICursor& cursor, IMainWindowMessages& mainWindow)
    : m_endpoint(endpoint), m_messages(messages), m_cursor(cursor), m_mainWindow(mainWindow),
      m_strInvalidPortNumber(LoadString(StringId::InvalidPortNumber)),
      m_strSaveQuestion(LoadString(StringId::SaveConfigurationQuestion)),
      m_strSaveFailed(LoadString(StringId::SaveNetworkFailed)),
      m_strSystemNameLengthError(LoadString(StringId::SystemNameLengthError)),
      m_strWired(LoadString(StringId::SettingsWired)), m_strWireless(LoadString(StringId::SettingsWireless)),
      m_strIpAddressCannotBeUsed(LoadString(StringId::IpAddressCannotBeUsed)),
      m_strSubnetMaskNotContiguous(LoadString(StringId::SubnetMaskNotContiguous)),
      m_strAddressIsNetworkOrBroadcast(LoadString(StringId::AddressIsNetworkOrBroadcast)),
      m_strGatewayOutsideSubnet(LoadString(StringId::GatewayOutsideSubnetQuestion)) {
    WriteControls();
}

void CVRXPageNetConnectionSetting::Changed() {
    if (m_changeListener)
        m_changeListener();
}

void CVRXPageNetConnectionSetting::SetFocus(int id) {
    m_controls.focus = id;
    ++m_controls.focusSerial;
    Changed();
}

CVRXPageNetConnectionSetting::AddressControl* CVRXPageNetConnectionSetting::FindAddressControl(int id) {
    switch (id) {
    case IDC_IPADDRESS_IP:
        return &m_controls.ipAddress;
    case IDC_IPADDRESS_SUBNET:
        return &m_controls.subnetMask;
    case IDC_IPADDRESS_GATEWAY:
        return &m_controls.gateway;
    default:
        return nullptr;
    }
}

void CVRXPageNetConnectionSetting::EnableAddressControls(bool enable) {
    m_controls.ipAddress.enabled = enable;
    m_controls.subnetMask.enabled = enable;
    m_controls.gateway.enabled = enable;
    Changed();
}

bool CVRXPageNetConnectionSetting::HasSystemNameGroup() const {
    return m_stNetInfo.strNetworkType == m_strWireless &&
           (m_stNetInfo.stWLANInfo.Mask[0] & VRX_MASK_SYSTEM_NAME);
}

bool CVRXPageNetConnectionSetting::ReadControls() {
    // Nothing is taken over unless every field can be read; a refused field keeps what the user typed and
    // the message says what it takes.
    std::uint32_t port = 0;
    if (!ParseUnsigned(m_controls.portNumber.text, port) || port > kMaxPortNumber) {
        WriteLog("CVRXPageNetConnectionSetting::ReadControls : port number \"%s\" refused",
                 m_controls.portNumber.text.c_str());
        m_messages.ShowError(LoadString(StringId::PortNumberRange));
        SetFocus(IDC_EDIT_PORT_NUMBER);
        return false;
    }
    std::uint32_t inactiveTime = 0;
    if (!ParseUnsigned(m_controls.inactiveTime.text, inactiveTime) || inactiveTime > kMaxInactiveTime) {
        WriteLog("CVRXPageNetConnectionSetting::ReadControls : inactivity time \"%s\" refused",
                 m_controls.inactiveTime.text.c_str());
        m_messages.ShowError(LoadString(StringId::InactiveTimeRange));
        SetFocus(IDC_EDIT_INACTIVE_TIME);
        return false;
    }
    if (CharacterCount(m_controls.systemName.text) > static_cast<size_t>(kSystemNameChars)) {
        std::string text = LoadString(StringId::ParseStringTooLong);
        if (const size_t marker = text.find("%1"); marker != std::string::npos)
            text.replace(marker, 2, std::to_string(kSystemNameChars));
        m_messages.ShowError(text);
        SetFocus(IDC_EDIT_SYSTEM_NAME);
        return false;
    }
    m_nIpMode = m_controls.checkedMode;
    m_dwPortNumber = port;
    m_dwInactiveTime = inactiveTime;
    m_strSystemName = m_controls.systemName.text;
    return true;
}

void CVRXPageNetConnectionSetting::WriteControls() {
    m_controls.checkedMode = m_nIpMode;
    m_controls.portNumber.text = std::to_string(m_dwPortNumber);
    m_controls.inactiveTime.text = std::to_string(m_dwInactiveTime);
    m_controls.systemName.text = m_strSystemName;
    Changed();
}

void CVRXPageNetConnectionSetting::SetPrinterNetworkInfo(PRINTER_NETWORK_INFO record) {
    m_stNetInfo = std::move(record);
    m_bSaveWentAhead = false;

    m_controls.ipAddress.address = ParseDottedAddress(m_stNetInfo.strIPAddress);
    m_controls.subnetMask.address = ParseDottedAddress(m_stNetInfo.strSubnetMask);
    m_controls.gateway.address = ParseDottedAddress(m_stNetInfo.strGateway);

    EnableAddressControls(true);
    m_controls.systemName.enabled = false;
    m_controls.systemName.visible = false;
    m_controls.systemNameGroupVisible = false;
    m_controls.systemNameLabelVisible = false;
    m_controls.saveButton.y = Layout::kSystemNameGroup.y;
    m_controls.cancelButton.y = Layout::kSystemNameGroup.y;

    if (HasSystemNameGroup()) {
        m_controls.systemName.enabled = true;
        m_controls.systemName.visible = true;
        m_strSystemName = m_stNetInfo.strSystemName;
        m_controls.systemNameGroupVisible = true;
        m_controls.systemNameLabelVisible = true;
        m_controls.saveButton.y = Layout::kSystemNameGroup.bottom() + 3;
        m_controls.cancelButton.y = Layout::kSystemNameGroup.bottom() + 3;
    }
    // Without a system-name group m_strSystemName keeps the name of the printer shown before.

    if (m_stNetInfo.strDhcp == "0") {
        m_nIpMode = kIpModeManual;
    } else {
        m_nIpMode = kIpModeDhcp;
        EnableAddressControls(false);
    }

    m_dwPortNumber = LeadingNumber(m_stNetInfo.strPortNumber);
    m_dwInactiveTime = LeadingNumber(m_stNetInfo.strInactiveTime);

    WriteControls();
    SetFocus(IDC_PAGE);
}

void CVRXPageNetConnectionSetting::OnBnClickedRadioDhcp() {
    m_controls.checkedMode = kIpModeDhcp;
    m_nIpMode = kIpModeDhcp;
    EnableAddressControls(false);
}

void CVRXPageNetConnectionSetting::OnBnClickedRadioManual() {
    m_controls.checkedMode = kIpModeManual;
    m_nIpMode = kIpModeManual;
    EnableAddressControls(true);
}

// The number fields are checked at Save: while the user types, an empty field or a number out of range is
// only text in the making.
// (A number in range is taken over at once, without a word; the rest waits for Save.)
void CVRXPageNetConnectionSetting::OnEnChangeEditPortNumber(const std::string& text) {
    m_controls.portNumber.text = text;
    std::uint32_t port = 0;
    if (ParseUnsigned(text, port) && port <= kMaxPortNumber)
        m_dwPortNumber = port;
}

void CVRXPageNetConnectionSetting::OnEnChangeEditInactiveTime(const std::string& text) {
    m_controls.inactiveTime.text = text;
    std::uint32_t inactiveTime = 0;
    if (ParseUnsigned(text, inactiveTime) && inactiveTime <= kMaxInactiveTime)
        m_dwInactiveTime = inactiveTime;
}

void CVRXPageNetConnectionSetting::OnEnChangeEditSystemName(const std::string& text) {
    m_controls.systemName.text = text;
    if (CharacterCount(text) > static_cast<size_t>(kSystemNameChars)) {
        std::string message = LoadString(StringId::ParseStringTooLong);
        if (const size_t marker = message.find("%1"); marker != std::string::npos)
            message.replace(marker, 2, std::to_string(kSystemNameChars));
        m_messages.ShowError(message);
        m_controls.systemName.text = m_strSystemName;
        SetFocus(IDC_EDIT_SYSTEM_NAME);
        return;
    }
    m_strSystemName = text;
    RefuseSystemNameLength();
}

bool CVRXPageNetConnectionSetting::RefuseSystemNameLength() {
    // Characters as the field counts them; bytes as the printer's 64-byte field takes them (a name that
    // needs more would go out cut, three-byte characters after 21).
    const size_t characters = CharacterCount(m_strSystemName);
    int shownLength = static_cast<int>(characters);
    bool refused = characters == 0 || characters > static_cast<size_t>(kSystemNameChars);
    if (!refused && !SystemNameFitsField(m_strSystemName)) {
        shownLength = static_cast<int>(TrimmedSystemName(m_strSystemName).size());
        refused = true;
    }
    if (refused) {
        m_messages.ShowError(FormatValueMessage(m_strSystemNameLengthError, shownLength));
        SetFocus(IDC_EDIT_SYSTEM_NAME);
    }
    return refused;
}

void CVRXPageNetConnectionSetting::OnAddressChanged(int id, const std::array<std::uint8_t, 4>& address) {
    if (AddressControl* control = FindAddressControl(id)) {
        control->address = address;
        Changed();
    }
}

void CVRXPageNetConnectionSetting::OnBnClickedBtnSave() {
    if (m_bSaveWentAhead)
        return; // a click queued while the exchange ran; the list is coming back

    const bool read = ReadControls();
    WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : START");
    if (!read) {
        // The user has seen why; the typed text stays for correcting, nothing is saved.
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : the controls could not be read.");
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        return;
    }
    // ReadControls refused these already; kept as the last guard before anything is sent.
    if (m_dwInactiveTime > kMaxInactiveTime) {
        SetFocus(IDC_EDIT_INACTIVE_TIME);
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : m_dwInactiveTime = %d",
                 static_cast<int>(m_dwInactiveTime));
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        return;
    }
    if (m_dwPortNumber > kMaxPortNumber) {
        SetFocus(IDC_EDIT_PORT_NUMBER);
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : m_dwPortNumber = %d",
                 static_cast<int>(m_dwPortNumber));
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        return;
    }
    if (IsForbiddenPort(m_dwPortNumber)) {
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : m_dwPortNumber = %d",
                 static_cast<int>(m_dwPortNumber));
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        m_messages.ShowError(m_strInvalidPortNumber);
        SetFocus(IDC_EDIT_PORT_NUMBER);
        return;
    }
    // A name the printer's field cannot hold whole is not sent cut.
    if (HasSystemNameGroup() && !SystemNameFitsField(m_strSystemName)) {
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : m_strSystemName needs %d bytes",
                 static_cast<int>(TrimmedSystemName(m_strSystemName).size()));
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        RefuseSystemNameLength();
        return;
    }
    if (!NetInfoDataValidation()) {
        // A refused value keeps the user on the page with every edit; nothing changed goes back.
        if (!m_bInputRefused)
            m_mainWindow.SendMessage(MainWindowMessage::M3);
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : NetInfoDataValidation failed.");
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        return;
    }
    if (m_nIpMode == kIpModeManual &&
        IsGatewayOutsideSubnet(m_controls.ipAddress.address.data(), m_controls.subnetMask.address.data(),
                               m_controls.gateway.address.data()) &&
        !m_messages.AskYesNo(m_strGatewayOutsideSubnet)) {
        WriteLog(
            "CVRXPageNetConnectionSetting::OnBnClickedBtnSave : gateway outside the subnet kept by user");
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        SetFocus(IDC_IPADDRESS_GATEWAY);
        return;
    }
    if (!m_messages.AskYesNo(m_strSaveQuestion)) {
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : cancel by user");
        WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
        return;
    }

    // The exchange takes up to about a second; the page does not answer meanwhile.
    m_bSaveWentAhead = true;
    const std::string oldIp = m_stNetInfo.strIPAddress;
    const bool wasDhcp = (m_stNetInfo.strNetworkType == m_strWired ? m_stNetInfo.stEthernetInfo.Dhcp
                                                                   : m_stNetInfo.stWLANInfo.Dhcp) != 0;
    m_cursor.ShowWait();
    const bool sent = SendNetInfoSettingCommand();
    m_cursor.ShowArrow();
    if (sent)
        SetFocus(IDC_BTN_SAVE);
    else
        m_messages.ShowError(m_strSaveFailed);
    if (sent && m_addressChangeListener) {
        const bool dhcp = m_nIpMode == kIpModeDhcp;
        m_addressChangeListener(m_stNetInfo.strMACAddress, oldIp,
                                !dhcp     ? Ipv4Text(m_controls.ipAddress.address.data())
                                : wasDhcp ? oldIp
                                          : "");
    }
    WriteLog("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END");
    m_mainWindow.PostMessage(MainWindowMessage::M3);
}

void CVRXPageNetConnectionSetting::OnBnClickedBtnCancel() {
    // Nothing to read: the edits are dropped, and a field that would not read must not stop the way back.
    m_mainWindow.SendMessage(MainWindowMessage::M4);
}

namespace {

// The settings the user entered, as the record part holds them.
struct NewSettings {
    std::uint8_t dhcp;
    std::uint8_t port[2];
    std::uint8_t inactiveTime[2];
    std::array<std::uint8_t, 4> ip, subnet, gateway;
};

template <typename Record> bool SameSettings(const NewSettings& settings, const Record& record) {
    return settings.dhcp == record.Dhcp && std::memcmp(settings.port, record.Port, 2) == 0 &&
           std::memcmp(settings.inactiveTime, record.I_activeTime, 2) == 0 &&
           std::memcmp(settings.ip.data(), record.Ip, 4) == 0 &&
           std::memcmp(settings.subnet.data(), record.Subnet, 4) == 0 &&
           std::memcmp(settings.gateway.data(), record.Gateway, 4) == 0;
}

} // namespace

bool CVRXPageNetConnectionSetting::NetInfoDataValidation() {
    ReadControls();
    WriteLog("NetInfoDataValidation : START");
    WriteLog("NetInfoDataValidation : strNetworkType = %s", m_stNetInfo.strNetworkType.c_str());

    NewSettings settings{};
    settings.dhcp = m_nIpMode == kIpModeDhcp ? 1 : 0;
    PutBigEndian16(m_dwPortNumber, settings.port);
    PutBigEndian16(m_dwInactiveTime, settings.inactiveTime);
    settings.ip = m_controls.ipAddress.address;
    settings.subnet = m_controls.subnetMask.address;
    settings.gateway = m_controls.gateway.address;
    m_bInputRefused = false;

    const bool wired = m_stNetInfo.strNetworkType == m_strWired;
    const bool wireless = !wired && m_stNetInfo.strNetworkType == m_strWireless;
    bool result = true;
    if (wired || wireless) {
        const bool manual = m_nIpMode != kIpModeDhcp;
        bool same = wired ? SameSettings(settings, m_stNetInfo.stEthernetInfo)
                          : SameSettings(settings, m_stNetInfo.stWLANInfo);
        if (same && wireless) {
            // The name as the settings message would carry it.
            // The name as typed, blanks and all: a stored name with a blank at either end is unchanged
            // when the field still holds it, and an added blank is a change.
            std::uint8_t name[64];
            NameFieldAsTyped(m_strSystemName, name);
            same = std::memcmp(name, m_stNetInfo.stWLANInfo.SystemName, sizeof name) == 0;
        }
        if (manual && IsUnusableManualAddress(settings.ip.data())) {
            WriteLog(settings.ip == kAllZero ? "NetInfoDataValidation : 0.0.0.0 cannot be entered"
                                             : "NetInfoDataValidation : 255.255.255.255 cannot be entered");
            m_messages.ShowError(m_strIpAddressCannotBeUsed);
            SetFocus(IDC_IPADDRESS_IP);
            m_bInputRefused = true;
            result = false;
        } else if (manual && !IsContiguousSubnetMask(settings.subnet.data())) {
            WriteLog("NetInfoDataValidation : %d.%d.%d.%d is no contiguous subnet mask", settings.subnet[0],
                     settings.subnet[1], settings.subnet[2], settings.subnet[3]);
            m_messages.ShowError(m_strSubnetMaskNotContiguous);
            SetFocus(IDC_IPADDRESS_SUBNET);
            m_bInputRefused = true;
            result = false;
        } else if (manual && IsNetworkOrBroadcastAddress(settings.ip.data(), settings.subnet.data())) {
            WriteLog("NetInfoDataValidation : %d.%d.%d.%d is the network or broadcast address of its subnet",
                     settings.ip[0], settings.ip[1], settings.ip[2], settings.ip[3]);
            m_messages.ShowError(m_strAddressIsNetworkOrBroadcast);
            SetFocus(IDC_IPADDRESS_IP);
            m_bInputRefused = true;
            result = false;
        } else if (same) {
            WriteLog("NetInfoDataValidation : The data to be set is same");
            result = false;
        }
    }
    WriteLog("NetInfoDataValidation : END");
    return result;
}

template <typename Record>
void CVRXPageNetConnectionSetting::WriteUserValues(Record& record, const char* partName) {
    record.Dhcp = m_nIpMode == kIpModeDhcp ? 1 : 0;
    PutBigEndian16(m_dwPortNumber, record.Port);
    PutBigEndian16(m_dwInactiveTime, record.I_activeTime);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.Dhcp = %d", partName, record.Dhcp);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.Port[0] = x%02X", partName, record.Port[0]);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.Port[1] = x%02X", partName, record.Port[1]);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.I_activeTime[0] = x%02X", partName,
             record.I_activeTime[0]);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.I_activeTime[1] = x%02X", partName,
             record.I_activeTime[1]);

    if (m_nIpMode == kIpModeDhcp) {
        WriteLog("SendNetInfoSettingCommand : DHCP Mode, Set the IP with the factory default");
        m_controls.ipAddress.address = kFactoryDefaultIp;
        Changed();
    }

    std::copy(m_controls.ipAddress.address.begin(), m_controls.ipAddress.address.end(), record.Ip);
    std::copy(m_controls.subnetMask.address.begin(), m_controls.subnetMask.address.end(), record.Subnet);
    std::copy(m_controls.gateway.address.begin(), m_controls.gateway.address.end(), record.Gateway);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.Ip = %d.%d.%d.%d", partName, record.Ip[0],
             record.Ip[1], record.Ip[2], record.Ip[3]);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.Subnet = %d.%d.%d.%d", partName, record.Subnet[0],
             record.Subnet[1], record.Subnet[2], record.Subnet[3]);
    WriteLog("SendNetInfoSettingCommand : m_stNetInfo.%s.Gateway = %d.%d.%d.%d", partName, record.Gateway[0],
             record.Gateway[1], record.Gateway[2], record.Gateway[3]);
}

bool CVRXPageNetConnectionSetting::SendNetInfoSettingCommand() {
    ReadControls();
    WriteLog("SendNetInfoSettingCommand : START");

    int type = 0;
    if (m_stNetInfo.strNetworkType == m_strWired)
        type = VRX_WIRED_PRINTER;
    else if (m_stNetInfo.strNetworkType == m_strWireless)
        type = VRX_WIRELESS_PRINTER;
    else {
        WriteLog("SendNetInfoSettingCommand : unknown printer type %s", m_stNetInfo.strNetworkType.c_str());
        WriteLog("SendNetInfoSettingCommand : END");
        return false;
    }

    std::vector<std::uint8_t> message;
    int networkInterface = 0;
    if (type == VRX_WIRED_PRINTER) {
        ETHERNET_INFO& record = m_stNetInfo.stEthernetInfo;
        WriteUserValues(record, "stEthernetInfo");
        message = BuildWiredSettingsMessage(record);
        networkInterface = record.byLocalNetworkInterface;
    } else {
        WLAN_INFO& record = m_stNetInfo.stWLANInfo;
        WriteUserValues(record, "stWLANInfo");
        if (record.Mask[0] & VRX_MASK_SYSTEM_NAME) {
            WriteLog("SendNetInfoSettingCommand : m_strSystemName = %s", m_strSystemName.c_str());
            if (!m_strSystemName.empty()) {
                m_strSystemName = std::string(TrimmedSystemName(m_strSystemName));
                // The name's bytes with the terminating zero.
                WriteLog("SendNetInfoSettingCommand : dwAnsiLength = %d",
                         static_cast<int>(m_strSystemName.size() + 1));
            }
            EncodeSystemName(m_strSystemName, record.SystemName);
            WriteLog("SendNetInfoSettingCommand : copy 93 bytes");
        } else {
            WriteLog("SendNetInfoSettingCommand : copy 29 bytes");
        }
        message = BuildWirelessSettingsMessage(record);
        networkInterface = record.byLocalNetworkInterface;
    }

    const bool result =
        m_endpoint.SetQlinkInfo(networkInterface, type, message.data(), static_cast<int>(message.size()));
    if (result)
        WriteLog("SendNetInfoSettingCommand : SetQlinkInfo succeeded");
    WriteLog("SendNetInfoSettingCommand : END");
    return result;
}
