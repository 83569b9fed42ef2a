#include "ui/CVRXPageWLanAdvConnectDevice.h"

#include "app/CheckOS.h"
#include "app/DiagnosticLog.h"
#include "app/Preferences.h"
#include "app/StringTable.h"
#include "devport/DeviceEnumeration.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// The defaults the serial lists take whenever they are filled.
constexpr int kDefaultBaudRate = 7;    // "115200"
constexpr int kDefaultDataBits = 3;    // "8"
constexpr int kDefaultParity = 2;      // "None"
constexpr int kDefaultStopBits = 0;    // "1"
constexpr int kDefaultFlowControl = 0; // "Hardware"

std::uint32_t ItemNumber(const std::vector<std::string>& items, int selected, std::uint32_t fallback) {
    if (selected < 0 || selected >= static_cast<int>(items.size()))
        return fallback;
    return static_cast<std::uint32_t>(
        std::strtoul(items[static_cast<size_t>(selected)].c_str(), nullptr, 10));
}

std::uint32_t ItemIndex(int selected, std::uint32_t fallback) {
    return selected < 0 ? fallback : static_cast<std::uint32_t>(selected);
}

// The item of items that reads as number, or -1.
int ItemOfNumber(const std::vector<std::string>& items, int number) {
    const auto found = std::find(items.begin(), items.end(), std::to_string(number));
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

// A list item 0..2, or -1 for anything else.
int ItemOfThree(int value) {
    return value >= 0 && value <= 2 ? value : -1;
}

std::optional<int> ReadNumber(const char* key) {
    const auto text = VRXReadConfigurationInfoFromFile(key);
    if (!text)
        return std::nullopt;
    return ParseProfileInt(*text);
}

} // namespace

const std::vector<std::string>& CVRXPageWLanAdvConnectDevice::BaudRateItems() {
    // 38400 twice, as items 4 and 5; either stores 38400.
    static const std::vector<std::string> items = {"2400",  "4800",  "9600",  "19200",
                                                   "38400", "38400", "57600", "115200"};
    return items;
}

const std::vector<std::string>& CVRXPageWLanAdvConnectDevice::DataBitsItems() {
    static const std::vector<std::string> items = {"5", "6", "7", "8"};
    return items;
}

const std::vector<std::string>& CVRXPageWLanAdvConnectDevice::StopBitsItems() {
    static const std::vector<std::string> items = {"1", "1.5", "2"};
    return items;
}

std::uint32_t CVRXPageWLanAdvConnectDevice::ParityValue(int item) {
    switch (item) {
    case 0:
        return 2; // even
    case 1:
        return 1; // odd
    default:
        return 0; // none
    }
}

CVRXPageWLanAdvConnectDevice::CVRXPageWLanAdvConnectDevice(IDeviceRecords& records, DevicePorts ports)
    : m_records(records), m_ports(ports) {}

void CVRXPageWLanAdvConnectDevice::Notify() {
    if (m_changeListener)
        m_changeListener();
}

void CVRXPageWLanAdvConnectDevice::OnInitDialog() {
    WriteLog("CVRXPageWLanAdvConnectDevice::OnInitDialog : START");
    m_nOSVersion = CheckOS();
    m_controls.title = LoadString(StringId::DeviceConnection);
    m_strNoPorts = LoadString(StringId::NoAvailablePorts);
    m_parityTexts = {LoadString(StringId::ParityEven), LoadString(StringId::ParityOdd),
                     LoadString(StringId::ParityNone)};
    m_flowTexts = {LoadString(StringId::FlowControlHardware), LoadString(StringId::FlowControlXonXoff),
                   LoadString(StringId::FlowControlNone)};
    LoadRemembered();
    if (m_remembered.interfaceChoice == kInterfaceSerial)
        m_controls.interfaceChoice = kInterfaceSerial;
    FillControls();
    m_controls.timerRunning = true;
    WriteLog("CVRXPageWLanAdvConnectDevice::OnInitDialog : END");
    Notify();
}

void CVRXPageWLanAdvConnectDevice::FillControls() {
    Controls& c = m_controls;
    for (ListControl* list : {&c.port, &c.baudRate, &c.dataBits, &c.parity, &c.stopBits, &c.flowControl})
        *list = {};
    c.port.items = {m_strNoPorts};
    c.port.selected = 0;
    c.portText = m_strNoPorts;
    c.portEditable = c.interfaceChoice == kInterfaceSerial;
    c.connectEnabled = false;
    c.serialSettingsVisible = false;

    if (c.interfaceChoice == kInterfaceSerial) {
        std::vector<std::string> ports = GetSerialPortPaths(m_records);
        WriteLog("CVRXPageWLanAdvConnectDevice::FillControls : serial ports = %d",
                 static_cast<int>(ports.size()));
        // Only the port the user chose before is offered, first in the list; otherwise the field stays empty.
        const std::string& remembered =
            m_remembered.interfaceChoice == kInterfaceSerial ? m_remembered.port : std::string();
        if (!remembered.empty()) {
            const auto found = std::find(ports.begin(), ports.end(), remembered);
            if (found != ports.end())
                std::rotate(ports.begin(), found, found + 1);
        }
        if (!ports.empty()) {
            c.port.items = ports;
            c.port.selected = -1;
            c.portText.clear();
        }
        if (!remembered.empty()) {
            c.portText = remembered;
            c.port.selected = !ports.empty() && ports.front() == remembered ? 0 : -1;
        }
        UpdateConnectForTypedPort();
        const auto pick = [](int remembered, int fallback) {
            return remembered >= 0 ? remembered : fallback;
        };
        c.baudRate = {BaudRateItems(), pick(m_remembered.baudRate, kDefaultBaudRate)};
        c.dataBits = {DataBitsItems(), pick(m_remembered.dataBits, kDefaultDataBits)};
        c.parity = {m_parityTexts, pick(m_remembered.parity, kDefaultParity)};
        c.stopBits = {StopBitsItems(), pick(m_remembered.stopBits, kDefaultStopBits)};
        c.flowControl = {m_flowTexts, pick(m_remembered.flowControl, kDefaultFlowControl)};
        c.serialSettingsVisible = true;
        return;
    }

    if (!GetAllUsbDevicePath(m_records, strUsbDevList))
        return;
    m_usbNames.clear();
    c.port.items.clear();
    c.connectEnabled = true;
    for (const std::string& path : strUsbDevList)
        c.port.items.push_back(UsbDisplayName(path, m_usbNames));
    c.port.selected = 0;
    if (m_remembered.interfaceChoice == kInterfaceUsb) {
        const auto found = std::find(strUsbDevList.begin(), strUsbDevList.end(), m_remembered.port);
        if (found != strUsbDevList.end())
            c.port.selected = static_cast<int>(found - strUsbDevList.begin());
    }
    c.portText = c.port.items[static_cast<size_t>(c.port.selected)];
}

void CVRXPageWLanAdvConnectDevice::LoadRemembered() {
    m_remembered = {};
    const auto interfaceChoice = ReadNumber(kKeyInterface);
    const auto port = VRXReadConfigurationInfoFromFile(kKeyPort, 4096);
    if (!interfaceChoice || (*interfaceChoice != kInterfaceUsb && *interfaceChoice != kInterfaceSerial) ||
        !port)
        return;
    m_remembered.interfaceChoice = *interfaceChoice;
    m_remembered.port = *port;
    if (const auto baud = ReadNumber(kKeyBaudRate))
        m_remembered.baudRate = ItemOfNumber(BaudRateItems(), *baud);
    if (const auto data = ReadNumber(kKeyDataBits))
        m_remembered.dataBits = ItemOfNumber(DataBitsItems(), *data);
    if (const auto parity = ReadNumber(kKeyParity)) // the value back to its item: 2 even, 1 odd, 0 none
        m_remembered.parity = *parity == 2 ? 0 : *parity == 1 ? 1 : *parity == 0 ? 2 : -1;
    if (const auto stop = ReadNumber(kKeyStopBits))
        m_remembered.stopBits = ItemOfThree(*stop);
    if (const auto flow = ReadNumber(kKeyFlowControl))
        m_remembered.flowControl = ItemOfThree(*flow);
    WriteLog("CVRXPageWLanAdvConnectDevice::LoadRemembered : interface = %d, port = %s",
             m_remembered.interfaceChoice, m_remembered.port.c_str());
}

void CVRXPageWLanAdvConnectDevice::Remember() const {
    const DEVICE_OPTION& d = m_stDevOption;
    bool written = VRXWriteConfigurationInfoFromFile(kKeyInterface, std::to_string(d.dwInterfaceType)) &&
                   VRXWriteConfigurationInfoFromFile(kKeyPort, d.strPort);
    if (written && d.dwInterfaceType == kInterfaceSerial) {
        for (const auto& [key, value] :
             {std::pair{kKeyBaudRate, d.dwBaudRate}, std::pair{kKeyDataBits, d.dwDataBits},
              std::pair{kKeyParity, d.dwParity}, std::pair{kKeyStopBits, d.dwStopBits},
              std::pair{kKeyFlowControl, d.dwFlowControl}})
            written = written && VRXWriteConfigurationInfoFromFile(key, std::to_string(value));
    }
    if (!written)
        WriteLog("CVRXPageWLanAdvConnectDevice::Remember : VRXWriteConfigurationInfoFromFile failed.");
}

void CVRXPageWLanAdvConnectDevice::OnTimer() {
    if (IsEnded() || m_controls.interfaceChoice != kInterfaceUsb)
        return;
    std::vector<std::string> fresh;
    GetAllUsbDevicePath(m_records, fresh);
    const bool changed =
        fresh.empty() || fresh.size() != strUsbDevList.size() ||
        std::any_of(fresh.begin(), fresh.end(), [this](const std::string& path) {
            return std::find(strUsbDevList.begin(), strUsbDevList.end(), path) == strUsbDevList.end();
        });
    if (!changed)
        return;
    FillControls();
    Notify();
}

void CVRXPageWLanAdvConnectDevice::OnBnClickedRadioUsb() {
    if (IsEnded() || m_controls.interfaceChoice == kInterfaceUsb)
        return;
    m_controls.interfaceChoice = kInterfaceUsb;
    FillControls();
    Notify();
}

void CVRXPageWLanAdvConnectDevice::OnBnClickedRadioSerial() {
    if (IsEnded() || m_controls.interfaceChoice == kInterfaceSerial)
        return;
    m_controls.interfaceChoice = kInterfaceSerial;
    strUsbDevList.clear();
    FillControls();
    Notify();
}

void CVRXPageWLanAdvConnectDevice::OnPortSelected(int index) {
    Controls& c = m_controls;
    if (index < 0 || index >= static_cast<int>(c.port.items.size()))
        return;
    c.port.selected = index;
    c.portText = c.port.items[static_cast<size_t>(index)];
    if (c.interfaceChoice == kInterfaceSerial)
        UpdateConnectForTypedPort();
    Notify();
}

void CVRXPageWLanAdvConnectDevice::OnPortTextEdited(const std::string& text) {
    Controls& c = m_controls;
    if (!c.portEditable)
        return;
    c.portText = text;
    const auto found = std::find(c.port.items.begin(), c.port.items.end(), text);
    c.port.selected = found == c.port.items.end() ? -1 : static_cast<int>(found - c.port.items.begin());
    UpdateConnectForTypedPort();
    Notify();
}

void CVRXPageWLanAdvConnectDevice::ReadControls(const ShownControls& shown) {
    if (IsEnded())
        return;
    if (shown.interfaceChoice != m_controls.interfaceChoice) {
        // A choice the dialog did not hear of: the lists are filled for it, and Connect tests what they
        // offer.
        if (shown.interfaceChoice == kInterfaceSerial)
            OnBnClickedRadioSerial();
        else if (shown.interfaceChoice == kInterfaceUsb)
            OnBnClickedRadioUsb();
        return;
    }
    Controls& c = m_controls;
    if (c.portEditable) {
        c.portText = shown.portText;
        const auto found = std::find(c.port.items.begin(), c.port.items.end(), c.portText);
        c.port.selected = found == c.port.items.end() ? -1 : static_cast<int>(found - c.port.items.begin());
        UpdateConnectForTypedPort();
    } else if (shown.portIndex >= 0 && shown.portIndex < static_cast<int>(c.port.items.size())) {
        c.port.selected = shown.portIndex;
        c.portText = c.port.items[static_cast<size_t>(shown.portIndex)];
    }
    const std::pair<ListControl*, int> lists[] = {{&c.baudRate, shown.baudRate},
                                                  {&c.dataBits, shown.dataBits},
                                                  {&c.parity, shown.parity},
                                                  {&c.stopBits, shown.stopBits},
                                                  {&c.flowControl, shown.flowControl}};
    for (const auto& [list, index] : lists)
        if (index >= 0 && index < static_cast<int>(list->items.size()))
            list->selected = index;
    Notify();
}

void CVRXPageWLanAdvConnectDevice::UpdateConnectForTypedPort() {
    // Any path the user typed is tried as it stands; only the placeholder and nothing at all are no port.
    m_controls.connectEnabled = !m_controls.portText.empty() && m_controls.portText != m_strNoPorts;
}

CVRXPageWLanAdvConnectDevice::ListControl* CVRXPageWLanAdvConnectDevice::ListOf(int controlId) {
    switch (controlId) {
    case IDC_COMBO_BAUDRATE:
        return &m_controls.baudRate;
    case IDC_COMBO_DATABITS:
        return &m_controls.dataBits;
    case IDC_COMBO_PARITY:
        return &m_controls.parity;
    case IDC_COMBO_STOPBITS:
        return &m_controls.stopBits;
    case IDC_COMBO_FLOWCONTROL:
        return &m_controls.flowControl;
    default:
        return nullptr;
    }
}

void CVRXPageWLanAdvConnectDevice::OnListSelected(int controlId, int index) {
    ListControl* list = ListOf(controlId);
    if (!list || index < 0 || index >= static_cast<int>(list->items.size()))
        return;
    list->selected = index;
    Notify();
}

void CVRXPageWLanAdvConnectDevice::UpdateDeviceOptionStructure() {
    const Controls& c = m_controls;
    DEVICE_OPTION& d = m_stDevOption;
    d.dwInterfaceType = static_cast<std::uint32_t>(c.interfaceChoice);
    if (c.interfaceChoice == kInterfaceUsb) {
        const auto found = m_usbNames.find(c.portText);
        d.strPort = found == m_usbNames.end() ? std::string() : found->second;
    } else {
        d.strPort = c.portText;
        d.dwBaudRate = ItemNumber(c.baudRate.items, c.baudRate.selected, d.dwBaudRate);
        d.dwDataBits = ItemNumber(c.dataBits.items, c.dataBits.selected, d.dwDataBits);
        d.dwParity = c.parity.selected < 0 ? d.dwParity : ParityValue(c.parity.selected);
        d.dwStopBits = ItemIndex(c.stopBits.selected, d.dwStopBits);
        d.dwFlowControl = ItemIndex(c.flowControl.selected, d.dwFlowControl);
    }
    d.stTimeouts = COMM_TIMEOUTS_MS{};
    d.dwInBufSize = 8149;
    d.dwOutBufSize = 8149;

    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.strPort = %s", d.strPort.c_str());
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwInterfaceType = %u", d.dwInterfaceType);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwBaudRate = %u", d.dwBaudRate);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwDataBits = %u", d.dwDataBits);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwStopBits = %u", d.dwStopBits);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwParity = %u", d.dwParity);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwFlowControl = %u", d.dwFlowControl);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.stTimeouts = %u, %u, %u, %u, %u",
             d.stTimeouts.dwReadIntervalTimeout, d.stTimeouts.dwReadTotalTimeoutMultiplier,
             d.stTimeouts.dwReadTotalTimeoutConstant, d.stTimeouts.dwWriteTotalTimeoutMultiplier,
             d.stTimeouts.dwWriteTotalTimeoutConstant);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwInBufSize = %u", d.dwInBufSize);
    WriteLog("UpdateDeviceOptionStructure : m_stDevOption.dwOutBufSize = %u", d.dwOutBufSize);
}

bool CVRXPageWLanAdvConnectDevice::CheckDeviceConnection() {
    WriteLog("CheckDeviceConnection : START");
    bool connected = false;
    m_openFailure = {};
    CPortMng* port = m_ports.ForInterface(m_stDevOption.dwInterfaceType);
    if (!port) {
        WriteLog("CheckDeviceConnection : pPort is NULL");
        m_openFailure.reason = PortOpenReason::Other;
    } else if (!port->SetDeviceOption(m_stDevOption)) {
        // Opening now would try the port of an earlier choice. (An empty USB choice is a printer that
        // went away.)
        WriteLog("CheckDeviceConnection : SetDeviceOption failed.");
        m_openFailure.reason = PortOpenReason::NotFound;
    } else if (port->OpenPort()) {
        port->ClosePort();
        connected = true;
    } else {
        m_openFailure = port->LastOpenFailure();
        if (!m_openFailure.Failed()) // a port that cannot tell why
            m_openFailure.reason = PortOpenReason::Other;
    }
    if (!connected) {
        m_openFailure.dwInterfaceType = m_stDevOption.dwInterfaceType;
        if (m_openFailure.path.empty())
            m_openFailure.path = m_stDevOption.strPort.empty() ? m_controls.portText : m_stDevOption.strPort;
        WriteLog("CheckDeviceConnection : %s", PortOpenFailureLogText(m_openFailure).c_str());
    }
    WriteLog("CheckDeviceConnection : END");
    return connected;
}

void CVRXPageWLanAdvConnectDevice::OnBnClickedConnectBtn() {
    if (IsEnded() || !m_controls.connectEnabled)
        return;
    WriteLog("OnBnClickedConnectBtn : START");
    m_controls.timerRunning = false;
    UpdateDeviceOptionStructure();
    const bool bResult = CheckDeviceConnection();
    WriteLog("OnBnClickedConnectBtn : bResult = %d", bResult ? 1 : 0);
    if (bResult) {
        WriteLog("OnBnClickedConnectBtn : OpenPort succeeded.");
        Remember();
    } else {
        WriteLog("OnBnClickedConnectBtn : OpenPort failed.");
    }
    WriteLog("OnBnClickedConnectBtn : END");
    End(bResult ? kResultConnected : kResultOpenFailed);
}

void CVRXPageWLanAdvConnectDevice::OnEnter() {
    if (m_controls.connectEnabled)
        OnBnClickedConnectBtn();
}

void CVRXPageWLanAdvConnectDevice::OnCancel() {
    if (IsEnded())
        return;
    m_controls.timerRunning = false;
    End(kResultCancelled);
}

void CVRXPageWLanAdvConnectDevice::End(int result) {
    m_nResult = result;
    Notify();
}
