#pragma once

#include "ui/wlanadv/IGroupEditor.h"
#include "ui/wlanadv/WLanAdvGroupEditor.h"

// WLanAdvGroupEditor as the page uses it.
class GroupEditorAdapter : public IGroupEditor {
public:
    explicit GroupEditorAdapter(WLanAdvGroupEditor& editor) : m_editor(editor) {}

    std::vector<int> VisibleItemIdentifiers(int nGrid) override {
        return m_editor.VisibleItemIdentifiers(nGrid);
    }
    void RebuildGroups() override { m_editor.Rebuild(); }
    PropertyGrid& Grid(int nGrid) override { return m_editor.Grid(nGrid); }
    void SetGroupExpanded(int group, bool expanded) override { m_editor.SetGroupExpanded(group, expanded); }
    void Clear() override { m_editor.Clear(); }
    void PropertyChanged(PropertyItem& item) override { m_editor.PropertyChanged(&item); }
    IConfigurationValidator& Validator() override { return m_editor.Validator(); }

private:
    WLanAdvGroupEditor& m_editor;
};
