// UTF-8 source: the dialogs' Chinese captions are written as they are shown.
#include "gui/model/OptionDialogsLayout.h"

#include <array>

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

// The track rows: 18 units apart, the first one 14 units into the group boxes.
constexpr int kGroupTop = 108;
constexpr int kFirstRowTop = kGroupTop + 14;
constexpr int kRowPitch = 18;
constexpr int kRowHeight = 12;

constexpr int RowTop(int track) {
    return kFirstRowTop + kRowPitch * track;
}

constexpr std::array<ControlPlace, 4> TrackRow(int track) {
    const auto t = static_cast<std::size_t>(track);
    return {{
        {ids::kTrackBoxes[t], {12, RowTop(track), 48, kRowHeight}},
        {ids::kPrefixEdits[t], {72, RowTop(track), 44, kRowHeight}},
        {ids::kSuffixEdits[t], {136, RowTop(track), 44, kRowHeight}},
        {ids::kEnterBoxes[t], {194, RowTop(track), 58, kRowHeight}},
    }};
}

constexpr std::array<ControlPlace, 17> CardReaderTable() {
    std::array<ControlPlace, 17> table = {{
        {ids::kCardPicture, {49, 7, 160, 94}},
        {ids::kPrefixGroup, {64, kGroupTop, 60, 70}},
        {ids::kSuffixGroup, {128, kGroupTop, 60, 70}},
        {ids::kCardReaderOk, {144, 186, 50, 14}},
        {ids::kCardReaderCancel, {200, 186, 50, 14}},
    }};
    std::size_t next = 5;
    for (int track = 0; track < 3; ++track) {
        for (const ControlPlace& place : TrackRow(track)) {
            table[next++] = place;
        }
    }
    return table;
}

constexpr std::array<ControlPlace, 17> kCardReaderControls = CardReaderTable();

constexpr std::array<ControlPlace, 8> kKeyboardSetControls = {{
    {ids::kKeyRepeatBox, {14, 12, 110, 12}},
    {ids::kKeySoundBox, {14, 30, 110, 12}},
    {ids::kAllKeysRadio, {28, 46, 110, 12}},
    {ids::kEncodedKeysRadio, {28, 60, 110, 12}},
    {ids::kCountryCodeLabel, {14, 82, 54, 10}},
    {ids::kCountryCodeList, {70, 80, 56, 60}},
    {ids::kKeyboardSetOk, {74, 102, 50, 14}},
    {ids::kKeyboardSetCancel, {130, 102, 50, 14}},
}};

constexpr std::array<DialogCaption, 10> kCardReaderCaptions = {{
    {ids::kTrackBoxes[0], "第一轨", "First"},
    {ids::kTrackBoxes[1], "第二轨", "Second"},
    {ids::kTrackBoxes[2], "第三轨", "Third"},
    {ids::kEnterBoxes[0], "串尾回车", "Enter Key"},
    {ids::kEnterBoxes[1], "串尾回车", "Enter Key"},
    {ids::kEnterBoxes[2], "串尾回车", "Enter Key"},
    {ids::kPrefixGroup, "前缀", "Prefix"},
    {ids::kSuffixGroup, "后缀", "Suffix"},
    {ids::kCardReaderOk, "确定", "Comfirm"},
    {ids::kCardReaderCancel, "取消", "Cancel"},
}};

// The second radio's English caption ends with a blank, as it always has.
constexpr std::array<DialogCaption, 7> kKeyboardSetCaptions = {{
    {ids::kKeyRepeatBox, "按键连发", "Key Batter"},
    {ids::kKeySoundBox, "击键发声", "Keystroke sounding"},
    {ids::kAllKeysRadio, "所有按键", "For all Key"},
    {ids::kEncodedKeysRadio, "已编码按键", "For Specified Key "},
    {ids::kCountryCodeLabel, "国家代码", "Country Code"},
    {ids::kKeyboardSetOk, "确定", "Comfirm"},
    {ids::kKeyboardSetCancel, "取消", "Cancel"},
}};

}  // namespace

std::span<const DialogCaption> CardReaderCaptions() {
    return kCardReaderCaptions;
}

std::span<const DialogCaption> KeyboardSetCaptions() {
    return kKeyboardSetCaptions;
}

std::span<const ControlPlace> CardReaderControls() {
    return kCardReaderControls;
}

std::span<const ControlPlace> KeyboardSetControls() {
    return kKeyboardSetControls;
}

}  // namespace tolvane::gui
