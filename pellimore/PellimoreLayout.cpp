#include "pellimore/PellimoreLayout.h"

#include <array>

#include "pellimore/PellimoreIds.h"

namespace pellimore {

namespace {

// The rows face the top, the middle and the bottom sixth of the card's picture.
constexpr int kRowHeight = 14;
constexpr int kRowPitch = 29;
constexpr int kFirstRowTop = 30;

constexpr int kTrackColumn = 8;
constexpr int kStartColumn = 58;
constexpr int kEndColumn = 266;
constexpr int kReturnColumn = 328;
constexpr int kSentinelWidth = 56;
constexpr int kReturnBoxWidth = 10;
constexpr int kReturnColumnWidth = 50;

constexpr int RowTop(int track) {
    return kFirstRowTop + kRowPitch * track;
}

// Row by row, then the buttons: the order of the Tab key, the track 1 box taking the focus
// first.
constexpr std::array<ControlPlace, 14> PellimoreTable() {
    std::array<ControlPlace, 14> table{};
    std::size_t next = 0;
    for (int track = 0; track < 3; ++track) {
        const auto t = static_cast<std::size_t>(track);
        const int top = RowTop(track);
        table[next++] = {ids::kTrackBoxes[t], {kTrackColumn, top, 44, kRowHeight}};
        table[next++] = {ids::kStartSentinelEdits[t],
                         {kStartColumn, top, kSentinelWidth, kRowHeight}};
        table[next++] = {ids::kEndSentinelEdits[t], {kEndColumn, top, kSentinelWidth, kRowHeight}};
        table[next++] = {ids::kReturnCodeBoxes[t],
                         {kReturnColumn + (kReturnColumnWidth - kReturnBoxWidth) / 2, top,
                          kReturnBoxWidth, kRowHeight}};
    }
    table[next++] = {ids::kUpdateButton, {272, 120, 50, 16}};
    table[next++] = {ids::kOkButton, {328, 120, 50, 16}};
    return table;
}

constexpr std::array<ControlPlace, 14> kPellimoreControls = PellimoreTable();

constexpr std::array<DialogRect, 4> kHeadingPlaces = {{
    {kTrackColumn, 8, 44, 10},
    {kStartColumn, 8, kSentinelWidth, 10},
    {kEndColumn, 8, kSentinelWidth, 10},
    {kReturnColumn, 8, kReturnColumnWidth, 10},
}};

}  // namespace

std::span<const ControlPlace> PellimoreControls() {
    return kPellimoreControls;
}

std::span<const DialogRect, 4> HeadingPlaces() {
    return kHeadingPlaces;
}

}  // namespace pellimore
