#include "ui/wlanadv/WLanAdvItemActions.h"

#include "app/StringTable.h"
#include "devcfg/PropertyIds.h"
#include "ui/wlanadv/CVRXPageWLanAdvBssList.h"
#include "ui/wlanadv/CVRXPageWLanAdvIpConfig.h"
#include "ui/wlanadv/CVRXPageWLanPwSetting.h"
#include "ui/wlanadv/IWLanAdvDialogs.h"
#include "ui/wlanadv/WLanAdvItemHost.h"

#include "FakeDevicePort.h"
#include "FakeMessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Address = CVRXPageWLanAdvIpConfig::Address;

// The dialogs as the user would answer them: each run calls the script with the dialog's model, which
// has been set up as the window does it.
struct ScriptedDialogs : IWLanAdvDialogs {
    std::function<int(CVRXPageWLanPwSetting&)> password;
    std::function<int(CVRXPageWLanAdvIpConfig&)> ipConfig;
    std::function<int(CVRXPageWLanAdvBssList&)> bssList;
    std::optional<std::string> file;
    int passwordRuns = 0, ipConfigRuns = 0, bssListRuns = 0, fileRuns = 0;
    std::vector<std::string>* events = nullptr;

    int RunPasswordDialog(CVRXPageWLanPwSetting& dialog) override {
        ++passwordRuns;
        dialog.OnInitDialog();
        return password ? password(dialog) : CVRXPageWLanPwSetting::kResultCancel;
    }
    int RunIpConfigDialog(CVRXPageWLanAdvIpConfig& dialog) override {
        ++ipConfigRuns;
        dialog.OnInitDialog();
        return ipConfig ? ipConfig(dialog) : CVRXPageWLanAdvIpConfig::kResultCancel;
    }
    int RunBssListDialog(CVRXPageWLanAdvBssList& dialog) override {
        ++bssListRuns;
        if (events)
            events->push_back("list");
        dialog.OnInitDialog();
        return bssList ? bssList(dialog) : CVRXPageWLanAdvBssList::kResultCancel;
    }
    std::optional<std::string> ChooseFileToOpen() override {
        ++fileRuns;
        return file;
    }
};

// The page's host over the real group editor, with the preference, the scan and the certificate exchange
// scripted.
struct ScriptedHost : WLanAdvItemHost {
    using WLanAdvItemHost::WLanAdvItemHost;

    std::optional<int> preference;
    // Entries each scan finds, in order; a scan past the script finds nothing.
    std::deque<std::vector<BSS_INFO>> scans;
    DeviceConfigState* state = nullptr;
    std::vector<std::string> events;
    std::vector<int> takenOver;
    bool certificateValid = true;
    bool certificatePemOrDer = true;
    bool uploadSucceeds = true;
    std::vector<std::string> uploads;
    std::vector<std::string> checked;

    std::optional<int> ShowPasswordPreference() const override { return preference; }
    void ReleasePort() override { events.push_back("release"); }
    void RestorePort() override { events.push_back("restore"); }
    int ScanAccessPoints(BSS_INFO (&table)[VRX_MAX_BSS_INFO]) override {
        events.push_back("scan");
        std::vector<BSS_INFO> found;
        if (!scans.empty()) {
            found = scans.front();
            scans.pop_front();
        }
        // As the exchange does: the page's table holds the scan, the caller gets a copy.
        std::memset(state->m_BSSInfo, 0, sizeof state->m_BSSInfo);
        for (std::size_t i = 0; i < found.size(); ++i)
            state->m_BSSInfo[i] = table[i] = found[i];
        state->m_nNumBSSInfo = static_cast<int>(found.size());
        return state->m_nNumBSSInfo;
    }
    void Wait(std::chrono::milliseconds duration) override {
        events.push_back("wait " + std::to_string(duration.count()));
    }
    bool UpdateCurrentConfiguration(int index) override {
        takenOver.push_back(index);
        return WLanAdvItemHost::UpdateCurrentConfiguration(index);
    }
    bool DataValidation4Certificate(const std::string& path) override {
        checked.push_back(path);
        return certificateValid;
    }
    bool LoadedCertificateIsPemOrDer() const override { return certificatePemOrDer; }
    bool UploadCertificateDocument(const std::string& name) override {
        uploads.push_back(name);
        return uploadSucceeds;
    }
};

BSS_INFO AccessPoint(const char* ssid, std::uint8_t lastByte, std::uint8_t mode, std::uint8_t security) {
    BSS_INFO entry{};
    DeviceRecords::SetFieldText(entry.bySSID, ssid);
    const std::uint8_t bssid[] = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, lastByte};
    std::memcpy(entry.byBSSID, bssid, 6);
    entry.byNetworkMode = mode;
    entry.bySecurity = security;
    DeviceRecords::SetRssi(entry, -60);
    return entry;
}

// A module read with a manual address, WPA2-PSK and certificate names.
struct Rig {
    DeviceConfigState state;
    FakeMessageBox messages;
    WLanAdvGroupEditor editor{state, messages};
    DeviceConfigExchange exchange{state, DeviceExchangeServices{DevicePorts{}}};
    ScriptedDialogs dialogs;
    ScriptedHost host{editor, exchange, dialogs, messages};
    WLanAdvItemActions actions{host};

    explicit Rig(bool refusal = false) {
        WLAN_ADVANCED_CONFIG_INFO& r = state.m_ConfigurationInfo;
        r.byNetworkMode = VRX_NETWORK_MODE_INFRASTRUCTURE;
        r.byIPConfigMode = VRX_IP_CONFIG_MANUAL;
        const std::uint8_t ip[] = {192, 0, 2, 10}, mask[] = {255, 255, 255, 0}, gw[] = {192, 0, 2, 1};
        std::memcpy(r.byIP, ip, 4);
        std::memcpy(r.bySubnetMask, mask, 4);
        std::memcpy(r.byGateway, gw, 4);
        DeviceRecords::SetFieldText(r.bySSID, "Office");
        r.byAuthentication = VRX_AUTH_WPA2_PSK;
        r.byEncryption = VRX_ENCRYPTION_AES;
        DeviceRecords::SetFieldText(r.byPSK_Key, "oldpassphrase");
        DeviceRecords::SetFieldText(r.byUserPassword, "abc");
        DeviceRecords::SetBigEndian16(r.byPortNumber, 9100);
        r.bySNMP = 1;
        state.m_bSNMP = true;
        state.m_bCertificateUpload = state.m_bCertificateName = true;
        state.m_bRefusal = refusal;
        host.state = &state;
        dialogs.events = &host.events;
        editor.Rebuild();
        actions.Attach(editor.Grid1());
        actions.Attach(editor.Grid2());
    }
    PropertyItem& Item(std::uint32_t id) {
        PropertyItem* item = editor.Find(id);
        if (!item)
            throw std::runtime_error("no item " + std::to_string(id));
        return *item;
    }
    bool Click(std::uint32_t id) { return editor.Grid(GridOfProperty(id)).ClickButton(Item(id)); }
};

// ---- password item ----

TEST(WLanAdvPasswordItem, ShowsOneStarPerCharacter) {
    Rig rig;
    EXPECT_EQ(rig.Item(VRX_GROUP5_PROPERTY_ID_3).DisplayValue(), "***");
    EXPECT_EQ(CPasswordProp::FormatValue("abc"), "***");
    EXPECT_EQ(CPasswordProp::FormatValue("p\xc3\xa4ss"), "****");
    EXPECT_EQ(CPasswordProp::FormatValue(""), "");
}

struct LockCase {
    const char* name;
    std::optional<int> preference;
    bool refusal;
    bool locked;
};

class WLanAdvPasswordLock : public testing::TestWithParam<LockCase> {};

TEST_P(WLanAdvPasswordLock, ShowPasswordIsLockedUnlessThePreferenceAllowsIt) {
    const LockCase& c = GetParam();
    Rig rig(c.refusal);
    rig.host.preference = c.preference;
    // Twice: the lock holds from the first click on, and the preference is read each time.
    for (int click = 0; click < 2; ++click) {
        bool locked = !c.locked;
        rig.dialogs.password = [&](CVRXPageWLanPwSetting& dialog) {
            locked = dialog.IsShowPasswordLocked();
            EXPECT_EQ(dialog.GetControls().showPasswordEnabled, !c.locked);
            EXPECT_EQ(dialog.PopupText("x"), c.locked ? "*" : "x");
            return int(CVRXPageWLanPwSetting::kResultCancel);
        };
        ASSERT_TRUE(rig.Click(VRX_GROUP2_PROPERTY_ID_4));
        EXPECT_EQ(locked, c.locked) << c.name << " click " << click;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, WLanAdvPasswordLock,
                         testing::Values(LockCase{"no PREFERENCE[3]", std::nullopt, false, true},
                                         LockCase{"PREFERENCE[3]=1", 1, false, false},
                                         LockCase{"PREFERENCE[3]=0", 0, false, true},
                                         LockCase{"refused mode, PREFERENCE[3]=1", 1, true, true}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(WLanAdvPasswordItem, AnAcceptedPasswordBecomesTheValueAndTheRecordField) {
    Rig rig;
    rig.dialogs.password = [](CVRXPageWLanPwSetting& dialog) {
        EXPECT_EQ(dialog.GetControls().text, "oldpassphrase");
        EXPECT_EQ(dialog.GetControls().maxLength, 63u);
        dialog.OnTextEdited("newpassphrase");
        dialog.OnOK();
        return int(CVRXPageWLanPwSetting::kResultOk);
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP2_PROPERTY_ID_4));
    EXPECT_EQ(rig.Item(VRX_GROUP2_PROPERTY_ID_4).Value(), "newpassphrase");
    EXPECT_TRUE(rig.Item(VRX_GROUP2_PROPERTY_ID_4).IsModified());
    EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_ConfigurationInfo.byPSK_Key), "newpassphrase");
    EXPECT_TRUE(rig.messages.shown().empty());
}

TEST(WLanAdvPasswordItem, ARejectedPasswordKeepsTheOldValue) {
    Rig rig;
    rig.dialogs.password = [](CVRXPageWLanPwSetting& dialog) {
        dialog.OnTextEdited("short"); // a PSK has 8 to 63 characters
        dialog.OnOK();
        return int(CVRXPageWLanPwSetting::kResultOk);
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP2_PROPERTY_ID_4));
    EXPECT_EQ(rig.Item(VRX_GROUP2_PROPERTY_ID_4).Value(), "oldpassphrase");
    EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_ConfigurationInfo.byPSK_Key), "oldpassphrase");
    ASSERT_EQ(rig.messages.shown().size(), 1u);
    EXPECT_NE(rig.messages.shown()[0].text.find(LoadString(StringId::PskKeyLengthError)), std::string::npos);
}

TEST(WLanAdvPasswordItem, CancelChangesNothing) {
    Rig rig;
    rig.dialogs.password = [](CVRXPageWLanPwSetting& dialog) {
        dialog.OnTextEdited("anotherpassphrase");
        dialog.OnCancel();
        return int(CVRXPageWLanPwSetting::kResultCancel);
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP2_PROPERTY_ID_4));
    EXPECT_EQ(rig.Item(VRX_GROUP2_PROPERTY_ID_4).Value(), "oldpassphrase");
    EXPECT_FALSE(rig.Item(VRX_GROUP2_PROPERTY_ID_4).IsModified());
}

// ---- address items ----

TEST(WLanAdvAddressItem, OnlyTheChangedGatewayIsTakenOverWhicheverItemWasClicked) {
    Rig rig;
    rig.dialogs.ipConfig = [](CVRXPageWLanAdvIpConfig& dialog) {
        EXPECT_EQ(dialog.GetIPAddress(), (Address{192, 0, 2, 10}));
        EXPECT_EQ(dialog.GetSubnetMask(), (Address{255, 255, 255, 0}));
        EXPECT_EQ(dialog.GetGateway(), (Address{192, 0, 2, 1}));
        dialog.OnOK(dialog.GetIPAddress(), dialog.GetSubnetMask(), {192, 0, 2, 254});
        return int(CVRXPageWLanAdvIpConfig::kResultOk);
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP3_PROPERTY_ID_5)); // Subnet Mask
    const std::uint8_t gateway[] = {192, 0, 2, 254}, mask[] = {255, 255, 255, 0};
    EXPECT_EQ(std::memcmp(rig.state.m_ConfigurationInfo.byGateway, gateway, 4), 0);
    EXPECT_EQ(std::memcmp(rig.state.m_ConfigurationInfo.bySubnetMask, mask, 4), 0);
    EXPECT_EQ(rig.Item(VRX_GROUP3_PROPERTY_ID_6).Value(), "192.0.2.254");
    EXPECT_TRUE(rig.Item(VRX_GROUP3_PROPERTY_ID_6).IsModified());
    EXPECT_FALSE(rig.Item(VRX_GROUP3_PROPERTY_ID_5).IsModified());
    EXPECT_FALSE(rig.Item(VRX_GROUP3_PROPERTY_ID_4).IsModified());
    EXPECT_EQ(rig.Item(VRX_GROUP3_PROPERTY_ID_5).Value(), "255.255.255.0");
}

TEST(WLanAdvAddressItem, UnchangedAddressesOrCancelReportNoChange) {
    for (const bool ok : {true, false}) {
        Rig rig;
        int changes = 0;
        rig.editor.Grid1().SetChangeHandler([&](PropertyItem&) { ++changes; });
        rig.dialogs.ipConfig = [ok](CVRXPageWLanAdvIpConfig& dialog) {
            if (!ok) {
                dialog.OnCancel();
                return int(CVRXPageWLanAdvIpConfig::kResultCancel);
            }
            dialog.OnOK(dialog.GetIPAddress(), dialog.GetSubnetMask(), dialog.GetGateway());
            return int(CVRXPageWLanAdvIpConfig::kResultOk);
        };
        ASSERT_TRUE(rig.Click(VRX_GROUP3_PROPERTY_ID_4));
        EXPECT_EQ(changes, 0) << (ok ? "OK" : "Cancel");
        EXPECT_EQ(rig.dialogs.ipConfigRuns, 1);
    }
}

TEST(WLanAdvAddressItem, TheStoresKeepTheDialogsAddressesForTheNextRun) {
    Rig rig;
    rig.dialogs.ipConfig = [](CVRXPageWLanAdvIpConfig& dialog) {
        dialog.OnOK({203, 0, 113, 5}, {255, 255, 255, 128}, {203, 0, 113, 1});
        return int(CVRXPageWLanAdvIpConfig::kResultOk);
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP3_PROPERTY_ID_6));
    Address shown{};
    rig.dialogs.ipConfig = [&](CVRXPageWLanAdvIpConfig& dialog) {
        shown = dialog.GetSubnetMask();
        return int(CVRXPageWLanAdvIpConfig::kResultCancel);
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP3_PROPERTY_ID_4));
    EXPECT_EQ(shown, (Address{255, 255, 255, 128}));
    EXPECT_EQ(rig.Item(VRX_GROUP3_PROPERTY_ID_4).Value(), "203.0.113.5");
}

// ---- SSID item ----

TEST(WLanAdvSsidItem, OneEntryIsScannedAgainAfter100msBeforeTheList) {
    Rig rig;
    rig.host.scans = {{AccessPoint("Lonely", 1, 0, 0)},
                      {AccessPoint("Lonely", 1, 0, 0), AccessPoint("Guest", 2, 0, 12)}};
    int rows = 0;
    rig.dialogs.bssList = [&](CVRXPageWLanAdvBssList& dialog) {
        rows = static_cast<int>(dialog.Rows().size());
        dialog.OnDblClkList(1);
        return dialog.GetResult();
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP1_PROPERTY_ID_1));
    EXPECT_EQ(rig.host.events,
              (std::vector<std::string>{"release", "scan", "wait 100", "scan", "list", "restore"}));
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(rig.host.takenOver, std::vector<int>{1});
    // Security 12 (WPA/WPA2) on an infrastructure network: the stronger, WPA2-PSK with AES.
    EXPECT_EQ(rig.Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "Guest");
    EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_ConfigurationInfo.bySSID), "Guest");
    EXPECT_EQ(rig.state.m_ConfigurationInfo.byAuthentication, VRX_AUTH_WPA2_PSK);
    EXPECT_EQ(rig.state.m_ConfigurationInfo.byEncryption, VRX_ENCRYPTION_AES);
    EXPECT_TRUE(rig.messages.shown().empty());
}

TEST(WLanAdvSsidItem, SeveralEntriesAreListedAfterOneScan) {
    Rig rig;
    rig.host.scans = {{AccessPoint("A", 1, 0, 0), AccessPoint("B", 2, 0, 0)}};
    rig.dialogs.bssList = [](CVRXPageWLanAdvBssList& dialog) {
        dialog.OnBnClickedClose();
        return dialog.GetResult();
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP1_PROPERTY_ID_1));
    EXPECT_EQ(rig.host.events, (std::vector<std::string>{"release", "scan", "list", "restore"}));
    // Close is OK without a pick: -1 takes nothing over.
    EXPECT_EQ(rig.host.takenOver, std::vector<int>{-1});
    EXPECT_EQ(rig.Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "Office");
}

TEST(WLanAdvSsidItem, NothingFoundShowsText273AndNoList) {
    Rig rig;
    ASSERT_TRUE(rig.Click(VRX_GROUP1_PROPERTY_ID_1));
    EXPECT_EQ(rig.host.events, (std::vector<std::string>{"release", "scan", "wait 100", "scan", "restore"}));
    EXPECT_EQ(rig.dialogs.bssListRuns, 0);
    EXPECT_EQ(rig.messages.Texts(FakeMessageBox::Kind::Information),
              std::vector<std::string>{LoadString(273)});
    EXPECT_EQ(rig.Item(VRX_GROUP1_PROPERTY_ID_1).Value(), "Office");
}

TEST(WLanAdvSsidItem, EscapeTakesNothingOver) {
    Rig rig;
    rig.host.scans = {{AccessPoint("A", 1, 0, 0), AccessPoint("B", 2, 0, 0)}};
    rig.dialogs.bssList = [](CVRXPageWLanAdvBssList& dialog) {
        dialog.OnCancel();
        return dialog.GetResult();
    };
    ASSERT_TRUE(rig.Click(VRX_GROUP1_PROPERTY_ID_1));
    EXPECT_TRUE(rig.host.takenOver.empty());
    EXPECT_EQ(rig.host.events.back(), "restore");
}

TEST(WLanAdvSsidItem, AnEditStartsWithTheValueTrimmed) {
    Rig rig;
    PropertyItem& ssid = rig.Item(VRX_GROUP1_PROPERTY_ID_1);
    ssid.SetValue("  Office 2 \t");
    ASSERT_TRUE(rig.editor.Grid1().BeginEdit(ssid));
    EXPECT_EQ(ssid.Value(), "Office 2");
}

// ---- certificate file item ----

TEST(WLanAdvCertificateItem, NoToTheQuestionUploadsNothing) {
    Rig rig;
    rig.dialogs.file = "/tmp/certs/root-ca.pem";
    rig.messages.answers = {false};
    EXPECT_TRUE(rig.Click(VRX_GROUP8_PROPERTY_ID_2));
    EXPECT_EQ(rig.messages.Texts(FakeMessageBox::Kind::Question), std::vector<std::string>{LoadString(242)});
    EXPECT_TRUE(rig.host.checked.empty());
    EXPECT_TRUE(rig.host.uploads.empty());
    EXPECT_EQ(rig.Item(VRX_GROUP8_PROPERTY_ID_2).Value(), "");
}

TEST(WLanAdvCertificateItem, YesChecksUploadsTheFileNameAndEmptiesTheItem) {
    struct Case {
        bool valid, uploaded;
        FakeMessageBox::Kind kind;
        int text;
        std::size_t uploads;
    };
    for (const Case& c : {Case{true, true, FakeMessageBox::Kind::Information, 244, 1},
                          Case{true, false, FakeMessageBox::Kind::Error, 245, 1},
                          Case{false, true, FakeMessageBox::Kind::Error, 243, 0}}) {
        Rig rig;
        rig.dialogs.file = "/tmp/certs/root-ca.pem";
        rig.messages.answers = {true};
        rig.host.certificateValid = c.valid;
        rig.host.uploadSucceeds = c.uploaded;
        rig.Click(VRX_GROUP8_PROPERTY_ID_2);
        EXPECT_EQ(rig.host.checked, std::vector<std::string>{"/tmp/certs/root-ca.pem"});
        ASSERT_EQ(rig.host.uploads.size(), c.uploads);
        if (c.uploads) {
            EXPECT_EQ(rig.host.uploads[0], "root-ca.pem");
        }
        EXPECT_EQ(rig.messages.Texts(c.kind).back(), LoadString(c.text));
        EXPECT_EQ(rig.Item(VRX_GROUP8_PROPERTY_ID_2).Value(), "");
    }
}

// A file that is neither PEM nor DER (a text file picked by mistake) is named as such, and uploaded only
// when the user answers Yes.
TEST(WLanAdvCertificateItem, AFileThatIsNoCertificateIsUploadedOnlyAfterAQuestion) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        Rig rig;
        rig.dialogs.file = "/etc/hostname";
        rig.messages.answers = {true, yes};
        rig.host.certificatePemOrDer = false;
        EXPECT_TRUE(rig.Click(VRX_GROUP8_PROPERTY_ID_2));
        EXPECT_EQ(
            rig.messages.Texts(FakeMessageBox::Kind::Question),
            (std::vector<std::string>{LoadString(242), StringTable::Fill(LoadString(476), {"hostname"})}));
        EXPECT_EQ(rig.host.uploads, yes ? std::vector<std::string>{"hostname"} : std::vector<std::string>{});
        EXPECT_EQ(rig.messages.Texts(FakeMessageBox::Kind::Information),
                  yes ? std::vector<std::string>{LoadString(244)} : std::vector<std::string>{});
        EXPECT_TRUE(rig.messages.Texts(FakeMessageBox::Kind::Error).empty());
        EXPECT_EQ(rig.Item(VRX_GROUP8_PROPERTY_ID_2).Value(), "");
    }
}

TEST(WLanAdvCertificateItem, NoFileChosenAsksNothing) {
    Rig rig;
    rig.Click(VRX_GROUP8_PROPERTY_ID_2);
    EXPECT_EQ(rig.dialogs.fileRuns, 1);
    EXPECT_TRUE(rig.messages.shown().empty());
}

// ---- the page's spooler hold and the rescan's pause ----

// The scan's hold, the 100 ms pause before the second scan and the restore run through the exchange runner,
// off the window thread; a hold that did not run (another exchange was running) is not given back either.
TEST(WLanAdvScanHold, HoldPauseAndRestoreRunOffTheWindowThread) {
    DeviceConfigState state;
    FakeMessageBox messages;
    WLanAdvGroupEditor editor{state, messages};
    DeviceConfigExchange exchange{state, DeviceExchangeServices{DevicePorts{}}};
    ScriptedDialogs dialogs;
    FakeSpoolerHold spooler;
    FakeSleeper sleeper;
    std::vector<std::thread::id> workThreads;
    bool refuse = false;
    WLanAdvItemHost host(
        editor, exchange, dialogs, messages, &spooler,
        [&](const std::function<void()>& work) {
            if (refuse)
                return false;
            std::thread worker([&] {
                workThreads.push_back(std::this_thread::get_id());
                work();
            });
            worker.join();
            return true;
        },
        &sleeper);
    host.ReleasePort();
    host.Wait(std::chrono::milliseconds(100));
    host.RestorePort();
    EXPECT_EQ(workThreads.size(), 3u);
    EXPECT_EQ(std::count(workThreads.begin(), workThreads.end(), std::this_thread::get_id()), 0);
    EXPECT_EQ(sleeper.sleeps, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(100)});
    EXPECT_EQ(spooler.holds, 1);
    EXPECT_EQ(spooler.restores, 1);
    EXPECT_EQ(std::count(spooler.threads.begin(), spooler.threads.end(), std::this_thread::get_id()), 0);

    refuse = true;
    host.ReleasePort();
    refuse = false;
    host.RestorePort();
    EXPECT_EQ(spooler.holds, 1);
    EXPECT_EQ(spooler.restores, 1) << "a hold that never ran was given back";
}

// ---- the page's certificate upload ----

TEST(WLanAdvCertificateUpload, RunsThroughTheExchangeRunnerAndFailsWithoutAPort) {
    DeviceConfigState state;
    FakeMessageBox messages;
    WLanAdvGroupEditor editor{state, messages};
    DeviceConfigExchange exchange{state, DeviceExchangeServices{DevicePorts{}}};
    ScriptedDialogs dialogs;
    int runs = 0;
    WLanAdvItemHost host(editor, exchange, dialogs, messages, nullptr,
                         [&](const std::function<void()>& work) {
                             ++runs;
                             work();
                             return true;
                         });
    EXPECT_FALSE(host.UploadCertificateDocument("root.pem"));
    EXPECT_EQ(runs, 1);
    // An exchange already running refuses the upload without touching the port.
    WLanAdvItemHost busy(editor, exchange, dialogs, messages, nullptr,
                         [](const std::function<void()>&) { return false; });
    EXPECT_FALSE(busy.UploadCertificateDocument("root.pem"));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
