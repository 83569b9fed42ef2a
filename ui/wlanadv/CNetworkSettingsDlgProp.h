#pragma once

class IWLanAdvItemHost;
class PropertyItem;

// The button of the IP Address, Subnet Mask and GateWay items: the IP address dialog with all three shared
// addresses, whichever item was clicked. After OK the dialog's addresses go into the stores, and when one
// of them differs the item is reported changed, so that the group's rule takes every changed address over.
class CNetworkSettingsDlgProp {
public:
    explicit CNetworkSettingsDlgProp(IWLanAdvItemHost* pPage) : m_pPage(pPage) {}

    // True when an address changed.
    bool OnClickButton(PropertyItem& item);

private:
    IWLanAdvItemHost* m_pPage;
};
