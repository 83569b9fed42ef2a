#include "ui/qt/wlanadv/CVRXPageWLanAdvBssListDlg.h"

#include "app/StringTable.h"
#include "ui/qt/CaptionBar.h"
#include "ui/qt/QtDialogPlacement.h"
#include "ui/qt/QuorlinkLook.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSizeGrip>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Model = CVRXPageWLanAdvBssList;
constexpr const char* kWindow = "CVRXPageWLanAdvBssList";

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CVRXPageWLanAdvBssListDlg::CVRXPageWLanAdvBssListDlg(CVRXPageWLanAdvBssList& model, QWidget* mainWindow)
    : FramedDialog(mainWindow), m_model(model), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("bssListDialog"));
    setStyleSheet(QuorlinkLook::WindowStyleSheet());
    // The designed size is the smallest; a larger dialog gives the list the room (size grip, bottom right).
    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);

    QVBoxLayout* body = Body();
    body->setContentsMargins(0, 0, 0, 8);
    body->setSpacing(8);

    m_list = new QTableWidget(0, Model::kColumnCount, this);
    m_list->setObjectName(QStringLiteral("bssList"));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    m_list->setAlternatingRowColors(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 8);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->viewport()->installEventFilter(this);
    // Enter takes the current row, as a double click does.
    m_list->installEventFilter(this);
    body->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->addStretch(1);
    m_close = MakeButton(QuorlinkLook::IconKind::Close, Ui(StringTable::Dialog(kWindow, "Close")),
                         QStringLiteral("close"));
    m_close->setAutoDefault(false);
    buttons->addWidget(m_close);
    auto* grip = new QSizeGrip(this);
    grip->setObjectName(QStringLiteral("sizeGrip"));
    buttons->addWidget(grip, 0, Qt::AlignBottom | Qt::AlignRight);
    body->addLayout(buttons);

    connect(m_close, &QPushButton::clicked, this, [this] {
        m_model.OnBnClickedClose();
        End();
    });
}

CVRXPageWLanAdvBssListDlg::~CVRXPageWLanAdvBssListDlg() = default;

void CVRXPageWLanAdvBssListDlg::Prepare() {
    m_model.OnInitDialog();
    QtDialogPlacement::PlaceAboveMainWindowCentre(*this, m_mainWindow, Model::kAboveCentre);
    TitleBar()->SetText(Ui(m_model.Caption()));
    setWindowTitle(Ui(m_model.Caption()));
    m_list->setAccessibleName(Ui(m_model.Caption()));
    QStringList headings;
    for (int column = 0; column < Model::kColumnCount; ++column)
        headings << Ui(m_model.Heading(column)).trimmed();
    m_list->setHorizontalHeaderLabels(headings);
    const auto widths = Model::ColumnWidths(width());
    for (int column = 0; column < Model::kColumnCount; ++column)
        m_list->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    m_list->horizontalHeader()->setStretchLastSection(true);
    Fill();
    m_list->setFocus(Qt::OtherFocusReason);
}

int CVRXPageWLanAdvBssListDlg::exec() {
    Prepare();
    QDialog::exec();
    return m_model.IsEnded() ? m_model.GetResult() : Model::kResultCancel;
}

void CVRXPageWLanAdvBssListDlg::Fill() {
    m_list->setSortingEnabled(false);
    m_list->setRowCount(0);
    const auto& rows = m_model.Rows();
    m_list->setRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const Model::Row& row : rows) {
        for (int column = 0; column < Model::kColumnCount; ++column) {
            auto* item = new QTableWidgetItem;
            if (column == Model::kColumnRssi) {
                // A number, so that the column sorts by signal strength, shown as "%d".
                item->setData(Qt::DisplayRole, int(row.rssi));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else {
                item->setText(Ui(row.columns[static_cast<std::size_t>(column)]));
            }
            if (column == Model::kColumnSsid)
                item->setData(kItemDataRole, row.itemData);
            m_list->setItem(r, column, item);
        }
        ++r;
    }
    m_list->setSortingEnabled(true);
    // The strongest signal first: what a user looks for first.
    m_list->sortByColumn(Model::kColumnRssi, Qt::DescendingOrder);
}

bool CVRXPageWLanAdvBssListDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int row = m_list->currentRow();
            const QTableWidgetItem* ssid = row >= 0 ? m_list->item(row, Model::kColumnSsid) : nullptr;
            if (!ssid)
                return true;
            m_model.OnDblClkList(ssid->data(kItemDataRole).toInt());
            End();
            return true;
        }
    }
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = m_list->indexAt(mouse->position().toPoint());
        int item = -1;
        if (index.isValid()) {
            item = m_list->item(index.row(), Model::kColumnSsid)->data(kItemDataRole).toInt();
            m_list->selectRow(index.row());
        }
        m_list->setFocus(Qt::MouseFocusReason);
        m_model.OnDblClkList(item);
        End();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CVRXPageWLanAdvBssListDlg::End() {
    if (m_bDone || !m_model.IsEnded())
        return;
    m_bDone = true;
    QDialog::done(m_model.GetResult());
}

void CVRXPageWLanAdvBssListDlg::reject() {
    m_model.OnCancel();
    End();
}
