#pragma once

#include "devcfg/IConfigurationGrid.h"
#include "devcfg/IConfigurationValidator.h"
#include "ui/wlanadv/PropertyGrid.h"

// The nine property groups over the page's two grids, as the page uses them: the exchanges' grid (the
// rebuild after a read, the visible items of a save), the expand flags, the rules of a changed property and
// the field checks. WLanAdvGroupEditor is the program's; GroupEditorAdapter puts it behind this.
class IGroupEditor : public IConfigurationGrid {
public:
    // Grid 1 (groups 1 to 5) or 2 (groups 6 to 9).
    virtual PropertyGrid& Grid(int nGrid) = 0;
    // Whether group n (1 to 9) is built expanded.
    virtual void SetGroupExpanded(int group, bool expanded) = 0;
    // Every group leaves both grids.
    virtual void Clear() = 0;
    // The rules of the group of a property the user changed.
    virtual void PropertyChanged(PropertyItem& item) = 0;
    virtual IConfigurationValidator& Validator() = 0;
};
