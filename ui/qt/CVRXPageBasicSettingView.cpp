#include "ui/qt/CVRXPageBasicSettingView.h"

#include "app/StringTable.h"
#include "ui/PrintQueueActions.h"
#include "ui/qt/AnchorLayout.h"
#include "ui/qt/Mnemonics.h"
#include "ui/qt/QuorlinkLook.h"
#include "ui/qt/wlanadv/QtFileDialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
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
    std::function<void()> onCopy;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Ctrl+C copies the selected rows, not only the current cell as a table would.
        if (event->matches(QKeySequence::Copy) && onCopy) {
            onCopy();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
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
    setMinimumSize(Page::kPageWidth, Page::kPageHeight);

    // Frames first, so that the controls lie on top of them.
    Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageBasicSetting", "LAN/WLAN Configuration")), this),
          "listGroup", QRect(12, 8, 536, 250));
    Place(new QGroupBox(Ui(StringTable::Dialog("CVRXPageBasicSetting", "Printer Network Information")), this),
          "detailsGroup", QRect(12, 266, 536, 118));

    // The filter above the list, the count of printers shown beside it, Export at the right.
    m_filter = Place(new QLineEdit(this), "editFilter", QRect(24, 30, 190, 24));
    m_filter->setPlaceholderText(Ui(LoadString(StringId::FilterField)));
    m_filter->setAccessibleName(Ui(LoadString(StringId::FilterField)));
    m_filter->setClearButtonEnabled(true);
    m_filter->setToolTip(Ui(LoadString(StringId::FilterField)) + QStringLiteral(" (") +
                         QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText) +
                         QStringLiteral(")"));
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut); // only while this page is the one shown
    connect(find, &QShortcut::activated, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });
    m_export = Button(this, LoadString(StringId::ExportButton), IconKind::SaveAsFile, "btnExport",
                      QRect(436, 29, 100, 26));
    m_export->setIconSize(QSize(16, 16));
    const int exportWidth = std::max(100, ButtonWidthFor(m_export, {m_export->text()}));
    m_export->setGeometry(536 - exportWidth, 29, exportWidth, 26);
    m_count = Place(new QLabel(this), "labelCount", QRect(222, 30, 536 - exportWidth - 8 - 222, 24));
    m_count->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* list =
        Place(new PrinterListControl(0, Page::kColumnCount, this), "listPrinter", QRect(24, 60, 512, 146));
    list->onEmptyAreaClicked = [this] { m_page.OnNMClickList(-1); };
    list->onEmptyAreaDoubleClicked = [this] { m_page.OnNMDblclkList(-1); };
    list->onCopy = [this] { CopyRows(); };
    m_list = list;
    m_list->setAccessibleName(Ui(LoadString(StringId::PrinterListName)));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows may be selected for copying; the page's selected row is the list's current one.
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setSortingEnabled(false); // the page sorts
    m_list->setWordWrap(false);
    m_list->setAlternatingRowColors(true);
    m_list->verticalHeader()->hide();
    // Rows as close as a list of many printers wants them: the text's height and a little room.
    m_list->verticalHeader()->setDefaultSectionSize(std::max(18, m_list->fontMetrics().height() + 4));
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
        bool right; // the right-hand column: moves by half the extra width
    } details[] = {
        {StringTable::Dialog("CVRXPageBasicSetting", "MAC Address:"), "editMacAddress", &m_macAddress,
         QRect(26, 290, 250, 24), false},
        {StringTable::Dialog("CVRXPageBasicSetting", "IP Address:"), "editIpAddress", &m_ipAddress,
         QRect(284, 290, 250, 24), true},
        {StringTable::Dialog("CVRXPageBasicSetting", "Subnet Mask:"), "editSubnetMask", &m_subnetMask,
         QRect(26, 320, 250, 24), false},
        {StringTable::Dialog("CVRXPageBasicSetting", "Gateway:"), "editGateway", &m_gateway,
         QRect(284, 320, 250, 24), true},
        {StringTable::Dialog("CVRXPageBasicSetting", "Port Number:"), "editPortNumber", &m_portNumber,
         QRect(26, 350, 250, 24), false},
    };
    // The labels as wide as the widest needs in the current language; the fields take the rest of each half
    // (152 pixels, wide enough for "255.255.255.255 (DHCP)", unless a language's labels need more).
    int labelWidth = 96;
    for (const auto& detail : details)
        labelWidth = std::max(labelWidth, QLabel(Ui(detail.label)).sizeHint().width() + 2);
    labelWidth = std::min(labelWidth, 150);
    std::vector<std::pair<QWidget*, AnchorLayout::Follow>> detailFollows;
    for (const auto& detail : details) {
        auto* label = new QLabel(Ui(detail.label), this);
        label->setGeometry(detail.geometry.x(), detail.geometry.y(), labelWidth, detail.geometry.height());
        *detail.field = DetailField(this, detail.name,
                                    QRect(detail.geometry.x() + labelWidth + 2, detail.geometry.y(),
                                          250 - labelWidth - 2, detail.geometry.height()));
        label->setBuddy(*detail.field);
        // Larger than designed, the two columns of the panel share the extra width.
        const double x = detail.right ? 0.5 : 0;
        detailFollows.push_back({label, {x, 1, 0, 0}});
        detailFollows.push_back({*detail.field, {x, 1, 0.5, 0}});
    }

    m_language = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Language"), IconKind::Language,
                        "btnLanguage", QRect(12, 392, 140, 34));
    m_close = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Close"), IconKind::Close, "btnClose",
                     QRect(408, 392, 140, 34));
    m_language->resize(std::max(140, ButtonWidthFor(m_language, {m_language->text()})), 34);
    const int closeWidth = std::max(140, ButtonWidthFor(m_close, {m_close->text()}));
    m_close->setGeometry(548 - closeWidth, 392, closeWidth, 34);

    // Larger than designed, the list takes the extra room, the details panel the extra width; the buttons
    // keep their places at the edges they belong to.
    auto* layout = new AnchorLayout(this, QSize(Page::kPageWidth, Page::kPageHeight));
    layout->Add(findChild<QGroupBox*>(QStringLiteral("listGroup")), AnchorLayout::kGrows);
    layout->Add(findChild<QGroupBox*>(QStringLiteral("detailsGroup")), AnchorLayout::kDownWider);
    layout->Add(m_filter, AnchorLayout::kWider);
    layout->Add(m_count, AnchorLayout::kRight);
    layout->Add(m_export, AnchorLayout::kRight);
    layout->Add(m_list, AnchorLayout::kGrows);
    for (QPushButton* button : {m_search, m_configuration, m_browser, m_language})
        layout->Add(button, AnchorLayout::kDown);
    layout->Add(m_close, AnchorLayout::kDownRight);
    for (const auto& [widget, follow] : detailFollows)
        layout->Add(widget, follow);

    m_fileDialogs = std::make_unique<QtFileDialogs>(this);
    m_page.SetFileDialogs(m_fileDialogs.get());

    connect(m_search, &QPushButton::clicked, this, [this] { m_page.OnBnClickedSearchRefreshBtn(); });
    connect(m_configuration, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnConfiguration(); });
    connect(m_browser, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnBrowser(); });
    connect(m_close, &QPushButton::clicked, this, [this] { m_page.OnBnClickedBtnClose(); });
    connect(m_language, &QPushButton::clicked, this, [this] { ShowLanguageMenu(); });
    connect(m_export, &QPushButton::clicked, this,
            [this] { Export(m_export->mapToGlobal(QPoint(0, m_export->height()))); });
    connect(m_filter, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_page.OnFilterChanged(text.toStdString()); });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& place) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("printerListMenu"));
        const QModelIndex index = m_list->indexAt(place);
        FillContextMenu(menu, index.isValid() ? index.row() : -1);
        menu.exec(m_list->viewport()->mapToGlobal(place));
    });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_bSyncing)
            ColumnResizedByUser();
    });

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection&) {
                if (m_bSyncing || selected.isEmpty())
                    return;
                // The row that gains the selection counts; of several (Shift), the list's current one.
                const int current = m_list->currentIndex().row();
                int row = selected.last().bottom();
                for (const QItemSelectionRange& range : selected)
                    if (current >= range.top() && current <= range.bottom())
                        row = current;
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
    m_page.SetFileDialogs(nullptr);
}

std::vector<int> CVRXPageBasicSettingView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CVRXPageBasicSettingView::FillContextMenu(QMenu& menu, int row) {
    // The actions run once the menu has gone (a dialog they open is not shown over the menu).
    const auto add = [this, &menu](const std::string& text, std::function<void()> run) {
        QAction* action = menu.addAction(Ui(text));
        QObject::connect(action, &QAction::triggered, &menu,
                         [this, run] { QMetaObject::invokeMethod(this, run, Qt::QueuedConnection); });
        return action;
    };
    const bool onRow = row >= 0 && row < m_list->rowCount();
    add(LoadString(StringId::CopyRows), [this] {
        CopyRows();
    })->setShortcut(QKeySequence(QKeySequence::Copy));
    add(LoadString(StringId::CopyIpAddress), [this, row] {
        CopyCell(row, Page::kColumnIpAddress);
    })->setEnabled(onRow);
    add(LoadString(StringId::CopyMacAddress), [this, row] {
        CopyCell(row, Page::kColumnMacAddress);
    })->setEnabled(onRow);
    menu.addSeparator();
    add(LoadString(StringId::ExportButton), [this] {
        Export(QCursor::pos());
    })->setEnabled(m_page.GetControls().foundCount > 0);
    if (m_addPrintQueue) {
        menu.addSeparator();
        menu.addAction(m_addPrintQueue);
    }
}

void CVRXPageBasicSettingView::CopyRows() {
    const std::string text = m_page.RowsAsTabText(SelectedRows());
    if (!text.empty())
        QGuiApplication::clipboard()->setText(Ui(text));
}

void CVRXPageBasicSettingView::CopyCell(int row, int column) {
    const auto& rows = m_page.GetControls().rows;
    if (row >= 0 && row < static_cast<int>(rows.size()))
        QGuiApplication::clipboard()->setText(
            Ui(rows[static_cast<size_t>(row)].texts[static_cast<size_t>(column)]));
}

void CVRXPageBasicSettingView::Export(const QPoint& menuPlace) {
    const auto& controls = m_page.GetControls();
    if (static_cast<int>(controls.rows.size()) == controls.foundCount) {
        m_page.OnExport(false);
        return;
    }
    // The filter hides printers: all of them, or those shown?
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("exportMenu"));
    int choice = 0;
    connect(menu.addAction(Ui(
                StringTable::Fill(LoadString(StringId::ExportAll), {std::to_string(controls.foundCount)}))),
            &QAction::triggered, &menu, [&choice] { choice = 1; });
    connect(menu.addAction(Ui(StringTable::Fill(LoadString(StringId::ExportShown),
                                                {std::to_string(controls.rows.size())}))),
            &QAction::triggered, &menu, [&choice] { choice = 2; });
    menu.exec(menuPlace);
    if (choice != 0)
        m_page.OnExport(choice == 2);
}

void CVRXPageBasicSettingView::ColumnResizedByUser() {
    std::vector<int> widths;
    for (int column = 0; column < Page::kColumnCount; ++column)
        widths.push_back(m_list->columnWidth(column));
    m_page.OnColumnWidthsChanged(widths);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CVRXPageBasicSettingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The columns follow the list's new width (unless the user set them).
    m_bSyncing = true;
    SizeColumns(m_page.ListColumns(m_list->width()));
    m_bSyncing = false;
}

void CVRXPageBasicSettingView::RebuildRows() {
    const auto& controls = m_page.GetControls();
    const auto columns = m_page.ListColumns(m_list->width());
    QStringList headers;
    for (int column = 0; column < Page::kColumnCount; ++column)
        headers << Ui(columns[static_cast<size_t>(column)].header);
    m_list->setHorizontalHeaderLabels(headers);
    SizeColumns(columns);
    m_count->setText(Ui(controls.countText));

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
    if (const auto& chosen = m_page.GetControls().columnWidths; !chosen.empty()) {
        // The widths the user chose; a horizontal scroll bar where they need more than the list has.
        m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        for (int column = 0; column < Page::kColumnCount; ++column)
            m_list->setColumnWidth(column, chosen[static_cast<size_t>(column)]);
        return;
    }
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
    m_count->setText(Ui(controls.countText));
    m_export->setEnabled(controls.foundCount > 0);
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
    m_list->addAction(m_addPrintQueue); // Ctrl+P in the list; the context menu offers it too
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
