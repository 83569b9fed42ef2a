#include "app/StringTable.h"

#include <algorithm>
#include <mutex>

namespace StringTable {

namespace {

const std::vector<std::pair<int, const char*>> kEntries = {
    {103, "IP Address"},
    {104, "Mac Address"},
    {105, "System Name"},
    {106, "Type"},
    {107, "Refresh"},
    {108, "DHCP"},
    {109, "Wired"},
    {110, "Wireless"},
    {111, "This application have to restart for switching the language. Would you like to continue ?"},
    {112, "Configuration #1"},
    {113, "Invalid Port Number"},
    {114, "Are you sure to save the configuration ?"},
    {115, "Failed to save the network information."},
    {117, "SYSTEM NAME LENGTH ERROR"},
    {118, "Wired"},
    {119, "Wireless"},
    {120, "The IP address cannot be used."},
    {124, "BSS Information"},
    {125, "SSID"},
    {126, "BSSID"},
    {127, "WLAN Mode"},
    {128, "Security"},
    {129, "RSSI "},
    {130, "Infrastructure"},
    {131, "Adhoc"},
    {132, "UNKNOWN"},
    {133, "None"},
    {134, "WEP-64"},
    {135, "WEP-128"},
    {136, "WEP-64/WEP-128"},
    {137, "WPA"},
    {138, "WPA2"},
    {139, "WPA/WPA2"},
    {145, "Configuration #2"},
    {146, "Device Connection"},
    {147, "No Available Ports"},
    {148, "Even"},
    {149, "Odd"},
    {150, "None"},
    {151, "Hardware"},
    {152, "Xon/Xoff"},
    {153, "None"},
    {156, "Network Configuration"},
    {157, "IP Address Configuration"},
    {160, "Success to get the WLAN information."},
    {161, "Failed to get the WLAN information."},
    {162, "The changes have been applied. Please reset the printer."},
    {163, "Are you sure to save the new configuration?"},
    {165, "Failed to save the new configuration information."},
    {166, "WLAN Basic Configuration"},
    {167, "WLAN Mode"},
    {168, "Infrastructure"},
    {169, "Adhoc"},
    {170, "Wi-Fi Direct"},
    {171, "Soft AP"},
    {172, "Channel"},
    {173, "SSID"},
    {174, "Enter a sequence of up to 32 letters."},
    {175, "PIN Code"},
    {176, "Enter 4 or 8 digits for PIN Code."},
    {177, "WLAN Security Configuration"},
    {178, "Authentication"},
    {179, "Open System"},
    {180, "Shared Key"},
    {181, "WPA-PSK"},
    {182, "WPA2-PSK"},
    {183, "WPA-EAP"},
    {184, "WPA2-EAP"},
    {185, "Encryption"},
    {186, "None"},
    {187, "WEP-64"},
    {188, "WEP-128"},
    {189, "TKIP"},
    {190, "AES"},
    {191, "AES + TKIP"},
    {192, "EAP Mode"},
    {194, "EAP-PEAP"},
    {195, "EAP-TTLS"},
    {196, "EAP-TLS"},
    {197, "EAP-LEAP"},
    {198, "EAP-FAST"},
    {199, "PSK Key"},
    {204, "EAP ID"},
    {205, "EAP Password"},
    {206, "IP Address Configuration"},
    {207, "IP Address Assignment"},
    {208, "IP Address"},
    {209, "Manual"},
    {210, "DHCP"},
    {211, "Subnet Mask"},
    {212, "GateWay"},
    {213, "Port Number"},
    {214, "System Information"},
    {215, "Firmware Version"},
    {216, "Update Date"},
    {217, "MAC Address"},
    {218, "System Configuration"},
    {219, "System Name"},
    {220, "User ID"},
    {221, "User Password"},
    {222, "Inactivity Time (Sec.)"},
    {223, "Wireless frequency"},
    {224, "2.4GHz"},
    {225, "5GHz"},
    {226, "2.4GHz/5GHz (Priority: 2.4GHz)"},
    {227, "2.4GHz/5Ghz (Priority: 5GHz)"},
    {228, "HTTPS"},
    {229, "TELNET"},
    {230, "FTP"},
    {231, "SNMP"},
    {232, "Disable"},
    {233, "Enable"},
    {234, "SNMP"},
    {235, "SNMP Community (Read)"},
    {236, "SNMP Community (Write)"},
    {237, "SNMP Trap Community"},
    {238, "SNMP Trap IP Address"},
    {239, "Certificate Upload"},
    {240, "Certificate Type"},
    {241, "Certificate File"},
    {242, "Are you sure to upload the certificate?"},
    {243, "Invalid Certificate."},
    {244, "The certificate has been uploaded successfully."},
    {245, "Failed to upload the certificate."},
    {246, "CA"},
    {247, "Client Key"},
    {248, "Client PEM"},
    {249, "PIN CODE LENGTH ERROR."},
    {250, "SSID LENGTH ERROR"},
    {251, "EAP ID LENGTH ERROR"},
    {252, "EAP PASSWORD LENGTH ERROR"},
    {253, "PSK KEY LENGTH ERROR"},
    {254, "PSK KEY VALUE ERROR"},
    {255, "WEP-64 KEY LENGTH ERROR"},
    {256, "WEP-64  KEY VALUE ERROR"},
    {257, "WEP-128 KEY LENGTH ERROR"},
    {258, "WEP-128  KEY VALUE ERROR"},
    {259, "SYSTEM NAME LENGTH ERROR"},
    {260, "USER ID LENGTH ERROR"},
    {261, "USER PASSWORD LENGTH ERROR"},
    {262, "Community Name LENGTH ERROR (Read)"},
    {263, "Community Name LENGTH ERROR (Write)"},
    {264, "Trap IP Address LENGTH ERROR"},
    {265, "TRAP IP ADDRESS FORMAT ERROR"},
    {266, "Trap Community Name LENGTH ERROR"},
    {267, "Save"},
    {268, "Connect"},
    {269, "WEP-64 Key"},
    {270, "WEP-128 Key"},
    {271, "Protocol"},
    {272, "Not Supported"},
    {273, "Failed to get the BSS information."},
    {274, "Are you sure to perform a factory reset?"},
    {275, "Certificate Name"},
    {276, "Failed to perform a factory reset."},
    {277, "SNMP Trap"},
    {279, "NO NETWORK CONNECTION FOUND"},
    {282, "Option"},
    {320, "The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0."},
    {321, "The IP address cannot be used: it is the network or broadcast address of its subnet."},
    {322, "The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save "
          "all the same?"},
    {323, "No web browser could be started to open %s."},
    {340, "Your account may not open the serial port %1. Ask your administrator to add it to the group "
          "\"%2\" (sudo adduser %3 %2), then log out and log in again."},
    {341,
     "Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule "
     "(60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to "
     "the group \"%2\" (sudo adduser %3 %2), then log out and log in again."},
    {342, "%1 is in use by another program, perhaps a print job. Wait until it has finished or close that "
          "program, then try again."},
    {343, "No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and "
          "that the cable is connected."},
    {344, "%1 is not there. Check that the printer is connected and switched on, then try again."},
    {345, "%1 cannot be opened: %2."},
    {346, "The print server does not let Quorlink Tool pause the print queue %1 (it asks for an "
          "administrator). Printing to that queue while the printer is being configured may interrupt the "
          "configuration. To allow pausing, an administrator can add your account to the group \"lpadmin\" "
          "(sudo adduser %2 lpadmin); then log out and log in again."},
    {420, "Four numbers from 0 to 255, separated by dots"},
    {421, "Printer pages"},
    {422, "Printer settings"},
    {423, "Printers found"},
    {424, "Icon"},
    {425, "read-only"},
    {426, "changed"},
    {427, "F4 opens the dialog"},
    {430, "The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. "
          "They are lost when the application restarts."},
    {470, "%1 to %2 bytes"},
    {471, "up to %1 bytes"},
    {472, "4 or 8 digits"},
    {473, "8 to 63 ASCII characters"},
    {474, "%1 letters, digits, \"-\" or \"_\", or %2 hexadecimal digits"},
    {475, "an IPv4 address: four numbers from 0 to 255 joined by three dots"},
    {476, "%1 is neither a PEM nor a DER certificate. Upload it anyway?"},
    {477, "%1 is neither a PEM nor a DER certificate."},
    {490, "Printers found so far: %1"},
    {510, "The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). "
          "An administrator can add your account to the group \"lpadmin\" (sudo adduser %2 lpadmin); then log "
          "out and log in again."},
    {511, "The print server does not let Quorlink Tool change the print queue %1 (it asks for an "
          "administrator). An administrator can add your account to the group \"lpadmin\" (sudo adduser %2 "
          "lpadmin); then log out and log in again."},
    {512, "The print queue %1 could not be added: %2"},
    {513, "The print queue %1 was added for %2 with the driver %3."},
    {514, "The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, "
          "so programs must send the printer's own language."},
    {515, "Add print queue…"},
    {516, "Add print queue"},
    {517, "Name of the new print queue for the printer %1:"},
    {518, "A queue name has 1 to 127 characters and no spaces or / \\ # ' \" ,"},
    {519, "These print queues reach the printer at its old address %1:\n%2\nPoint them at the new address %3?"},
    {520, "The print queue %1 now prints to %2."},
    {521, "The print queue %1 could not be changed: %2"},
    {550, "Filter"},
    {551, "%1 of %2 printers"},
    {552, "Export…"},
    {553, "Copy"},
    {554, "Copy IP Address"},
    {555, "Copy MAC Address"},
    {556, "All printers (%1)…"},
    {557, "Printers shown (%1)…"},
    {558, "CSV files"},
    {559, "The list could not be written to %1: %2."},
    {590, "Enter a port number from 0 to 32767."},
    {591, "Enter an inactivity time from 0 to 3600 seconds."},
    {57344, "Quorlink Tool"},
    {61715, "Enter a positive integer."},
    {61720, "Enter no more than %1 characters."},
};

std::mutex g_mutex;
std::shared_ptr<const ITextCatalog> g_catalog;

} // namespace

const char* English(int id) {
    const auto found = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                        [](const auto& entry, int key) { return entry.first < key; });
    return found != kEntries.end() && found->first == id ? found->second : nullptr;
}

const std::vector<std::pair<int, const char*>>& Entries() {
    return kEntries;
}

std::string Load(int id) {
    const char* english = English(id);
    if (!english)
        return {};
    if (const auto catalog = Catalog()) {
        if (auto translated = catalog->Translate(kContext, english, std::to_string(id)))
            return *translated;
    }
    return english;
}

std::string Dialog(std::string_view window, std::string_view english) {
    if (const auto catalog = Catalog()) {
        if (auto translated = catalog->Translate(window, english, {}))
            return *translated;
    }
    return std::string(english);
}

std::string Fill(const std::string& text, const std::vector<std::string>& arguments) {
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t index = static_cast<size_t>(text[i + 1] - '1');
            if (index < arguments.size()) {
                filled += arguments[index];
                ++i;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

void SetCatalog(std::shared_ptr<const ITextCatalog> catalog) {
    std::lock_guard lock(g_mutex);
    g_catalog = std::move(catalog);
}

std::shared_ptr<const ITextCatalog> Catalog() {
    std::lock_guard lock(g_mutex);
    return g_catalog;
}

} // namespace StringTable
