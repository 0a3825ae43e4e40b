#include "tolvane/keyprog/KeyPadSession.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "tolvane/app/ButtonPanel.h"
#include "tolvane/app/Utf8Text.h"
#include "tolvane/keyprog/KeySearch.h"
#include "tolvane/keyprog/TypedText.h"

namespace tolvane {

namespace {

// The keys that flip the naming state in the dialog: Caps Lock as well as both Shifts, so
// the list shows "A" after "CAPS" the way the keyboard will type it.
bool FlipsNaming(KeyCode code) {
    return code == kCapsLock || IsShiftCode(code);
}

std::string Number(int value) {
    return std::to_string(value);
}

std::string Hex(std::uint32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    return text;
}

std::optional<FilledText> Filled(std::optional<TextId> message) {
    return message ? std::optional(FilledText{*message, {}}) : std::nullopt;
}

}  // namespace

bool IsCardKey(KeyCode code) {
    return (code >= 14 && code <= 26) || (code >= 39 && code <= 41) || code == 52 || code == 53 ||
           (code >= 63 && code <= 65) || IsShiftCode(code);
}

CardPartOfText CardPartFromText(std::string_view text) {
    const std::size_t length = Utf8SequenceLength(text, 0);
    if (text.empty() || (length != 0 && length < text.size())) {
        return {kNoKey, kNoKey, FilledText{TextId::kCardTakesOneCharacter, {}}};
    }
    const std::optional<TypedKey> key = length == 1 ? KeyOfCharacter(text[0]) : std::nullopt;
    if (!key || IsShiftCode(key->code) || !IsCardKey(key->code)) {
        return {kNoKey, kNoKey, FilledText{TextId::kNotACardCharacter, {std::string(text)}}};
    }
    return {key->shifted ? kLeftShift : kNoKey, key->code, std::nullopt};
}

KeyPadSession::KeyPadSession(KeyboardImage& image, KeyPadMode mode) : image_(image), mode_(mode) {}

std::optional<KeyPadSession> KeyPadSession::ForButton(KeyboardImage& image, int button) {
    const int layer = image.selection.currentLayer;
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return std::nullopt;
    }
    PrepareKeyDialogForButton(image, button);

    KeyPadSession session(image, KeyPadMode::kButton);
    session.button_ = button;
    session.layer_ = layer;
    ButtonRecord& record = session.Record();
    session.openingSnapshot_ = record;
    const int count = std::min<int>(record.keyCount[layer], MaxKeysPerLayer);
    record.editCount[layer] = static_cast<std::uint8_t>(count);
    // Keys added after a stored Shift are named shifted. The naming state is taken from this
    // layer's own codes, as their last derivation leaves it, and not from whichever layer
    // happened to be derived last.
    record.shiftToggle = 0;
    for (int i = 0; i < count; ++i) {
        if (IsShiftCode(record.keyCodes[layer][static_cast<std::size_t>(i)])) {
            record.shiftToggle ^= 1;
        }
    }
    return session;
}

std::optional<KeyPadSession> KeyPadSession::ForTrackPart(KeyboardImage& image, int trackIndex,
                                                         TrackPart part) {
    if (!IsValidTrackIndex(trackIndex)) {
        return std::nullopt;
    }
    image.selection.keyDialogForButton = 0;
    image.selection.keyDialogTrack = static_cast<std::uint8_t>(trackIndex);

    KeyPadSession session(image, KeyPadMode::kCard);
    session.track_ = trackIndex;
    CardTrackSetting& track = session.Track();
    track.editPart = static_cast<std::uint32_t>(part);
    std::array<KeyCode, 2> pair = part == TrackPart::kPrefix
                                      ? std::array<KeyCode, 2>{track.prefixShift, track.prefixKey}
                                      : std::array<KeyCode, 2>{track.suffixShift, track.suffixKey};
    if (pair[0] == kNoKey) {
        pair = {pair[1], kNoKey};
    }
    const int count = pair[0] == kNoKey ? 0 : pair[1] == kNoKey ? 1 : 2;
    session.SetCardComposition(pair, count);
    return session;
}

bool KeyPadSession::ShiftLatched() const {
    return mode_ == KeyPadMode::kButton ? Record().shiftToggle != 0 : Track().shiftToggle != 0;
}

bool KeyPadSession::IsKeyEnabled(KeyCode code) const {
    if (code < 1 || code >= kFnKey) {
        return false;
    }
    return mode_ == KeyPadMode::kButton || IsCardKey(code);
}

UserKeyLoadOutcome KeyPadSession::LoadUserKeyGroups(const std::filesystem::path& file) {
    return userKeys_.LoadUserKeyGroups(file);
}

std::vector<KeySettingRow> KeyPadSession::Composition() const {
    std::vector<KeySettingRow> keys;
    if (mode_ == KeyPadMode::kButton) {
        const ButtonRecord& record = Record();
        for (int n = 0; n < EditCount(); ++n) {
            const auto i = static_cast<std::size_t>(n);
            keys.push_back({record.keyText[layer_][i], record.keyCodes[layer_][i]});
        }
        return keys;
    }
    // A card composition is named from the unshifted state: a Shift code is named first and
    // shifts the key after it.
    bool shifted = false;
    for (int n = 0; n < Track().editCount && n < 2; ++n) {
        const KeyCode code = trackPair_[static_cast<std::size_t>(n)];
        keys.push_back({KeyName(code, shifted), code});
        shifted = shifted != IsShiftCode(code);
    }
    return keys;
}

std::vector<KeyPadRow> KeyPadSession::Rows() const {
    const std::string layer = mode_ == KeyPadMode::kButton ? Number(layer_) : std::string();
    std::vector<KeyPadRow> rows;
    for (KeySettingRow& key : Composition()) {
        rows.push_back(
            {Number(static_cast<int>(rows.size())), std::move(key.name), Number(key.code), layer});
    }
    return rows;
}

// ---- Button mode ----

bool KeyPadSession::Fits(std::size_t codes) const {
    return static_cast<std::size_t>(EditCount()) + codes <= MaxKeysPerLayer;
}

void KeyPadSession::Append(KeyCode code, std::string name) {
    ButtonRecord& record = Record();
    const auto n = static_cast<std::size_t>(EditCount());
    record.keyText[layer_][n] = std::move(name);
    record.keyCodes[layer_][n] = code;
    ++record.editCount[layer_];
}

// Whole layers are emptied, not only their counted codes, so that no code of the layer key
// stays behind a shorter new sequence.
void KeyPadSession::EmptyAllLayers() {
    ButtonRecord& record = Record();
    for (int layer = 1; layer <= LayerCount; ++layer) {
        record.keyCodes[layer].fill(kNoKey);
        for (std::string& text : record.keyText[layer]) {
            text.clear();
        }
        record.layerText[layer].clear();
        record.keyCount[layer] = 0;
        record.editCount[layer] = 0;
    }
    record.hasLayerKey = 0;
}

std::optional<TextId> KeyPadSession::ClickKey(KeyCode code) {
    if (mode_ == KeyPadMode::kCard) {
        return ClickCardKey(code);
    }
    if (!IsKeyEnabled(code)) {
        return std::nullopt;
    }
    ButtonRecord& record = Record();
    // The first key on a layer-key button replaces the layer key on every layer, so it
    // always fits.
    const bool replacesLayerKey = record.hasLayerKey == 1;
    if (!replacesLayerKey && !Fits(1)) {
        return TextId::kLayerKeysFull;
    }
    if (FlipsNaming(code)) {
        record.shiftToggle ^= 1;
    }
    if (replacesLayerKey) {
        EmptyAllLayers();
    }
    Append(code, KeyName(code, record.shiftToggle != 0));
    return std::nullopt;
}

std::optional<TextId> KeyPadSession::AppendSpecialKey(int row) {
    const SpecialKeyEntry* entry = row < 0 ? nullptr : SpecialKey(static_cast<std::size_t>(row));
    if (mode_ == KeyPadMode::kCard || entry == nullptr) {
        return std::nullopt;
    }
    if (!Fits(1)) {
        return TextId::kLayerKeysFull;
    }
    Append(entry->code, std::string(entry->name));
    return std::nullopt;
}

std::optional<TextId> KeyPadSession::AppendUserKeyGroup(int group) {
    const std::span<const KeyCode> codes = userKeys_.GroupCodes(group);
    if (mode_ == KeyPadMode::kCard || codes.empty()) {
        return std::nullopt;
    }
    if (!Fits(codes.size())) {
        return TextId::kLayerKeysFull;
    }
    ButtonRecord& record = Record();
    for (const KeyCode code : codes) {
        std::string name = KeyName(code, record.shiftToggle != 0);
        if (FlipsNaming(code)) {
            record.shiftToggle ^= 1;
        }
        Append(code, std::move(name));
    }
    return std::nullopt;
}

void KeyPadSession::DeleteRow(int row) {
    if (mode_ == KeyPadMode::kCard) {
        const int count = Track().editCount;
        if (row < 0 || row >= count) {
            return;
        }
        // The code that stays is listed again at place 0, named afresh.
        const KeyCode kept = count == 2 ? trackPair_[row == 0 ? 1 : 0] : kNoKey;
        SetCardComposition({kept, kNoKey}, count - 1);
        return;
    }
    const int count = EditCount();
    if (row < 0 || row >= count) {
        return;
    }
    ButtonRecord& record = Record();
    auto& codes = record.keyCodes[layer_];
    auto& names = record.keyText[layer_];
    const auto r = static_cast<std::ptrdiff_t>(row);
    std::move(codes.begin() + r + 1, codes.begin() + count, codes.begin() + r);
    std::move(names.begin() + r + 1, names.begin() + count, names.begin() + r);
    const auto last = static_cast<std::size_t>(count - 1);
    codes[last] = kNoKey;
    names[last].clear();
    --record.editCount[layer_];
    std::string& text = record.layerText[layer_];
    text.clear();
    for (int n = 0; n < EditCount(); ++n) {
        text += names[static_cast<std::size_t>(n)];
        text += '+';
    }
    if (!text.empty()) {
        text.pop_back();
    }
}

void KeyPadSession::DeleteAllRows() {
    if (mode_ == KeyPadMode::kCard) {
        // The part is set at once to no shift and key 1; a confirm right after clears it
        // (the card reader dialog empties a part confirmed without codes).
        SetCardComposition({kNoKey, kEscKey}, 0);
        StorePart(kNoKey, kEscKey);
        return;
    }
    ButtonRecord& record = Record();
    record.keyCount[layer_] = 0;
    record.editCount[layer_] = 0;
    record.shiftToggle = 0;
    record.layerText[layer_].clear();
    record.keyCodes[layer_].fill(kNoKey);
    for (std::string& text : record.keyText[layer_]) {
        text.clear();
    }
}

// ---- Card mode ----

// Keeps the track's working fields in step with the composition: editCount is how many of
// the two places are in use, shiftToggle whether a key added now would be named shifted.
void KeyPadSession::SetCardComposition(std::array<KeyCode, 2> pair, int count) {
    trackPair_ = pair;
    CardTrackSetting& track = Track();
    track.editCount = static_cast<std::uint8_t>(count);
    track.shiftToggle = 0;
    for (int n = 0; n < count; ++n) {
        if (IsShiftCode(pair[static_cast<std::size_t>(n)])) {
            track.shiftToggle ^= 1;
        }
    }
}

std::optional<TextId> KeyPadSession::ClickCardKey(KeyCode code) {
    if (code == kEscKey) {
        return TextId::kEscNotAllowed;
    }
    if (!IsKeyEnabled(code)) {
        return std::nullopt;
    }
    const int count = Track().editCount;
    // A key after a complete pair or after a plain key starts a new composition; only a
    // Shift code waits for its key.
    if (count >= 2 || count == 0 || !IsShiftCode(trackPair_[0])) {
        SetCardComposition({code, kNoKey}, 1);
        return std::nullopt;
    }
    if (IsShiftCode(code)) {
        return TextId::kSettingError;
    }
    SetCardComposition({trackPair_[0], code}, 2);
    return std::nullopt;
}

void KeyPadSession::StorePart(KeyCode shift, KeyCode key) {
    CardTrackSetting& track = Track();
    if (track.editPart == static_cast<std::uint32_t>(TrackPart::kPrefix)) {
        track.prefixShift = shift;
        track.prefixKey = key;
    } else {
        track.suffixShift = shift;
        track.suffixKey = key;
    }
}

// ---- User key groups ----

std::optional<TextId> KeyPadSession::AddUserKeyGroup() {
    const UserKeyAddResult result = userKeys_.AddUserKeyGroup(Composition());
    if (result.refusal) {
        return result.refusal;
    }
    return result.saved ? std::nullopt : std::optional(TextId::kUserKeyGroupsNotSaved);
}

std::optional<TextId> KeyPadSession::DeleteUserKeyGroup(int group) {
    const UserKeyDeleteResult result = userKeys_.DeleteUserKeyGroup(group);
    if (!result.deleted || result.saved) {
        return std::nullopt;
    }
    return TextId::kUserKeyGroupsNotSaved;
}

std::optional<TextId> KeyPadSession::DeleteAllUserKeyGroups() {
    if (userKeys_.DeleteAllUserKeyGroups()) {
        return std::nullopt;
    }
    return TextId::kUserKeyGroupsNotSaved;
}

// ---- Faster key entry ----

bool KeyPadSession::ComposedShifted() const {
    const auto codes = std::span(Record().keyCodes[layer_]).first(EditCount());
    return std::count_if(codes.begin(), codes.end(), IsShiftCode) % 2 == 1;
}

// Names every key of the composition as the button will show it, from the unshifted state.
void KeyPadSession::RenameComposition() {
    ButtonRecord& record = Record();
    const auto codes = std::span<const KeyCode>(record.keyCodes[layer_]).first(EditCount());
    std::vector<std::string> names = KeyTextsOf(codes);
    std::move(names.begin(), names.end(), record.keyText[layer_].begin());
    record.layerText[layer_] = LayerTextOf(codes);
    record.shiftToggle = ComposedShifted() ? 1 : 0;
}

std::optional<FilledText> KeyPadSession::AppendText(std::string_view text, bool thenEnter) {
    if (mode_ == KeyPadMode::kCard) {
        const CardPartOfText part = CardPartFromText(text);
        if (part.refusal) {
            return part.refusal;
        }
        if (part.shift == kNoKey) {
            SetCardComposition({part.key, kNoKey}, 1);
        } else {
            SetCardComposition({part.shift, part.key}, 2);
        }
        return std::nullopt;
    }
    ButtonRecord& record = Record();
    const bool replacesLayerKey = record.hasLayerKey == 1;
    const bool startsShifted = !replacesLayerKey && ComposedShifted();
    TextKeys keys = KeyCodesOfText(text, startsShifted);
    if (!keys.untypable.empty()) {
        return FilledText{TextId::kCharacterCannotBeTyped, {keys.untypable}};
    }
    if (thenEnter) {
        keys.codes.push_back(kEnterKey);
    }
    if (keys.codes.empty()) {
        return std::nullopt;
    }
    const std::size_t left = MaxKeysPerLayer - (replacesLayerKey ? 0 : EditCount());
    if (keys.codes.size() > left) {
        return FilledText{
            TextId::kTextTooLong,
            {Number(static_cast<int>(keys.codes.size())), Number(static_cast<int>(left))}};
    }
    if (replacesLayerKey) {
        EmptyAllLayers();
    }
    bool shifted = startsShifted;
    for (const KeyCode code : keys.codes) {
        Append(code, KeyName(code, shifted));
        if (IsShiftCode(code)) {
            shifted = !shifted;
            record.shiftToggle ^= 1;
        }
    }
    return std::nullopt;
}

std::optional<FilledText> KeyPadSession::PressPcKey(ScanCodeSet set, std::uint32_t scanCode,
                                                    std::string_view pcKeyName) {
    const std::optional<KeyCode> code = KeyCodeOfScanCode(set, scanCode);
    if (!code) {
        const std::string name = pcKeyName.empty() ? "0x" + Hex(scanCode) : std::string(pcKeyName);
        return FilledText{TextId::kKeyHasNoCode, {name}};
    }
    if (mode_ == KeyPadMode::kCard && *code != kEscKey && !IsCardKey(*code)) {
        return FilledText{TextId::kNotACardCharacter, {KeyName(*code, false)}};
    }
    if (IsSpecialKeyCode(*code)) {
        return Filled(AppendSpecialKey(*code - kFirstSpecialKey));
    }
    return Filled(ClickKey(*code));
}

void KeyPadSession::DeleteRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows) {
        DeleteRow(row);
    }
}

std::optional<int> KeyPadSession::MoveRow(int row, int direction) {
    const int target = row + direction;
    if (mode_ == KeyPadMode::kCard || (direction != -1 && direction != 1) || row < 0 ||
        row >= EditCount() || target < 0 || target >= EditCount()) {
        return std::nullopt;
    }
    auto& codes = Record().keyCodes[layer_];
    std::swap(codes[static_cast<std::size_t>(row)], codes[static_cast<std::size_t>(target)]);
    RenameComposition();
    return target;
}

std::vector<bool> KeyPadSession::UserKeyRowsShown(std::string_view filter) const {
    std::vector<bool> shown;
    for (const UserKeyListRow& row : userKeys_.Rows()) {
        shown.push_back(UserKeyGroupShown(row.text, userKeys_.GroupCodes(row.number), filter));
    }
    return shown;
}

// ---- Ending ----

std::optional<TextId> KeyPadSession::Confirm() {
    if (mode_ == KeyPadMode::kButton) {
        ButtonRecord& record = Record();
        record.keyCount[layer_] = record.editCount[layer_];
        return std::nullopt;
    }
    const int count = Track().editCount;
    if (count >= 2) {
        StorePart(trackPair_[0], trackPair_[1]);
    } else if (count == 1) {
        if (IsShiftCode(trackPair_[0])) {
            return TextId::kSettingError;
        }
        StorePart(kNoKey, trackPair_[0]);
    }
    return std::nullopt;
}

void KeyPadSession::Cancel() {
    if (mode_ == KeyPadMode::kButton) {
        Record() = openingSnapshot_;
    }
}

}  // namespace tolvane
