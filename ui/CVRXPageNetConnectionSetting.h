#pragma once

#include "netsearch/INetworkEndpoint.h"
#include "netsearch/PrinterRecords.h"
#include "ui/ICursor.h"
#include "ui/IMainWindowMessages.h"
#include "ui/IMessageBox.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// The network settings page: the user edits a printer's IP settings (DHCP or a fixed address, subnet mask,
// gateway, printing port, inactivity time and, for wireless printers that have one, the system name) and
// saves them to the printer over UDP.
//
// The page's controls are plain state here; the Qt view mirrors that state and forwards the user's
// actions. ReadControls and WriteControls are the data exchange between the controls and the members.
class CVRXPageNetConnectionSetting {
public:
    // Control identifiers of the page.
    enum ControlId : int {
        IDC_PAGE = 0, // the page itself
        IDC_RADIO_MANUAL = 1041,
        IDC_RADIO_DHCP = 1042,
        IDC_IPADDRESS_IP = 1119,
        IDC_IPADDRESS_SUBNET = 1120,
        IDC_IPADDRESS_GATEWAY = 1121,
        IDC_BTN_SAVE = 1126,
        IDC_BTN_CANCEL = 1127,
        IDC_EDIT_PORT_NUMBER = 1128,
        IDC_EDIT_INACTIVE_TIME = 1129,
        IDC_EDIT_SYSTEM_NAME = 1130,
        IDC_GROUP_SYSTEM_NAME = 1162,
        IDC_STATIC_SYSTEM_NAME = 1163,
    };

    // Address modes of the radio group that starts with the DHCP button.
    static constexpr int kIpModeDhcp = 0;
    static constexpr int kIpModeManual = 1;

    // Most characters the edit fields take.
    static constexpr int kPortNumberChars = 5;
    static constexpr int kInactiveTimeChars = 4;
    static constexpr int kSystemNameChars = 64;

    struct Rect {
        int x = 0, y = 0, width = 0, height = 0;
        int bottom() const { return y + height; }
        bool operator==(const Rect&) const = default;
    };

    // The page's fixed geometry, in pixels from the page's top left corner. Save and Cancel move with the
    // visibility of the system-name group (see SetPrinterNetworkInfo).
    struct Layout {
        static constexpr int kWidth = 560;
        static constexpr int kHeight = 430;
        static constexpr Rect kSystemNameGroup{12, 308, 536, 64};
        static constexpr Rect kSaveButton{328, 375, 106, 30};
        static constexpr Rect kCancelButton{442, 375, 106, 30};
    };

    struct EditControl {
        std::string text; // UTF-8
        bool enabled = true;
        bool visible = true;
    };

    struct AddressControl {
        std::array<std::uint8_t, 4> address{}; // first octet first; an empty field counts as 0
        bool enabled = true;
    };

    // Everything the view shows.
    struct Controls {
        int checkedMode = kIpModeDhcp; // which radio button of the mode group is checked
        AddressControl ipAddress;
        AddressControl subnetMask;
        AddressControl gateway;
        EditControl portNumber;
        EditControl inactiveTime;
        EditControl systemName;
        bool systemNameGroupVisible = true; // group box 1162
        bool systemNameLabelVisible = true; // label 1163
        Rect saveButton = Layout::kSaveButton;
        Rect cancelButton = Layout::kCancelButton;
        int focus = IDC_PAGE;     // the control that was last given the focus
        unsigned focusSerial = 0; // counts focus requests, so that a repeated one is seen too
    };

    CVRXPageNetConnectionSetting(INetworkEndpoint& endpoint, IMessageBox& messages, ICursor& cursor,
                                 IMainWindowMessages& mainWindow);

    // Prepares the page for one printer (the main window's "open the settings of a printer").
    void SetPrinterNetworkInfo(PRINTER_NETWORK_INFO record);

    // The user's actions, forwarded by the view. The edit handlers take the field's new text; the number
    // fields are checked at Save, never while the user types.
    void OnBnClickedRadioDhcp();
    void OnBnClickedRadioManual();
    void OnEnChangeEditPortNumber(const std::string& text);
    void OnEnChangeEditInactiveTime(const std::string& text);
    void OnEnChangeEditSystemName(const std::string& text);
    // An address control's new value (id: one of the three IDC_IPADDRESS_...).
    void OnAddressChanged(int id, const std::array<std::uint8_t, 4>& address);
    void OnBnClickedBtnSave();
    // Cancel button and the Escape key: back to the printer list without a search.
    void OnBnClickedBtnCancel();

    // Checks the input against the printer's record; false when the address cannot be used or nothing
    // changed. In manual mode the subnet mask must be contiguous and the address neither the network nor
    // the broadcast address of its subnet.
    bool NetInfoDataValidation();
    // Writes the input into the printer's record and sends it to the printer; true when it went out.
    bool SendNetInfoSettingCommand();

    // Data exchange: controls into members (false, with a message that names the field's range, when the
    // port or the inactivity time is no number or out of range; the members then keep their values and the
    // field its text) and members into controls.
    bool ReadControls();
    void WriteControls();

    const Controls& GetControls() const { return m_controls; }
    // Called after every change of the controls' state.
    void SetChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }
    // Called after a save went out: the printer's MAC address, the address it had, and the one it was given
    // ("" when DHCP gives it a new one), so that print queues can be asked about.
    using AddressChangeListener =
        std::function<void(const std::string& mac, const std::string& oldIp, const std::string& newIp)>;
    void SetAddressChangeListener(AddressChangeListener listener) {
        m_addressChangeListener = std::move(listener);
    }

    const PRINTER_NETWORK_INFO& GetNetInfo() const { return m_stNetInfo; }
    int GetIpMode() const { return m_nIpMode; }
    std::uint32_t GetPortNumber() const { return m_dwPortNumber; }
    std::uint32_t GetInactiveTime() const { return m_dwInactiveTime; }
    const std::string& GetSystemName() const { return m_strSystemName; }

private:
    AddressControl* FindAddressControl(int id);
    void EnableAddressControls(bool enable);
    void SetFocus(int id);
    void Changed();
    bool HasSystemNameGroup() const;
    // The length message for a name that is empty, over 64 characters or over the 64 bytes of the field;
    // false when the name passes.
    bool RefuseSystemNameLength();

    template <typename Record> void WriteUserValues(Record& record, const char* partName);

    INetworkEndpoint& m_endpoint;
    IMessageBox& m_messages;
    ICursor& m_cursor;
    IMainWindowMessages& m_mainWindow;

    PRINTER_NETWORK_INFO m_stNetInfo;
    int m_nIpMode = kIpModeDhcp;
    std::uint32_t m_dwPortNumber = 0;
    std::uint32_t m_dwInactiveTime = 0;
    std::string m_strSystemName;
    // Set by a save that went ahead until the page is prepared for a printer again: a click queued while
    // the exchange ran must not save a second time.
    bool m_bSaveWentAhead = false;
    // Set by NetInfoDataValidation when it refused a value with a message (as against nothing changed):
    // the user stays on the page to correct it.
    bool m_bInputRefused = false;

    std::string m_strInvalidPortNumber;           // 113
    std::string m_strSaveQuestion;                // 114
    std::string m_strSaveFailed;                  // 115
    std::string m_strSystemNameLengthError;       // 117
    std::string m_strWired;                       // 118
    std::string m_strWireless;                    // 119
    std::string m_strIpAddressCannotBeUsed;       // 120
    std::string m_strSubnetMaskNotContiguous;     // 320
    std::string m_strAddressIsNetworkOrBroadcast; // 321
    std::string m_strGatewayOutsideSubnet;        // 322

    Controls m_controls;
    std::function<void()> m_changeListener;
    AddressChangeListener m_addressChangeListener;
};
