// The fixed lines of the keyboard data file, shared by its writer and its loader.
//
// The file is text with CR LF line ends: a 14-line header, one record line per button and
// layer, the card and keyboard-set sections with their marker lines, and an end marker.
// A record line is "<", each number followed by one space, then ">".
#pragma once

#include <string_view>

namespace tolvane {

inline constexpr std::string_view kEndOfKeyFileMarker =
    "************************************END OF KEY FILE*****************************";
inline constexpr std::string_view kStartOfCardFileMarker =
    "************************************START OF CARD FILE**************************";
inline constexpr std::string_view kEndOfCardFileMarker =
    "************************************END OF CARD FILE****************************";
inline constexpr std::string_view kStartOfKeyBoardSetFileMarker =
    "************************************START OF KEY BOARD SET FILE*****************";
inline constexpr std::string_view kEndOfKeyBoardSetFileMarker =
    "************************************END OF KEY BOARD SET FILE*******************";
inline constexpr std::string_view kEndOfFileMarker =
    "************************************END OF FILE*********************************";

inline constexpr std::string_view kDataFileLineEnd = "\r\n";
inline constexpr std::string_view kDataFileVersion = "V0.4";

inline constexpr int kDataFileHeaderLines = 14;
// The loader looks at no more header lines than this.
inline constexpr int kDataFileHeaderLinesChecked = 13;
inline constexpr int kDataFileLineCount = 528;

// What the open and save dialogs offer.
inline constexpr std::string_view kDataFileFilter = "Dat Files(*.dat)|*.dat||";
inline constexpr std::string_view kDataFileDefaultName = "UserSave";
inline constexpr std::string_view kDataFileDefaultExtension = ".dat";

// Sections of the file, counted by the START markers the loader has passed.
enum class DataFileSection : int {
    kKeys = 0,
    kCard = 1,
    kKeyBoardSet = 2,
};

}  // namespace tolvane
