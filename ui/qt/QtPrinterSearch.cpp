#include "ui/qt/QtPrinterSearch.h"

#include "ui/qt/CVRXSearchDlg.h"

void QtPrinterSearch::Run(WLanInfoMap& wlan, EthernetInfoMap& ethernet) {
    CVRXSearchDlg dialog(m_endpoint, m_messages, m_cursor, m_parent);
    dialog.exec();
    dialog.CopyWLanInfoTo(wlan);
    dialog.CopyEthernetInfoTo(ethernet);
}
