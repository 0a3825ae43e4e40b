// UTF-8 source: texts the keyboard cannot type are written as a user types them.
#include "tolvane/keyprog/KeyPadSession.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/support/TemporaryFolder.h"

namespace tolvane {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

constexpr KeyCode kQ = 29, kW = 30, kE = 31, kA = 43, kB = 60, kOne = 15, kTwo = 16;
constexpr KeyCode kSemicolon = 52, kLayer3 = 0x6E;
constexpr int kButton = 12;

std::vector<std::string> Names(const KeyPadSession& session) {
    std::vector<std::string> names;
    for (const KeyPadRow& row : session.Rows()) {
        EXPECT_EQ(row.number, std::to_string(names.size()));
        names.push_back(row.name + " " + row.value);
    }
    return names;
}

class KeyPadSessionTest : public ::testing::Test {
  protected:
    void SetUp() override { image->selection.currentLayer = 2; }

    KeyPadSession OpenButton(std::vector<KeyCode> codes = {}) {
        image->StoreKeyRecord(kButton, 2, codes);
        image->RefreshButton(kButton);
        auto session = KeyPadSession::ForButton(*image, kButton);
        EXPECT_TRUE(session.has_value());
        return std::move(*session);
    }

    KeyPadSession OpenCard(KeyCode shift, KeyCode key) {
        image->tracks[1].prefixShift = shift;
        image->tracks[1].prefixKey = key;
        auto session = KeyPadSession::ForTrackPart(*image, 1, TrackPart::kPrefix);
        EXPECT_TRUE(session.has_value());
        return std::move(*session);
    }

    ButtonRecord& Record() { return image->buttons[kButton]; }

    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
};

TEST_F(KeyPadSessionTest, OpensOnlyOnButtonsLayersAndTracksThatExist) {
    EXPECT_FALSE(KeyPadSession::ForButton(*image, 0));
    EXPECT_FALSE(KeyPadSession::ForButton(*image, 85));
    EXPECT_FALSE(KeyPadSession::ForTrackPart(*image, 3, TrackPart::kSuffix));
    image->selection.currentLayer = 7;
    EXPECT_FALSE(KeyPadSession::ForButton(*image, 1));
    image->selection.currentLayer = 2;

    auto session = KeyPadSession::ForButton(*image, 5);
    ASSERT_TRUE(session);
    EXPECT_EQ(image->selection.currentButton, 5);
    EXPECT_EQ(image->selection.keyDialogForButton, 1);
    EXPECT_EQ(image->buttons[5].buttonNo, 5);
}

// The naming state flips at both Shifts and at Caps before the key is named; the refresh
// after confirm names the codes again and flips at the Shifts only.
TEST_F(KeyPadSessionTest, NamesKeysAfterShiftAndCapsAndTheRefreshRenamesThem) {
    struct Case {
        std::vector<KeyCode> clicks;
        std::vector<std::string> listed;
        std::string layerText;
    };
    const std::vector<Case> cases = {
        {{kLeftShift, kA, kB}, {"LShift 55", "A 43", "B 60"}, "LShift+A+B"},
        {{kCapsLock, kA}, {"CAPS 42", "A 43"}, "CAPS+a"},
        {{kRightShift, kA, kRightShift, kA},
         {"RShift 66", "A 43", "RShift 66", "a 43"},
         "RShift+A+RShift+a"},
    };
    for (const Case& c : cases) {
        KeyPadSession session = OpenButton();
        for (const KeyCode code : c.clicks) {
            EXPECT_FALSE(session.ClickKey(code));
        }
        EXPECT_EQ(Names(session), c.listed);
        EXPECT_EQ(session.Rows()[0].layer, "2");
        EXPECT_FALSE(session.Confirm());
        EXPECT_EQ(Record().keyCount[2], c.clicks.size());
        image->RefreshButton(kButton);
        EXPECT_EQ(Record().layerText[2], c.layerText);
    }
}

TEST_F(KeyPadSessionTest, KeysAddedAfterAStoredShiftAreNamedShifted) {
    image->StoreKeyRecord(kButton, 2, std::vector<KeyCode>{kLeftShift, kQ});
    image->DeriveLayerTexts(kButton, 2);
    image->DeriveLayerTexts(kButton, 1);  // another layer derived last leaves no trace
    auto session = KeyPadSession::ForButton(*image, kButton);
    session->ClickKey(kW);
    EXPECT_EQ(Names(*session), (std::vector<std::string>{"LShift 55", "Q 29", "W 30"}));
}

TEST_F(KeyPadSessionTest, FirstKeyOnALayerKeyButtonEmptiesEveryLayerAndCancelPutsItBack) {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        image->StoreKeyRecord(kButton, layer, std::vector<KeyCode>{kLayer3});
        image->DeriveLayerTexts(kButton, layer);
    }
    KeyPadSession session = OpenButton({kLayer3});
    ASSERT_EQ(Record().hasLayerKey, 1u);
    EXPECT_EQ(Names(session), (std::vector<std::string>{"Layer3 110"}));

    session.ClickKey(kQ);
    EXPECT_EQ(Names(session), (std::vector<std::string>{"q 29"}));
    EXPECT_EQ(Record().hasLayerKey, 0u);
    for (int layer = 1; layer <= LayerCount; ++layer) {
        EXPECT_EQ(Record().keyCount[layer], 0) << layer;
        EXPECT_EQ(Record().keyCodes[layer][0], layer == 2 ? kQ : kNoKey) << layer;
        EXPECT_TRUE(Record().layerText[layer].empty()) << layer;
    }

    session.Cancel();
    EXPECT_EQ(Record().hasLayerKey, 1u);
    for (int layer = 1; layer <= LayerCount; ++layer) {
        EXPECT_EQ(Record().keyCount[layer], 1) << layer;
        EXPECT_EQ(Record().keyCodes[layer][0], kLayer3) << layer;
        EXPECT_EQ(Record().keyText[layer][0], "Layer3") << layer;
        EXPECT_EQ(Record().layerText[layer], "Layer3") << layer;
    }
}

TEST_F(KeyPadSessionTest, DeletingARowClosesTheGapAndCancelUndoesDeleteAll) {
    KeyPadSession session = OpenButton({kQ, kW, kE});
    session.DeleteRow(1);
    session.DeleteRow(5);  // below the last row: nothing
    EXPECT_EQ(Names(session), (std::vector<std::string>{"q 29", "e 31"}));
    EXPECT_EQ(Record().editCount[2], 2);
    EXPECT_EQ(Record().layerText[2], "q+e");
    EXPECT_EQ(Record().keyCodes[2][2], kNoKey);

    session.DeleteAllRows();
    EXPECT_TRUE(session.Rows().empty());
    EXPECT_EQ(Record().keyCount[2], 0);  // at once, without confirm
    session.Cancel();
    EXPECT_EQ(Record().keyCount[2], 3);
    EXPECT_EQ(Record().keyCodes[2][1], kW);
    EXPECT_EQ(Record().keyText[2][1], "w");
    EXPECT_EQ(Record().layerText[2], "q+w+e");
}

TEST_F(KeyPadSessionTest, SpecialKeysAndUserKeyGroupsAppendTheirCodes) {
    TemporaryFolder folder;
    const auto file = folder / "UserKeyGroud.dat";
    WriteBytes(file, "<55 29 30 >\r\n<>\r\n" + std::string(kUserKeyEndOfFileMarker));
    KeyPadSession session = OpenButton();
    EXPECT_EQ(session.LoadUserKeyGroups(file), UserKeyLoadOutcome::kLoaded);
    ASSERT_EQ(session.UserKeyRows().size(), 2u);

    session.AppendSpecialKey(9);
    session.AppendSpecialKey(19);  // below the last row: nothing
    session.AppendSpecialKey(-1);
    session.AppendUserKeyGroup(0);
    session.AppendUserKeyGroup(1);  // a group without codes adds nothing
    session.AppendUserKeyGroup(2);
    // Inside the dialog the Shift keeps naming shifted until the next Shift.
    EXPECT_EQ(Names(session), (std::vector<std::string>{"Mute 159", "LShift 55", "Q 29", "W 30"}));
}

// A layer holds 55 codes: whatever would go past them is refused whole, with a message.
TEST_F(KeyPadSessionTest, EveryPathRefusesWhatWouldPassTheFiftyFifthCode) {
    TemporaryFolder folder;
    const auto file = folder / "UserKeyGroud.dat";
    WriteBytes(file, "<67 69 84 >\r\n" + std::string(kUserKeyEndOfFileMarker));
    struct Case {
        const char* path;
        int startCount;
        bool refused;
    };
    for (const Case& c : {Case{"key", 54, false}, Case{"key", 55, true}, Case{"special", 55, true},
                          Case{"group", 52, false}, Case{"group", 53, true}}) {
        KeyPadSession session = OpenButton(std::vector<KeyCode>(c.startCount, kQ));
        session.LoadUserKeyGroups(file);
        const std::string path = c.path;
        const std::optional<TextId> said = path == "key"       ? session.ClickKey(kW)
                                           : path == "special" ? session.AppendSpecialKey(0)
                                                               : session.AppendUserKeyGroup(0);
        EXPECT_EQ(said.has_value(), c.refused) << path << " " << c.startCount;
        if (said) {
            EXPECT_EQ(*said, TextId::kLayerKeysFull);
            EXPECT_EQ(Record().editCount[2], c.startCount);
            EXPECT_EQ(Record().keyCodes[2][54], c.startCount == 55 ? kQ : kNoKey);
        } else {
            EXPECT_EQ(Record().editCount[2], 55);
        }
    }
}

TEST_F(KeyPadSessionTest, CardModeTakesAShiftAndOneKey) {
    KeyPadSession session = OpenCard(0, 0);
    EXPECT_EQ(image->selection.keyDialogForButton, 0);
    EXPECT_EQ(image->selection.keyDialogTrack, 1);
    EXPECT_EQ(image->tracks[1].editPart, 1u);
    EXPECT_TRUE(session.Rows().empty());

    session.ClickKey(kLeftShift);
    EXPECT_EQ(session.ClickKey(kRightShift), TextId::kSettingError);
    EXPECT_EQ(session.Confirm(), TextId::kSettingError);  // a lone Shift is no prefix
    EXPECT_EQ(Names(session), (std::vector<std::string>{"LShift 55"}));

    session.ClickKey(kOne);
    EXPECT_EQ(Names(session), (std::vector<std::string>{"LShift 55", "! 15"}));
    EXPECT_EQ(session.Rows()[1].layer, "");
    EXPECT_FALSE(session.Confirm());
    EXPECT_EQ(image->tracks[1].prefixShift, kLeftShift);
    EXPECT_EQ(image->tracks[1].prefixKey, kOne);

    session.ClickKey(kTwo);  // a key after a complete pair starts again
    EXPECT_EQ(Names(session), (std::vector<std::string>{"2 16"}));
    session.ClickKey(kSemicolon);  // and so does a key after a plain key
    EXPECT_FALSE(session.Confirm());
    EXPECT_EQ(image->tracks[1].prefixShift, 0);
    EXPECT_EQ(image->tracks[1].prefixKey, kSemicolon);
}

TEST_F(KeyPadSessionTest, CardModeRefusesEscAndEveryKeyAPartCannotHold) {
    KeyPadSession session = OpenCard(0, kSemicolon);
    EXPECT_EQ(Names(session), (std::vector<std::string>{"; 52"}));
    EXPECT_EQ(session.ClickKey(kEscKey), TextId::kEscNotAllowed);
    for (const KeyCode code : {kQ, kA, kCapsLock, KeyCode{54}, KeyCode{70}, KeyCode{107}}) {
        EXPECT_FALSE(session.IsKeyEnabled(code)) << int(code);
        EXPECT_FALSE(session.ClickKey(code));
    }
    session.AppendSpecialKey(0);
    EXPECT_EQ(Names(session), (std::vector<std::string>{"; 52"}));
    for (const KeyCode code : {KeyCode{14}, KeyCode{26}, KeyCode{39}, KeyCode{41}, KeyCode{53},
                               KeyCode{63}, KeyCode{65}, kLeftShift, kRightShift}) {
        EXPECT_TRUE(session.IsKeyEnabled(code)) << int(code);
    }
    EXPECT_FALSE(session.IsKeyEnabled(kFnKey));
}

TEST_F(KeyPadSessionTest, CardModeDeletesRowsAndDeleteAllSetsTheSuffixAtOnce) {
    KeyPadSession first = OpenCard(kLeftShift, kOne);
    first.DeleteRow(0);
    EXPECT_EQ(Names(first), (std::vector<std::string>{"1 15"}));
    KeyPadSession session = OpenCard(kLeftShift, kOne);
    session.DeleteRow(1);
    EXPECT_EQ(Names(session), (std::vector<std::string>{"LShift 55"}));
    session.ClickKey(kTwo);  // the Shift still waits for its key
    EXPECT_EQ(Names(session), (std::vector<std::string>{"LShift 55", "@ 16"}));

    image->tracks[0].suffixShift = kLeftShift;
    image->tracks[0].suffixKey = kTwo;
    auto suffix = KeyPadSession::ForTrackPart(*image, 0, TrackPart::kSuffix);
    suffix->DeleteAllRows();
    EXPECT_TRUE(suffix->Rows().empty());
    suffix->Cancel();
    EXPECT_EQ(image->tracks[0].suffixShift, 0);
    EXPECT_EQ(image->tracks[0].suffixKey, 1);
    EXPECT_EQ(image->tracks[0].editCount, 0);
}

TEST_F(KeyPadSessionTest, AddsAndDeletesUserKeyGroupsFromTheComposition) {
    TemporaryFolder folder;
    const auto file = folder / "data" / "UserKeyGroud.dat";
    KeyPadSession session = OpenButton();
    EXPECT_EQ(session.LoadUserKeyGroups(file), UserKeyLoadOutcome::kNoFile);
    EXPECT_EQ(session.AddUserKeyGroup(), TextId::kPleaseEnterKey);

    for (const KeyCode code : {KeyCode{67}, KeyCode{69}, KeyCode{84}}) {
        session.ClickKey(code);
    }
    EXPECT_FALSE(session.AddUserKeyGroup());
    EXPECT_EQ(ReadBytes(file), "<67 69 84 >\r\n" + std::string(kUserKeyEndOfFileMarker));
    EXPECT_EQ(session.UserKeyRows().at(0).text, "LCtrl+LAlt+Delete");

    EXPECT_FALSE(session.DeleteUserKeyGroup(0));
    EXPECT_TRUE(session.UserKeyRows().empty());
    EXPECT_FALSE(session.DeleteAllUserKeyGroups());
    EXPECT_EQ(ReadBytes(file), "");
}

// ---- Faster key entry ----

TEST_F(KeyPadSessionTest, TypedTextAppendsTheKeysThatTypeItNamedAsTheButtonWillShowThem) {
    KeyPadSession session = OpenButton({kQ});
    EXPECT_FALSE(session.AppendText("CASH", /*thenEnter=*/true));
    EXPECT_EQ(Names(session), (std::vector<std::string>{"q 29", "LShift 55", "C 58", "A 43", "S 44",
                                                        "H 48", "LShift 55", "Enter 54"}));
    EXPECT_FALSE(session.AppendText("", false));  // nothing typed, nothing added
    session.Confirm();
    EXPECT_EQ(image->RefreshButton(kButton), "q+LS...");
    EXPECT_EQ(Record().layerText[2], "q+LShift+C+A+S+H+LShift+Enter");

    // After a stored Shift the text is typed from the shifted state and leaves it shifted.
    KeyPadSession shifted = OpenButton({kLeftShift});
    shifted.AppendText("ab", false);
    EXPECT_EQ(Names(shifted),
              (std::vector<std::string>{"LShift 55", "LShift 55", "a 43", "b 60", "LShift 55"}));
    shifted.ClickKey(kQ);
    EXPECT_EQ(Names(shifted).back(), "Q 29");
}

TEST_F(KeyPadSessionTest, TypedTextIsRefusedWholeWhenACharacterOrTheLayerCannotTakeIt) {
    KeyPadSession session = OpenButton(std::vector<KeyCode>(45, kQ));
    EXPECT_EQ(session.AppendText("Café", false),
              (FilledText{TextId::kCharacterCannotBeTyped, {"é"}}));
    // "Total" is 7 keys and Enter an eighth; 10 are left.
    EXPECT_FALSE(session.AppendText("Total", true));
    EXPECT_EQ(session.AppendText("ABC", false), (FilledText{TextId::kTextTooLong, {"5", "2"}}));
    EXPECT_EQ(Record().editCount[2], 53);
    EXPECT_EQ(TextOf(*session.AppendText("ABC", false), InterfaceLanguage::kEnglish),
              "The text needs 5 keys, 2 are left; nothing was added.");

    // On a layer-key button the text replaces the layer key, so the whole layer is free.
    for (int layer = 1; layer <= LayerCount; ++layer) {
        image->StoreKeyRecord(kButton, layer, std::vector<KeyCode>{kLayer3});
    }
    KeyPadSession layerKey = OpenButton({kLayer3});
    EXPECT_FALSE(layerKey.AppendText("ok", false));
    EXPECT_EQ(Names(layerKey), (std::vector<std::string>{"o 37", "k 50"}));
    EXPECT_EQ(Record().hasLayerKey, 0u);
    EXPECT_EQ(Record().keyCodes[1][0], kNoKey);
}

TEST_F(KeyPadSessionTest, APressedPcKeyIsTheKeyOfTheSamePlace) {
    constexpr auto kXkb = ScanCodeSet::kXkbKeycode;
    KeyPadSession session = OpenButton();
    for (const std::uint32_t xkb : {50u, 38u, 62u, 121u}) {  // LShift, a, RShift, Mute
        EXPECT_FALSE(session.PressPcKey(kXkb, xkb, "")) << xkb;
    }
    EXPECT_EQ(Names(session),
              (std::vector<std::string>{"LShift 55", "A 43", "RShift 66", "Mute 159"}));
    EXPECT_EQ(session.PressPcKey(kXkb, 191, "F13"), (FilledText{TextId::kKeyHasNoCode, {"F13"}}));
    EXPECT_EQ(session.PressPcKey(kXkb, 250, ""), (FilledText{TextId::kKeyHasNoCode, {"0xFA"}}));
    EXPECT_EQ(Names(session).size(), 4u);

    KeyPadSession card = OpenCard(0, 0);
    EXPECT_EQ(card.PressPcKey(kXkb, 38, "A"), (FilledText{TextId::kNotACardCharacter, {"a"}}));
    EXPECT_EQ(card.PressPcKey(kXkb, 9, "Escape"), (FilledText{TextId::kEscNotAllowed, {}}));
    EXPECT_EQ(card.PressPcKey(kXkb, 121, "Mute"),
              (FilledText{TextId::kNotACardCharacter, {"Mute"}}));
    card.PressPcKey(kXkb, 62, "");  // RShift
    card.PressPcKey(kXkb, 13, "");  // 4
    EXPECT_EQ(Names(card), (std::vector<std::string>{"RShift 66", "$ 18"}));
}

TEST_F(KeyPadSessionTest, ACardPartIsTypedAsOneCharacter) {
    KeyPadSession session = OpenCard(0, kSemicolon);
    EXPECT_FALSE(session.AppendText("%", false));
    EXPECT_EQ(Names(session), (std::vector<std::string>{"LShift 55", "% 19"}));
    EXPECT_FALSE(session.AppendText("5", true));  // no Enter in a card part
    EXPECT_EQ(Names(session), (std::vector<std::string>{"5 19"}));
    const std::vector<std::pair<std::string, FilledText>> refused = {
        {"a", {TextId::kNotACardCharacter, {"a"}}}, {" ", {TextId::kNotACardCharacter, {" "}}},
        {"é", {TextId::kNotACardCharacter, {"é"}}}, {"12", {TextId::kCardTakesOneCharacter, {}}},
        {"", {TextId::kCardTakesOneCharacter, {}}},
    };
    for (const auto& [text, message] : refused) {
        EXPECT_EQ(session.AppendText(text, false), message) << text;
    }
    EXPECT_FALSE(session.Confirm());
    EXPECT_EQ(image->tracks[1].prefixShift, kNoKey);
    EXPECT_EQ(image->tracks[1].prefixKey, 19);
}

TEST_F(KeyPadSessionTest, SelectedRowsAreDeletedAndARowMovesWithItsNamesRenewed) {
    KeyPadSession session = OpenButton({kQ, kW, kE, kA});
    session.DeleteRows({3, 1, 9, 1});
    EXPECT_EQ(Names(session), (std::vector<std::string>{"q 29", "e 31"}));

    KeyPadSession moving = OpenButton({kQ, kLeftShift, kW});
    EXPECT_EQ(moving.MoveRow(1, -1), 0);  // the Shift now comes first and shifts q
    EXPECT_EQ(Names(moving), (std::vector<std::string>{"LShift 55", "Q 29", "W 30"}));
    EXPECT_EQ(moving.MoveRow(0, -1), std::nullopt);
    EXPECT_EQ(moving.MoveRow(2, 1), std::nullopt);
    EXPECT_EQ(moving.MoveRow(0, 2), std::nullopt);
    EXPECT_EQ(moving.MoveRow(1, 1), 2);
    EXPECT_EQ(Names(moving), (std::vector<std::string>{"LShift 55", "W 30", "Q 29"}));
    EXPECT_EQ(Record().layerText[2], "LShift+W+Q");
    moving.ClickKey(kE);  // the naming state follows the moved Shift
    EXPECT_EQ(Names(moving).back(), "E 31");

    KeyPadSession card = OpenCard(kLeftShift, kOne);
    EXPECT_EQ(card.MoveRow(0, 1), std::nullopt);
    card.DeleteRows({0, 1});
    EXPECT_TRUE(card.Rows().empty());
}

TEST_F(KeyPadSessionTest, TheUserKeyFilterShowsTheGroupsThatMatch) {
    TemporaryFolder folder;
    const auto file = folder / "UserKeyGroud.dat";
    WriteBytes(file, "<67 69 84 >\r\n<159 >\r\n" + std::string(kUserKeyEndOfFileMarker));
    KeyPadSession session = OpenButton();
    session.LoadUserKeyGroups(file);
    EXPECT_EQ(session.UserKeyRowsShown("alt"), (std::vector<bool>{true, false}));
    EXPECT_EQ(session.UserKeyRowsShown("静音"), (std::vector<bool>{false, true}));
    EXPECT_EQ(session.UserKeyRowsShown(""), (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace tolvane
