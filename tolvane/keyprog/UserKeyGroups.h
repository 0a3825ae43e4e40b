// The user key groups: key combinations the technician keeps (Ctrl+Alt+Delete, say) and
// appends to a composition with one double click in the key programming dialog.
//
// The groups are program-wide and live in the file data/UserKeyGroud.dat, which is read
// each time the dialog opens and rewritten whole after every change. One line per group,
// "<" then each code followed by a space then ">", CR LF, and an END OF FILE line without
// line end after the last group; an empty file means no groups.
//
// The model also keeps the rows the dialog's user key list shows, so the dialog only
// displays them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/files/AtomicWrite.h"
#include "tolvane/image/KeyTables.h"

namespace tolvane {

inline constexpr int kMaxUserKeyGroups = 20;
inline constexpr int kUserKeyGroupCodeSlots = 20;
// A group of more codes than this does not load again, so none is made.
inline constexpr int kMaxCodesPerUserKeyGroup = kUserKeyGroupCodeSlots - 1;

inline constexpr std::string_view kUserKeyEndOfFileMarker =
    "************************************END OF FILE*********************************";
// Files of an older layout end with this line instead.
inline constexpr std::string_view kUserKeyGroudMarker =
    "********************* END OF USER KEY GROUD*********************";

struct UserKeyGroup {
    std::uint8_t codeCount = 0;
    std::array<KeyCode, kUserKeyGroupCodeSlots> codes{};
    std::string groupText;
    std::uint8_t shiftNext = 0;
};

// One row of the user key list: the group's number (from 0) and its text.
struct UserKeyListRow {
    int number = 0;
    std::string text;
};

// One row of the key setting list, as the add command takes it: the key's name as
// displayed and its code.
struct KeySettingRow {
    std::string name;
    KeyCode code = kNoKey;
};

enum class UserKeyLoadOutcome {
    kLoaded,
    kNoFile,               // missing file or folder: no groups
    kStoppedAtLongGroup,   // a line of 20 or more codes ended the load
    kStoppedAtGroupLimit,  // 20 groups loaded; the lines after them were not read
    kTooLong,              // a line or the file beyond the bounds of BoundedRead.h: no groups
};

struct UserKeyDeleteResult {
    bool deleted = false;   // false: no group at that index; nothing changed
    FileWriteResult saved;  // when deleted: the deletion stands even if this failed
};

struct UserKeyAddResult {
    bool added = false;
    std::optional<TextId> refusal;  // why nothing was added
    FileWriteResult saved;          // when added: the group stands even if this failed
};

class UserKeyGroupStore {
  public:
    std::array<UserKeyGroup, kMaxUserKeyGroups> userKeyGroups;
    std::uint8_t groupCount = 0;
    std::filesystem::path userKeyFilePath;

    // Clears every group, then reads the file at the path the file locations give.
    UserKeyLoadOutcome LoadUserKeyGroups(const std::filesystem::path& filePath);
    // The same from text already in memory; userKeyFilePath is left as it is.
    UserKeyLoadOutcome LoadUserKeyGroupsText(std::string_view text);

    // A new group from the key setting list's rows, saved at once. Refused with the text to
    // show when there is no row, when 20 groups exist or when the rows hold more than 19 keys.
    UserKeyAddResult AddUserKeyGroup(std::span<const KeySettingRow> rows);

    // Removes group `index`; the groups after it move down one place. Saved at once.
    UserKeyDeleteResult DeleteUserKeyGroup(int index);
    // Removes every group and leaves the file empty (zero bytes).
    FileWriteResult DeleteAllUserKeyGroups();
    // Writes every group; the folder is created when missing.
    FileWriteResult SaveUserKeyGroups() const;

    // The codes a double click on row `index` appends; none outside the groups in use.
    std::span<const KeyCode> GroupCodes(int index) const;
    const std::vector<UserKeyListRow>& Rows() const { return rows_; }

    // The file's text for the groups in use.
    std::string FileText() const;

  private:
    struct ParseState;

    bool FeedLine(ParseState& parse, std::string_view line);
    void EndNumber(ParseState& parse);
    void CloseGroup(ParseState& parse);
    UserKeyGroup* GroupBeingRead();
    void ClearGroups();
    void RebuildRows();

    std::vector<UserKeyListRow> rows_;
};

// A group's text as the load builds it: names joined by "+", where a Shift code makes only
// the one code after it shifted ("LShift+A+b").
std::string UserKeyGroupText(std::span<const KeyCode> codes);

}  // namespace tolvane
