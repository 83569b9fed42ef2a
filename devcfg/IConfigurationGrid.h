#pragma once

#include <vector>

// What the configuration exchanges need from the settings grids.
class IConfigurationGrid {
public:
    virtual ~IConfigurationGrid() = default;
    // The identifiers of the visible items of grid 1 or 2, group by group in order. A save takes from the
    // working record only the fields of these items; every other field goes out as it was read.
    virtual std::vector<int> VisibleItemIdentifiers(int nGrid) = 0;
    // After a successful read (the as-read copy is taken and the SNMP flag set): build the groups anew from
    // the state.
    virtual void RebuildGroups() = 0;
};
