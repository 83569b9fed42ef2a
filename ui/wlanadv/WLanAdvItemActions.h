#pragma once

#include "ui/wlanadv/CBSSInfoProperty.h"
#include "ui/wlanadv/CCertificateUploadDlgProp.h"
#include "ui/wlanadv/CNetworkSettingsDlgProp.h"
#include "ui/wlanadv/CPasswordProp.h"

class PropertyGrid;

// The behaviour of the grid's own item kinds, by kind: the button of password, address, SSID and
// certificate file items and the start of an in-place edit. Option items (their stored index) and masked
// text items behave as the grid's plain items. Attach() makes a grid's buttons and edit starts come here.
class WLanAdvItemActions {
public:
    explicit WLanAdvItemActions(IWLanAdvItemHost& page);

    void OnClickButton(PropertyItem& item);
    void OnEditStart(PropertyItem& item);
    void Attach(PropertyGrid& grid);

private:
    CPasswordProp m_password;
    CNetworkSettingsDlgProp m_address;
    CBSSInfoProperty m_accessPoint;
    CCertificateUploadDlgProp m_certificate;
};
