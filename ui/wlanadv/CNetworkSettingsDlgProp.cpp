#include "ui/wlanadv/CNetworkSettingsDlgProp.h"

#include "app/DiagnosticLog.h"
#include "ui/wlanadv/CVRXPageWLanAdvIpConfig.h"
#include "ui/wlanadv/IWLanAdvDialogs.h"
#include "ui/wlanadv/IWLanAdvItemHost.h"

#include <cstring>

namespace {

CVRXPageWLanAdvIpConfig::Address ToAddress(const std::uint8_t (&bytes)[4]) {
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

// Copies address into store; true when it differed.
bool Store(const CVRXPageWLanAdvIpConfig::Address& address, std::uint8_t (&store)[4]) {
    const bool changed = std::memcmp(address.data(), store, 4) != 0;
    std::memcpy(store, address.data(), 4);
    return changed;
}

} // namespace

bool CNetworkSettingsDlgProp::OnClickButton(PropertyItem& item) {
    WriteLog("CNetworkSettingsDlgProp::OnClickButton : START");
    if (!m_pPage) {
        WriteLog("CNetworkSettingsDlgProp::OnClickButton : m_pWLANSetting is NULL");
        return false;
    }
    WLanAdvGroupEditor::AddressStores& stores = m_pPage->AddressStores();
    CVRXPageWLanAdvIpConfig dialog;
    dialog.SetIPAddress(ToAddress(stores.ip));
    dialog.SetSubnetMask(ToAddress(stores.subnetMask));
    dialog.SetGateway(ToAddress(stores.gateway));
    bool changed = false;
    if (m_pPage->Dialogs().RunIpConfigDialog(dialog) == CVRXPageWLanAdvIpConfig::kResultOk) {
        // Every store is written; any one that differs is a change.
        changed |= Store(dialog.GetIPAddress(), stores.ip);
        changed |= Store(dialog.GetSubnetMask(), stores.subnetMask);
        changed |= Store(dialog.GetGateway(), stores.gateway);
        if (changed)
            m_pPage->ReportChanged(item);
    }
    WriteLog("CNetworkSettingsDlgProp::OnClickButton : changed = %d", changed ? 1 : 0);
    WriteLog("CNetworkSettingsDlgProp::OnClickButton : END");
    return changed;
}
