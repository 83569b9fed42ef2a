#pragma once

class IWLanAdvItemHost;
class PropertyItem;

// The SSID item: typed in place (blanks at both ends trimmed when the edit starts), or taken from the
// access-point list behind its button. The button scans (once more after 100 ms when at most one access
// point came back, as a module that has just woken often answers with one), lists the result and takes
// the access point the user double-clicked over into the settings; the spooler hold is released before
// and restored after. A scan that finds nothing shows text 273.
class CBSSInfoProperty {
public:
    static constexpr int kRescanDelayMs = 100;

    explicit CBSSInfoProperty(IWLanAdvItemHost* pPage) : m_pWLANSetting(pPage) {}

    void OnEditStart(PropertyItem& item);
    void OnClickButton(PropertyItem& item);

private:
    IWLanAdvItemHost* m_pWLANSetting;
};
