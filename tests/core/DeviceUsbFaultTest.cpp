// A USB printer unplugged between two device operations and in the middle of one: the exchanges over
// CPortUsb with the simulator's module behind a scripted libusb, on a virtual clock.

#include "app/StringTable.h"
#include "devcfg/DeviceConfigExchange.h"
#include "devport/CPortUsb.h"

#include "AllVisibleGrid.h"
#include "CapturedLog.h"
#include "FakeMessageBox.h"
#include "TempDir.h"
#include "UsbModuleBackend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <numeric>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const std::string kPrinter = "usb:1-1.4:vid_3f9a:pid_a007:Q7-000123";

class VirtualSleeper : public IDeviceSleeper {
public:
    void Sleep(std::chrono::milliseconds) override {}
};

DeviceModule::Settings ModuleSettings() {
    return DeviceModule::SettingsFromJson({{"variant", "wifi-direct-rf"},
                                           {"record", {{"bySSID", "Office"}, {"byDummy3", 1}}},
                                           {"names", {{"ca", "root.pem"}}},
                                           {"bss", {{{"ssid", "Office"}, {"bssid", "02:11:22:33:44:01"}}}}});
}

struct UsbRig {
    UsbRig() {
        DEVICE_OPTION dop;
        dop.strPort = kPrinter;
        dop.dwInterfaceType = VRX_DEVICE_INTERFACE_USB;
        port.SetDeviceOption(dop);
        state.m_dwConnectionType = VRX_DEVICE_INTERFACE_USB;
        messages.defaultAnswer = true;
    }
    DeviceExchangeServices Services() {
        DeviceExchangeServices services;
        services.ports = DevicePorts{&port, nullptr};
        services.sleeper = &tally;
        services.messages = &messages;
        services.grid = &grid;
        services.waiting = &waiting;
        return services;
    }
    std::string Ssid() const { return DeviceRecords::FieldText(state.m_ConfigurationInfo.bySSID); }
    std::string SsidAsRead() const {
        return DeviceRecords::FieldText(state.m_ConfigurationInfoAsRead.bySSID);
    }
    std::string ModuleSsid() const { return DeviceRecords::FieldText(backend->module().record().bySSID); }

    std::shared_ptr<UsbModuleBackend> backend = std::make_shared<UsbModuleBackend>(ModuleSettings());
    CPortUsb port{backend};
    DeviceConfigState state;
    VirtualSleeper virtualClock;
    SleepTally tally{virtualClock};
    FakeMessageBox messages;
    AllVisibleGrid grid;
    struct NoWait : IExchangeWaiting {
        void WaitFor(int) override {}
    } waiting;
    DeviceConfigExchange exchange{state, Services()};
};

std::string SaveError(int code) {
    return LoadString(165) + " (" + std::to_string(code) + ")";
}

TEST(DeviceUsbFaults, APrinterUnpluggedBetweenReadAndSaveKeepsTheEditsAndTakesThemWhenBack) {
    UsbRig rig;
    ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
    ASSERT_EQ(rig.Ssid(), "Office");
    DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "Edited");

    rig.backend->Unplug();
    CapturedLog log;
    const auto began = Clock::now();
    EXPECT_FALSE(rig.exchange.SaveNewConfiguration(false));
    EXPECT_LT(Clock::now() - began, 1s);
    EXPECT_EQ(rig.messages.Errors(), std::vector<std::string>{SaveError(4)});
    EXPECT_TRUE(log.Contains("CPortUsb::OpenPort : CreateFile failed with (-4)"));
    EXPECT_EQ(rig.Ssid(), "Edited");
    EXPECT_EQ(rig.SsidAsRead(), "Office");
    EXPECT_EQ(rig.ModuleSsid(), "Office");
    EXPECT_EQ(rig.backend->openInterfaces, 0);

    // A read of the unplugged printer fails at once with nothing received (the page retries it), and
    // leaves the edits alone.
    std::uint32_t received = 99;
    EXPECT_FALSE(rig.exchange.GetCurrentConfiguration(&received));
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(rig.Ssid(), "Edited");

    // Plugged in again, the same save goes through with the edit.
    rig.backend->PlugIn();
    EXPECT_TRUE(rig.exchange.SaveNewConfiguration(false));
    EXPECT_EQ(rig.ModuleSsid(), "Edited");
    EXPECT_EQ(rig.messages.Errors().size(), 1u);
}

TEST(DeviceUsbFaults, APrinterUnpluggedInTheMiddleOfAnOperationFailsItWithItsMessage) {
    enum class Operation { Read, Save, Scan, Reset, Upload };
    struct Case {
        const char* request; // unplugged as this request arrives
        int occurrence;
        Operation operation;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        {"reset_query", 1, Operation::Read, {}},
        {"SYS_REQ", 1, Operation::Read, {}},
        {"start", 2, Operation::Read, {}},
        {"IF__GET", 1, Operation::Read, {}},
        {"start", 1, Operation::Save, {SaveError(5)}},
        {"IF__SET", 1, Operation::Save, {SaveError(6)}},
        {"BSS_REQ", 1, Operation::Scan, {}},
        {"factory_reset", 1, Operation::Reset, {LoadString(276)}},
        {"cert_start", 1, Operation::Upload, {LoadString(245)}},
        {"CERTEND", 1, Operation::Upload, {LoadString(245)}},
    };
    TempDir dir;
    dir.write("ca.pem", std::string(501, 'c')); // a full chunk, then the last, shorter one
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.request) + " #" + std::to_string(c.occurrence));
        UsbRig rig;
        if (c.operation != Operation::Read) {
            ASSERT_TRUE(rig.exchange.GetCurrentConfiguration());
            DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "Edited");
        } else {
            DeviceRecords::SetFieldText(rig.state.m_ConfigurationInfo.bySSID, "kept");
        }
        rig.backend->unplugOn = c.request;
        rig.backend->unplugOnOccurrence = c.occurrence;
        rig.tally.Reset();
        const auto began = Clock::now();
        bool result = true;
        switch (c.operation) {
        case Operation::Read:
            result = rig.exchange.GetCurrentConfiguration();
            EXPECT_EQ(rig.Ssid(), "kept");
            break;
        case Operation::Save:
            result = rig.exchange.SaveNewConfiguration(false);
            EXPECT_EQ(rig.Ssid(), "Edited");
            EXPECT_EQ(rig.SsidAsRead(), "Office");
            break;
        case Operation::Scan:
            result = rig.exchange.GetBSSInfoList();
            EXPECT_EQ(rig.state.m_nNumBSSInfo, 0);
            break;
        case Operation::Reset:
            result = rig.exchange.FactoryReset();
            break;
        case Operation::Upload:
            rig.state.m_nCertificateType = DeviceFrame::kCertificateCA;
            result = rig.exchange.UploadCertificateDocument(dir.file("ca.pem"));
            EXPECT_EQ(DeviceRecords::FieldText(rig.state.m_CertificateName[0].byCertName), "root.pem");
            break;
        }
        EXPECT_FALSE(result);
        EXPECT_TRUE(rig.backend->unplugged) << "the request never came";
        EXPECT_EQ(rig.messages.Errors(), c.errors);
        // The module never saw the request, so it holds what it held; the port is let go.
        EXPECT_EQ(rig.ModuleSsid(), "Office");
        EXPECT_EQ(rig.backend->openInterfaces, 0);
        EXPECT_FALSE(rig.port.IsOpen());
        // Bounded by the read tables: at most a silent start handshake and a silent scan.
        EXPECT_LE(rig.tally.Total(), 16 * 250ms + 100ms + 201 * 50ms);
        EXPECT_LT(Clock::now() - began, 1s);
    }
}

} // namespace
