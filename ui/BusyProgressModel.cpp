#include "ui/BusyProgressModel.h"

#include <algorithm>
#include <cmath>

BusyProgressModel::BusyProgressModel(int numberOfBlocks, int position)
    : m_nNumberOfBlocks(numberOfBlocks), m_nPosition(position), m_nFillSteps(numberOfBlocks * 5) {}

void BusyProgressModel::SetNumberOfBlocks(int numberOfBlocks) {
    m_nNumberOfBlocks = numberOfBlocks;
    RecalculateGeometry();
}

void BusyProgressModel::SetPosition(int position) {
    m_nPosition = position;
}

void BusyProgressModel::SetGap(int gap) {
    m_nGap = gap;
    RecalculateGeometry();
}

void BusyProgressModel::SetSpeed(int milliseconds) {
    m_nSpeed = milliseconds;
}

void BusyProgressModel::SetRange(int lower, int upper) {
    m_nLower = lower;
    m_nUpper = upper;
}

void BusyProgressModel::SetMode(int mode) {
    m_nMode = mode;
    if (mode == kModeProgress)
        m_nDirection = 1;
}

void BusyProgressModel::SetBusyType(int busyType) {
    m_nBusyType = busyType;
    if (m_nMode != kModeBusy)
        return;
    if (busyType == kTypeWrap)
        m_nDirection = 1;
    else if (busyType == kTypeReverseWrap)
        m_nDirection = -1;
}

void BusyProgressModel::SetBusyFill(int busyFill) {
    if (m_nMode != kModeBusy)
        return;
    m_nBusyFill = busyFill;
    // The fill steps first: a reverse wrap resets to the end of the bar, which they give.
    if (busyFill == kFillGrowing)
        m_nFillSteps = m_nNumberOfBlocks * m_nGranularity;
    Reset();
}

void BusyProgressModel::SetGranularity(int granularity) {
    m_nGranularity = granularity;
    SetBusyFill(m_nBusyFill);
}

void BusyProgressModel::SetColor(int index, Color color) {
    if (index >= 1 && index <= 5)
        m_colors[index - 1] = color;
}

BusyProgressModel::Color BusyProgressModel::GetColor(int index) const {
    return index >= 1 && index <= 5 ? m_colors[index - 1] : Color{};
}

void BusyProgressModel::RecalculateGeometry() {
    const Rect area = DrawingArea();
    const double usable = static_cast<double>(area.Width()) - static_cast<double>(m_nNumberOfBlocks) * m_nGap;
    // No blocks, or more gap than area, leaves nothing to draw rather than a negative width.
    m_dBlockWidth = m_nNumberOfBlocks > 0 ? std::max(0.0, usable / m_nNumberOfBlocks) : 0.0;
    m_dBlockHeight = std::max(0, area.Height());
}

void BusyProgressModel::Reset() {
    if (m_nMode == kModeBusy) {
        if (m_nBusyType == kTypeReverseWrap) {
            m_nPosition = m_nBusyFill == kFillGrowing ? m_nFillSteps : m_nNumberOfBlocks;
            m_nDirection = -1;
        } else {
            m_nPosition = 0;
            m_nDirection = 1;
        }
    } else {
        m_nPosition = 0;
        m_nDirection = 1;
    }
}

void BusyProgressModel::SetUseSystemColor(bool useSystemColor) {
    m_bUseSystemColor = useSystemColor;
    if (useSystemColor)
        m_colors[0] = m_systemColor;
}

void BusyProgressModel::Step() {
    if (m_nMode == kModeBusy) {
        const int limit = m_nBusyFill == kFillGrowing ? m_nFillSteps : m_nNumberOfBlocks;
        switch (m_nBusyType) {
        case kTypeBounce:
            if (m_nPosition >= limit - 1)
                m_nDirection = -1;
            if (m_nPosition <= 0)
                m_nDirection = 1;
            break;
        case kTypeWrap:
            // At the last position the addition below gives 0. A position left past the end by a smaller
            // limit wraps too, instead of counting up for ever.
            if (m_nPosition >= limit - 1)
                m_nPosition = -1;
            break;
        case kTypeReverseWrap:
            // At 0 the addition below gives the last position.
            if (m_nPosition <= 0)
                m_nPosition = limit;
            break;
        default:
            break;
        }
    }
    m_nPosition += m_nDirection;
}

void BusyProgressModel::SetClientArea(Rect clientArea) {
    m_clientArea = clientArea;
    RecalculateGeometry();
}

void BusyProgressModel::SetArea(Rect area) {
    m_area = area;
    RecalculateGeometry();
}

void BusyProgressModel::SetSystemColor(Color buttonFace) {
    m_systemColor = buttonFace;
    if (m_bUseSystemColor)
        m_colors[0] = buttonFace;
}

std::vector<BusyProgressModel::PaintItem> BusyProgressModel::PaintPlan() const {
    const Rect area = DrawingArea();
    std::vector<PaintItem> plan;
    plan.push_back({Role::Background, area, m_colors[0], m_colors[0]});
    if (m_nNumberOfBlocks <= 0 || area.IsEmpty())
        return plan;

    // Which blocks are highlighted: in busy mode with one block, the block at the position; with a growing
    // fill (and in progress mode) the share f of the bar as whole blocks and a remainder r of the next one.
    // f is kept as the fraction wholeBlocks + remainder / denominator (in blocks) so that whole steps stay
    // exact; it is held between empty and full.
    const bool oneBlock = m_nMode == kModeBusy && m_nBusyFill != kFillGrowing;
    const bool share = (m_nMode == kModeBusy && m_nBusyFill == kFillGrowing) || m_nMode == kModeProgress;
    long long wholeBlocks = 0;
    long long remainder = 0;
    long long denominator = 1;
    if (share) {
        const long long blocks = m_nNumberOfBlocks;
        long long numerator;
        if (m_nMode == kModeProgress) {
            numerator = blocks * (static_cast<long long>(m_nPosition) - m_nLower);
            denominator = static_cast<long long>(m_nUpper) - m_nLower;
        } else {
            numerator = blocks * m_nPosition;
            denominator = m_nFillSteps;
        }
        if (denominator > 0) {
            numerator = std::clamp(numerator, 0LL, blocks * denominator);
            wholeBlocks = numerator / denominator;
            remainder = numerator % denominator;
        } else {
            denominator = 1;
        }
    }

    const int top = area.top;
    const int bottom = area.bottom;
    double x = area.left;
    for (int i = 0; i < m_nNumberOfBlocks; ++i) {
        const Rect block{static_cast<int>(std::floor(x)), top,
                         static_cast<int>(std::floor(x + m_dBlockWidth)), bottom};
        x += m_dBlockWidth + m_nGap;
        const bool highlighted = oneBlock ? i == m_nPosition : share && i < wholeBlocks;
        if (highlighted) {
            plan.push_back({Role::HighlightedBlock, block, m_colors[4], m_colors[3]});
            continue;
        }
        plan.push_back({Role::Block, block, m_colors[2], m_colors[1]});
        if (share && i == wholeBlocks && remainder > 0) {
            // The inner rectangle, filled from its left edge; never over the right border.
            const int width = static_cast<int>(std::floor(m_dBlockWidth * static_cast<double>(remainder) /
                                                          static_cast<double>(denominator)));
            const Rect fill{block.left + 1, block.top + 1, std::min(block.left + 1 + width, block.right - 1),
                            block.bottom - 1};
            if (width > 0 && !fill.IsEmpty())
                plan.push_back({Role::PartialFill, fill, m_colors[3], m_colors[3]});
        }
    }
    return plan;
}
