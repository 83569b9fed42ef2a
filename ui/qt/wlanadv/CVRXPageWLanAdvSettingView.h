#pragma once

#include "ui/wlanadv/CVRXPageWLanAdvSetting.h"

#include <QPointer>
#include <QWidget>

class PropertyGridWidget;
class QComboBox;
class QPushButton;
class QToolButton;

// The WLAN (Advanced) page on screen: the group box "WLAN Configuration" with the small icon button at its
// top left, the buttons "1" and "2" that switch between the two grids, the two property grids in one place,
// and the buttons Save as a file, File Open and Factory Reset below them; Connect (Save), Disconnect and
// Close at the bottom. It shows what CVRXPageWLanAdvSetting holds and forwards the clicks; while an exchange
// runs the page keeps painting and shows the busy cursor, and its buttons and grids are disabled.
class CVRXPageWLanAdvSettingView : public QWidget {
    Q_OBJECT
public:
    explicit CVRXPageWLanAdvSettingView(CVRXPageWLanAdvSetting& page, QWidget* parent = nullptr);
    ~CVRXPageWLanAdvSettingView() override;

    PropertyGridWidget* Grid1View() const { return m_grid1; }
    PropertyGridWidget* Grid2View() const { return m_grid2; }

private:
    void Refresh();
    // Gives the focus back to the widget that had it before the page went busy (see Refresh).
    void RestoreFocusAfterBusy(unsigned selections);

    CVRXPageWLanAdvSetting& m_page;
    PropertyGridWidget* m_grid1 = nullptr;
    PropertyGridWidget* m_grid2 = nullptr;
    QToolButton* m_iconButton = nullptr;
    QPushButton* m_page1 = nullptr;
    QPushButton* m_page2 = nullptr;
    QComboBox* m_selector = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_disconnect = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_saveAsFile = nullptr;
    QPushButton* m_fileOpen = nullptr;
    QPushButton* m_factoryReset = nullptr;
    unsigned m_appliedFocusSerial = 0;
    bool m_bSyncing = false;
    // The page was shown busy; the widget that had the focus before.
    bool m_bShownBusy = false;
    QPointer<QWidget> m_focusBeforeBusy;
};
