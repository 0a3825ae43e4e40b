// Where a legend sheet is cut: each key's insert is a rectangle, marked at its corners by
// short lines on the extensions of its edges, outside the insert, so a knife and a ruler
// find every edge after the insert is printed.
//
// Neighbours must not muddle each other's marks. A mark keeps kMarkClearance from every
// other insert and from every mark of another cut line (marks of one line, from two keys
// that share it, may run into each other: they show the same cut), and is shortened or left
// out where it cannot. Where two keys face each other closer than a mark needs to run
// between them, their inserts share one cut line half-way between the keys.
#pragma once

#include <vector>

namespace tolvane {

inline constexpr double kCutMarkGap = 0.5;     // millimetres between an insert and its marks
inline constexpr double kCutMarkLength = 1.3;  // a whole mark
inline constexpr double kShortestCutMark = 0.5;
inline constexpr double kMarkClearance = 0.8;  // from other inserts and other lines' marks

struct PageRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
};

// A horizontal or a vertical line, from (x1, y1) to (x2, y2).
struct MarkLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

struct KeyCut {
    int button = 0;
    PageRect key;  // where the key sits, to scale
    PageRect cut;  // the insert: the key, grown to a shared cut line where there is one
    std::vector<MarkLine> marks;
};

// The inserts and marks of keys at their places on the page. Marks are placed key by key in
// the order given: where two keys' marks would meet, the earlier key keeps its own whole.
std::vector<KeyCut> PlanCuts(const std::vector<KeyCut>& keys);

}  // namespace tolvane
