#include "ui/qt/wlanadv/CVRXPageWLanAdvSettingView.h"

#include "app/StringTable.h"
#include "ui/CVRXPageBasicSetting.h"
#include "ui/qt/AnchorLayout.h"
#include "ui/qt/QuorlinkLook.h"
#include "ui/qt/wlanadv/PropertyGridWidget.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

using Page = CVRXPageWLanAdvSetting;
using QuorlinkLook::IconKind;
constexpr const char* kWindow = "CVRXPageWLanAdvSetting";

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

IconKind IconOf(int id) {
    switch (id) {
    case Page::IDI_FACTORY_RESET:
        return IconKind::FactoryReset;
    case Page::IDI_CLOSE:
        return IconKind::Close;
    case Page::IDI_SAVE_AS_FILE:
        return IconKind::SaveAsFile;
    case Page::IDI_DISCONNECT:
        return IconKind::Disconnect;
    case Page::IDI_FILE_OPEN:
        return IconKind::FileOpen;
    case Page::IDI_SAVE:
        return IconKind::Save;
    case Page::IDI_TOGGLE_CLEAR:
        return IconKind::ToggleClear;
    case Page::IDI_TOGGLE_SET:
        return IconKind::ToggleSet;
    default:
        return IconKind::Connect;
    }
}

QPushButton* Button(QWidget* parent, const QString& text, int icon, const char* name) {
    auto* button = new QPushButton(QuorlinkLook::Icon(IconOf(icon)), text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIconSize(QSize(20, 20));
    button->setAutoDefault(false);
    return button;
}

// The width a button needs for each of texts, the widest of them.
int WidthFor(QPushButton* button, const QStringList& texts) {
    const QString shown = button->text();
    int width = 0;
    for (const QString& text : texts) {
        button->setText(text);
        width = std::max(width, button->sizeHint().width());
    }
    button->setText(shown);
    return width;
}

// The buttons side by side from left, each as wide as it needs but at least minimum, gap pixels apart.
void LayOutRow(const std::vector<std::pair<QPushButton*, int>>& buttons, int left, int top, int height,
               int minimum, int gap) {
    int x = left;
    for (const auto& [button, want] : buttons) {
        const int width = std::max(minimum, want);
        button->setGeometry(x, top, width, height);
        x += width + gap;
    }
}

// The page buttons "1" and "2": the one whose grid is shown is drawn raised, the other flat.
const char* kPageButtonStyle = R"(
QPushButton[flat="true"] { border-color: transparent; background: transparent; }
)";

} // namespace

CVRXPageWLanAdvSettingView::CVRXPageWLanAdvSettingView(CVRXPageWLanAdvSetting& page, QWidget* parent)
    : QWidget(parent), m_page(page) {
    setWindowTitle(Ui(StringTable::Dialog(kWindow, "WLAN (Advanced)")));
    setMinimumSize(CVRXPageBasicSetting::kPageWidth, CVRXPageBasicSetting::kPageHeight);

    auto* box = new QGroupBox(Ui(StringTable::Dialog(kWindow, "WLAN Configuration")), this);
    box->setObjectName(QStringLiteral("configurationGroup"));
    box->setGeometry(12, 8, 536, 376);

    // The small icon button at the group box's top left corner, before its title.
    m_iconButton = new QToolButton(this);
    m_iconButton->setObjectName(QStringLiteral("btnIcon"));
    m_iconButton->setAutoRaise(true);
    m_iconButton->setIconSize(QSize(16, 16));
    m_iconButton->setGeometry(22, 26, 20, 20);
    m_iconButton->setAccessibleName(Ui(LoadString(StringId::IconButtonName)));

    m_page1 = new QPushButton(QStringLiteral("1"), this);
    m_page1->setObjectName(QStringLiteral("btnPage1"));
    m_page2 = new QPushButton(QStringLiteral("2"), this);
    m_page2->setObjectName(QStringLiteral("btnPage2"));
    for (QPushButton* button : {m_page1, m_page2}) {
        button->setAutoDefault(false);
        button->setStyleSheet(QString::fromLatin1(kPageButtonStyle));
    }
    m_page1->setGeometry(472, 24, 30, 24);
    m_page2->setGeometry(506, 24, 30, 24);

    // The hidden page selector that mirrors which grid is shown.
    m_selector = new QComboBox(this);
    m_selector->setObjectName(QStringLiteral("comboPage"));
    m_selector->hide();
    // Nothing reaches it, neither the keyboard nor a screen reader's focus: the buttons do its work.
    m_selector->setFocusPolicy(Qt::NoFocus);
    m_selector->view()->setFocusPolicy(Qt::NoFocus);

    // The placement frame: both grids in one place.
    const QRect place(24, 54, 512, 280);
    m_grid1 = new PropertyGridWidget(m_page.Grid1(), this);
    m_grid1->setObjectName(QStringLiteral("grid1"));
    m_grid1->setGeometry(place);
    m_grid1->Tree()->setAccessibleName(Ui(LoadString(112)));
    m_grid2 = new PropertyGridWidget(m_page.Grid2(), this);
    m_grid2->setObjectName(QStringLiteral("grid2"));
    m_grid2->setGeometry(place);
    m_grid2->Tree()->setAccessibleName(Ui(LoadString(145)));

    m_saveAsFile = Button(this, Ui(StringTable::Dialog(kWindow, "Save as a file")), Page::IDI_SAVE_AS_FILE,
                          "btnSaveAsFile");
    m_fileOpen =
        Button(this, Ui(StringTable::Dialog(kWindow, "File Open")), Page::IDI_FILE_OPEN, "btnFileOpen");
    m_factoryReset = Button(this, Ui(StringTable::Dialog(kWindow, "Factory Reset")), Page::IDI_FACTORY_RESET,
                            "btnFactoryReset");
    LayOutRow({{m_saveAsFile, WidthFor(m_saveAsFile, {m_saveAsFile->text()})},
               {m_fileOpen, WidthFor(m_fileOpen, {m_fileOpen->text()})}},
              24, 342, 32, 150, 8);
    const int resetWidth = std::max(150, WidthFor(m_factoryReset, {m_factoryReset->text()}));
    m_factoryReset->setGeometry(536 - resetWidth, 342, resetWidth, 32);

    m_connect = Button(this, Ui(m_page.Text(268)), Page::IDI_CONNECT, "btnConnect");
    m_disconnect =
        Button(this, Ui(StringTable::Dialog(kWindow, "Disconnect")), Page::IDI_DISCONNECT, "btnDisconnect");
    m_close = Button(this, Ui(StringTable::Dialog(kWindow, "Close")), Page::IDI_CLOSE, "btnClose");
    LayOutRow({{m_connect, WidthFor(m_connect, {Ui(m_page.Text(268)), Ui(m_page.Text(267))})},
               {m_disconnect, WidthFor(m_disconnect, {m_disconnect->text()})}},
              12, 392, 34, 140, 8);
    const int closeWidth = std::max(140, WidthFor(m_close, {m_close->text()}));
    m_close->setGeometry(548 - closeWidth, 392, closeWidth, 34);

    // Larger than designed, the grids take the extra room (their description areas keep their rows); the
    // buttons keep their places at the edges they belong to.
    auto* layout =
        new AnchorLayout(this, QSize(CVRXPageBasicSetting::kPageWidth, CVRXPageBasicSetting::kPageHeight));
    layout->Add(box, AnchorLayout::kGrows);
    layout->Add(m_iconButton, AnchorLayout::kStays);
    layout->Add(m_page1, AnchorLayout::kRight);
    layout->Add(m_page2, AnchorLayout::kRight);
    layout->Add(m_grid1, AnchorLayout::kGrows);
    layout->Add(m_grid2, AnchorLayout::kGrows);
    for (QPushButton* button : {m_saveAsFile, m_fileOpen, m_connect, m_disconnect})
        layout->Add(button, AnchorLayout::kDown);
    layout->Add(m_factoryReset, AnchorLayout::kDownRight);
    layout->Add(m_close, AnchorLayout::kDownRight);

    connect(m_connect, &QPushButton::clicked, this, [this] { m_page.OnBnClickedConnectBtn(); });
    connect(m_disconnect, &QPushButton::clicked, this, [this] { m_page.OnBnClickedDisconnectBtn(); });
    connect(m_close, &QPushButton::clicked, this, [this] { m_page.OnBnClickedCloseBtn(); });
    connect(m_saveAsFile, &QPushButton::clicked, this, [this] { m_page.OnBnClickedSaveAsFileBtn(); });
    connect(m_fileOpen, &QPushButton::clicked, this, [this] { m_page.OnBnClickedFileOpenBtn(); });
    connect(m_factoryReset, &QPushButton::clicked, this, [this] { m_page.OnBnClickedFactoryResetBtn(); });
    connect(m_iconButton, &QToolButton::clicked, this, [this] { m_page.OnBnClickedIconBtn(); });
    connect(m_page1, &QPushButton::clicked, this, [this] { m_page.OnBnClickedPage1Btn(); });
    connect(m_page2, &QPushButton::clicked, this, [this] { m_page.OnBnClickedPage2Btn(); });
    connect(m_selector, &QComboBox::activated, this, [this](int index) {
        if (!m_bSyncing)
            m_page.OnPageSelected(index);
    });

    m_page.SetChangeListener([this] { Refresh(); });
    m_appliedFocusSerial = m_page.GetControls().focusSerial;
    Refresh();
}

CVRXPageWLanAdvSettingView::~CVRXPageWLanAdvSettingView() {
    m_page.SetChangeListener(nullptr);
}

void CVRXPageWLanAdvSettingView::RestoreFocusAfterBusy(unsigned selections) {
    if (m_page.GetControls().busy || !m_focusBeforeBusy ||
        selections != m_page.Grid1().SelectionSerial() + m_page.Grid2().SelectionSerial())
        return;
    // A dialog the exchange led to (the access points found) is up: once it has closed.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, this, [this, selections] { RestoreFocusAfterBusy(selections); });
        return;
    }
    if (!m_focusBeforeBusy->isEnabled() || !m_focusBeforeBusy->isVisible())
        return;
    // The window lost its focus widget when that was disabled; a dialog that closed meanwhile may leave it
    // inactive.
    if (!isActiveWindow())
        activateWindow();
    m_focusBeforeBusy->setFocus(Qt::OtherFocusReason);
}

void CVRXPageWLanAdvSettingView::Refresh() {
    const auto& c = m_page.GetControls();
    m_bSyncing = true;
    m_connect->setText(Ui(c.connectText));
    m_connect->setIcon(QuorlinkLook::Icon(IconOf(c.connectIcon)));
    m_disconnect->setVisible(c.disconnectVisible);
    m_saveAsFile->setVisible(c.saveAsFileVisible);
    m_fileOpen->setVisible(c.fileOpenVisible);
    m_factoryReset->setVisible(c.factoryResetVisible);
    // While an exchange runs no button takes input, and each looks so; the focus comes back afterwards.
    const bool idle = !c.busy;
    if (c.busy && !m_bShownBusy) {
        // One operation may run several exchanges in a row (a scan: hold, scan, pause, scan again, give
        // back): the focus the first one took away is the one to give back at the end.
        QWidget* focus = QApplication::focusWidget();
        if (focus && isAncestorOf(focus))
            m_focusBeforeBusy = focus;
        else if (focus)
            m_focusBeforeBusy = nullptr;
    }
    for (QPushButton* button : {m_connect, m_disconnect, m_close, m_saveAsFile, m_fileOpen, m_factoryReset})
        button->setEnabled(idle);
    m_iconButton->setEnabled(c.iconButtonEnabled && idle);
    m_iconButton->setIcon(QuorlinkLook::Icon(IconOf(c.iconButtonIcon)));
    m_page1->setEnabled(c.pageButtonsEnabled && idle);
    m_page2->setEnabled(c.pageButtonsEnabled && idle);
    m_page1->setFlat(c.raisedPageButton != 1);
    m_page2->setFlat(c.raisedPageButton != 2);
    for (QPushButton* button : {m_page1, m_page2}) {
        button->style()->unpolish(button);
        button->style()->polish(button);
    }
    if (m_selector->count() != static_cast<int>(c.selectorItems.size())) {
        m_selector->clear();
        for (const std::string& item : c.selectorItems)
            m_selector->addItem(Ui(item));
    }
    m_selector->setCurrentIndex(c.selectorSelected);
    m_selector->setEnabled(c.selectorEnabled && idle);
    // While an exchange runs the page goes on painting; the busy cursor says why clicks do nothing.
    if (c.busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
    m_bSyncing = false;
    if (!c.busy && m_bShownBusy && m_focusBeforeBusy) {
        // After the grids have taken their input again (they follow the model from the event loop); not
        // when the page has sent the user to a row meanwhile (a failed check).
        const unsigned selections = m_page.Grid1().SelectionSerial() + m_page.Grid2().SelectionSerial();
        QMetaObject::invokeMethod(
            this, [this, selections] { RestoreFocusAfterBusy(selections); }, Qt::QueuedConnection);
    }
    m_bShownBusy = c.busy;

    if (c.focusSerial != m_appliedFocusSerial) {
        m_appliedFocusSerial = c.focusSerial;
        if (c.focusControl == Page::IDC_BTN_PAGE1)
            m_page1->setFocus(Qt::OtherFocusReason);
        else if (c.focusControl == Page::IDC_BTN_PAGE2)
            m_page2->setFocus(Qt::OtherFocusReason);
    }
}
