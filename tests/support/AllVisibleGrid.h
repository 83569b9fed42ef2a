#pragma once

#include "devcfg/IConfigurationGrid.h"

#include <numeric>
#include <vector>

// Every item of both grids visible: a save sends every edit of the working record.
class AllVisibleGrid : public IConfigurationGrid {
public:
    std::vector<int> VisibleItemIdentifiers(int nGrid) override {
        std::vector<int> ids(nGrid == 1 ? 28 : 9);
        std::iota(ids.begin(), ids.end(), nGrid == 1 ? 1 : 29);
        return ids;
    }
    void RebuildGroups() override {}
};
