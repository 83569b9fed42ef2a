// Writes the seed corpora of the fuzz targets from the protocol's own encoders: the simulator's discovery
// answers and confirmations, the device frames and records, the configuration file images.
//   fuzz-make-corpus DIR     (writes DIR/TARGET/NAME)

#include "devcfg/DeviceFrame.h"
#include "devcfg/DeviceRecords.h"
#include "sim/SimConfig.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
std::filesystem::path g_root;

void Put(const std::string& target, const std::string& name, const Bytes& bytes) {
    const auto folder = g_root / target;
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
void Put(const std::string& target, const std::string& name, const std::string& text) {
    Put(target, name, Bytes(text.begin(), text.end()));
}
// Device targets take a first byte that says how the reply is cut into reads; 0xFF: whole.
Bytes Whole(Bytes reply) {
    reply.insert(reply.begin(), 0xFF);
    return reply;
}
Bytes Joined(const std::vector<Bytes>& replies) {
    Bytes out{0xFF};
    for (std::size_t i = 0; i < replies.size(); ++i) {
        if (i)
            out.insert(out.end(), {0xFF, 0x00, 0xFF});
        out.insert(out.end(), replies[i].begin(), replies[i].end());
    }
    return out;
}

const char* const kSimConfig = R"({"printers": [
  {"type": "wired", "mac": "02:00:00:00:00:01", "ip": "192.0.2.50", "subnet": "255.255.255.0",
   "gateway": "192.0.2.254", "port": 9100, "inactivity": 300, "answer_length": 30},
  {"type": "wired", "mac": "02:00:00:00:00:02", "ip": "192.0.2.51", "dhcp": 1, "http": 1},
  {"type": "wireless", "mac": "06:00:00:00:00:01", "ip": "198.51.100.7", "name": "Front desk",
   "garbage_before": ["text", "hex:00ff"], "settings_reply": "SETC"},
  {"type": "wireless", "mac": "06:00:00:00:00:02", "ip": "198.51.100.8", "mask": [17, 0],
   "answers_to": "both", "dhcp_ip": "198.51.100.80", "settings_reply": "none"}],
 "generate": {"wired": 2, "wireless": 1, "base_mac": "02:00:00:00:10:00", "base_ip": "203.0.113.10"}})";

void NetworkSeeds() {
    std::vector<SimPrinter> printers;
    std::string error;
    if (!SimConfig::Parse(kSimConfig, printers, error)) {
        std::fprintf(stderr, "simulator configuration: %s\n", error.c_str());
        std::exit(1);
    }
    Put("sim_config", "printers.json", kSimConfig);
    Put("sim_config", "generate.json", R"({"generate": {"wired": 3, "wireless": 2, "answers": 2}})");
    int n = 0;
    for (const SimPrinter& printer : printers) {
        if (n < 4) {
            Put("discovery_answer", "answer-" + std::to_string(n), printer.Answer());
            Put("setting_confirmation", "confirmation-" + std::to_string(n), printer.SettingsConfirmation());
        }
        ++n;
    }
    Put("setting_confirmation", "setc-short", std::string("SETC"));

    Put("preferences", "preferences.ini",
        "[Quorlink Tool]\r\nPREFERENCE[0]=1\r\nPREFERENCE[1]=3\r\nPREFERENCE[3]=1\r\nPREFERENCE[4]=2\r\n"
        "PREFERENCE[5]=2, 4\r\n");
    Put("preferences", "two-sections.ini",
        "; comment\n[Other]\nPREFERENCE[1]=9\n[quorlink tool]\n PREFERENCE[5] = \"1,,3\"\nPREFERENCE[0]=0");

    const auto args = [](std::vector<std::string> words) {
        std::string text;
        for (std::size_t i = 0; i < words.size(); ++i)
            text += (i ? std::string(1, '\0') : "") + words[i];
        return text;
    };
    Put("cli_arguments", "dhcp", args({"02:00:00:00:00:01", "--dhcp", "--name", "Dock 2"}));
    Put("cli_arguments", "fixed",
        args({"02:00:00:00:00:aa", "--ip", "192.0.2.60", "--subnet", "255.255.255.0", "--gateway",
              "192.0.2.1", "--port", "9101", "--inactivity", "600"}));
}

void DeviceSeeds() {
    using namespace DeviceFrame;
    // Start replies, accepted and refused then accepted in the alternate mode.
    const Bytes accepted = {kPrefix0, kPrefix1, kModeReply, 0x7F, kEndOfFrame};
    const Bytes refused = {kPrefix0, kPrefix1, kModeReply, 0x7E, kEndOfFrame};
    const Bytes certificateStart = {kPrefix0, kPrefix1, kModeReply, 'S', 'T', 'R', 'T', kEndOfFrame};
    Put("device_start", "accepted", Whole(accepted));
    Put("device_start", "refused-then-accepted", Joined({refused, accepted}));
    Put("device_start", "certificate-start", Whole(certificateStart));

    WLAN_ADVANCED_SYS_INFO sys{};
    std::memcpy(sys.FW_VERSION, "2.01.07", 7);
    std::memcpy(sys.FW_DATE, "2024-03-18", 10);
    const std::uint8_t mac[6] = {0x02, 0x00, 0x5E, 0x10, 0x20, 0x30};
    std::memcpy(sys.FW_MACADDRESS, mac, 6);
    Put("device_sysinfo", "sys-rsp",
        Whole(BuildFrame(kModeReply, kSysRsp, reinterpret_cast<const std::uint8_t*>(&sys), sizeof sys)));
    Put("device_sysinfo", "fail", Whole(BuildFrame(kModeReply, kFail)));

    WLAN_ADVANCED_CONFIG_INFO record{};
    DeviceRecords::SetFieldText(record.bySystemName, "Shipping bay");
    record.byNetworkMode = VRX_NETWORK_MODE_INFRASTRUCTURE;
    record.byIPConfigMode = VRX_IP_CONFIG_MANUAL;
    const std::uint8_t ip[4] = {192, 0, 2, 81}, mask[4] = {255, 255, 255, 0}, gateway[4] = {192, 0, 2, 254};
    std::memcpy(record.byIP, ip, 4);
    std::memcpy(record.bySubnetMask, mask, 4);
    std::memcpy(record.byGateway, gateway, 4);
    DeviceRecords::SetFieldText(record.bySSID, "warehouse");
    record.byAuthentication = VRX_AUTH_WPA2_PSK;
    record.byEncryption = VRX_ENCRYPTION_AES;
    DeviceRecords::SetFieldText(record.byPSK_Key, "correct horse battery");
    record.byAdhocChannel = 6;
    DeviceRecords::SetFieldText(record.byP2P_PinCode, "12345670");
    DeviceRecords::SetFieldText(record.byP2P_Channel, "11");
    DeviceRecords::SetFieldText(record.byUserName, "admin");
    DeviceRecords::SetBigEndian16(record.byPortNumber, 9100);
    record.bySNMP = VRX_SERVICE_ENABLED;
    DeviceRecords::SetFieldText(record.bySNMPGetCommunity, "public");
    DeviceRecords::SetBigEndian16(record.byIncativityTime, 300);
    record.byRFMode = VRX_RF_MODE_DUAL_PRIORITY_5GHZ;
    record.byDummy3 = VRX_DUMMY3_CERTIFICATE_SUPPORT;

    const struct {
        DeviceRecords::ConfigVariant variant;
        const char* name;
    } variants[] = {{DeviceRecords::ConfigVariant::Basic, "basic"},
                    {DeviceRecords::ConfigVariant::WifiDirect, "wifi-direct"},
                    {DeviceRecords::ConfigVariant::WifiDirectRf, "wifi-direct-rf"}};
    CERT_NAME_INFO name{};
    std::memcpy(name.byCertName, "ca.pem", 6);
    const auto nameReply = [&](int nType) {
        return BuildFrame(kModeReply, CertificateNameReplyHeader(nType), name.byCertName, sizeof name);
    };
    for (const auto& v : variants) {
        const Bytes frame = DeviceRecords::ConfigurationFrame(record, v.variant, false, kModeReply);
        Put("qlt_file", std::string(v.name) + ".qlt", frame);
        Put("device_config", v.name, Whole(frame));
    }
    const Bytes rf = DeviceRecords::ConfigurationFrame(record, DeviceRecords::ConfigVariant::WifiDirectRf,
                                                       false, kModeReply);
    Put("device_config", "with-names", Joined({rf, nameReply(0), nameReply(1), nameReply(2)}));
    Put("device_certname", "names", Joined({nameReply(0), nameReply(1), nameReply(2)}));
    const Bytes success = BuildMessage(kIfSuc);
    Put("device_certname", "name-set-success", Whole(Frame(kModeReply, success)));
    Bytes unencoded = {kPrefix0, kPrefix1, kModeReply};
    unencoded.insert(unencoded.end(), kIfSuc.begin(), kIfSuc.end());
    unencoded.push_back(kEndOfFrame);
    Put("device_certname", "unencoded-success", Whole(unencoded));

    // A scan of three access points, one with an SSID of blanks.
    Bytes payload;
    const auto entry = [&](std::string ssid, std::uint8_t modeByte, std::int16_t rssi,
                           std::uint8_t security) {
        payload.push_back(0x01);
        payload.push_back(static_cast<std::uint8_t>(ssid.size()));
        payload.insert(payload.end(), ssid.begin(), ssid.end());
        payload.insert(payload.end(), {0x00, 0x0B, 0x02, 0x00, 0x5E, 0x00, 0x00, 0x01, modeByte});
        payload.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(rssi) >> 8));
        payload.push_back(static_cast<std::uint8_t>(rssi & 0xFF));
        payload.push_back(security);
    };
    entry("warehouse", 0, -48, VRX_BSS_SECURITY_WPA2);
    entry("   ", 0, -90, VRX_BSS_SECURITY_NONE);
    entry("guest network", 1, -71, VRX_BSS_SECURITY_WPA_WPA2);
    Put("device_scan", "three", Whole(BuildFrame(kModeReply, kBssRsp, payload.data(), payload.size())));

    Put("device_factory", "supported", Whole(Bytes{kPrefix0, kPrefix1, kModeReply, '_', 'O', 'K', 0x00}));
    Put("device_factory", "ng", Whole(Bytes{kPrefix0, kPrefix1, kModeReply, '_', 'N', 'G', 0x00}));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz-make-corpus DIR\n");
        return 1;
    }
    g_root = argv[1];
    NetworkSeeds();
    DeviceSeeds();
    return 0;
}
