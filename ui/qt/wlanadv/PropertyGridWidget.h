#pragma once

#include "ui/wlanadv/PropertyGrid.h"

#include <QWidget>

class QKeyEvent;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// A property grid on screen: the groups of a PropertyGrid as rows that open and close, each with its
// properties below it in two columns (name, value), no header, and the description area under the rows
// (as many text rows as the grid asks for). A modified value is bold, a read-only or disabled property
// greyed. Option properties are edited with a drop-down list that cannot be typed into, text properties in
// place with their edit mask and maximum length; a property with a button shows one at the right of its
// value, which hands the click to the model.
//
// Keys: the arrows move between rows (left and right also close and open a group), Enter or F2 edits the
// value (an option's list opens at once: the arrows choose, Enter takes, Escape keeps the value), Escape
// cancels the edit; F4, Alt+Down or Ctrl+Enter does what the value's "..." button does (the item's dialog)
// or opens an option's list. Every edit goes to the model (PropertyGrid::EditValue / SelectOption),
// which runs the page's rules; the widget shows what the model holds afterwards.
//
// A screen reader reads a row as "name, value", with "read-only", "changed" (bold) and the dialog's key as
// its description; a group row as its title, open or closed.
class PropertyGridWidget : public QWidget, public IPropertyGridListener {
    Q_OBJECT
public:
    explicit PropertyGridWidget(PropertyGrid& grid, QWidget* parent = nullptr);
    ~PropertyGridWidget() override;

    PropertyGrid& Grid() { return m_grid; }
    QTreeWidget* Tree() const { return m_tree; }
    QLabel* DescriptionArea() const { return m_description; }
    // The row of a property or group identifier, nullptr when it is not shown.
    QTreeWidgetItem* RowOf(std::uint32_t id) const;
    // Shows the model's state now (it is otherwise shown from the event loop, after the model's change).
    void SyncNow();
    // The rectangle of the value's button of row, in the tree's viewport; empty without a button.
    QRect ButtonRect(QTreeWidgetItem* row) const;

    void GridStructureChanged(PropertyGrid& grid) override;
    void GridItemChanged(PropertyGrid& grid, PropertyItem* item) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PropertyGridDelegate;
    void ScheduleSync(bool structure);
    void Rebuild();
    void UpdateRows();
    void UpdateRow(QTreeWidgetItem* row);
    // Makes the row the grid asked for (SelectItem) current, once per request.
    void ApplySelection();
    void FitNameColumn(int width);
    void ShowDescription(QTreeWidgetItem* row);
    PropertyItem* ItemOf(const QTreeWidgetItem* row) const;
    PropertyGroup* GroupOf(const QTreeWidgetItem* row) const;
    void EditCurrent();
    void OpenCurrent();
    static bool IsOpenKey(const QKeyEvent& key);

    PropertyGrid& m_grid;
    QTreeWidget* m_tree = nullptr;
    QLabel* m_description = nullptr;
    bool m_bSyncPending = false;
    bool m_bStructurePending = false;
    bool m_bSyncing = false;
    bool m_bOpenListOnEdit = false;
    unsigned m_appliedSelection = 0;
};
