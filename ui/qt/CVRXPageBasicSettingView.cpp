#include "ui/qt/CVRXPageBasicSettingView.h"

#include "app/StringTable.h"
#include "ui/qt/QuorlinkLook.h"

#include <QCursor>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

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

    m_search =
        Button(this, m_page.GetControls().searchText, IconKind::Search, "btnSearch", QRect(24, 214, 164, 34));
    m_configuration = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Configuration"),
                             IconKind::Configuration, "btnConfiguration", QRect(196, 214, 164, 34));
    m_browser = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Launch Browser"), IconKind::Browser,
                       "btnBrowser", QRect(368, 214, 168, 34));

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
    for (const auto& detail : details) {
        auto* label = new QLabel(Ui(detail.label), this);
        label->setGeometry(detail.geometry.x(), detail.geometry.y(), 96, detail.geometry.height());
        // Wide enough for "255.255.255.255 (DHCP)".
        *detail.field =
            DetailField(this, detail.name,
                        QRect(detail.geometry.x() + 98, detail.geometry.y(), 152, detail.geometry.height()));
        label->setBuddy(*detail.field);
    }

    m_language = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Language"), IconKind::Language,
                        "btnLanguage", QRect(12, 392, 140, 34));
    m_close = Button(this, StringTable::Dialog("CVRXPageBasicSetting", "Close"), IconKind::Close, "btnClose",
                     QRect(408, 392, 140, 34));

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
    for (int column = 0; column < Page::kColumnCount; ++column) {
        headers << Ui(columns[static_cast<size_t>(column)].header);
        m_list->setColumnWidth(column, columns[static_cast<size_t>(column)].width);
    }
    m_list->setHorizontalHeaderLabels(headers);

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

void CVRXPageBasicSettingView::Refresh() {
    const auto& controls = m_page.GetControls();
    m_bSyncing = true;
    if (controls.rowsSerial != m_appliedRowsSerial) {
        m_appliedRowsSerial = controls.rowsSerial;
        RebuildRows();
    }
    const int selected = controls.selectedRow;
    if (selected >= 0 && selected < m_list->rowCount()) {
        // A row the list has selected already is left alone: the list may be in the middle of selecting it.
        if (!m_list->selectionModel()->isRowSelected(selected, {}))
            m_list->setCurrentCell(selected, 0,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else if (m_list->selectionModel()->hasSelection()) {
        m_list->clearSelection();
    }
    m_bSyncing = false;

    m_search->setText(Ui(controls.searchText));
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
    int chosen = 0;
    for (const auto& item : items) {
        QAction* action = menu.addAction(Ui(item.text));
        action->setCheckable(true);
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
