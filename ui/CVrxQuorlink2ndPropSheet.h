#pragma once

#include "ui/IMainWindowMessages.h"

#include <vector>

// The pages a sheet of the main window can hold.
enum class SheetPage {
    PrinterList,     // "LAN/WLAN"
    WLanAdvanced,    // "WLAN (Advanced)"
    NetworkSettings, // "Network Configuration"
};

// A tabbed page sheet of the main window. It remembers the tab that became active last and tells the main
// window about every change of the tab selection (M1, posted, with the address of that remembered index).
class CVrxQuorlink2ndPropSheet {
public:
    explicit CVrxQuorlink2ndPropSheet(IMainWindowMessages& parent) : m_parent(parent) {}

    void AddPage(SheetPage page) { m_pages.push_back(page); }
    const std::vector<SheetPage>& GetPages() const { return m_pages; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    bool HasPage(SheetPage page) const;
    // The page at tab index, or nullptr.
    const SheetPage* PageAt(int index) const;

    // Makes tab index the active one without telling anybody (initialisation).
    void SetActivePage(int index) { m_nActivePage = index; }
    int GetActiveIndex() const { return m_nActivePage; }

    // The tab selection has changed to index.
    void OnTabSelChanged(int index);

    void SetVisible(bool visible) { m_bVisible = visible; }
    bool IsVisible() const { return m_bVisible; }

private:
    IMainWindowMessages& m_parent;
    std::vector<SheetPage> m_pages;
    int m_nActivePage = 0;
    bool m_bVisible = false;
};
