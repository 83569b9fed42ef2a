#pragma once

#include "devport/DEVICE_OPTION.h"
#include "devport/DevicePorts.h"
#include "devport/IDeviceRecords.h"
#include "devport/PortOpenFailure.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// The connection dialog: the user picks how the printer is attached (USB or a serial line), a port and,
// for a serial line, its settings; Connect proves the choice by opening and closing the port, which leaves
// the settings stored in the port object for every later device operation.
//
// The dialog's controls are plain state here; the Qt view mirrors that state and forwards the user's
// actions. While the dialog is up and USB is chosen, a 5 s timer lists the USB printers again and fills the
// controls anew when they changed.
//
// A successful Connect is remembered in the preferences (the keys below) and offered first the next time:
// the interface, the port (a serial path, or a USB printer's identity) and the serial line's settings. A
// serial port is never chosen for the user otherwise: the Port field stays empty until one is picked or
// typed.
class CVRXPageWLanAdvConnectDevice {
public:
    enum ControlId : int {
        IDC_TITLE = 1125,
        IDC_BTN_CANCEL = 1126,
        IDC_BTN_CONNECT = 1127,
        IDC_RADIO_USB = 1137,
        IDC_RADIO_SERIAL = 1138,
        IDC_COMBO_PORT = 1140,
        IDC_COMBO_BAUDRATE = 1146,
        IDC_COMBO_DATABITS = 1147,
        IDC_COMBO_PARITY = 1148,
        IDC_COMBO_STOPBITS = 1149,
        IDC_COMBO_FLOWCONTROL = 1150,
    };

    // How the dialog ends.
    enum Result : int {
        kResultNone = 0,       // still up
        kResultConnected = 1,  // the port opened and was closed again
        kResultOpenFailed = 2, // the port cannot be opened
        kResultCancelled = 3,  // Cancel or Escape
    };

    // Preferences keys of the last successful connection. Interface 0 USB, 1 serial; the port as
    // DEVICE_OPTION's strPort; the line as DEVICE_OPTION's numbers (baud rate and data bits; parity 0 none,
    // 1 odd, 2 even; stop bits 0 = 1, 1 = 1.5, 2 = 2; flow control 0 hardware, 1 Xon/Xoff, 2 none).
    static constexpr const char* kKeyInterface = "DeviceInterface";
    static constexpr const char* kKeyPort = "DevicePort";
    static constexpr const char* kKeyBaudRate = "DeviceBaudRate";
    static constexpr const char* kKeyDataBits = "DeviceDataBits";
    static constexpr const char* kKeyParity = "DeviceParity";
    static constexpr const char* kKeyStopBits = "DeviceStopBits";
    static constexpr const char* kKeyFlowControl = "DeviceFlowControl";

    static constexpr int kInterfaceUsb = 0;
    static constexpr int kInterfaceSerial = 1;
    static constexpr int kTimerId = 0;
    static constexpr int kTimerMilliseconds = 5000;

    struct ListControl {
        std::vector<std::string> items;
        int selected = -1;
        bool operator==(const ListControl&) const = default;
    };

    // Everything the view shows.
    struct Controls {
        std::string title;
        int interfaceChoice = kInterfaceUsb;
        // The Port list. For a serial line it is editable: portText is what its field holds, typed or
        // selected; for USB it is the selected entry.
        ListControl port;
        std::string portText;
        bool portEditable = false;
        ListControl baudRate, dataBits, parity, stopBits, flowControl;
        bool serialSettingsVisible = false; // the five serial lists and their labels
        bool connectEnabled = false;
        bool timerRunning = false;
    };

    // records: where the attached printers and serial ports are listed; ports: what Connect tests.
    CVRXPageWLanAdvConnectDevice(IDeviceRecords& records, DevicePorts ports);

    // The dialog's initialisation: texts, controls, the timer.
    void OnInitDialog();
    // Timer 0: while USB is chosen, the USB printers are listed afresh and the controls filled again when
    // the list changed.
    void OnTimer();

    void OnBnClickedRadioUsb();
    void OnBnClickedRadioSerial();
    // The user picked entry index of the Port list.
    void OnPortSelected(int index);
    // The user typed into the Port list's field (serial only).
    void OnPortTextEdited(const std::string& text);
    // The user picked entry index of one of the five serial lists.
    void OnListSelected(int controlId, int index);

    // What the view's controls hold, read when Connect or Enter is pressed: text put into the Port field or
    // a choice made in any other way than the events above (an assistive tool) counts as the user's.
    struct ShownControls {
        int interfaceChoice = kInterfaceUsb;
        std::string portText; // the Port field's text (serial) or the selected entry's (USB)
        int portIndex = -1;
        int baudRate = -1, dataBits = -1, parity = -1, stopBits = -1, flowControl = -1;
    };
    void ReadControls(const ShownControls& shown);

    // Connect: fills the settings from the controls, tests the port, ends the dialog with 1 or 2.
    void OnBnClickedConnectBtn();
    // Enter presses Connect when Connect is enabled, and does nothing otherwise.
    void OnEnter();
    // Cancel, Escape or the window's close: ends the dialog with 3.
    void OnCancel();

    bool IsEnded() const { return m_nResult != kResultNone; }
    int GetResult() const { return m_nResult; }
    const Controls& GetControls() const { return m_controls; }
    const DEVICE_OPTION& GetDeviceOption() const { return m_stDevOption; }
    // Why the port did not open when the dialog ended with 2 (no failure otherwise). The dialog shows no
    // message itself: its caller shows PortOpenAdvice(GetOpenFailure()).
    const PortOpenFailure& GetOpenFailure() const { return m_openFailure; }
    const std::vector<std::string>& GetUsbDeviceList() const { return strUsbDevList; }
    // Name in the Port list → USB identity.
    const std::map<std::string, std::string>& GetUsbNameTable() const { return m_usbNames; }
    int GetOSVersion() const { return m_nOSVersion; }

    // Called after every change of the controls or the result.
    void SetChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }

    // The texts and values of the serial lists.
    static const std::vector<std::string>& BaudRateItems();
    static const std::vector<std::string>& DataBitsItems();
    static const std::vector<std::string>& StopBitsItems();
    // The Parity entry's value (item 0 "Even" → 2, 1 "Odd" → 1, 2 "None" → 0).
    static std::uint32_t ParityValue(int item);

private:
    void FillControls();
    void UpdateDeviceOptionStructure();
    bool CheckDeviceConnection();
    void UpdateConnectForTypedPort();
    void End(int result);
    void Notify();
    void LoadRemembered();
    void Remember() const;
    ListControl* ListOf(int controlId);

    IDeviceRecords& m_records;
    DevicePorts m_ports;
    Controls m_controls;
    DEVICE_OPTION m_stDevOption;
    PortOpenFailure m_openFailure;
    std::vector<std::string> strUsbDevList;
    std::map<std::string, std::string> m_usbNames;
    std::string m_strNoPorts;
    std::vector<std::string> m_parityTexts, m_flowTexts;
    int m_nOSVersion = 0;
    // The last successful connection from the preferences (nothing remembered: interface -1).
    struct Remembered {
        int interfaceChoice = -1;
        std::string port;
        int baudRate = -1, dataBits = -1, parity = -1, stopBits = -1, flowControl = -1; // list items
    } m_remembered;
    int m_nResult = kResultNone;
    std::function<void()> m_changeListener;
};
