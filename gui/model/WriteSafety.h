// What the window says around a write and a comparison, decided once for every front end:
// the message after a failed write, the backup that could not be kept, the verdict of a
// verify, the rows of the difference list, the layers it marks and the rows of the backup
// list.
#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "gui/kit/DialogUnits.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/files/Backups.h"
#include "tolvane/image/ProgrammingDifference.h"
#include "tolvane/link/WriteFailure.h"

namespace tolvane::gui {

// "The keyboard was pulled out at 11 %: ...", then the backup kept before the write, when
// there is one.
std::string PartialWriteText(const WriteFailure& failure, const std::filesystem::path& backup,
                             InterfaceLanguage language);

// Why no backup could be kept: the backup read failed (reason empty) or the file could not
// be saved (the system's reason).
std::string BackupFailedText(const std::string& saveError, InterfaceLanguage language);

// What a difference list compares: a verify (written / read back), the window with the
// keyboard, or the window with a file.
enum class Comparison { kVerify, kKeyboard, kFile };

// The three column titles: where, the first side, the second side.
std::array<TextId, 3> DifferenceColumns(Comparison comparison);

struct DifferenceRow {
    std::string where;   // "Button 7 Layer2", "Track 1", "Key click"
    std::string first;   // the layer text, track or option value of the first side
    std::string second;  // and of the second
    int button = 0;      // for a layer's row, else 0
    int layer = 0;
};

std::vector<DifferenceRow> DifferenceRows(const ProgrammingDifference& difference,
                                          InterfaceLanguage language);

// The line above the list: "3 differences", or the verify's or comparison's verdict when
// there are none.
std::string DifferenceSummary(Comparison comparison, const ProgrammingDifference& difference,
                              InterfaceLanguage language);

// Element 1..6: whether that layer has a difference (element 0 unused).
std::array<bool, LayerCount + 1> LayersWithDifferences(const ProgrammingDifference& difference);

struct BackupRow {
    std::filesystem::path path;
    std::string time;
    std::string serialNumber;
    std::string differingButtons;  // how many differ from the window; "?" for a bad file
};

// The two lists' windows in dialog units: the difference list (its summary line, the list and
// Close, which is the Cancel id) and the backup list (the list, OK and Cancel).
inline constexpr DialogRect kDifferencesClient{0, 0, 320, 190};
inline constexpr DialogRect kBackupsClient{0, 0, 280, 190};
std::span<const ControlPlace> DifferencesControls();
std::span<const ControlPlace> BackupsControls();

// The backups newest first, each compared with what the window holds.
std::vector<BackupRow> BackupRows(const std::vector<BackupEntry>& backups,
                                  const KeyboardProgramming& window);

}  // namespace tolvane::gui
