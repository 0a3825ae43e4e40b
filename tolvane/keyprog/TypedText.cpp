#include "tolvane/keyprog/TypedText.h"

#include <array>
#include <cstdio>

#include "tolvane/app/Utf8Text.h"

namespace tolvane {

namespace {

constexpr KeyCode kKeypadEnter = 107;
constexpr std::string_view kKeypadPrefix = "num_";

// Both directions, built once from the key name table: a key whose name is one character
// types that character. The main block comes first in the numbering, so a character the
// keypad has too ("/") is typed with the main block's key.
struct CharacterTables {
    std::array<std::optional<TypedKey>, 128> keyOf{};
    std::array<std::array<char, 2>, kKeyNameTableSize> characterOf{};
};

char OneCharacter(std::string_view name) {
    return name.size() == 1 ? name[0] : '\0';
}

// The keypad's keys are named "num_7", "num_*" and so on, and type the same in both states.
char KeypadCharacter(std::string_view name) {
    return name.size() == kKeypadPrefix.size() + 1 && name.starts_with(kKeypadPrefix) ? name.back()
                                                                                      : '\0';
}

CharacterTables BuildTables() {
    CharacterTables tables;
    for (KeyCode code = 1; code < kFirstLayerKey; ++code) {
        const KeyNameEntry& entry = KeyNameTable[code];
        const char keypad = KeypadCharacter(entry.plainName);
        const std::array<char, 2> typed = {
            keypad != '\0' ? keypad : OneCharacter(entry.plainName),
            keypad != '\0' ? keypad : OneCharacter(entry.shiftedName)};
        tables.characterOf[code] = typed;
        for (const bool shifted : {false, true}) {
            const auto character = static_cast<unsigned char>(typed[shifted ? 1 : 0]);
            if (keypad == '\0' && character != 0 && character < tables.keyOf.size() &&
                !tables.keyOf[character]) {
                tables.keyOf[character] = TypedKey{code, shifted};
            }
        }
    }
    for (const auto& [code, character] :
         {std::pair{kEnterKey, '\n'}, std::pair{kTabKey, '\t'}, std::pair{kSpaceKey, ' '},
          std::pair{kKeypadEnter, '\n'}}) {
        tables.characterOf[code] = {character, character};
    }
    tables.keyOf['\n'] = TypedKey{kEnterKey, false};
    tables.keyOf['\r'] = TypedKey{kEnterKey, false};
    tables.keyOf['\t'] = TypedKey{kTabKey, false};
    tables.keyOf[' '] = TypedKey{kSpaceKey, false};
    return tables;
}

const CharacterTables& Tables() {
    static const CharacterTables tables = BuildTables();
    return tables;
}

// How a character the keyboard cannot type is named: as written when it is printable,
// else by its number, so that a stray control character is visible in the message.
std::string NameOfUntypable(std::string_view text, std::size_t at, std::size_t length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    char name[16];
    if (length == 0) {
        std::snprintf(name, sizeof name, "0x%02X", lead);
        return name;
    }
    if (length == 1 && (lead < 0x20 || lead == 0x7F)) {
        std::snprintf(name, sizeof name, "U+%04X", lead);
        return name;
    }
    return std::string(text.substr(at, length));
}

}  // namespace

std::optional<TypedKey> KeyOfCharacter(char character) {
    const auto index = static_cast<unsigned char>(character);
    return index < 128 ? Tables().keyOf[index] : std::nullopt;
}

TextKeys KeyCodesOfText(std::string_view text, bool startsShifted) {
    TextKeys keys;
    keys.codes.reserve(text.size() + 2);
    bool shifted = startsShifted;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        const std::optional<TypedKey> key =
            length == 1 ? KeyOfCharacter(text[i]) : std::optional<TypedKey>();
        if (!key) {
            return TextKeys{{}, NameOfUntypable(text, i, length)};
        }
        const bool pairedReturn = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        i += pairedReturn ? 2 : 1;
        if (key->shifted != shifted) {
            keys.codes.push_back(kLeftShift);
            shifted = !shifted;
        }
        keys.codes.push_back(key->code);
    }
    if (shifted != startsShifted) {
        keys.codes.push_back(kLeftShift);
    }
    return keys;
}

char CharacterOfKey(KeyCode code, bool shifted) {
    return code < kKeyNameTableSize ? Tables().characterOf[code][shifted ? 1 : 0] : '\0';
}

std::string TypedTextOf(std::span<const KeyCode> codes) {
    std::string typed;
    typed.reserve(codes.size());
    bool shifted = false;
    for (const KeyCode code : codes) {
        if (IsShiftCode(code)) {
            shifted = !shifted;
        } else {
            typed += CharacterOfKey(code, shifted);
        }
    }
    return typed;
}

}  // namespace tolvane
