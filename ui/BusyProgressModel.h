#pragma once

#include <cstdint>
#include <vector>

// The whole state of the busy indicator: its blocks and their geometry, the animation's position and
// direction, the busy/progress settings and the colours, with the rules of every setter, the animation step
// and the painting plan. Plain state, no threads and no toolkit: BusyProgressControl guards it for the
// animation thread, CVRXBusyProgressCtrl paints the plan.
class BusyProgressModel {
public:
    struct Color {
        std::uint8_t red = 0;
        std::uint8_t green = 0;
        std::uint8_t blue = 0;

        // A colour in the 0x00BBGGRR layout the indicator's messages carry.
        static Color FromColorRef(std::uint32_t colorRef) {
            return {static_cast<std::uint8_t>(colorRef & 0xFF),
                    static_cast<std::uint8_t>((colorRef >> 8) & 0xFF),
                    static_cast<std::uint8_t>((colorRef >> 16) & 0xFF)};
        }
        std::uint32_t ToColorRef() const {
            return std::uint32_t{red} | (std::uint32_t{green} << 8) | (std::uint32_t{blue} << 16);
        }
        friend bool operator==(const Color&, const Color&) = default;
    };

    // A pixel rectangle; right and bottom are exclusive.
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;

        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
        bool IsEmpty() const { return right <= left || bottom <= top; }
        friend bool operator==(const Rect&, const Rect&) = default;
    };

    enum class Role {
        Background,       // the whole area in colour 1
        Block,            // border colour 3, fill colour 2
        HighlightedBlock, // border colour 5, fill colour 4
        PartialFill,      // the filled part inside the block after the highlighted ones, colour 4
    };

    // One rectangle to paint. A block's border is its outermost pixel row and column on every side and the
    // fill is everything inside; Background and PartialFill are filled whole (border == fill).
    struct PaintItem {
        Role role;
        Rect rect;
        Color border;
        Color fill;
    };

    static constexpr int kModeBusy = 1;
    static constexpr int kModeProgress = 2;
    static constexpr int kTypeBounce = 1;
    static constexpr int kTypeWrap = 2;
    static constexpr int kTypeReverseWrap = 4;
    static constexpr int kFillOneBlock = 1;
    static constexpr int kFillGrowing = 2;

    // Windows' button face, until the view tells the desktop's own (SetSystemColor).
    static constexpr Color kDefaultButtonFace{0xF0, 0xF0, 0xF0};

    BusyProgressModel(int numberOfBlocks, int position);

    // ----- the operations of the indicator's messages -----

    void SetNumberOfBlocks(int numberOfBlocks); // and the geometry
    void SetPosition(int position);
    void SetGap(int gap); // and the geometry
    void SetSpeed(int milliseconds);
    void SetRange(int lower, int upper);
    // The caller stops a running animation first. Progress mode counts upwards.
    void SetMode(int mode);
    // Busy mode: wrap counts upwards, reverse wrap downwards.
    void SetBusyType(int busyType);
    // Busy mode only: store, for a growing fill size the fill steps by the granularity, and reset.
    void SetBusyFill(int busyFill);
    // Store, then apply the busy fill again so that the fill steps follow.
    void SetGranularity(int granularity);
    // index 1 background, 2 block fill, 3 block border, 4 highlight fill, 5 highlight border.
    void SetColor(int index, Color color);
    void RecalculateGeometry();
    void Reset();
    // While set, the background (colour 1) follows the desktop's button colour.
    void SetUseSystemColor(bool useSystemColor);

    // One animation step (see the .cpp for the rules of each busy type).
    void Step();

    // ----- what the view tells the model -----

    // The client area after a size change; the geometry follows it.
    void SetClientArea(Rect clientArea);
    // A drawing area of its own; an empty one means the client area.
    void SetArea(Rect area);
    // The desktop's button colour; becomes colour 1 while the system-colour flag is set.
    void SetSystemColor(Color buttonFace);

    // The rectangles to paint, in painting order: the background, then every block, each partly filled
    // block followed by its fill.
    std::vector<PaintItem> PaintPlan() const;

    // ----- state -----

    int NumberOfBlocks() const { return m_nNumberOfBlocks; }
    int Direction() const { return m_nDirection; }
    int Position() const { return m_nPosition; }
    int Gap() const { return m_nGap; }
    double BlockWidth() const { return m_dBlockWidth; }
    double BlockHeight() const { return m_dBlockHeight; }
    int Speed() const { return m_nSpeed; }
    int Mode() const { return m_nMode; }
    int Lower() const { return m_nLower; }
    int Upper() const { return m_nUpper; }
    bool UseSystemColor() const { return m_bUseSystemColor; }
    int BusyType() const { return m_nBusyType; }
    int BusyFill() const { return m_nBusyFill; }
    int Granularity() const { return m_nGranularity; }
    int FillSteps() const { return m_nFillSteps; }
    Color GetColor(int index) const;
    // The area the geometry and the painting use.
    Rect DrawingArea() const { return m_area.IsEmpty() ? m_clientArea : m_area; }

private:
    int m_nNumberOfBlocks;
    int m_nDirection = 1;
    int m_nPosition;
    Rect m_area;
    Rect m_clientArea;
    int m_nGap = 1;
    double m_dBlockHeight = 0.0;
    double m_dBlockWidth = 0.0;
    int m_nSpeed = 100;
    int m_nMode = kModeBusy;
    int m_nLower = 0;
    int m_nUpper = 100;
    bool m_bUseSystemColor = true;
    int m_nBusyType = kTypeBounce;
    int m_nBusyFill = kFillOneBlock;
    int m_nGranularity = 5;
    int m_nFillSteps;
    Color m_systemColor = kDefaultButtonFace;
    Color m_colors[5] = {
        kDefaultButtonFace, {0xA0, 0xBE, 0xDC}, {0x32, 0x5A, 0x87}, {0xBE, 0xDC, 0xFF}, {0x32, 0x5A, 0x87}};
};
