// Reading the text files a user hands the programs (data files, key groups, the virtual
// keyboard's state) with bounds on what is taken in, so that a device such as /dev/zero or
// a file of random bytes ends with a message naming the file and line instead of filling
// the memory.
//
// The bounds are generous for every format the programs write: their longest line holds
// fewer than 300 characters and their largest file fewer than 130 000 bytes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::size_t kLongestTextLine = 4096;      // characters, without the line end
inline constexpr std::size_t kLargestTextFile = 1u << 20;  // bytes

// Where a text breaks the bounds.
struct TextBoundsBreach {
    int line = 0;  // 1-based: the line too long, or the line reached when the file grew too large
    std::string reason;  // "line 3 is longer than 4096 characters"
};

// Follows a text as it arrives, piece by piece. A line end is LF; a CR before it does not
// count as a character of the line.
class TextBoundsCheck {
  public:
    // False once the bounds are broken; Breach() then says where.
    bool Feed(std::string_view piece);
    // The end of the text: its last line may have no line end.
    bool Finish();
    const std::optional<TextBoundsBreach>& Breach() const { return breach_; }

  private:
    bool LineFits() const;
    bool FailLine();
    bool Fail(std::string reason);

    std::size_t size_ = 0;
    std::size_t lineLength_ = 0;  // bytes of the current line so far
    bool lastWasCr_ = false;
    int line_ = 1;
    std::optional<TextBoundsBreach> breach_;
};

// The same check for a text already in memory.
std::optional<TextBoundsBreach> CheckTextBounds(std::string_view text);

enum class TextReadStatus {
    kRead,
    kNoFile,       // neither the file nor its folder exists
    kCannotOpen,   // a folder, no permission
    kReadFailed,   // an error while reading
    kOutOfBounds,  // a line or the file is too long
};

struct TextRead {
    TextReadStatus status = TextReadStatus::kRead;
    std::string text;
    std::string error;  // names the file and says what is wrong with it, unless kRead
    std::optional<TextBoundsBreach> breach;  // set with kOutOfBounds

    bool ok() const { return status == TextReadStatus::kRead; }
};

// Reads the whole file, stopping at the first breach of the bounds.
TextRead ReadTextFile(const std::filesystem::path& path);

}  // namespace tolvane
