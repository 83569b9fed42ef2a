#include "ui/wlanadv/CPasswordProp.h"

#include "app/DiagnosticLog.h"
#include "devcfg/PropertyIds.h"
#include "ui/wlanadv/CVRXPageWLanPwSetting.h"
#include "ui/wlanadv/IWLanAdvDialogs.h"
#include "ui/wlanadv/IWLanAdvItemHost.h"
#include "ui/wlanadv/PropertyGrid.h"

std::string CPasswordProp::FormatValue(const std::string& value) {
    std::size_t characters = 0;
    for (const unsigned char c : value)
        if ((c & 0xC0) != 0x80)
            ++characters;
    return std::string(characters, '*');
}

void CPasswordProp::OnClickButton(PropertyItem& item) {
    WriteLog("CPasswordProp::OnClickButton : START");
    if (!m_pPage) {
        WriteLog("CPasswordProp::OnClickButton : m_pWLANSetting is NULL");
        return;
    }
    if (!item.IsMasked()) {
        item.SetMasked(true);
        const std::optional<int> showPassword = m_pPage->ShowPasswordPreference();
        if (showPassword && *showPassword > 0)
            item.SetMasked(false);
    }
    CVRXPageWLanPwSetting dialog(item.IsMasked(), item.Value(), item.DialogTitle(),
                                 item.MaxLength() > 0 ? static_cast<std::uint32_t>(item.MaxLength()) : 0);
    if (m_pPage->Dialogs().RunPasswordDialog(dialog) != CVRXPageWLanPwSetting::kResultOk) {
        WriteLog("CPasswordProp::OnClickButton : END");
        return;
    }
    switch (item.Id()) {
    case VRX_GROUP2_PROPERTY_ID_4: // PSK Key
    case VRX_GROUP2_PROPERTY_ID_5: // WEP-64 Key
    case VRX_GROUP2_PROPERTY_ID_6: // WEP-128 Key
    case VRX_GROUP2_PROPERTY_ID_8: // EAP Password
    case VRX_GROUP5_PROPERTY_ID_3: // User Password
        // The rule stores the cleaned text in the record and the item; a rejected text changes neither.
        if (m_pPage->ValidateItemText(item.Id(), dialog.GetPassword())) {
            item.SetModified(true);
            WriteLog("CPasswordProp::OnClickButton : accepted, %zu bytes", item.Value().size());
        }
        break;
    default:
        break;
    }
    WriteLog("CPasswordProp::OnClickButton : END");
}
