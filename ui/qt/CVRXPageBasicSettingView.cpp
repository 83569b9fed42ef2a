#include "ui/qt/CVRXPageBasicSettingView.h"

#include "app/StringTable.h"
#include "ui/PrintQueueActions.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QuorlinkLook.h"

#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

#include <functional>

namespace {

using Page = CVRXPageBasicSetting;
using QuorlinkLook::IconKind;

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Widget> Widget* Place(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QPushButton* Button(QWidget* parent, const std::string& text, IconKind icon, const char* name,
                    const QRect& geometry) {
    auto* button = Place(new QPushButton(QuorlinkLook::Icon(icon), Ui(text), parent), name, geometry);
    button->setIconSize(QSize(20, 20));
    button->setAutoDefault(false); // Enter belongs to the page, never to a button
    return button;
}

QLineEdit* DetailField(QWidget* parent, const char* name, const QRect& geometry) {
    auto* field = Place(new QLineEdit(parent), name, geometry);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

// The list control: reports clicks on its empty area once it has handled them itself (a click there takes
// the selection away).
class PrinterListControl : public QTableWidget {
public:
    PrinterListControl(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {}

    std::function<void()> onEmptyAreaClicked;
    std::function<void()> onEmptyAreaDoubleClicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool empty =
            event->button() == Qt::LeftButton && !indexAt(event->position().toPoint()).isValid();
        QTableWidget::mouseReleaseEvent(event);
        if (empty && onEmptyAreaClicked)
            onEmptyAreaClicked();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const bool empty =
            event->button() == Qt::LeftButton && !indexAt(event->position().toPoint()).isValid();
        QTableWidget::mouseDoubleClickEvent(event);
        if (empty && onEmptyAreaDoubleClicked)
            onEmptyAreaDoubleClicked();
    }
};

// The width a button needs for each of texts (with its icon), the widest of them.
int ButtonWidthFor(QPushButton* button, const QStringList& texts) {
    const QString shown = button->text();
    int width = 0;
    for (const QString& text : texts) {
        button->setText(text);
        width = std::max(width, button->sizeHint().width());
    }
    button->setText(shown);
    return width;
}

// Lays buttons out in a row from left to right across width pixels with gap pixels between them: each gets
// the width its texts need, and what is left is shared out evenly.
void LayOutButtonRow(const std::vector<std::pair<QPushButton*, int>>& buttons, int left, int top, int width,
                     int height, int gap) {
    int needed = gap * static_cast<int>(buttons.size() - 1);
    for (const auto& [button, want] : buttons)
        needed += want;
    const int extra = std::max(0, width - needed) / static_cast<int>(buttons.size());
    int x = left;
    for (const auto& [button, want] : buttons) {
        button->setGeometry(x, top, want + extra, height);
        x += want + extra + gap;
    }
}

// Shows text in a detail field from its start (a text wider than the field is cut at its end, not at its
// beginning), and whole in the field's tooltip.
void SetTextIfDifferent(QLineEdit* field, const std::string& text) {
    const QString shown = Ui(text);
    if (field->text() == shown)
        return;
    field->setText(shown);
    field->setCursorPosition(0);
    field->setToolTip(shown);
}

} // namespace

CVRXPageBasicSettingView::CVRXPageBasicSettingView(CVRXPageBasicSetting& page, QWidget* parent)
    : QWidget(parent), m_page(page) {
    setWindowTitle(Ui(StringTable::Dialog("CVRXPageBasicSetting", "LAN/WLAN")));
    setFixedSize(Page::kPageWidth, Page::kPageHeight);

    // Frames first, so that the controls lie on top of them.
    Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageBasicSetting", "LAN/WLAN Configuration")), this),
          "listGroup", QRect(12, 8, 536, 250));
    Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageBasicSetting", "Printer Network Information")), this),
          "detailsGroup", QRect(12, 266, 536, 118));

    auto* list =
        Place(new PrinterListControl(0, Page::kColumnCount, this), "listPrinter", QRect(24, 32, 512, 174));
    list->onEmptyAreaClicked = [this] { m_page.OnNMClickList(-1); };
    list->onEmptyAreaDoubleClicked = [this] { m_page.OnNMDblclkList(-1); };
    m_list = list;
    m_list->setAccessibleName(Ui(LoadString(StringId::PrinterListName)));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setSortingEnabled(false); // the page sorts
    m_list->setWordWrap(false);
    m_list->setAlternatingRowColors(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(22);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setSectionsClickable(true);
    m_list->horizontalHeader()->setSortIndicatorShown(true);
    m_list->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The columns share the list's width (RebuildRows), room for the vertical scroll bar included.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_search =
        Button(this, m_page.GetControls().searchText, IconKind::Search, "btnSearch", QRect(24, 214, 164, 34));
    m_configuration = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Configuration"),
                             IconKind::Configuration, "btnConfiguration", QRect(196, 214, 164, 34));
    m_browser = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Launch Browser"), IconKind::Browser,
                       "btnBrowser", QRect(368, 214, 168, 34));
    // Each button as wide as its text in the current language needs (Search also for "Refresh"); what is
    // left of the row is shared out evenly.
    LayOutButtonRow(
        {{m_search, ButtonWidthFor(m_search, {m_search->text(), Ui(LoadString(StringId::Refresh))})},
         {m_configuration, ButtonWidthFor(m_configuration, {m_configuration->text()})},
         {m_browser, ButtonWidthFor(m_browser, {m_browser->text()})}},
        24, 214, 512, 34, 8);

    struct Detail {
        std::string label;
        const char* name;
        QLineEdit** field;
        QRect geometry;
    } details[] = {
        {StringTable::Dialog("CVRXPageBasicSetting", "MAC Address:"), "editMacAddress", &m_macAddress,
         QRect(26, 290, 250, 24)},
        {StringTable::Dialog("CVRXPageBasicSetting", "IP Address:"), "editIpAddress", &m_ipAddress,
         QRect(284, 290, 250, 24)},
        {StringTable::Dialog("CVRXPageBasicSetting", "Subnet Mask:"), "editSubnetMask", &m_subnetMask,
         QRect(26, 320, 250, 24)},
        {StringTable::Dialog("CVRXPageBasicSetting", "Gateway:"), "editGateway", &m_gateway,
         QRect(284, 320, 250, 24)},
        {StringTable::Dialog("CVRXPageBasicSetting", "Port Number:"), "editPortNumber", &m_portNumber,
         QRect(26, 350, 250, 24)},
    };
    // The labels as wide as the widest needs in the current language; the fields take the rest of each half
    // (152 pixels, wide enough for "255.255.255.255 (DHCP)", unless a language's labels need more).
    int labelWidth = 96;
    for (const auto& detail : details)
        labelWidth = std::max(labelWidth, QLabel(Ui(detail.label)).sizeHint().width() + 2);
    labelWidth = std::min(labelWidth, 150);
    for (const auto& detail : details) {
        auto* label = new QLabel(Ui(detail.label), this);
        label->setGeometry(detail.geometry.x(), detail.geometry.y(), labelWidth, detail.geometry.height());
        *detail.field = DetailField(this, detail.name,
                                    QRect(detail.geometry.x() + labelWidth + 2, detail.geometry.y(),
                                          250 - labelWidth - 2, detail.geometry.height()));
        label->setBuddy(*detail.field);
    }

    m_language = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Language"), IconKind::Language,
                        "btnLanguage", QRect(12, 392, 140, 34));
    m_close = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Close"), IconKind::Close, "btnClose",
                     QRect(408, 392, 140, 34));
    m_language->resize(std::max(140, ButtonWidthFor(m_language, {m_language->text()})), 34);
    const int closeWidth = std::max(140, ButtonWidthFor(m_close, {m_close->text()}));
    m_close->setGeometry(548 - closeWidth, 392, closeWidth, 34);

    connect(m_search, &QPushButton::clicked, this, [this] { m_page.OnBnClickedSearchRefreshBtn(); });
    connect(m_configuration, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnConfiguration(); });
    connect(m_browser, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnBrowser(); });
    connect(m_close, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnClose(); });
    connect(m_language, &QPushButton::clicked, this, [this] { ShowLanguageMenu(); });

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) {
                if (m_bSyncing)
                    return;
                // Only the row that gains the selection counts.
                for (const QItemSelectionRange& range : selected)
                    for (int row = range.top(); row <= range.bottom(); ++row)
                        m_page.OnLvnItemchangedList(row);
            });
    connect(m_list, &QTableWidget::cellClicked, this, [this](int row, int) { m_page.OnNMClickList(row); });
    connect(m_list, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { m_page.OnNMDblclkList(row); });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { m_page.OnColumnClick(column); });

    Mnemonics::Assign(this);

    m_page.SetChangeListener([this] { Refresh(); });
    m_appliedRowsSerial = m_page.GetControls().rowsSerial - 1; // build the list once now
    m_appliedFocusSerial = m_page.GetControls().listFocusSerial;
    Refresh();
}

CVRXPageBasicSettingView::~CVRXPageBasicSettingView() {
    m_page.SetChangeListener(nullptr);
}

void CVRXPageBasicSettingView::RebuildRows() {
    const auto& controls = m_page.GetControls();
    const auto columns = m_page.ListColumns(m_list->width());
    QStringList headers;
    for (int column = 0; column < Page::kColumnCount; ++column)
        headers << Ui(columns[static_cast<size_t>(column)].header);
    m_list->setHorizontalHeaderLabels(headers);
    SizeColumns(columns);

    m_list->clearContents();
    m_list->setRowCount(static_cast<int>(controls.rows.size()));
    for (int row = 0; row < m_list->rowCount(); ++row) {
        const auto& texts = controls.rows[static_cast<size_t>(row)].texts;
        for (int column = 0; column < Page::kColumnCount; ++column) {
            const QString text = Ui(texts[static_cast<size_t>(column)]);
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(text); // whole, where the fixed column width elides it
            item->setData(Qt::UserRole, controls.rows[static_cast<size_t>(row)].itemData);
            m_list->setItem(row, column, item);
        }
    }
    m_list->horizontalHeader()->setSortIndicator(
        controls.sortColumn, controls.sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CVRXPageBasicSettingView::SizeColumns(const std::vector<CVRXPageBasicSetting::ListColumn>& columns) {
    // Every column wide enough for its header and its texts in the current language: "#" for three-digit
    // numbers, the address columns for the addresses listed, the type column for both types. The system name
    // takes what is left of the list beside the vertical scroll bar, so that no horizontal scroll bar is ever
    // needed (a long name shows whole in its tooltip).
    const QFontMetrics cell(m_list->font());
    const QFontMetrics header(m_list->horizontalHeader()->font());
    constexpr int kCellPadding = 14;   // the grid line and the item's margins on both sides
    constexpr int kHeaderPadding = 30; // the section's margins and the sort mark
    // "#" and the type column are never narrower than the page has them; the text columns share the rest.
    auto fit = [&](size_t column, const QStringList& texts) {
        const bool fixed = column == Page::kColumnNumber || column == Page::kColumnType;
        int width = std::max(fixed ? columns[column].width : 0,
                             header.horizontalAdvance(Ui(columns[column].header)) + kHeaderPadding);
        for (const QString& text : texts)
            width = std::max(width, cell.horizontalAdvance(text) + kCellPadding);
        return width;
    };
    // Room beside the vertical scroll bar when the rows need one.
    const int rowsHeight =
        static_cast<int>(m_page.GetControls().rows.size()) * m_list->verticalHeader()->defaultSectionSize();
    const bool scrolls = rowsHeight > m_list->height() - 2 * m_list->frameWidth() -
                                          m_list->horizontalHeader()->sizeHint().height();
    const int available =
        m_list->width() - 2 * m_list->frameWidth() -
        (scrolls ? m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list) : 0);
    // The addresses as the rows hold them (before a search, the longest an address can be).
    QStringList addresses = {QStringLiteral("255.255.255.255")}, macs = {QStringLiteral("00:00:00:00:00:00")};
    if (!m_page.GetControls().rows.empty()) {
        addresses.clear();
        macs.clear();
        for (const auto& row : m_page.GetControls().rows) {
            addresses << Ui(row.texts[Page::kColumnIpAddress]);
            macs << Ui(row.texts[Page::kColumnMacAddress]);
        }
    }
    int widths[Page::kColumnCount] = {
        fit(Page::kColumnNumber, {QStringLiteral("000")}),
        fit(Page::kColumnIpAddress, addresses),
        fit(Page::kColumnMacAddress, macs),
        fit(Page::kColumnSystemName, {}),
        fit(Page::kColumnType, {Ui(LoadString(StringId::ListWired)), Ui(LoadString(StringId::ListWireless))}),
    };
    // What is left goes to the three text columns alike; when there is too little, the name gives way.
    int left = available;
    for (const int width : widths)
        left -= width;
    const int extra = left / 3;
    widths[Page::kColumnIpAddress] += std::max(0, extra);
    widths[Page::kColumnMacAddress] += std::max(0, extra);
    widths[Page::kColumnSystemName] += left - 2 * std::max(0, extra);
    for (int column = 0; column < Page::kColumnCount; ++column)
        m_list->setColumnWidth(column, widths[column]);
}

void CVRXPageBasicSettingView::Refresh() {
    const auto& controls = m_page.GetControls();
    m_bSyncing = true;
    const bool rebuilt = controls.rowsSerial != m_appliedRowsSerial;
    if (rebuilt) {
        m_appliedRowsSerial = controls.rowsSerial;
        RebuildRows();
    }
    const int selected = controls.selectedRow;
    if (selected >= 0 && selected < m_list->rowCount()) {
        // A row the list has selected already is left alone: the list may be in the middle of selecting it.
        if (!m_list->selectionModel()->isRowSelected(selected, {}))
            m_list->setCurrentCell(selected, 0,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // The row whose details show is on screen, also after a search that filled a long list.
        if (selected != m_scrolledToRow || rebuilt) {
            m_list->scrollTo(m_list->model()->index(selected, 0), QAbstractItemView::EnsureVisible);
            m_scrolledToRow = selected;
        }
    } else if (m_list->selectionModel()->hasSelection()) {
        m_list->clearSelection();
    }
    m_bSyncing = false;

    Mnemonics::SetText(m_search, Ui(controls.searchText), window());
    m_configuration->setEnabled(controls.configurationEnabled);
    m_browser->setEnabled(controls.browserEnabled);
    SetTextIfDifferent(m_macAddress, m_page.m_strMACAddress);
    SetTextIfDifferent(m_ipAddress, m_page.m_strIPAddress);
    SetTextIfDifferent(m_subnetMask, m_page.m_strSubnetMask);
    SetTextIfDifferent(m_gateway, m_page.m_strGateway);
    SetTextIfDifferent(m_portNumber, m_page.m_strPortNumber);

    if (controls.listFocusSerial != m_appliedFocusSerial) {
        m_appliedFocusSerial = controls.listFocusSerial;
        m_list->setFocus(Qt::OtherFocusReason);
    }
}

void CVRXPageBasicSettingView::ShowLanguageMenu() {
    const auto items = m_page.OnBnClickedLanguageBtn();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("languageMenu"));
    // One choice among many: the current language carries a radio mark.
    auto* choices = new QActionGroup(&menu);
    choices->setExclusive(true);
    int chosen = 0;
    for (const auto& item : items) {
        QAction* action = menu.addAction(Ui(item.text));
        action->setCheckable(true);
        action->setActionGroup(choices);
        action->setChecked(item.checked);
        action->setData(item.command);
        connect(action, &QAction::triggered, &menu, [&chosen, command = item.command] { chosen = command; });
    }
    menu.exec(QCursor::pos());
    // The command runs after the menu has gone, so that its question is not shown over the menu.
    if (chosen != 0)
        m_page.OnLanguageMenuCommand(chosen);
}

void CVRXPageBasicSettingView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_page.OnEnterKey()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CVRXPageBasicSettingView::AddPrintQueueAction(PrintQueueActions& actions, IQueueNameAsker& asker) {
    m_addPrintQueue = new QAction(Ui(PrintQueueActions::AddActionText()), m_list);
    m_addPrintQueue->setObjectName(QStringLiteral("addPrintQueue"));
    m_addPrintQueue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_addPrintQueue->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_addPrintQueue->setEnabled(PrintQueueActions::CanAddFor(m_page.m_strMACAddress));
    m_list->addAction(m_addPrintQueue);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The selected printer is the page's; the action follows it once the page has taken the selection.
    connect(m_list, &QTableWidget::itemSelectionChanged, m_addPrintQueue, [this] {
        QMetaObject::invokeMethod(
            m_addPrintQueue,
            [this] { m_addPrintQueue->setEnabled(PrintQueueActions::CanAddFor(m_page.m_strMACAddress)); },
            Qt::QueuedConnection);
    });
    connect(m_addPrintQueue, &QAction::triggered, this, [this, &actions, &asker] {
        if (PrintQueueActions::CanAddFor(m_page.m_strMACAddress))
            actions.AddQueueFor(m_page.m_strMACAddress, asker);
    });
}
