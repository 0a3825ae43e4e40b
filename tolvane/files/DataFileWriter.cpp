#include "tolvane/files/DataFileWriter.h"

#include <array>
#include <charconv>
#include <chrono>

#include "tolvane/files/DataFileFormat.h"

namespace tolvane {

namespace {

constexpr std::size_t kHeaderWidth = 80;
constexpr std::string_view kAuthor = "Tolvane";

class DataFileText {
  public:
    explicit DataFileText(std::size_t expectedSize) { text_.reserve(expectedSize); }

    void Line(std::string_view line) {
        text_ += line;
        text_ += kDataFileLineEnd;
    }

    void BeginRecord() { text_ += '<'; }
    void Number(unsigned value) {
        std::array<char, 16> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        text_.append(digits.data(), result.ptr);
        text_ += ' ';
    }
    void EndRecord() {
        text_ += '>';
        text_ += kDataFileLineEnd;
    }

    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
};

// A line break or other control character in the file name would split the header line;
// anything else, UTF-8 included, is written as it is.
std::string HeaderSafe(std::string_view fileName) {
    std::string safe(fileName);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = '_';
        }
    }
    return safe;
}

std::string CreateDateText(const std::tm& createDate) {
    std::array<char, 64> text{};
    const std::size_t length =
        std::strftime(text.data(), text.size(), "%Y-%m-%d-%H:%M:%S", &createDate);
    return std::string(text.data(), length);
}

void WriteHeader(DataFileText& out, std::string_view fileName, const std::tm& createDate) {
    const std::string stars(kHeaderWidth, '*');
    const std::string blank = "*" + std::string(kHeaderWidth - 1, ' ');
    out.Line(stars);
    out.Line("*");
    out.Line("*" + std::string(25, ' ') + "TR48 keyboard programming data");
    out.Line("*" + std::string(24, ' ') + "Keep the header at 14 lines when editing");
    out.Line(blank);
    out.Line(blank);
    out.Line(blank);
    out.Line("* Create Date: " + CreateDateText(createDate));
    out.Line("* Author     : " + std::string(kAuthor) + " ");
    out.Line("* File name  : " + HeaderSafe(fileName));
    out.Line("* Version    : " + std::string(kDataFileVersion));
    out.Line("* NOTE       : This file is a data file for the TR48(U+P) keyboard");
    out.Line("*            <|Button Id| |Button Layer| |KeyValue| |KeyValue| ...|KeyValue| >");
    out.Line(stars);
}

void WriteKeySection(DataFileText& out, const KeyboardImage& image) {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        for (int button = 1; button <= ButtonCount; ++button) {
            out.BeginRecord();
            out.Number(static_cast<unsigned>(button));
            out.Number(static_cast<unsigned>(layer));
            for (const KeyCode code : image.buttons[button].Codes(layer)) {
                out.Number(code);
            }
            out.EndRecord();
        }
    }
}

void WriteCardSection(DataFileText& out, const KeyboardImage& image) {
    for (int t = 0; t < TrackCount; ++t) {
        const CardTrackSetting& track = image.tracks[t];
        out.BeginRecord();
        out.Number(static_cast<unsigned>(t));
        out.Number(track.enabled);
        out.Number(track.enterAtEnd);
        out.Number(track.prefixShift);
        out.Number(track.prefixKey);
        out.Number(track.suffixShift);
        out.Number(track.suffixKey);
        out.EndRecord();
    }
}

void WriteKeyBoardSetSection(DataFileText& out, const KeyboardImage& image) {
    out.BeginRecord();
    for (const std::uint8_t value : image.OptionBytes()) {
        out.Number(value);
    }
    out.EndRecord();
}

}  // namespace

std::string FormatDataFile(const KeyboardImage& image, std::string_view fileName,
                           const std::tm& createDate) {
    DataFileText out(8 * 1024);
    WriteHeader(out, fileName, createDate);
    WriteKeySection(out, image);
    out.Line(kEndOfKeyFileMarker);
    out.Line(kStartOfCardFileMarker);
    WriteCardSection(out, image);
    out.Line(kEndOfCardFileMarker);
    out.Line(kStartOfKeyBoardSetFileMarker);
    WriteKeyBoardSetSection(out, image);
    out.Line(kEndOfKeyBoardSetFileMarker);
    out.Line(kEndOfFileMarker);
    return out.Take();
}

FileWriteResult SaveDataFile(const KeyboardImage& image, const std::filesystem::path& path,
                             std::string_view fileName, const std::tm& createDate) {
    return WriteFileAtomically(path, FormatDataFile(image, fileName, createDate));
}

std::tm LocalTimeNow() {
    return LocalTimeOf(std::chrono::system_clock::now());
}

std::tm LocalTimeOf(std::chrono::system_clock::time_point when) {
    const std::time_t now = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

}  // namespace tolvane
