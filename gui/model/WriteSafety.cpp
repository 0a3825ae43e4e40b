#include "gui/model/WriteSafety.h"

#include "gui/model/ResourceIds.h"
#include "tolvane/files/AtomicWrite.h"

namespace tolvane::gui {

namespace {

std::string Say(TextId id, InterfaceLanguage language, std::vector<std::string> values = {}) {
    return FillIn(Text(id, language), values);
}

std::string LayerContents(const LayerProgramming& layer, InterfaceLanguage language) {
    const std::string text = LayerTextOf(layer.Codes());
    return text.empty() ? Say(TextId::kDifferenceEmpty, language) : text;
}

std::string PartOrNone(std::uint8_t shift, std::uint8_t key, InterfaceLanguage language) {
    const std::string text = TrackPartText(shift, key);
    return text.empty() ? Say(TextId::kLegendNone, language) : text;
}

// "On, Enter · Prefix ? · Suffix ;", in the legend sheet's words.
std::string TrackContents(const TrackRecordEntry& track, InterfaceLanguage language) {
    std::string state =
        track.mode == 0 ? Say(TextId::kTrackOff, language) : Say(TextId::kLegendOn, language);
    if (track.mode == 2) {
        state += ", " + Say(TextId::kLegendEnter, language);
    } else if (track.mode > 2) {
        state = std::to_string(track.mode);  // a mode the keyboard does not know, as it is
    }
    return state + " · " + Say(TextId::kLegendPrefix, language) + " " +
           PartOrNone(track.prefixShift, track.prefixKey, language) + " · " +
           Say(TextId::kLegendSuffix, language) + " " +
           PartOrNone(track.suffixShift, track.suffixKey, language);
}

constexpr std::array<TextId, 4> kOptionNames = {TextId::kLegendCountryCode,
                                                TextId::kLegendKeyRepeat, TextId::kLegendKeyClick,
                                                TextId::kLegendClickScope};

constexpr std::array<ControlPlace, 3> kDifferencesControls = {{
    {ids::kDifferenceSummary, {7, 7, 306, 10}},
    {ids::kDifferenceList, {7, 20, 306, 144}},
    {ids::kSafetyDialogCancel, {263, 170, 50, 14}},
}};

constexpr std::array<ControlPlace, 3> kBackupsControls = {{
    {ids::kBackupList, {7, 7, 266, 157}},
    {ids::kSafetyDialogOk, {169, 170, 50, 14}},
    {ids::kSafetyDialogCancel, {223, 170, 50, 14}},
}};

TextId CauseText(WriteStop cause) {
    switch (cause) {
        case WriteStop::kPulledOut:
            return TextId::kWritePulledOut;
        case WriteStop::kRefused:
            return TextId::kWriteRefused;
        case WriteStop::kStalled:
            break;
    }
    return TextId::kWriteStalled;
}

}  // namespace

std::string PartialWriteText(const WriteFailure& failure, const std::filesystem::path& backup,
                             InterfaceLanguage language) {
    std::string text = failure.NothingStored() ? Say(TextId::kWriteNothingStored, language)
                                               : Say(CauseText(failure.cause), language,
                                                     {std::to_string(failure.percent)});
    if (!backup.empty()) {
        text += "\n\n" + Say(TextId::kBackupKept, language, {PathText(backup)});
    }
    return text;
}

std::string BackupFailedText(const std::string& saveError, InterfaceLanguage language) {
    const std::string reason =
        saveError.empty() ? Say(TextId::kBackupReadFailed, language) : saveError;
    return Say(TextId::kBackupFailed, language, {reason});
}

std::array<TextId, 3> DifferenceColumns(Comparison comparison) {
    switch (comparison) {
        case Comparison::kVerify:
            return {TextId::kDifferenceWhere, TextId::kDifferenceWritten,
                    TextId::kDifferenceReadBack};
        case Comparison::kKeyboard:
            return {TextId::kDifferenceWhere, TextId::kDifferenceWindow,
                    TextId::kDifferenceKeyboard};
        case Comparison::kFile:
            break;
    }
    return {TextId::kDifferenceWhere, TextId::kDifferenceWindow, TextId::kDifferenceFile};
}

std::vector<DifferenceRow> DifferenceRows(const ProgrammingDifference& difference,
                                          InterfaceLanguage language) {
    std::vector<DifferenceRow> rows;
    for (const LayerDifference& layer : difference.layers) {
        rows.push_back({Say(TextId::kDifferenceButton, language,
                            {std::to_string(layer.button), std::string(LayerName(layer.layer))}),
                        LayerContents(layer.first, language), LayerContents(layer.second, language),
                        layer.button, layer.layer});
    }
    for (const TrackDifference& track : difference.tracks) {
        rows.push_back({Say(TextId::kDifferenceTrack, language, {std::to_string(track.track)}),
                        TrackContents(track.first, language),
                        TrackContents(track.second, language)});
    }
    for (const OptionDifference& option : difference.options) {
        rows.push_back({Say(kOptionNames[static_cast<std::size_t>(option.option)], language),
                        std::to_string(option.first), std::to_string(option.second)});
    }
    return rows;
}

std::string DifferenceSummary(Comparison comparison, const ProgrammingDifference& difference,
                              InterfaceLanguage language) {
    const std::size_t count =
        difference.layers.size() + difference.tracks.size() + difference.options.size();
    if (count == 0) {
        return Say(comparison == Comparison::kVerify ? TextId::kVerifiedIdentical
                                                     : TextId::kCompareIdentical,
                   language);
    }
    return Say(
        comparison == Comparison::kVerify ? TextId::kVerifyDifferent : TextId::kDifferenceCount,
        language, {std::to_string(count)});
}

std::array<bool, LayerCount + 1> LayersWithDifferences(const ProgrammingDifference& difference) {
    std::array<bool, LayerCount + 1> marked{};
    for (const LayerDifference& layer : difference.layers) {
        if (IsValidLayer(layer.layer)) {
            marked[static_cast<std::size_t>(layer.layer)] = true;
        }
    }
    return marked;
}

std::span<const ControlPlace> DifferencesControls() {
    return kDifferencesControls;
}

std::span<const ControlPlace> BackupsControls() {
    return kBackupsControls;
}

std::vector<BackupRow> BackupRows(const std::vector<BackupEntry>& backups,
                                  const KeyboardProgramming& window) {
    std::vector<BackupRow> rows;
    for (const BackupEntry& backup : backups) {
        const BackupRead read = ReadProgrammingFrom(backup.path);
        const std::string differing =
            read.load.ok() ? std::to_string(Difference(window, read.programming).Buttons().size())
                           : std::string("?");
        rows.push_back({backup.path, backup.time, backup.serialNumber, differing});
    }
    return rows;
}

}  // namespace tolvane::gui
