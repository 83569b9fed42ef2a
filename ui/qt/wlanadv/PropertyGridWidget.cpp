#include "ui/qt/wlanadv/PropertyGridWidget.h"

#include "app/StringTable.h"

#include <algorithm>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace {

constexpr int kRoleId = Qt::UserRole;
constexpr int kRoleIsGroup = Qt::UserRole + 1;
constexpr int kColumnName = 0;
constexpr int kColumnValue = 1;
constexpr int kButtonWidth = 22;

QString Ui(const std::string& text) {
    return QString::fromStdString(text);
}

// Admits what the item's edit mask admits, as far as it has been typed, and no more bytes than its field
// holds: a longer text (typed or pasted) is cut at the last whole character that fits.
class MaskValidator : public QValidator {
public:
    MaskValidator(PropertyGrid& grid, std::uint32_t id, QObject* parent)
        : QValidator(parent), m_grid(grid), m_id(id) {}
    State validate(QString& input, int& position) const override {
        const PropertyItem* item = m_grid.FindItem(m_id);
        if (!item)
            return Invalid;
        const std::string text = input.toStdString();
        const std::string cut = item->CutToMaxBytes(text);
        if (cut != text) {
            input = QString::fromStdString(cut);
            position = std::min(position, static_cast<int>(input.size()));
        }
        return item->FitsMask(cut) ? Acceptable : Invalid;
    }

private:
    PropertyGrid& m_grid;
    std::uint32_t m_id;
};

// The shade of a group row: the palette's base tinted a little with its highlight, so that the row's text
// (the palette's text colour) reads on a light and on a dark palette alike.
QColor GroupShade(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor tint = palette.color(QPalette::Highlight);
    auto mix = [](int a, int b) { return (a * 85 + b * 15) / 100; };
    return QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()),
                  mix(base.blue(), tint.blue()));
}

// The option editor: a drop-down list that cannot be typed into. Opened from the keyboard its list opens
// at once; a list closed without a choice (Escape) closes the editor as well, the value as it was.
class OptionEditor : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onListClosed;
    bool chosen = false;

    void hidePopup() override {
        QComboBox::hidePopup();
        // The choice, if any, is reported after the list has closed: look afterwards.
        QPointer<OptionEditor> self = this;
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (self && !self->chosen && self->onListClosed)
                    self->onListClosed();
            },
            Qt::QueuedConnection);
    }
};

} // namespace

// Draws the rows (groups shaded, modified values bold, the value's button) and makes the value editors.
class PropertyGridDelegate : public QStyledItemDelegate {
public:
    explicit PropertyGridDelegate(PropertyGridWidget& widget)
        : QStyledItemDelegate(widget.Tree()), m_widget(widget) {}

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QTreeWidgetItem* row = m_widget.Tree()->itemFromIndex(index);
        if (!row)
            return;
        if (row->data(0, kRoleIsGroup).toBool()) {
            option->font.setBold(true);
            return;
        }
        const PropertyItem* item = m_widget.ItemOf(row);
        if (!item)
            return;
        if (index.column() == kColumnValue && item->IsModified())
            option->font.setBold(true);
        if (item->Kind() == PropertyKind::ReadOnly || !item->IsEnabled())
            option->palette.setColor(QPalette::Text,
                                     option->palette.color(QPalette::Disabled, QPalette::Text));
        if (index.column() == kColumnValue && item->HasButton())
            option->rect.setRight(option->rect.right() - kButtonWidth);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QTreeWidgetItem* row = m_widget.Tree()->itemFromIndex(index);
        if (row && row->data(0, kRoleIsGroup).toBool())
            painter->fillRect(option.rect, GroupShade(option.palette));
        QStyledItemDelegate::paint(painter, option, index);
        if (!row || index.column() != kColumnValue)
            return;
        const PropertyItem* item = m_widget.ItemOf(row);
        if (!item || !item->HasButton())
            return;
        QStyleOptionButton button;
        button.rect = QRect(option.rect.right() - kButtonWidth + 1, option.rect.top(), kButtonWidth,
                            option.rect.height());
        button.text = QStringLiteral("...");
        button.state = QStyle::State_Raised;
        if (item->IsEnabled() && m_widget.Grid().AcceptsInput())
            button.state |= QStyle::State_Enabled;
        button.palette = option.palette;
        QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), 22));
        return size;
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        if (index.column() != kColumnValue)
            return nullptr;
        PropertyItem* item = m_widget.ItemOf(m_widget.Tree()->itemFromIndex(index));
        if (!item || !item->IsEnabled())
            return nullptr;
        if (item->Kind() == PropertyKind::Option) {
            auto* combo = new OptionEditor(parent);
            combo->setObjectName(QStringLiteral("optionEditor"));
            combo->setEditable(false);
            combo->setAccessibleName(Ui(item->Name()));
            for (const std::string& option : item->Options())
                combo->addItem(Ui(option));
            combo->setCurrentIndex(item->SelectedIndex());
            auto* self = const_cast<PropertyGridDelegate*>(this);
            // A choice counts at once, as the list closes.
            QObject::connect(combo, &QComboBox::activated, combo, [self, combo] {
                combo->chosen = true;
                emit self->commitData(combo);
                emit self->closeEditor(combo);
            });
            if (m_widget.m_bOpenListOnEdit) {
                combo->onListClosed = [self, combo] {
                    combo->chosen = true; // once
                    emit self->closeEditor(combo, QAbstractItemDelegate::RevertModelCache);
                };
                QMetaObject::invokeMethod(combo, &QComboBox::showPopup, Qt::QueuedConnection);
            }
            return combo;
        }
        if (!item->IsTextEditable() || item->Kind() == PropertyKind::ReadOnly)
            return nullptr;
        // The item may prepare its value for the edit (the SSID drops its trailing blanks).
        if (!m_widget.Grid().BeginEdit(*item))
            return nullptr;
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("textEditor"));
        edit->setAccessibleName(Ui(item->Name()));
        edit->setFrame(false);
        if (!item->EditMask().empty()) {
            edit->setMaxLength(static_cast<int>(QString::fromStdString(item->EditMask()).size()));
            edit->setPlaceholderText(Ui(item->EditTemplate()));
        } else if (item->MaxLength() > 0) {
            edit->setMaxLength(item->MaxLength());
        }
        if (!item->EditMask().empty() || item->MaxBytes() > 0)
            edit->setValidator(new MaskValidator(m_widget.Grid(), item->Id(), edit));
        return edit;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const PropertyItem* item = m_widget.ItemOf(m_widget.Tree()->itemFromIndex(index));
        if (!item)
            return;
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(Ui(item->Value()));
            edit->selectAll();
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        PropertyItem* item = m_widget.ItemOf(m_widget.Tree()->itemFromIndex(index));
        if (!item)
            return;
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (combo->currentIndex() >= 0 && combo->currentIndex() != item->SelectedIndex())
                m_widget.Grid().SelectOption(*item, combo->currentIndex());
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            const std::string text = edit->text().toStdString();
            if (text != item->Value())
                m_widget.Grid().EditValue(*item, text);
        }
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override {
        QRect rect = option.rect;
        const PropertyItem* item = m_widget.ItemOf(m_widget.Tree()->itemFromIndex(index));
        if (item && item->HasButton())
            rect.setRight(rect.right() - kButtonWidth);
        editor->setGeometry(rect);
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (event->type() == QEvent::MouseButtonRelease && index.column() == kColumnValue) {
            QTreeWidgetItem* row = m_widget.Tree()->itemFromIndex(index);
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (row && m_widget.ButtonRect(row).contains(mouse->position().toPoint())) {
                PropertyItem* item = m_widget.ItemOf(row);
                if (item && item->IsEnabled() && m_widget.Grid().IsEnabled())
                    m_widget.Grid().ClickButton(*item);
                return true;
            }
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }

private:
    PropertyGridWidget& m_widget;
};

PropertyGridWidget::PropertyGridWidget(PropertyGrid& grid, QWidget* parent) : QWidget(parent), m_grid(grid) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("propertyTree"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setSortingEnabled(false); // by group, in the model's order
    m_tree->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    m_tree->setItemDelegate(new PropertyGridDelegate(*this));
    m_tree->header()->setStretchLastSection(true);
    m_tree->installEventFilter(this);
    layout->addWidget(m_tree, 1);

    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("descriptionArea"));
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setFrameShape(QFrame::StyledPanel);
    m_description->setMargin(3);
    m_description->setTextFormat(Qt::RichText);
    m_description->setFixedHeight(m_description->fontMetrics().lineSpacing() * m_grid.DescriptionRows() + 10);
    layout->addWidget(m_description);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { ShowDescription(current); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* row) {
        if (PropertyGroup* group = GroupOf(row); group && !m_bSyncing)
            group->Expand(true);
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* row) {
        if (PropertyGroup* group = GroupOf(row); group && !m_bSyncing)
            group->Expand(false);
    });

    m_grid.AddListener(this);
    m_appliedSelection = m_grid.SelectionSerial();
    Rebuild();
}

PropertyGridWidget::~PropertyGridWidget() {
    m_grid.RemoveListener(this);
}

void PropertyGridWidget::GridStructureChanged(PropertyGrid&) {
    ScheduleSync(true);
}

void PropertyGridWidget::GridItemChanged(PropertyGrid&, PropertyItem*) {
    ScheduleSync(false);
}

void PropertyGridWidget::ScheduleSync(bool structure) {
    // The model changes while the user's edit is being committed (the page's rules show and hide items):
    // the rows are rebuilt from the event loop, once for every batch of changes.
    m_bStructurePending = m_bStructurePending || structure;
    if (m_bSyncPending)
        return;
    m_bSyncPending = true;
    QMetaObject::invokeMethod(
        this, [this] { SyncNow(); }, Qt::QueuedConnection);
}

void PropertyGridWidget::SyncNow() {
    const bool structure = m_bStructurePending;
    m_bSyncPending = false;
    m_bStructurePending = false;
    if (structure)
        Rebuild();
    else
        UpdateRows();
    ApplySelection();
}

void PropertyGridWidget::ApplySelection() {
    if (m_grid.SelectionSerial() == m_appliedSelection)
        return;
    m_appliedSelection = m_grid.SelectionSerial();
    QTreeWidgetItem* row = RowOf(m_grid.SelectedItem());
    if (!row || row->isHidden())
        return;
    m_tree->setCurrentItem(row, kColumnValue);
    m_tree->scrollToItem(row);
    if (isVisible() && isEnabled())
        m_tree->setFocus(Qt::OtherFocusReason);
}

PropertyItem* PropertyGridWidget::ItemOf(const QTreeWidgetItem* row) const {
    if (!row || row->data(0, kRoleIsGroup).toBool())
        return nullptr;
    return m_grid.FindItem(row->data(0, kRoleId).toUInt());
}

PropertyGroup* PropertyGridWidget::GroupOf(const QTreeWidgetItem* row) const {
    if (!row || !row->data(0, kRoleIsGroup).toBool())
        return nullptr;
    return m_grid.FindGroup(row->data(0, kRoleId).toUInt());
}

QTreeWidgetItem* PropertyGridWidget::RowOf(std::uint32_t id) const {
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* groupRow = m_tree->topLevelItem(g);
        if (groupRow->data(0, kRoleId).toUInt() == id)
            return groupRow;
        for (int i = 0; i < groupRow->childCount(); ++i)
            if (groupRow->child(i)->data(0, kRoleId).toUInt() == id)
                return groupRow->child(i);
    }
    return nullptr;
}

QRect PropertyGridWidget::ButtonRect(QTreeWidgetItem* row) const {
    const PropertyItem* item = ItemOf(row);
    if (!item || !item->HasButton())
        return {};
    const QRect cell = m_tree->visualItemRect(row);
    const int right = m_tree->header()->sectionViewportPosition(kColumnValue) +
                      m_tree->header()->sectionSize(kColumnValue) - 1;
    return QRect(right - kButtonWidth + 1, cell.top(), kButtonWidth, cell.height());
}

void PropertyGridWidget::Rebuild() {
    m_bSyncing = true;
    std::uint32_t current = 0;
    if (QTreeWidgetItem* row = m_tree->currentItem())
        current = row->data(0, kRoleId).toUInt();
    m_tree->clear();
    for (const auto& group : m_grid.Groups()) {
        auto* groupRow = new QTreeWidgetItem(m_tree);
        groupRow->setText(kColumnName, Ui(group->Title()));
        groupRow->setData(0, kRoleId, group->Id());
        groupRow->setData(0, kRoleIsGroup, true);
        groupRow->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        groupRow->setFirstColumnSpanned(true);
        for (const auto& item : group->Items()) {
            auto* row = new QTreeWidgetItem(groupRow);
            row->setData(0, kRoleId, item->Id());
            row->setData(0, kRoleIsGroup, false);
        }
    }
    UpdateRows();
    if (QTreeWidgetItem* row = current ? RowOf(current) : nullptr; row && !row->isHidden())
        m_tree->setCurrentItem(row);
    else
        ShowDescription(m_tree->currentItem());
    m_bSyncing = false;
}

void PropertyGridWidget::UpdateRows() {
    m_bSyncing = true;
    setVisible(m_grid.IsShown());
    // Disabled, or locked while the page exchanges with the printer: greyed, no input.
    setEnabled(m_grid.AcceptsInput());
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* groupRow = m_tree->topLevelItem(g);
        if (const PropertyGroup* group = GroupOf(groupRow)) {
            groupRow->setHidden(!group->IsShown());
            groupRow->setExpanded(group->IsExpanded());
            // Read as its title; open or closed is the row's expanded or collapsed state.
            for (int column : {kColumnName, kColumnValue})
                groupRow->setData(column, Qt::AccessibleTextRole, Ui(group->Title()));
        }
        for (int i = 0; i < groupRow->childCount(); ++i)
            UpdateRow(groupRow->child(i));
    }
    ShowDescription(m_tree->currentItem());
    FitNameColumn(m_tree->width() - 2 * m_tree->frameWidth());
    m_tree->viewport()->update();
    m_bSyncing = false;
}

void PropertyGridWidget::FitNameColumn(int width) {
    // The names take 45 % of the width, more when a name needs it (up to 60 %); the values the rest.
    int needed = 0;
    const QFontMetrics metrics(m_tree->font());
    for (const PropertyItem* item : m_grid.Items())
        if (item->IsShown())
            needed = std::max(needed,
                              metrics.horizontalAdvance(Ui(item->Name())) + 2 * m_tree->indentation() + 12);
    m_tree->setColumnWidth(kColumnName,
                           std::clamp(needed, static_cast<int>(width * 0.45), static_cast<int>(width * 0.6)));
}

void PropertyGridWidget::UpdateRow(QTreeWidgetItem* row) {
    const PropertyItem* item = ItemOf(row);
    if (!item)
        return;
    row->setText(kColumnName, Ui(item->Name()));
    row->setText(kColumnValue, Ui(item->DisplayValue()));
    row->setToolTip(kColumnValue, Ui(item->DisplayValue()));
    row->setHidden(!item->IsShown());
    // A disabled item's row stays enabled for the view, so that the keyboard reaches it (the view passes
    // over disabled rows: End and Down would stop above the certificate names); it is drawn greyed, takes no
    // edit and its button does nothing.
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const bool editable = item->IsEnabled() &&
                          (item->Kind() == PropertyKind::Option || item->IsTextEditable()) &&
                          item->Kind() != PropertyKind::ReadOnly;
    if (editable)
        flags |= Qt::ItemIsEditable;
    row->setFlags(flags);

    // A screen reader reads either cell of the row as "name, value" (a password as its stars), then what
    // the eye sees besides: greyed (read-only), bold (changed), the button (its key).
    const QString spoken = QStringLiteral("%1, %2").arg(Ui(item->Name()), Ui(item->DisplayValue()));
    QStringList notes;
    if (!editable && !(item->HasButton() && item->IsEnabled()))
        notes << Ui(LoadString(StringId::GridItemReadOnly));
    if (item->IsModified())
        notes << Ui(LoadString(StringId::GridItemChanged));
    if (item->HasButton() && item->IsEnabled())
        notes << Ui(LoadString(StringId::GridItemOpensDialog));
    const QString description = notes.join(QStringLiteral(", "));
    for (int column : {kColumnName, kColumnValue}) {
        row->setData(column, Qt::AccessibleTextRole, spoken);
        row->setData(column, Qt::AccessibleDescriptionRole, description);
    }
}

void PropertyGridWidget::ShowDescription(QTreeWidgetItem* row) {
    if (const PropertyItem* item = ItemOf(row)) {
        m_description->setText(
            QStringLiteral("<b>%1</b><br>%2")
                .arg(Ui(item->Name()).toHtmlEscaped(), Ui(item->Description()).toHtmlEscaped()));
    } else if (const PropertyGroup* group = GroupOf(row)) {
        m_description->setText(QStringLiteral("<b>%1</b>").arg(Ui(group->Title()).toHtmlEscaped()));
    } else {
        m_description->clear();
    }
}

void PropertyGridWidget::EditCurrent() {
    QTreeWidgetItem* row = m_tree->currentItem();
    PropertyItem* item = ItemOf(row);
    if (!item || !item->IsEnabled())
        return;
    if (row->flags() & Qt::ItemIsEditable) {
        m_tree->setCurrentItem(row, kColumnValue);
        // From the keyboard an option's list opens at once.
        m_bOpenListOnEdit = true;
        m_tree->editItem(row, kColumnValue);
        m_bOpenListOnEdit = false;
    } else if (item->HasButton()) {
        m_grid.ClickButton(*item);
    }
}

void PropertyGridWidget::OpenCurrent() {
    QTreeWidgetItem* row = m_tree->currentItem();
    PropertyItem* item = ItemOf(row);
    if (!item || !item->IsEnabled() || !m_grid.IsEnabled())
        return;
    if (item->HasButton())
        m_grid.ClickButton(*item); // what the "..." button does
    else if (item->Kind() == PropertyKind::Option)
        EditCurrent(); // its list
}

bool PropertyGridWidget::IsOpenKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_F4 && modifiers == Qt::NoModifier)
        return true;
    if (key.key() == Qt::Key_Down && modifiers == Qt::AltModifier)
        return true;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && modifiers == Qt::ControlModifier;
}

bool PropertyGridWidget::eventFilter(QObject* watched, QEvent* event) {
    // An open editor has the keys itself; these reach the tree only between edits.
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsOpenKey(*key)) {
            OpenCurrent();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_F2) {
            if (GroupOf(m_tree->currentItem())) {
                m_tree->currentItem()->setExpanded(!m_tree->currentItem()->isExpanded());
                return true;
            }
            EditCurrent();
            return true;
        }
    }
    if (watched == m_tree && event->type() == QEvent::Resize)
        FitNameColumn(static_cast<QResizeEvent*>(event)->size().width() - 2 * m_tree->frameWidth());
    return QWidget::eventFilter(watched, event);
}
