#include "tolvane/keyprog/UserKeyGroups.h"

#include "tolvane/files/BoundedRead.h"
#include "tolvane/files/LenientNumber.h"

namespace tolvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace

// The scan state carries over from line to line: outside a group, collecting a number, or
// after a space that ended no number (where everything but "<", " " and ">" is dropped).
struct UserKeyGroupStore::ParseState {
    enum class Mode { kOutside, kCollecting, kAfterSpace };

    Mode mode = Mode::kOutside;
    LenientNumber pending;
    bool stopped = false;
    UserKeyLoadOutcome outcome = UserKeyLoadOutcome::kLoaded;
};

std::string UserKeyGroupText(std::span<const KeyCode> codes) {
    std::string text;
    bool shiftNext = false;
    for (const KeyCode code : codes) {
        text += KeyName(code, shiftNext);
        text += '+';
        shiftNext = IsShiftCode(code);
    }
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

void UserKeyGroupStore::ClearGroups() {
    userKeyGroups.fill(UserKeyGroup{});
    groupCount = 0;
    rows_.clear();
}

void UserKeyGroupStore::RebuildRows() {
    rows_.clear();
    for (int g = 0; g < groupCount; ++g) {
        rows_.push_back(UserKeyListRow{g, userKeyGroups[static_cast<std::size_t>(g)].groupText});
    }
}

UserKeyGroup* UserKeyGroupStore::GroupBeingRead() {
    return groupCount < kMaxUserKeyGroups ? &userKeyGroups[groupCount] : nullptr;
}

UserKeyLoadOutcome UserKeyGroupStore::LoadUserKeyGroups(const std::filesystem::path& filePath) {
    ClearGroups();
    userKeyFilePath = filePath;
    const TextRead read = ReadTextFile(filePath);
    if (read.status == TextReadStatus::kOutOfBounds) {
        return UserKeyLoadOutcome::kTooLong;
    }
    if (!read.ok()) {
        return UserKeyLoadOutcome::kNoFile;
    }
    return LoadUserKeyGroupsText(read.text);
}

UserKeyLoadOutcome UserKeyGroupStore::LoadUserKeyGroupsText(std::string_view text) {
    ClearGroups();
    if (CheckTextBounds(text)) {
        return UserKeyLoadOutcome::kTooLong;
    }
    ParseState parse;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!FeedLine(parse, text.substr(0, end))) {
            break;
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return parse.outcome;
}

bool UserKeyGroupStore::FeedLine(ParseState& parse, std::string_view line) {
    line = WithoutLineEnd(line);
    if (line == kUserKeyGroudMarker) {
        return false;
    }
    // A group that spans lines keeps only the codes of its last line.
    if (UserKeyGroup* group = GroupBeingRead()) {
        group->codeCount = 0;
    }
    for (const char c : line) {
        switch (c) {
            case '<':
                parse.mode = ParseState::Mode::kCollecting;
                break;
            case ' ':
                EndNumber(parse);
                break;
            case '>':
                CloseGroup(parse);
                break;
            default:
                if (parse.mode == ParseState::Mode::kCollecting) {
                    parse.pending.Append(c);
                }
                break;
        }
        if (parse.stopped) {
            return false;
        }
    }
    return true;
}

void UserKeyGroupStore::EndNumber(ParseState& parse) {
    if (parse.pending.Empty()) {
        parse.mode = ParseState::Mode::kAfterSpace;
        return;
    }
    // Codes past the last slot are dropped; the count stays at 20, which refuses the group.
    UserKeyGroup* group = GroupBeingRead();
    if (group != nullptr && group->codeCount < kUserKeyGroupCodeSlots) {
        group->codes[group->codeCount] = parse.pending.LowByte();
        ++group->codeCount;
    }
    parse.pending.Clear();
    parse.mode = ParseState::Mode::kCollecting;
}

void UserKeyGroupStore::CloseGroup(ParseState& parse) {
    parse.pending.Clear();
    parse.mode = ParseState::Mode::kOutside;
    UserKeyGroup* group = GroupBeingRead();
    if (group == nullptr) {
        parse.outcome = UserKeyLoadOutcome::kStoppedAtGroupLimit;
        parse.stopped = true;
        return;
    }
    if (group->codeCount > kMaxCodesPerUserKeyGroup) {
        *group = UserKeyGroup{};
        parse.outcome = UserKeyLoadOutcome::kStoppedAtLongGroup;
        parse.stopped = true;
        return;
    }
    group->groupText = UserKeyGroupText(std::span(group->codes.data(), group->codeCount));
    group->shiftNext = 0;
    rows_.push_back(UserKeyListRow{groupCount, group->groupText});
    ++groupCount;
}

UserKeyAddResult UserKeyGroupStore::AddUserKeyGroup(std::span<const KeySettingRow> rows) {
    UserKeyAddResult result;
    if (rows.empty()) {
        result.refusal = TextId::kPleaseEnterKey;
    } else if (groupCount >= kMaxUserKeyGroups) {
        result.refusal = TextId::kUserKeyListFull;
    } else if (rows.size() > kMaxCodesPerUserKeyGroup) {
        result.refusal = TextId::kUserKeyGroupTooLong;
    }
    if (result.refusal) {
        return result;
    }
    UserKeyGroup& group = userKeyGroups[groupCount];
    group = UserKeyGroup{};
    for (const KeySettingRow& row : rows) {
        group.codes[group.codeCount] = row.code;
        ++group.codeCount;
        group.groupText += row.name;
        group.groupText += '+';
    }
    group.groupText.pop_back();
    rows_.push_back(UserKeyListRow{groupCount, group.groupText});
    ++groupCount;
    result.added = true;
    result.saved = SaveUserKeyGroups();
    return result;
}

UserKeyDeleteResult UserKeyGroupStore::DeleteUserKeyGroup(int index) {
    UserKeyDeleteResult result;
    if (index < 0 || index >= groupCount) {
        return result;
    }
    for (int g = index; g + 1 < groupCount; ++g) {
        userKeyGroups[static_cast<std::size_t>(g)] =
            std::move(userKeyGroups[static_cast<std::size_t>(g + 1)]);
    }
    --groupCount;
    userKeyGroups[groupCount] = UserKeyGroup{};
    RebuildRows();
    result.deleted = true;
    result.saved = SaveUserKeyGroups();
    return result;
}

FileWriteResult UserKeyGroupStore::DeleteAllUserKeyGroups() {
    ClearGroups();
    return WriteFileAtomically(userKeyFilePath, "", /*createFolders=*/true);
}

std::string UserKeyGroupStore::FileText() const {
    std::string text;
    for (int g = 0; g < groupCount; ++g) {
        const UserKeyGroup& group = userKeyGroups[static_cast<std::size_t>(g)];
        text += '<';
        for (int i = 0; i < group.codeCount; ++i) {
            text += std::to_string(group.codes[static_cast<std::size_t>(i)]);
            text += ' ';
        }
        text += '>';
        text += kLineEnd;
    }
    text += kUserKeyEndOfFileMarker;
    return text;
}

FileWriteResult UserKeyGroupStore::SaveUserKeyGroups() const {
    return WriteFileAtomically(userKeyFilePath, FileText(), /*createFolders=*/true);
}

std::span<const KeyCode> UserKeyGroupStore::GroupCodes(int index) const {
    if (index < 0 || index >= groupCount) {
        return {};
    }
    const UserKeyGroup& group = userKeyGroups[static_cast<std::size_t>(index)];
    const std::size_t count = std::min<std::size_t>(group.codeCount, kUserKeyGroupCodeSlots);
    return std::span<const KeyCode>(group.codes.data(), count);
}

}  // namespace tolvane
