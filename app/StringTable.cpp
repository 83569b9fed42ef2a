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
    {174, "Enter a sequence of up to 32 letters."},
    {176, "Enter 4 or 8 digits for PIN Code."},
    {177, "WLAN Security Configuration"},
    {206, "IP Address Configuration"},
    {242, "Are you sure to upload the certificate?"},
    {243, "Invalid Certificate."},
    {244, "The certificate has been uploaded successfully."},
    {245, "Failed to upload the certificate."},
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
    {272, "Not Supported"},
    {273, "Failed to get the BSS information."},
    {274, "Are you sure to perform a factory reset?"},
    {276, "Failed to perform a factory reset."},
    {279, "NO NETWORK CONNECTION FOUND"},
    {320, "The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0."},
    {321, "The IP address cannot be used: it is the network or broadcast address of its subnet."},
    {322, "The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save "
          "all the same?"},
    {323, "No web browser could be started to open %s."},
    {420, "Four numbers from 0 to 255, separated by dots"},
    {421, "Printer pages"},
    {422, "Printer settings"},
    {423, "Printers found"},
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

void SetCatalog(std::shared_ptr<const ITextCatalog> catalog) {
    std::lock_guard lock(g_mutex);
    g_catalog = std::move(catalog);
}

std::shared_ptr<const ITextCatalog> Catalog() {
    std::lock_guard lock(g_mutex);
    return g_catalog;
}

} // namespace StringTable
