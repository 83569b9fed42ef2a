#include "ui/CVrxQuorlink2ndPropSheet.h"

#include <algorithm>

bool CVrxQuorlink2ndPropSheet::HasPage(SheetPage page) const {
    return std::find(m_pages.begin(), m_pages.end(), page) != m_pages.end();
}

const SheetPage* CVrxQuorlink2ndPropSheet::PageAt(int index) const {
    if (index < 0 || index >= GetPageCount())
        return nullptr;
    return &m_pages[static_cast<size_t>(index)];
}

void CVrxQuorlink2ndPropSheet::OnTabSelChanged(int index) {
    m_nActivePage = index;
    // Posted: the main window handles it once the tab change is complete.
    m_parent.PostMessage(MainWindowMessage::M1, &m_nActivePage);
}
