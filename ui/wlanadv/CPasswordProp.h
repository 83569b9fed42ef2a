#pragma once

#include <string>

class IWLanAdvItemHost;
class PropertyItem;

// The button of a password item (PSK Key, WEP keys, EAP Password, User Password): the password dialog with
// the item's value, title and maximum length. Under the show-password lock the dialog never shows the
// password: the lock is the item's mask flag, set once and cleared again only by PREFERENCE[3] > 0; a flag
// set from the start (the printer refused the normal start) stays set. A password the item's field rule
// accepts becomes the value; a rejected one leaves the old value.
class CPasswordProp {
public:
    explicit CPasswordProp(IWLanAdvItemHost* pPage) : m_pPage(pPage) {}

    // The text the grid shows for value: one "*" per character.
    static std::string FormatValue(const std::string& value);

    void OnClickButton(PropertyItem& item);

private:
    IWLanAdvItemHost* m_pPage;
};
