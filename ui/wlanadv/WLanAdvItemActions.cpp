#include "ui/wlanadv/WLanAdvItemActions.h"

#include "ui/wlanadv/PropertyGrid.h"

WLanAdvItemActions::WLanAdvItemActions(IWLanAdvItemHost& page)
    : m_password(&page), m_address(&page), m_accessPoint(&page), m_certificate(&page) {}

void WLanAdvItemActions::OnClickButton(PropertyItem& item) {
    switch (item.Kind()) {
    case PropertyKind::Password:
        m_password.OnClickButton(item);
        break;
    case PropertyKind::Address:
        m_address.OnClickButton(item);
        break;
    case PropertyKind::AccessPoint:
        m_accessPoint.OnClickButton(item);
        break;
    case PropertyKind::CertificateFile:
        m_certificate.OnClickButton(item);
        break;
    default:
        break;
    }
}

void WLanAdvItemActions::OnEditStart(PropertyItem& item) {
    if (item.Kind() == PropertyKind::AccessPoint)
        m_accessPoint.OnEditStart(item);
}

void WLanAdvItemActions::Attach(PropertyGrid& grid) {
    grid.SetButtonHandler([this](PropertyItem& item) { OnClickButton(item); });
    grid.SetEditStartHandler([this](PropertyItem& item) { OnEditStart(item); });
}
