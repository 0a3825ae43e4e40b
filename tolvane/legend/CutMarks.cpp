#include "tolvane/legend/CutMarks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tolvane {

namespace {

constexpr double kSameLine = 1e-6;
// Facing edges closer than this leave no room for a mark between them.
constexpr double kSharedLineGap = kCutMarkGap + kShortestCutMark + kMarkClearance;

bool IsHorizontal(const MarkLine& line) {
    return line.y1 == line.y2;
}

PageRect BoundsOf(const MarkLine& line) {
    return {std::min(line.x1, line.x2), std::min(line.y1, line.y2), std::fabs(line.x2 - line.x1),
            std::fabs(line.y2 - line.y1)};
}

double Overlap(double a1, double a2, double b1, double b2) {
    return std::min(a2, b2) - std::max(a1, b1);
}

// Moves facing edges that are too close for marks between them onto one line half-way.
void ShareCloseEdges(std::vector<KeyCut>& keys) {
    constexpr double kNone = std::numeric_limits<double>::infinity();
    for (KeyCut& a : keys) {
        double right = kNone;
        double bottom = kNone;
        double left = -kNone;
        double top = -kNone;
        for (const KeyCut& b : keys) {
            if (&a == &b) {
                continue;
            }
            const PageRect& p = a.key;
            const PageRect& q = b.key;
            if (Overlap(p.y, p.Bottom(), q.y, q.Bottom()) > 0) {
                if (q.x >= p.Right() && q.x - p.Right() < kSharedLineGap) {
                    right = std::min(right, (p.Right() + q.x) / 2);
                } else if (p.x >= q.Right() && p.x - q.Right() < kSharedLineGap) {
                    left = std::max(left, (q.Right() + p.x) / 2);
                }
            }
            if (Overlap(p.x, p.Right(), q.x, q.Right()) > 0) {
                if (q.y >= p.Bottom() && q.y - p.Bottom() < kSharedLineGap) {
                    bottom = std::min(bottom, (p.Bottom() + q.y) / 2);
                } else if (p.y >= q.Bottom() && p.y - q.Bottom() < kSharedLineGap) {
                    top = std::max(top, (q.Bottom() + p.y) / 2);
                }
            }
        }
        const double x1 = left == -kNone ? a.key.x : left;
        const double y1 = top == -kNone ? a.key.y : top;
        const double x2 = right == kNone ? a.key.Right() : right;
        const double y2 = bottom == kNone ? a.key.Bottom() : bottom;
        a.cut = {x1, y1, x2 - x1, y2 - y1};
    }
}

// How far a mark may run from its start (x, y) in the direction (dx, dy), one of them 0,
// before it comes closer to the obstacle than the clearance; 0 when it starts too close.
double RoomBefore(double x, double y, double dx, double dy, const PageRect& obstacle) {
    constexpr double kFree = std::numeric_limits<double>::infinity();
    const bool horizontal = dy == 0;
    const double along = horizontal ? x : y;
    const double across = horizontal ? y : x;
    const double low = horizontal ? obstacle.x : obstacle.y;
    const double high = horizontal ? obstacle.Right() : obstacle.Bottom();
    const double acrossLow = horizontal ? obstacle.y : obstacle.x;
    const double acrossHigh = horizontal ? obstacle.Bottom() : obstacle.Right();
    const double aside = std::max({0.0, acrossLow - across, across - acrossHigh});
    if (aside >= kMarkClearance) {
        return kFree;
    }
    // The stretch of the mark's line that lies within the clearance of the obstacle.
    const double reach = std::sqrt(kMarkClearance * kMarkClearance - aside * aside);
    const double from = low - reach;
    const double to = high + reach;
    if (along > from && along < to) {
        return 0;
    }
    if (dx + dy > 0) {
        return from >= along ? from - along : kFree;
    }
    return to <= along ? along - to : kFree;
}

class MarkPlacer {
  public:
    explicit MarkPlacer(std::vector<KeyCut>& keys) : keys_(keys) {}

    void Place() {
        for (KeyCut& key : keys_) {
            const PageRect& r = key.cut;
            for (const double x : {r.x, r.Right()}) {
                for (const double y : {r.y, r.Bottom()}) {
                    // Along the horizontal edge, out of the corner; then along the vertical one.
                    Mark(key, x, y, x == r.x ? -1 : 1, 0);
                    Mark(key, x, y, 0, y == r.y ? -1 : 1);
                }
            }
        }
    }

  private:
    void Mark(KeyCut& owner, double cornerX, double cornerY, double dx, double dy) {
        const double x = cornerX + dx * kCutMarkGap;
        const double y = cornerY + dy * kCutMarkGap;
        const bool horizontal = dy == 0;
        double room = kCutMarkLength;
        for (const KeyCut& other : keys_) {
            if (&other == &owner) {
                continue;
            }
            room = std::min(room, RoomBefore(x, y, dx, dy, other.cut));
            for (const MarkLine& mark : other.marks) {
                const bool sameLine = IsHorizontal(mark) == horizontal &&
                                      std::fabs(horizontal ? mark.y1 - y : mark.x1 - x) < kSameLine;
                if (!sameLine) {
                    room = std::min(room, RoomBefore(x, y, dx, dy, BoundsOf(mark)));
                }
            }
        }
        if (room >= kShortestCutMark) {
            owner.marks.push_back({x, y, x + dx * room, y + dy * room});
        }
    }

    std::vector<KeyCut>& keys_;
};

}  // namespace

std::vector<KeyCut> PlanCuts(const std::vector<KeyCut>& keys) {
    std::vector<KeyCut> planned = keys;
    for (KeyCut& key : planned) {
        key.marks.clear();
    }
    ShareCloseEdges(planned);
    MarkPlacer(planned).Place();
    return planned;
}

}  // namespace tolvane
