#include "ui/CVRXPageNetConnectionSetting.h"

#include "app/StringTable.h"

#include "CapturedLog.h"
#include "FakeCursor.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using Page = CVRXPageNetConnectionSetting;
using Bytes = std::vector<unsigned char>;

// The main window as the page sees it: every message goes into the journal, marked sent or posted.
class RecordingMainWindow : public IMainWindowMessages {
public:
    explicit RecordingMainWindow(std::vector<std::string>& journal) : m_journal(journal) {}
    int SendMessage(unsigned message, const void*, const void*) override {
        m_journal.push_back("send " + Name(message));
        return 1;
    }
    void PostMessage(unsigned message, const void*, const void*) override {
        m_journal.push_back("post " + Name(message));
    }

private:
    static std::string Name(unsigned message) {
        switch (message) {
        case MainWindowMessage::M3:
            return "M3";
        case MainWindowMessage::M4:
            return "M4";
        default:
            return std::to_string(message);
        }
    }
    std::vector<std::string>& m_journal;
};

// A wired printer at 192.0.2.50/24, gateway 192.0.2.1, port 9100, inactivity 300 s, fixed address, found on
// interface 2.
ETHERNET_INFO WiredRecord() {
    ETHERNET_INFO info{};
    const std::uint8_t bytes[28] = {0x00, 0x80, 0x92, 0x11, 0x22, 0x33, // MAC
                                    192,  0,    2,    50,               // Ip
                                    255,  255,  255,  0,                // Subnet
                                    192,  0,    2,    1,                // Gateway
                                    0x23, 0x8C,                         // Port 9100
                                    7,                                  // Baudrate
                                    3,    14,                           // FwVer
                                    0,                                  // Dhcp
                                    0x01, 0x2C,                         // I_activeTime 300
                                    1,                                  // Http
                                    2};                                 // interface
    std::memcpy(&info, bytes, sizeof info);
    return info;
}

// A wireless printer at 198.51.100.20/24 with mask bits 0x91 0x05, found on interface 1; the system name
// (and bit 0x80) only when name is given.
WLAN_INFO WirelessRecord(const std::string& name = "Label-Lab-7", std::uint8_t mask0 = 0x91) {
    WLAN_INFO info{};
    const std::uint8_t bytes[29] = {0x00,  0x80, 0x92, 0xAA, 0xBB, 0xCC, // MAC
                                    198,   51,   100,  20,               // Ip
                                    255,   255,  255,  0,                // Subnet
                                    198,   51,   100,  1,                // Gateway
                                    0x02,  0x03,                         // Port 515
                                    9,                                   // Baudrate
                                    2,     7,                            // FwVer
                                    1,                                   // Dhcp
                                    0x00,  0x3C,                         // I_activeTime 60
                                    0,                                   // Http
                                    mask0,                               // Mask[0]
                                    0x05};                               // Mask[1]
    std::memcpy(&info, bytes, sizeof bytes);
    name.copy(reinterpret_cast<char*>(info.SystemName), sizeof info.SystemName);
    info.byLocalNetworkInterface = 1;
    return info;
}

PRINTER_NETWORK_INFO WiredPrinter(const ETHERNET_INFO& info = WiredRecord()) {
    return MakePrinterNetworkInfo(info, LoadString(StringId::SettingsWired));
}
PRINTER_NETWORK_INFO WirelessPrinter(const WLAN_INFO& info = WirelessRecord()) {
    return MakePrinterNetworkInfo(info, LoadString(StringId::SettingsWireless));
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}
Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}
Bytes NameField(const std::string& name) {
    Bytes field(64, 0);
    std::copy_n(name.begin(), std::min<size_t>(name.size(), 64), field.begin());
    return field;
}

class PageNetConnectionSettingTest : public ::testing::Test {
protected:
    void SetUp() override {
        messages.defaultAnswer = true;
        messages.onShow = [this](const FakeMessageBox::Shown& shown) {
            journal.push_back((shown.kind == FakeMessageBox::Kind::Question ? "ask " : "box ") + shown.text);
        };
    }

    std::vector<std::string> LogLines() const { return log.Lines(); }
    bool Logged(const std::string& line) const { return log.Contains(line); }

    const Page::Controls& controls() const { return page.GetControls(); }
    std::vector<FakeNetworkEndpoint::SentMessage> sent() const { return endpoint.SentMessages(); }

    CapturedLog log;
    std::vector<std::string> journal;
    FakeNetworkEndpoint endpoint;
    FakeMessageBox messages;
    FakeCursor cursor;
    RecordingMainWindow mainWindow{journal};
    Page page{endpoint, messages, cursor, mainWindow};
};

// ----- preparing the page for a printer -----

TEST_F(PageNetConnectionSettingTest,
       ShowsThePrintersValuesAndTheSystemNameGroupOnlyForANamedWirelessPrinter) {
    const auto& group = Page::Layout::kSystemNameGroup;
    struct Case {
        const char* what;
        PRINTER_NETWORK_INFO record;
        bool nameGroup;
        std::string nameText;
    } cases[] = {
        {"wired", WiredPrinter(), false, ""},
        {"wireless with a name", WirelessPrinter(), true, "Label-Lab-7"},
        {"wireless without bit 0x80", WirelessPrinter(WirelessRecord("", 0x11)), false, "Label-Lab-7"},
        // The "Wireless" type text alone decides: a wired record with a name bit in the other part is wired.
        {"wired text, name bit in the other part",
         [] {
             auto r = WiredPrinter();
             r.stWLANInfo = WirelessRecord();
             return r;
         }(),
         false, "Label-Lab-7"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto record = c.record;
        page.SetPrinterNetworkInfo(c.record);
        EXPECT_EQ(controls().systemNameGroupVisible, c.nameGroup);
        EXPECT_EQ(controls().systemNameLabelVisible, c.nameGroup);
        EXPECT_EQ(controls().systemName.visible, c.nameGroup);
        EXPECT_EQ(controls().systemName.enabled, c.nameGroup);
        const int buttonsTop = c.nameGroup ? group.bottom() + 3 : group.y;
        EXPECT_EQ(controls().saveButton.y, buttonsTop);
        EXPECT_EQ(controls().cancelButton.y, buttonsTop);
        EXPECT_EQ(controls().saveButton.x, Page::Layout::kSaveButton.x);
        EXPECT_EQ(controls().cancelButton.x, Page::Layout::kCancelButton.x);
        // Without a group the name is the one kept from the named printer before.
        EXPECT_EQ(controls().systemName.text, c.nameText);
        EXPECT_EQ(page.GetNetInfo().strMACAddress, record.strMACAddress);
        EXPECT_EQ(controls().focus, Page::IDC_PAGE);
    }
}

TEST_F(PageNetConnectionSettingTest, ModeFromTheRecordEnablesOrDisablesTheAddressControls) {
    page.SetPrinterNetworkInfo(WiredPrinter());
    EXPECT_EQ(page.GetIpMode(), Page::kIpModeManual);
    EXPECT_EQ(controls().checkedMode, Page::kIpModeManual);
    EXPECT_TRUE(controls().ipAddress.enabled && controls().subnetMask.enabled && controls().gateway.enabled);
    EXPECT_EQ(controls().ipAddress.address, (std::array<std::uint8_t, 4>{192, 0, 2, 50}));
    EXPECT_EQ(controls().subnetMask.address, (std::array<std::uint8_t, 4>{255, 255, 255, 0}));
    EXPECT_EQ(controls().gateway.address, (std::array<std::uint8_t, 4>{192, 0, 2, 1}));
    EXPECT_EQ(controls().portNumber.text, "9100");
    EXPECT_EQ(controls().inactiveTime.text, "300");

    page.SetPrinterNetworkInfo(WirelessPrinter()); // Dhcp 1
    EXPECT_EQ(page.GetIpMode(), Page::kIpModeDhcp);
    EXPECT_EQ(controls().checkedMode, Page::kIpModeDhcp);
    EXPECT_FALSE(controls().ipAddress.enabled || controls().subnetMask.enabled || controls().gateway.enabled);
    EXPECT_EQ(controls().ipAddress.address, (std::array<std::uint8_t, 4>{198, 51, 100, 20}));
    EXPECT_EQ(controls().portNumber.text, "515");
    EXPECT_EQ(controls().inactiveTime.text, "60");

    page.OnBnClickedRadioManual();
    EXPECT_EQ(page.GetIpMode(), Page::kIpModeManual);
    EXPECT_TRUE(controls().ipAddress.enabled && controls().subnetMask.enabled && controls().gateway.enabled);
    page.OnBnClickedRadioDhcp();
    EXPECT_EQ(page.GetIpMode(), Page::kIpModeDhcp);
    EXPECT_FALSE(controls().ipAddress.enabled || controls().subnetMask.enabled || controls().gateway.enabled);
    EXPECT_TRUE(messages.shown().empty());
}

// ----- typing -----

// Typing never interrupts: an emptied field or a number out of range is text in the making. Save checks
// it, names the allowed range, focuses the field and keeps the typed text; nothing is sent.
TEST_F(PageNetConnectionSettingTest, NumberFieldsKeepWhatIsTypedAndAreCheckedAtSaveWithTheirRange) {
    struct Case {
        bool port;
        const char* typed;
        bool refused;
        std::uint32_t value; // what a save that goes ahead takes
    } cases[] = {
        {true, "", true, 0},          {true, "40000", true, 0},      {true, "32768", true, 0},
        {true, "99999", true, 0},     {true, "12a", true, 0},        {true, "   ", true, 0},
        {true, "-1", true, 0},        {true, "32767", false, 32767}, {true, "0", false, 0},
        {true, "00081", false, 81},   {true, " 515 ", false, 515},   {false, "", true, 0},
        {false, "5000", true, 0},     {false, "3601", true, 0},      {false, "x", true, 0},
        {false, "3600", false, 3600}, {false, "0", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.port ? "port " : "inactivity ") + '"' + c.typed + '"');
        FakeNetworkEndpoint endpoint;
        FakeMessageBox messages;
        messages.defaultAnswer = true;
        std::vector<std::string> journal;
        RecordingMainWindow mainWindow(journal);
        Page page(endpoint, messages, cursor, mainWindow);
        page.SetPrinterNetworkInfo(WiredPrinter());
        if (c.port) {
            page.OnEnChangeEditInactiveTime("301"); // something changed, so that an accepted value saves
            page.OnEnChangeEditPortNumber(c.typed);
        } else {
            page.OnEnChangeEditPortNumber("9101");
            page.OnEnChangeEditInactiveTime(c.typed);
        }
        EXPECT_TRUE(messages.shown().empty()) << "typing interrupted";
        // A number in range is taken over while typing; anything else leaves the value that stood.
        EXPECT_EQ(c.port ? page.GetPortNumber() : page.GetInactiveTime(),
                  c.refused ? (c.port ? 9100u : 300u) : c.value);
        EXPECT_EQ((c.port ? page.GetControls().portNumber : page.GetControls().inactiveTime).text, c.typed);

        page.OnBnClickedBtnSave();
        if (c.refused) {
            EXPECT_EQ(messages.Errors(),
                      std::vector<std::string>{c.port ? "Enter a port number from 0 to 32767."
                                                      : "Enter an inactivity time from 0 to 3600 seconds."});
            EXPECT_EQ(page.GetControls().focus,
                      c.port ? Page::IDC_EDIT_PORT_NUMBER : Page::IDC_EDIT_INACTIVE_TIME);
            EXPECT_EQ((c.port ? page.GetControls().portNumber : page.GetControls().inactiveTime).text,
                      c.typed)
                << "the typed text is kept for correcting";
            EXPECT_TRUE(endpoint.SentMessages().empty());
            EXPECT_TRUE(messages.Questions().empty());
            EXPECT_TRUE(journal.empty()); // the page stays
        } else {
            EXPECT_TRUE(messages.Errors().empty());
            EXPECT_EQ(c.port ? page.GetPortNumber() : page.GetInactiveTime(), c.value);
            EXPECT_EQ(endpoint.SentMessages().size(), 1u);
        }
    }
}

TEST_F(PageNetConnectionSettingTest, TheModeButtonsAndCancelDoNotCheckAFieldInTheMaking) {
    page.SetPrinterNetworkInfo(WiredPrinter());
    page.OnEnChangeEditPortNumber("");
    page.OnEnChangeEditInactiveTime("99999");
    page.OnBnClickedRadioManual();
    page.OnBnClickedRadioDhcp();
    page.OnEnChangeEditSystemName("Dock");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(controls().portNumber.text, "");
    EXPECT_EQ(controls().inactiveTime.text, "99999");
    page.OnBnClickedBtnCancel();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(journal, std::vector<std::string>{"send M4"});
}

TEST_F(PageNetConnectionSettingTest, SystemNameLengthIsCheckedInCharactersAndBytesWhileTyping) {
    page.SetPrinterNetworkInfo(WirelessPrinter());
    std::string accents, kanji21;
    for (int i = 0; i < 64; ++i)
        accents += "\xC3\xA9"; // é: 64 characters, 128 bytes
    for (int i = 0; i < 21; ++i)
        kanji21 += "\xE6\xBC\xA2"; // 漢: 21 characters, 63 bytes
    struct Case {
        std::string typed;
        std::string message; // "" for none
        std::string shown;   // what the field holds afterwards
    } cases[] = {
        {"", "SYSTEM NAME LENGTH ERROR (0)", ""},
        {"A", "", "A"},
        {std::string(64, 'n'), "", std::string(64, 'n')},
        {kanji21, "", kanji21},
        // More bytes than the printer's field holds: the length message with the bytes; the field keeps the
        // text, so that the user can shorten it.
        {kanji21 + "\xE6\xBC\xA2", "SYSTEM NAME LENGTH ERROR (66)", kanji21 + "\xE6\xBC\xA2"},
        {accents, "SYSTEM NAME LENGTH ERROR (128)", accents},
        // Longer than the field takes: the framework's message, and the name that stood is shown again.
        {std::string(65, 'x'), "Enter no more than 64 characters.", accents},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const size_t before = messages.shown().size();
        page.OnEnChangeEditSystemName(c.typed);
        if (c.message.empty()) {
            EXPECT_EQ(messages.shown().size(), before);
        } else {
            ASSERT_EQ(messages.shown().size(), before + 1);
            EXPECT_EQ(messages.shown().back().kind, FakeMessageBox::Kind::Error);
            EXPECT_EQ(messages.shown().back().text, c.message);
            EXPECT_EQ(controls().focus, Page::IDC_EDIT_SYSTEM_NAME);
        }
        EXPECT_EQ(controls().systemName.text, c.shown);
        EXPECT_EQ(page.GetSystemName(), c.shown);
    }
}

// What Save does with the name of a named wireless printer (everything else unchanged): a name is compared
// as it stands, blanks included, and one that needs more than the field's 64 bytes is refused.
TEST_F(PageNetConnectionSettingTest, SystemNameCasesOnSave) {
    std::string kanji64;
    for (int i = 0; i < 64; ++i)
        kanji64 += "\xE6\xBC\xA2"; // 漢
    const std::string bytes63 = "Label-" + std::string(57, 'x');
    enum class Result { Same, Sent, Refused };
    struct Case {
        const char* what;
        std::string stored;
        std::optional<std::string> typed; // nothing: the field keeps the stored name
        Result result;
        std::string sentName; // Sent: the name field of the message
        std::string message;  // Refused: the box
    } cases[] = {
        {"stored with a blank at the start", " Shelf", {}, Result::Same, "", ""},
        {"stored with a blank at the end", "Shelf ", {}, Result::Same, "", ""},
        {"stored with blanks at both ends", "  Shelf  ", {}, Result::Same, "", ""},
        {"a blank added at the end", "Shelf", "Shelf ", Result::Sent, "Shelf", ""},
        {"a blank added at the start", "Shelf", " Shelf", Result::Sent, "Shelf", ""},
        {"63 bytes exactly", "Shelf", bytes63, Result::Sent, bytes63, ""},
        {"63 bytes exactly, unchanged", bytes63, {}, Result::Same, "", ""},
        {"64 bytes exactly", "Shelf", std::string(64, 'q'), Result::Sent, std::string(64, 'q'), ""},
        {"64 CJK characters", "Shelf", kanji64, Result::Refused, "", "SYSTEM NAME LENGTH ERROR (192)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeMessageBox messages;
        messages.defaultAnswer = true;
        FakeNetworkEndpoint endpoint;
        std::vector<std::string> journal;
        RecordingMainWindow mainWindow(journal);
        Page page(endpoint, messages, cursor, mainWindow);
        page.SetPrinterNetworkInfo(WirelessPrinter(WirelessRecord(c.stored)));
        ASSERT_EQ(page.GetSystemName(), c.stored);
        if (c.typed)
            page.OnEnChangeEditSystemName(*c.typed);
        const size_t boxesBefore = messages.shown().size();
        page.OnBnClickedBtnSave();
        switch (c.result) {
        case Result::Same:
            EXPECT_TRUE(messages.shown().empty());
            EXPECT_EQ(journal, std::vector<std::string>{"send M3"});
            EXPECT_TRUE(endpoint.SentMessages().empty());
            break;
        case Result::Sent: {
            EXPECT_EQ(journal, std::vector<std::string>{"post M3"});
            ASSERT_EQ(endpoint.SentMessages().size(), 1u);
            const Bytes out = endpoint.SentMessages()[0].bytes;
            ASSERT_EQ(out.size(), 112u);
            EXPECT_EQ(Bytes(out.begin() + 47, out.begin() + 111), NameField(c.sentName));
            break;
        }
        case Result::Refused:
            // Typing showed the message once; Save shows it again, keeps the page and sends nothing.
            ASSERT_EQ(messages.shown().size(), boxesBefore + 1);
            EXPECT_EQ(messages.shown().back().text, c.message);
            EXPECT_EQ(page.GetControls().focus, Page::IDC_EDIT_SYSTEM_NAME);
            EXPECT_EQ(page.GetSystemName(), *c.typed);
            EXPECT_TRUE(journal.empty());
            EXPECT_TRUE(messages.Questions().empty());
            EXPECT_TRUE(endpoint.Calls().empty());
            break;
        }
    }
}

// ----- saving: what stops a save -----

TEST_F(PageNetConnectionSettingTest, ForbiddenPortsAreRefusedAndOthersSave) {
    struct Case {
        const char* port;
        bool refused;
    } cases[] = {{"21", true}, {"23", true},  {"25", true},  {"80", true},    {"443", true},   {"3318", true},
                 {"0", false}, {"22", false}, {"81", false}, {"9100", false}, {"32767", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        FakeNetworkEndpoint endpoint;
        FakeMessageBox messages;
        messages.defaultAnswer = true;
        std::vector<std::string> journal;
        RecordingMainWindow mainWindow(journal);
        Page page(endpoint, messages, cursor, mainWindow);
        page.SetPrinterNetworkInfo(WiredPrinter());
        page.OnEnChangeEditInactiveTime("301"); // something changed, so that every port below saves
        page.OnEnChangeEditPortNumber(c.port);
        page.OnBnClickedBtnSave();
        if (c.refused) {
            EXPECT_EQ(messages.Errors(), std::vector<std::string>{"Invalid Port Number"});
            EXPECT_TRUE(messages.Questions().empty());
            EXPECT_TRUE(endpoint.SentMessages().empty());
            EXPECT_TRUE(journal.empty()); // the page stays
            EXPECT_EQ(page.GetControls().focus, Page::IDC_EDIT_PORT_NUMBER);
        } else {
            EXPECT_TRUE(messages.Errors().empty());
            ASSERT_EQ(endpoint.SentMessages().size(), 1u);
            const auto bytes = endpoint.SentMessages()[0].bytes;
            const unsigned port = std::stoul(c.port);
            EXPECT_EQ(bytes[22], port >> 8);
            EXPECT_EQ(bytes[23], port & 0xFF);
            EXPECT_EQ(journal, std::vector<std::string>{"post M3"});
        }
    }
}

// A printer that reports values over the limits: Save names the range of the first such field (top down)
// and sends nothing.
TEST_F(PageNetConnectionSettingTest, ValuesOverTheLimitsFromThePrinterStopTheSaveWithTheRange) {
    struct Case {
        std::uint8_t port[2];
        std::uint8_t inactive[2];
        int focus;
        const char* message;
        const char* logLine;
    } cases[] = {
        {{0x9C, 0x40},
         {0x01, 0x2C},
         Page::IDC_EDIT_PORT_NUMBER,
         "Enter a port number from 0 to 32767.",
         "CVRXPageNetConnectionSetting::ReadControls : port number \"40000\" refused"},
        {{0x23, 0x8C},
         {0x13, 0x88},
         Page::IDC_EDIT_INACTIVE_TIME,
         "Enter an inactivity time from 0 to 3600 seconds.",
         "CVRXPageNetConnectionSetting::ReadControls : inactivity time \"5000\" refused"},
        {{0xFF, 0xFF},
         {0xFF, 0xFF},
         Page::IDC_EDIT_PORT_NUMBER,
         "Enter a port number from 0 to 32767.",
         "CVRXPageNetConnectionSetting::ReadControls : port number \"65535\" refused"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logLine);
        auto record = WiredRecord();
        std::copy_n(c.port, 2, record.Port);
        std::copy_n(c.inactive, 2, record.I_activeTime);
        page.SetPrinterNetworkInfo(WiredPrinter(record));
        const size_t before = messages.Errors().size();
        page.OnBnClickedBtnSave();
        EXPECT_EQ(controls().focus, c.focus);
        EXPECT_TRUE(Logged(c.logLine));
        ASSERT_EQ(messages.Errors().size(), before + 1);
        EXPECT_EQ(messages.Errors().back(), c.message);
        EXPECT_EQ(journal.back(), std::string("box ") + c.message) << "the page stays";
    }
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(journal.size(), std::size(cases));
}

TEST_F(PageNetConnectionSettingTest, UnusableManualAddressIsRefusedAndThePageStays) {
    struct Case {
        std::array<std::uint8_t, 4> ip;
        const char* logLine;
    } cases[] = {{{0, 0, 0, 0}, "NetInfoDataValidation : 0.0.0.0 cannot be entered"},
                 {{255, 255, 255, 255}, "NetInfoDataValidation : 255.255.255.255 cannot be entered"}};
    for (const auto& printer : {WiredPrinter(), WirelessPrinter()}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.logLine) + " " + printer.strNetworkType);
            journal.clear();
            page.SetPrinterNetworkInfo(printer);
            page.OnBnClickedRadioManual();
            page.OnEnChangeEditPortNumber("9101"); // an edit that must not be lost
            page.OnAddressChanged(Page::IDC_IPADDRESS_IP, c.ip);
            page.OnBnClickedBtnSave();
            EXPECT_EQ(journal, (std::vector<std::string>{"box The IP address cannot be used."}));
            EXPECT_EQ(controls().focus, Page::IDC_IPADDRESS_IP);
            EXPECT_EQ(controls().portNumber.text, "9101");
            EXPECT_EQ(controls().ipAddress.address, c.ip);
            EXPECT_TRUE(Logged(c.logLine));
            EXPECT_TRUE(
                Logged("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : NetInfoDataValidation failed."));
        }
    }
    EXPECT_TRUE(messages.Questions().empty());
    EXPECT_TRUE(sent().empty());
}

TEST_F(PageNetConnectionSettingTest, DhcpModePassesTheAddressChecksAndSendsTheFactoryDefaultAddress) {
    for (const auto& ip :
         {std::array<std::uint8_t, 4>{0, 0, 0, 0}, std::array<std::uint8_t, 4>{255, 255, 255, 255}}) {
        journal.clear();
        page.SetPrinterNetworkInfo(WiredPrinter());
        page.OnBnClickedRadioDhcp();
        page.OnAddressChanged(Page::IDC_IPADDRESS_IP, ip);
        page.OnAddressChanged(Page::IDC_IPADDRESS_SUBNET, {255, 255, 0, 0});
        page.OnBnClickedBtnSave();
        EXPECT_EQ(journal,
                  (std::vector<std::string>{"ask Are you sure to save the configuration ?", "post M3"}));
        // The page shows the address it sent.
        EXPECT_EQ(controls().ipAddress.address, (std::array<std::uint8_t, 4>{192, 168, 192, 123}));
    }
    ASSERT_EQ(sent().size(), 2u);
    for (const auto& message : sent()) {
        const Bytes addresses(message.bytes.begin() + 10, message.bytes.begin() + 22);
        EXPECT_EQ(addresses, (Bytes{192, 168, 192, 123, 255, 255, 0, 0, 192, 0, 2, 1}));
        EXPECT_EQ(message.bytes[27], 1); // Dhcp
    }
    EXPECT_TRUE(Logged("SendNetInfoSettingCommand : DHCP Mode, Set the IP with the factory default"));
}

TEST_F(PageNetConnectionSettingTest, UnchangedSettingsAskNothingAndTheListSearchesAgain) {
    struct Case {
        const char* what;
        PRINTER_NETWORK_INFO record;
    } cases[] = {
        {"wired", WiredPrinter()},
        {"wireless with a name", WirelessPrinter()},
        {"wireless with a name filling the field", WirelessPrinter(WirelessRecord(std::string(64, 'Z')))},
        {"wireless without a name, opened first", WirelessPrinter(WirelessRecord("", 0x11))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeMessageBox messages;
        std::vector<std::string> journal;
        RecordingMainWindow mainWindow(journal);
        Page page(endpoint, messages, cursor, mainWindow);
        page.SetPrinterNetworkInfo(c.record);
        page.OnBnClickedBtnSave();
        EXPECT_TRUE(messages.shown().empty());
        EXPECT_EQ(journal, std::vector<std::string>{"send M3"});
    }
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(Logged("NetInfoDataValidation : The data to be set is same"));
}

TEST_F(PageNetConnectionSettingTest, EveryChangedValueCountsAsAChange) {
    struct Case {
        const char* what;
        std::function<void(Page&)> edit;
    } cases[] = {
        {"mode", [](Page& p) { p.OnBnClickedRadioDhcp(); }},
        {"port", [](Page& p) { p.OnEnChangeEditPortNumber("9101"); }},
        {"port high byte only", [](Page& p) { p.OnEnChangeEditPortNumber(std::to_string(9100 + 256)); }},
        {"inactivity", [](Page& p) { p.OnEnChangeEditInactiveTime("301"); }},
        {"ip",
         [](Page& p) {
             p.OnAddressChanged(Page::IDC_IPADDRESS_IP, {198, 51, 100, 21});
         }},
        {"subnet",
         [](Page& p) {
             p.OnAddressChanged(Page::IDC_IPADDRESS_SUBNET, {255, 255, 254, 0});
         }},
        {"gateway",
         [](Page& p) {
             p.OnAddressChanged(Page::IDC_IPADDRESS_GATEWAY, {198, 51, 100, 254});
         }},
        {"name", [](Page& p) { p.OnEnChangeEditSystemName("Label-Lab-8"); }},
        {"name longer", [](Page& p) { p.OnEnChangeEditSystemName("Label-Lab-7x"); }},
    };
    auto record = WirelessRecord();
    record.Dhcp = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeMessageBox messages;
        std::vector<std::string> journal;
        RecordingMainWindow mainWindow(journal);
        Page page(endpoint, messages, cursor, mainWindow);
        page.SetPrinterNetworkInfo(WirelessPrinter(record));
        c.edit(page);
        EXPECT_TRUE(page.NetInfoDataValidation());
        EXPECT_TRUE(messages.shown().empty());
    }
}

// A wireless printer without a name, opened after one with a name, compares the name kept from the earlier
// printer with its all-zero field; the unchanged settings then count as changed and are sent again.
TEST_F(PageNetConnectionSettingTest, WirelessPrinterWithoutNameAfterANamedOneComparesTheKeptName) {
    page.SetPrinterNetworkInfo(WirelessPrinter());
    page.OnBnClickedBtnCancel();
    page.SetPrinterNetworkInfo(WirelessPrinter(WirelessRecord("", 0x11)));
    EXPECT_EQ(page.GetSystemName(), "Label-Lab-7");
    EXPECT_TRUE(page.NetInfoDataValidation());
    page.OnBnClickedBtnSave();
    ASSERT_EQ(sent().size(), 1u);
    EXPECT_EQ(sent()[0].bytes.size(), 48u); // no name goes out all the same
}

TEST_F(PageNetConnectionSettingTest, ANameOverTheMessagesFieldIsNotMistakenForAnEmptyOne) {
    // 43 CJK characters are 129 bytes; the printer has an empty name and nothing else changes. The name is
    // refused for its length, not taken as unchanged.
    std::string name;
    for (int i = 0; i < 43; ++i)
        name += "\xE6\xBC\xA2"; // 漢
    page.SetPrinterNetworkInfo(WirelessPrinter(WirelessRecord("", 0x91)));
    page.OnEnChangeEditSystemName(name);
    journal.clear();
    page.OnBnClickedBtnSave();
    EXPECT_EQ(journal, std::vector<std::string>{"box SYSTEM NAME LENGTH ERROR (129)"});
    EXPECT_TRUE(Logged("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : m_strSystemName needs 129 bytes"));
    EXPECT_FALSE(Logged("NetInfoDataValidation : The data to be set is same"));
    EXPECT_TRUE(sent().empty());
}

// In manual mode the subnet mask, the address within its subnet and the gateway are checked before anything
// is asked or sent; a refused value keeps the page with every edit.
TEST_F(PageNetConnectionSettingTest, ManualAddressesAgainstTheSubnet) {
    using Address = std::array<std::uint8_t, 4>;
    struct Case {
        const char* what;
        Address ip, mask, gateway;
        std::vector<bool> answers; // to the questions, in order
        std::vector<std::string> journal;
        int focus; // IDC_PAGE: not checked
        bool sends;
    } cases[] = {
        {"non-contiguous mask",
         {192, 0, 2, 60},
         {255, 0, 255, 0},
         {192, 0, 2, 1},
         {},
         {"box The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0."},
         Page::IDC_IPADDRESS_SUBNET,
         false},
        {"mask of zeros",
         {192, 0, 2, 60},
         {0, 0, 0, 0},
         {0, 0, 0, 0},
         {},
         {"box The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0."},
         Page::IDC_IPADDRESS_SUBNET,
         false},
        {"network address",
         {192, 0, 2, 0},
         {255, 255, 255, 0},
         {192, 0, 2, 1},
         {},
         {"box The IP address cannot be used: it is the network or broadcast address of its subnet."},
         Page::IDC_IPADDRESS_IP,
         false},
        {"broadcast address",
         {192, 0, 2, 127},
         {255, 255, 255, 128},
         {192, 0, 2, 1},
         {},
         {"box The IP address cannot be used: it is the network or broadcast address of its subnet."},
         Page::IDC_IPADDRESS_IP,
         false},
        {"gateway outside, answer No",
         {192, 0, 2, 60},
         {255, 255, 255, 0},
         {198, 51, 100, 1},
         {false},
         {"ask The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to "
          "save all the same?"},
         Page::IDC_IPADDRESS_GATEWAY,
         false},
        {"gateway outside, answer Yes",
         {192, 0, 2, 60},
         {255, 255, 255, 0},
         {198, 51, 100, 1},
         {true, true},
         {"ask The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to "
          "save all the same?",
          "ask Are you sure to save the configuration ?", "post M3"},
         Page::IDC_BTN_SAVE,
         true},
        {"no gateway",
         {192, 0, 2, 60},
         {255, 255, 255, 0},
         {0, 0, 0, 0},
         {true},
         {"ask Are you sure to save the configuration ?", "post M3"},
         Page::IDC_BTN_SAVE,
         true},
        {"a /31 has neither network nor broadcast address",
         {192, 0, 2, 60},
         {255, 255, 255, 254},
         {192, 0, 2, 61},
         {true},
         {"ask Are you sure to save the configuration ?", "post M3"},
         Page::IDC_BTN_SAVE,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeMessageBox messages;
        messages.answers.assign(c.answers.begin(), c.answers.end());
        FakeNetworkEndpoint endpoint;
        std::vector<std::string> journal;
        messages.onShow = [&journal](const FakeMessageBox::Shown& shown) {
            journal.push_back((shown.kind == FakeMessageBox::Kind::Question ? "ask " : "box ") + shown.text);
        };
        RecordingMainWindow mainWindow(journal);
        Page page(endpoint, messages, cursor, mainWindow);
        page.SetPrinterNetworkInfo(WiredPrinter());
        page.OnEnChangeEditInactiveTime("120");
        page.OnAddressChanged(Page::IDC_IPADDRESS_IP, c.ip);
        page.OnAddressChanged(Page::IDC_IPADDRESS_SUBNET, c.mask);
        page.OnAddressChanged(Page::IDC_IPADDRESS_GATEWAY, c.gateway);
        page.OnBnClickedBtnSave();
        EXPECT_EQ(journal, c.journal);
        EXPECT_EQ(page.GetControls().focus, c.focus);
        EXPECT_EQ(endpoint.SentMessages().size(), c.sends ? 1u : 0u);
        // Nothing the user typed is lost.
        EXPECT_EQ(page.GetControls().inactiveTime.text, "120");
        EXPECT_EQ(page.GetControls().subnetMask.address, c.mask);
    }
}

TEST_F(PageNetConnectionSettingTest, DhcpModeLeavesTheSubnetRulesAlone) {
    page.SetPrinterNetworkInfo(WiredPrinter());
    page.OnBnClickedRadioDhcp();
    page.OnAddressChanged(Page::IDC_IPADDRESS_SUBNET, {255, 0, 255, 0});
    page.OnAddressChanged(Page::IDC_IPADDRESS_GATEWAY, {203, 0, 113, 1});
    page.OnBnClickedBtnSave();
    EXPECT_EQ(journal, (std::vector<std::string>{"ask Are you sure to save the configuration ?", "post M3"}));
    EXPECT_EQ(sent().size(), 1u);
}

TEST_F(PageNetConnectionSettingTest, AnswerNoKeepsThePageAndSendsNothing) {
    messages.defaultAnswer = false;
    page.SetPrinterNetworkInfo(WiredPrinter());
    page.OnEnChangeEditPortNumber("9101");
    page.OnBnClickedBtnSave();
    EXPECT_EQ(journal, std::vector<std::string>{"ask Are you sure to save the configuration ?"});
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(cursor.Changes().empty());
    EXPECT_TRUE(Logged("CVRXPageNetConnectionSetting::OnBnClickedBtnSave : cancel by user"));
}

TEST_F(PageNetConnectionSettingTest, OutcomeOfTheExchange) {
    struct Case {
        bool exchange;
        std::vector<std::string> journal;
        int focus;
    } cases[] = {
        {true, {"ask Are you sure to save the configuration ?", "post M3"}, Page::IDC_BTN_SAVE},
        {false,
         {"ask Are you sure to save the configuration ?", "box Failed to save the network information.",
          "post M3"},
         Page::IDC_PAGE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exchange);
        journal.clear();
        FakeCursor cursor;
        Page page(endpoint, messages, cursor, mainWindow);
        endpoint.SetQlinkResult(c.exchange);
        page.SetPrinterNetworkInfo(WiredPrinter());
        page.OnEnChangeEditInactiveTime("0");
        page.OnBnClickedBtnSave();
        EXPECT_EQ(journal, c.journal);
        EXPECT_EQ(page.GetControls().focus, c.focus);
        EXPECT_EQ(cursor.Changes(),
                  (std::vector<FakeCursor::Shape>{FakeCursor::Shape::Wait, FakeCursor::Shape::Arrow}));
    }
}

TEST_F(PageNetConnectionSettingTest, AClickQueuedWhileTheExchangeRanDoesNotSaveAgain) {
    page.SetPrinterNetworkInfo(WiredPrinter());
    page.OnEnChangeEditInactiveTime("0");
    page.OnBnClickedBtnSave();
    page.OnBnClickedBtnSave(); // the second click of a double click
    EXPECT_EQ(journal, (std::vector<std::string>{"ask Are you sure to save the configuration ?", "post M3"}));
    EXPECT_EQ(sent().size(), 1u);

    page.SetPrinterNetworkInfo(WiredPrinter()); // opened again after the new search
    page.OnEnChangeEditInactiveTime("1");
    page.OnBnClickedBtnSave();
    EXPECT_EQ(sent().size(), 2u);
}

TEST_F(PageNetConnectionSettingTest, UnknownPrinterTypeSendsNothingAndReportsTheFailure) {
    auto record = WiredPrinter();
    record.strNetworkType = "Ethernet";
    page.SetPrinterNetworkInfo(record);
    page.OnBnClickedBtnSave(); // nothing to compare against: the save goes ahead
    EXPECT_EQ(journal, (std::vector<std::string>{"ask Are you sure to save the configuration ?",
                                                 "box Failed to save the network information.", "post M3"}));
    EXPECT_TRUE(endpoint.Calls().empty());
}

TEST_F(PageNetConnectionSettingTest, CancelAndEscapeGoBackWithoutASearch) {
    page.SetPrinterNetworkInfo(WiredPrinter());
    page.OnEnChangeEditPortNumber("9101");
    page.OnBnClickedBtnCancel();
    EXPECT_EQ(journal, std::vector<std::string>{"send M4"});
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(endpoint.Calls().empty());
}

// ----- what goes out -----

TEST_F(PageNetConnectionSettingTest, WiredMessageBytesAndTheRecordUpdatedInPlace) {
    page.SetPrinterNetworkInfo(WiredPrinter());
    page.OnAddressChanged(Page::IDC_IPADDRESS_IP, {192, 0, 2, 77});
    page.OnAddressChanged(Page::IDC_IPADDRESS_SUBNET, {255, 255, 255, 128});
    page.OnAddressChanged(Page::IDC_IPADDRESS_GATEWAY, {192, 0, 2, 126});
    page.OnEnChangeEditPortNumber("515");
    page.OnEnChangeEditInactiveTime("3600");
    page.OnBnClickedBtnSave();

    ASSERT_EQ(sent().size(), 1u);
    EXPECT_EQ(sent()[0].nLocalNetworkInterface, 2);
    EXPECT_EQ(sent()[0].nPrinterNetworkType, VRX_WIRED_PRINTER);
    const Bytes expected = Concat({Text("SETT"),
                                   {0x00, 0x80, 0x92, 0x11, 0x22, 0x33},
                                   {192, 0, 2, 77},
                                   {255, 255, 255, 128},
                                   {192, 0, 2, 126},
                                   {0x02, 0x03},
                                   {7},
                                   {3, 14},
                                   {0},
                                   {0x0E, 0x10}});
    EXPECT_EQ(sent()[0].bytes, expected);

    const ETHERNET_INFO& record = page.GetNetInfo().stEthernetInfo;
    EXPECT_EQ(Bytes(record.Ip, record.Ip + 4), (Bytes{192, 0, 2, 77}));
    EXPECT_EQ(Bytes(record.Port, record.Port + 2), (Bytes{0x02, 0x03}));
    EXPECT_EQ(Bytes(record.I_activeTime, record.I_activeTime + 2), (Bytes{0x0E, 0x10}));
    EXPECT_EQ(record.Http, 1); // kept, not sent
}

TEST_F(PageNetConnectionSettingTest, WirelessMessageBytesWithAndWithoutTheName) {
    struct Case {
        const char* what;
        WLAN_INFO record;
        std::string typedName; // typed into the field when the page shows it
        Bytes expected;
        std::string nameAfter;
        std::vector<std::string> logLines;
    } cases[] = {
        {"with a name, trimmed",
         WirelessRecord(),
         "  Shelf 12\t ",
         Concat({Text("__[I_F]__[PRT_SET]"),
                 {0x00, 0x80, 0x92, 0xAA, 0xBB, 0xCC},
                 {198, 51, 100, 20},
                 {255, 255, 255, 0},
                 {198, 51, 100, 1},
                 {0x23, 0x8C},
                 {9},
                 {2, 7},
                 {0},
                 {0x01, 0x2C},
                 {0},
                 {0x91, 0x05},
                 NameField("Shelf 12"),
                 {0}}),
         "Shelf 12",
         {"SendNetInfoSettingCommand : m_strSystemName =   Shelf 12\t ",
          "SendNetInfoSettingCommand : dwAnsiLength = 9", "SendNetInfoSettingCommand : copy 93 bytes"}},
        {"with a name of only blanks",
         WirelessRecord(),
         "   ",
         Concat({Text("__[I_F]__[PRT_SET]"),
                 {0x00, 0x80, 0x92, 0xAA, 0xBB, 0xCC},
                 {198, 51, 100, 20},
                 {255, 255, 255, 0},
                 {198, 51, 100, 1},
                 {0x23, 0x8C},
                 {9},
                 {2, 7},
                 {0},
                 {0x01, 0x2C},
                 {0},
                 {0x91, 0x05},
                 NameField(""),
                 {0}}),
         "",
         {"SendNetInfoSettingCommand : dwAnsiLength = 1"}},
        {"with a name of 64 bytes",
         WirelessRecord(),
         std::string(64, 'Q'),
         Concat({Text("__[I_F]__[PRT_SET]"),
                 {0x00, 0x80, 0x92, 0xAA, 0xBB, 0xCC},
                 {198, 51, 100, 20},
                 {255, 255, 255, 0},
                 {198, 51, 100, 1},
                 {0x23, 0x8C},
                 {9},
                 {2, 7},
                 {0},
                 {0x01, 0x2C},
                 {0},
                 {0x91, 0x05},
                 Bytes(64, 'Q'),
                 {0}}),
         std::string(64, 'Q'),
         {"SendNetInfoSettingCommand : dwAnsiLength = 65"}},
        {"without bit 0x80, although the page holds a name",
         WirelessRecord("", 0x11),
         "",
         Concat({Text("__[I_F]__[PRT_SET]"),
                 {0x00, 0x80, 0x92, 0xAA, 0xBB, 0xCC},
                 {198, 51, 100, 20},
                 {255, 255, 255, 0},
                 {198, 51, 100, 1},
                 {0x23, 0x8C},
                 {9},
                 {2, 7},
                 {0},
                 {0x01, 0x2C},
                 {0},
                 {0x11, 0x05},
                 {0}}),
         "Kept",
         {"SendNetInfoSettingCommand : copy 29 bytes"}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeNetworkEndpoint endpoint;
        Page page(endpoint, messages, cursor, mainWindow);
        page.SetPrinterNetworkInfo(WirelessPrinter(WirelessRecord("Kept")));
        page.SetPrinterNetworkInfo(WirelessPrinter(c.record));
        if (page.GetControls().systemName.visible)
            page.OnEnChangeEditSystemName(c.typedName);
        page.OnBnClickedRadioManual();
        page.OnEnChangeEditPortNumber("9100");
        page.OnEnChangeEditInactiveTime("300");
        page.OnBnClickedBtnSave();
        ASSERT_EQ(endpoint.SentMessages().size(), 1u);
        EXPECT_EQ(endpoint.SentMessages()[0].nLocalNetworkInterface, 1);
        EXPECT_EQ(endpoint.SentMessages()[0].nPrinterNetworkType, VRX_WIRELESS_PRINTER);
        EXPECT_EQ(endpoint.SentMessages()[0].bytes, c.expected);
        EXPECT_EQ(page.GetSystemName(), c.nameAfter);
        for (const auto& line : c.logLines)
            EXPECT_TRUE(Logged(line)) << line;
    }
}

TEST_F(PageNetConnectionSettingTest, ASaveLogsEveryStep) {
    page.SetPrinterNetworkInfo(WirelessPrinter());
    page.OnEnChangeEditPortNumber("9100");
    page.OnBnClickedBtnSave();
    const std::vector<std::string> expected = {
        "CVRXPageNetConnectionSetting::OnBnClickedBtnSave : START",
        "NetInfoDataValidation : START",
        "NetInfoDataValidation : strNetworkType = Wireless",
        "NetInfoDataValidation : END",
        "SendNetInfoSettingCommand : START",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.Dhcp = 1",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.Port[0] = x23",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.Port[1] = x8C",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.I_activeTime[0] = x00",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.I_activeTime[1] = x3C",
        "SendNetInfoSettingCommand : DHCP Mode, Set the IP with the factory default",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.Ip = 192.168.192.123",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.Subnet = 255.255.255.0",
        "SendNetInfoSettingCommand : m_stNetInfo.stWLANInfo.Gateway = 198.51.100.1",
        "SendNetInfoSettingCommand : m_strSystemName = Label-Lab-7",
        "SendNetInfoSettingCommand : dwAnsiLength = 12",
        "SendNetInfoSettingCommand : copy 93 bytes",
        "SendNetInfoSettingCommand : SetQlinkInfo succeeded",
        "SendNetInfoSettingCommand : END",
        "CVRXPageNetConnectionSetting::OnBnClickedBtnSave : END",
    };
    EXPECT_EQ(LogLines(), expected);
}

} // namespace
