#include "tolvane/files/BoundedRead.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "tolvane/files/AtomicWrite.h"

namespace tolvane {

namespace {

constexpr std::size_t kReadPiece = 64 * 1024;

TextRead Unread(TextReadStatus status, std::string error) {
    TextRead read;
    read.status = status;
    read.error = std::move(error);
    return read;
}

}  // namespace

bool TextBoundsCheck::Fail(std::string reason) {
    breach_ = TextBoundsBreach{line_, std::move(reason)};
    return false;
}

bool TextBoundsCheck::Feed(std::string_view piece) {
    while (!breach_ && !piece.empty()) {
        const std::size_t lineEnd = piece.find('\n');
        const std::string_view characters = piece.substr(0, lineEnd);
        lineLength_ += characters.size();
        if (!characters.empty()) {
            lastWasCr_ = characters.back() == '\r';
        }
        // Without its line end, one byte more than the bound may still be the CR of it.
        const bool complete = lineEnd != std::string_view::npos;
        if (complete ? !LineFits() : lineLength_ > kLongestTextLine + 1) {
            return FailLine();
        }
        const std::size_t taken = complete ? lineEnd + 1 : piece.size();
        size_ += taken;
        if (size_ > kLargestTextFile) {
            return Fail("the file is larger than " + std::to_string(kLargestTextFile) + " bytes");
        }
        if (complete) {
            ++line_;
            lineLength_ = 0;
            lastWasCr_ = false;
        }
        piece.remove_prefix(taken);
    }
    return !breach_;
}

bool TextBoundsCheck::Finish() {
    if (breach_) {
        return false;
    }
    return LineFits() || FailLine();
}

bool TextBoundsCheck::LineFits() const {
    return lineLength_ - (lastWasCr_ ? 1 : 0) <= kLongestTextLine;
}

bool TextBoundsCheck::FailLine() {
    return Fail("line " + std::to_string(line_) + " is longer than " +
                std::to_string(kLongestTextLine) + " characters");
}

std::optional<TextBoundsBreach> CheckTextBounds(std::string_view text) {
    TextBoundsCheck check;
    if (check.Feed(text)) {
        check.Finish();
    }
    return check.Breach();
}

TextRead ReadTextFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return Unread(TextReadStatus::kCannotOpen,
                      "Cannot open " + PathText(path) + ": it is a folder");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        const int reason = errno;
        return Unread(
            reason == ENOENT || reason == ENOTDIR ? TextReadStatus::kNoFile
                                                  : TextReadStatus::kCannotOpen,
            "Cannot open " + PathText(path) + ": " + std::generic_category().message(reason));
    }
    TextRead read;
    TextBoundsCheck check;
    std::array<char, kReadPiece> piece{};
    while (in.read(piece.data(), piece.size()) || in.gcount() > 0) {
        const std::string_view got(piece.data(), static_cast<std::size_t>(in.gcount()));
        if (!check.Feed(got)) {
            break;
        }
        read.text.append(got);
    }
    if (!check.Breach() && in.bad()) {
        return Unread(TextReadStatus::kReadFailed, "Cannot read " + PathText(path));
    }
    if (check.Breach() || !check.Finish()) {
        TextRead refused = Unread(TextReadStatus::kOutOfBounds,
                                  "Cannot load " + PathText(path) + ": " + check.Breach()->reason);
        refused.breach = check.Breach();
        return refused;
    }
    return read;
}

}  // namespace tolvane
