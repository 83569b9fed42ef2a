#include "ui/qt/CVrxQuorlink2ndDlgView.h"

#include "app/DialogResult.h"
#include "app/Preferences.h"
#include "app/StringTable.h"
#include "app/WindowPlacement.h"
#include "ui/qt/AnchorLayout.h"
#include "ui/PrintQueueActions.h"
#include "ui/qt/CVRXPageBasicSettingView.h"
#include "ui/qt/CVRXPageNetConnectionSettingView.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QuorlinkLook.h"
#include "ui/qt/wlanadv/CVRXPageWLanAdvSettingView.h"
#include "ui/qt/wlanadv/WLanAdvancedPage.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSizeGrip>
#include <QTabBar>
#include <QTabWidget>

namespace {

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

// Where the sheets go (the hidden marker of the window's layout), below the top caption bar.
const QPoint kSheetPlace(4, 36);

} // namespace

CVrxQuorlink2ndDlgView::CVrxQuorlink2ndDlgView(CVrxQuorlink2ndDlg& dlg, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint), m_dlg(dlg) {
    setObjectName(QStringLiteral("mainWindow"));
    setStyleSheet(QuorlinkLook::WindowStyleSheet());
    const QIcon appIcon = QuorlinkLook::Icon(QuorlinkLook::IconKind::Application);
    setWindowIcon(appIcon);

    m_dlg.OnInitDialog();
    setWindowTitle(Ui(m_dlg.GetTitle()));

    m_topCaption = new CaptionBar(CaptionBar::Kind::Title, this);
    m_topCaption->setObjectName(QStringLiteral("topCaption"));
    m_topCaption->SetText(Ui(m_dlg.GetTitle()));
    m_topCaption->SetIcon(appIcon);
    m_bottomCaption = new CaptionBar(CaptionBar::Kind::Notice, this);
    m_bottomCaption->setObjectName(QStringLiteral("bottomCaption"));
    m_bottomCaption->SetText(
        Ui(StringTable::Dialog("CVrxQuorlink2ndDlg", "Copyright © HALDA. All rights reserved.")));

    // A combo box the window keeps hidden; it has no use.
    auto* hiddenCombo = new QComboBox(this);
    hiddenCombo->setObjectName(QStringLiteral("hiddenCombo"));
    hiddenCombo->hide();
    // Nothing reaches it, neither the keyboard nor a screen reader's focus.
    hiddenCombo->setFocusPolicy(Qt::NoFocus);
    hiddenCombo->view()->setFocusPolicy(Qt::NoFocus);

    // The main sheet: the printer list and the WLAN (Advanced) page, as "PREFERENCE[4]" chose them.
    m_mainSheet = CreateSheet("mainSheet");
    m_mainSheet->setAccessibleName(Ui(LoadString(StringId::MainSheetName)));
    for (const SheetPage page : m_dlg.GetMainSheet().GetPages()) {
        if (page == SheetPage::PrinterList) {
            m_printerListView = new CVRXPageBasicSettingView(m_dlg.GetPageBasicSetting(), m_mainSheet);
            m_printerListView->setObjectName(QStringLiteral("printerListPage"));
            m_mainSheet->addTab(m_printerListView, QuorlinkLook::Icon(QuorlinkLook::IconKind::PrinterListTab),
                                m_printerListView->windowTitle());
        } else if (page == SheetPage::WLanAdvanced) {
            m_wlanAdvanced = std::make_unique<WLanAdvancedPage>(m_dlg, m_mainSheet);
            QWidget* advanced = m_wlanAdvanced->View();
            advanced->setObjectName(QStringLiteral("wlanAdvancedPage"));
            m_mainSheet->addTab(advanced, QuorlinkLook::Icon(QuorlinkLook::IconKind::WLanTab),
                                advanced->windowTitle());
        }
    }
    // The language switch restarts the program: its question tells of the WLAN page's unsaved edits.
    if (m_wlanAdvanced)
        m_dlg.GetPageBasicSetting().SetUnsavedEditsQuery(
            [this] { return m_wlanAdvanced && m_wlanAdvanced->Page().HasUnsavedEdits(); });
    m_mainSheet->setCurrentIndex(m_dlg.GetMainSheet().GetActiveIndex());
    // The pages' designed size is the sheet's smallest; a larger window gives the sheet the extra room.
    m_mainSheet->setMinimumSize(m_mainSheet->minimumSizeHint());
    m_mainSheet->resize(m_mainSheet->minimumSizeHint());
    m_mainSheet->move(kSheetPlace + QPoint(1, 1));

    // The settings sheet: the network settings page, hidden below its siblings until a printer is opened.
    m_settingsSheet = CreateSheet("settingsSheet");
    m_settingsSheet->setAccessibleName(Ui(LoadString(StringId::SettingsSheetName)));
    m_settingsView =
        new CVRXPageNetConnectionSettingView(m_dlg.GetPageNetConnectionSetting(), m_settingsSheet);
    m_settingsView->setObjectName(QStringLiteral("networkSettingsPage"));
    m_settingsSheet->addTab(m_settingsView, QuorlinkLook::Icon(QuorlinkLook::IconKind::SettingsTab),
                            m_settingsView->windowTitle());
    m_settingsSheet->setCurrentIndex(m_dlg.GetSettingsSheet().GetActiveIndex());
    m_settingsSheet->setFixedSize(m_settingsSheet->minimumSizeHint());
    m_settingsSheet->move(kSheetPlace + QPoint(3, 3));
    m_settingsSheet->lower();

    // The window around the main sheet, the bars as wide as the window.
    const QRect sheet = m_mainSheet->geometry();
    const int width = sheet.x() + sheet.width() + 3;
    const int sheetBottom = sheet.y() + sheet.height();
    m_topCaption->setGeometry(0, 0, width, m_topCaption->height());
    m_bottomCaption->setGeometry(m_topCaption->x(), sheetBottom + 5, width, m_bottomCaption->height());
    const QSize designed(width, sheetBottom + 5 + m_bottomCaption->height());
    setMinimumSize(designed);
    resize(designed);

    // Larger than designed, the main sheet takes the room; the bars stay at the top and bottom edges. The
    // size grip in the bottom right corner resizes the window, which has no frame of the system's.
    auto* grip = new QSizeGrip(this);
    grip->setObjectName(QStringLiteral("sizeGrip"));
    grip->setGeometry(width - 14, designed.height() - 14, 12, 12);
    auto* layout = new AnchorLayout(this, designed);
    layout->Add(m_topCaption, AnchorLayout::kWider);
    layout->Add(m_mainSheet, AnchorLayout::kGrows);
    layout->Add(m_bottomCaption, AnchorLayout::kDownWider);
    layout->Add(grip, AnchorLayout::kDownRight);
    grip->raise();
    RestorePlacement();

    // Enter belongs to the pages, never to a button of the window.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    // The settings sheet lies over the main sheet, both shown: their keys are the window's, one of each.
    Mnemonics::Assign(this);

    // The tab changes from now on are the user's.
    connect(m_mainSheet, &QTabWidget::currentChanged, this,
            [this](int index) { m_dlg.GetMainSheet().OnTabSelChanged(index); });
    connect(m_settingsSheet, &QTabWidget::currentChanged, this,
            [this](int index) { m_dlg.GetSettingsSheet().OnTabSelChanged(index); });

    m_dlg.SetPostListener([this] {
        QMetaObject::invokeMethod(
            this, [this] { m_dlg.DispatchPostedMessage(); }, Qt::QueuedConnection);
    });
    m_dlg.SetChangeListener([this] { Refresh(); });
    Refresh();
}

CVrxQuorlink2ndDlgView::~CVrxQuorlink2ndDlgView() {
    m_dlg.GetPageNetConnectionSetting().SetAddressChangeListener(nullptr);
    m_dlg.GetPageBasicSetting().SetUnsavedEditsQuery(nullptr);
    m_dlg.SetChangeListener(nullptr);
    m_dlg.SetPostListener(nullptr);
}

void CVrxQuorlink2ndDlgView::SetPrintQueues(PrintQueueActions& actions, IQueueNameAsker& asker) {
    if (m_printerListView)
        m_printerListView->AddPrintQueueAction(actions, asker);
    m_dlg.GetPageNetConnectionSetting().SetAddressChangeListener(
        [&actions](const std::string& mac, const std::string& oldIp, const std::string& newIp) {
            actions.OnAddressChanged(mac, oldIp, newIp);
        });
}

QTabWidget* CVrxQuorlink2ndDlgView::CreateSheet(const char* name) {
    auto* sheet = new QTabWidget(this);
    sheet->setObjectName(QString::fromLatin1(name));
    sheet->setIconSize(QSize(24, 24));
    sheet->setDocumentMode(false);
    sheet->setFocusPolicy(Qt::TabFocus);
    sheet->tabBar()->setExpanding(false);
    return sheet;
}

int CVrxQuorlink2ndDlgView::DoModal() {
    if (!m_dlg.IsEnded())
        exec();
    return m_dlg.IsEnded() ? m_dlg.GetResult() : IDCANCEL;
}

void CVrxQuorlink2ndDlgView::RestorePlacement() {
    if (m_printerListView)
        m_dlg.GetPageBasicSetting().OnColumnWidthsChanged(
            WindowPlacement::ParseWidths(VRXReadConfigurationInfoFromFile(PreferenceKey::PrinterListColumns),
                                         CVRXPageBasicSetting::kColumnCount));
    const auto placement =
        WindowPlacement::Parse(VRXReadConfigurationInfoFromFile(PreferenceKey::MainWindow));
    if (!placement)
        return;
    // Never smaller than designed.
    resize(std::max(placement->width, minimumSize().width()),
           std::max(placement->height, minimumSize().height()));
    // Where it was, while that place is on a screen still (a screen may have gone since).
    const QRect wanted(placement->x, placement->y, width(), height());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(wanted)) {
            move(wanted.topLeft());
            break;
        }
    }
}

void CVrxQuorlink2ndDlgView::SavePlacement() {
    const QRect frame = geometry();
    VRXWriteConfigurationInfoFromFile(
        PreferenceKey::MainWindow,
        WindowPlacement{frame.x(), frame.y(), frame.width(), frame.height()}.Text());
    if (m_printerListView) {
        const auto& widths = m_dlg.GetPageBasicSetting().GetControls().columnWidths;
        if (!widths.empty())
            VRXWriteConfigurationInfoFromFile(PreferenceKey::PrinterListColumns,
                                              WindowPlacement::WidthsText(widths));
    }
}

void CVrxQuorlink2ndDlgView::Refresh() {
    m_mainSheet->setVisible(m_dlg.GetMainSheet().IsVisible());
    m_settingsSheet->setVisible(m_dlg.GetSettingsSheet().IsVisible());
    if (m_dlg.IsEnded() && !m_bDone) {
        m_bDone = true;
        // Kept for the next start, also the one after a language switch.
        SavePlacement();
        QDialog::done(m_dlg.GetResult());
    }
}

void CVrxQuorlink2ndDlgView::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Without a system frame the window draws its own thin border.
    QPainter painter(this);
    painter.setPen(QuorlinkLook::CaptionDark());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CVrxQuorlink2ndDlgView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept(); // swallowed: neither closes the window
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CVrxQuorlink2ndDlgView::closeEvent(QCloseEvent* event) {
    // The system asks the window to close: it ends cancelled.
    if (!m_dlg.IsEnded())
        m_dlg.OnClose();
    event->accept();
}
