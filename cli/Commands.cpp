#include "cli/Commands.h"

#include <algorithm>
#include <memory>

#include "cli/KeyboardTransfer.h"
#include "cli/ProgrammingView.h"
#include "tolvane/files/DataFileCheck.h"
#include "tolvane/files/DataFileLoader.h"
#include "tolvane/files/DataFileWriter.h"

namespace tolvane::cli {

namespace {

std::string ProblemKindName(DataFileProblemKind kind) {
    switch (kind) {
        case DataFileProblemKind::kHeaderTooShort:
            return "header-too-short";
        case DataFileProblemKind::kKeyRecordTooShort:
            return "key-record-too-short";
        case DataFileProblemKind::kButtonOutOfRange:
            return "button-out-of-range";
        case DataFileProblemKind::kLayerOutOfRange:
            return "layer-out-of-range";
        case DataFileProblemKind::kTrackOutOfRange:
            return "track-out-of-range";
        case DataFileProblemKind::kTooManyCodes:
            return "too-many-codes";
        case DataFileProblemKind::kUnassignedCode:
            return "unassigned-code";
        case DataFileProblemKind::kMalformedNumber:
            return "malformed-number";
        case DataFileProblemKind::kEmptyNumber:
            return "empty-number";
        case DataFileProblemKind::kValueOutsideRecord:
            return "value-outside-record";
        case DataFileProblemKind::kRecordSpansLines:
            return "record-spans-lines";
        case DataFileProblemKind::kWrongNumberCount:
            return "wrong-number-count";
        case DataFileProblemKind::kValueOutOfRange:
            return "value-out-of-range";
        case DataFileProblemKind::kRecordInUnknownSection:
            return "record-in-unknown-section";
        case DataFileProblemKind::kExtraSectionMarker:
            return "extra-section-marker";
        case DataFileProblemKind::kMissingSection:
            return "missing-section";
        case DataFileProblemKind::kUnterminatedRecord:
            return "unterminated-record";
        case DataFileProblemKind::kMissingEndOfFile:
            return "missing-end-of-file";
        case DataFileProblemKind::kTooLong:
            return "too-long";
    }
    return "unknown";
}

std::unique_ptr<KeyboardImage> NewImage() {
    return std::make_unique<KeyboardImage>();
}

DataFileCheck CheckFile(const std::string& file) {
    return CheckDataFile(*NewImage(), file);
}

std::string ProblemLine(const std::string& file, const DataFileProblem& problem) {
    return file + ':' + std::to_string(problem.line) + ": " + problem.detail;
}

// Only the header's error is the system's bare text; the others name the file.
std::string LoadErrorText(const std::string& file, const DataFileLoadResult& result) {
    if (result.status == DataFileLoadStatus::kInvalidHeader) {
        return file + ": " + result.error;
    }
    return result.error;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

void Commands::Say(const std::string& line) {
    if (!options_.quiet) {
        console_.out << line << '\n';
    }
}

Commands::Target Commands::ChooseKeyboard() {
    const std::vector<AttachedKeyboard> keyboards = access_.Keyboards();
    const AttachedKeyboard* denied = nullptr;
    const AttachedKeyboard* unusable = nullptr;  // for any other reason
    for (const AttachedKeyboard& keyboard : keyboards) {
        if (!options_.devicePath.empty() && keyboard.path != options_.devicePath) {
            continue;
        }
        if (keyboard.accessible()) {
            return {keyboard.path, kExitOk};
        }
        if (keyboard.status == hidio::OpenStatus::kAccessDenied && denied == nullptr) {
            denied = &keyboard;
        } else if (unusable == nullptr) {
            unusable = &keyboard;
        }
    }
    if (denied != nullptr) {
        console_.err << AccessDeniedAdvice(*denied) << '\n';
    } else if (unusable != nullptr) {
        console_.err << UnusableKeyboardText(*unusable) << '\n';
    } else if (!options_.devicePath.empty()) {
        console_.err << "No keyboard found at " << options_.devicePath << ".\n";
    } else {
        console_.err << "No keyboard found.\n";
    }
    return {{}, kExitNoKeyboard};
}

bool Commands::LoadFile(const std::string& file, KeyboardImage& image) {
    const DataFileLoadResult result = LoadDataFile(image, file);
    if (!result.ok()) {
        ReportLoadError(file, result);
    }
    return result.ok();
}

void Commands::ReportLoadError(const std::string& file, const DataFileLoadResult& result) {
    console_.err << LoadErrorText(file, result) << '\n';
}

int Commands::RefuseFileWithProblems(const std::string& file) {
    constexpr std::size_t kProblemsShown = 5;
    const DataFileCheck checked = CheckFile(file);
    if (!checked.result.ok()) {
        ReportLoadError(file, checked.result);
        return kExitFailed;
    }
    if (checked.problems.empty()) {
        return kExitOk;
    }
    const std::size_t shown = std::min(checked.problems.size(), kProblemsShown);
    for (std::size_t i = 0; i < shown; ++i) {
        console_.err << ProblemLine(file, checked.problems[i]) << '\n';
    }
    if (checked.problems.size() > shown) {
        console_.err << "... and " << checked.problems.size() - shown << " more\n";
    }
    console_.err << "Not written: the file has problems ('tolvane-cli check " << file
                 << "' lists them all; --force writes it as it loads).\n";
    return kExitFailed;
}

int Commands::LoadOperand(const std::string& operand, KeyboardImage& image) {
    if (operand != kKeyboardOperand) {
        return LoadFile(operand, image) ? kExitOk : kExitFailed;
    }
    const Target target = ChooseKeyboard();
    if (target.exitCode != kExitOk) {
        return target.exitCode;
    }
    ProgressBar bar(console_.err, "Reading", ShowProgress());
    const TransferEnd end = TransferWith(target.path, TransferKind::kRead, image, bar);
    if (end != TransferEnd::kSucceeded) {
        console_.err << OutcomeText(TransferKind::kRead, end) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int Commands::Devices() {
    const std::vector<AttachedKeyboard> keyboards = access_.Keyboards();
    if (options_.json) {
        nlohmann::json list = nlohmann::json::array();
        for (const AttachedKeyboard& keyboard : keyboards) {
            list.push_back({{"path", keyboard.path},
                            {"interface", keyboard.interfaceNumber},
                            {"usagePage", keyboard.usagePage},
                            {"usage", keyboard.usage},
                            {"accessible", keyboard.accessible()},
                            {"status", hidio::ToString(keyboard.status)},
                            {"reason", keyboard.reason}});
        }
        console_.out << JsonText(nlohmann::json{{"keyboards", list}}) << '\n';
    } else {
        for (const AttachedKeyboard& keyboard : keyboards) {
            console_.out << keyboard.path << "  interface " << keyboard.interfaceNumber << "  "
                         << (keyboard.accessible()
                                 ? std::string("ready")
                                 : std::string(hidio::ToString(keyboard.status)) +
                                       (keyboard.reason.empty() ? "" : ": " + keyboard.reason))
                         << '\n';
        }
    }
    if (keyboards.empty()) {
        console_.err << "No keyboard found.\n";
        return kExitNoKeyboard;
    }
    for (const AttachedKeyboard& keyboard : keyboards) {
        if (keyboard.accessible()) {
            return kExitOk;
        }
    }
    console_.err << AccessDeniedAdvice(keyboards.front()) << '\n';
    return kExitNoKeyboard;
}

int Commands::New(const std::string& file) {
    const auto image = NewImage();
    const FileWriteResult written = SaveDataFile(*image, file, FileNameOf(file), LocalTimeNow());
    if (!written) {
        console_.err << written.error << '\n';  // it names the file
        return kExitFailed;
    }
    Say("Wrote the start-up programming to " + file);
    return kExitOk;
}

int Commands::Show(const std::string& file, std::optional<int> layer) {
    const auto image = NewImage();
    if (!LoadFile(file, *image)) {
        return kExitFailed;
    }
    if (options_.json) {
        console_.out << JsonText(ProgrammingJson(*image, layer)) << '\n';
    } else {
        PrintProgramming(console_.out, *image, layer);
    }
    return kExitOk;
}

int Commands::Check(const std::string& file) {
    const DataFileCheck checked = CheckFile(file);
    if (options_.json) {
        nlohmann::json list = nlohmann::json::array();
        for (const DataFileProblem& problem : checked.problems) {
            list.push_back({{"line", problem.line},
                            {"kind", ProblemKindName(problem.kind)},
                            {"detail", problem.detail}});
        }
        nlohmann::json report = {{"file", file}, {"ok", checked.clean()}, {"problems", list}};
        if (!checked.result.ok()) {
            report["error"] = checked.result.error;
        }
        console_.out << JsonText(report) << '\n';
        return checked.clean() ? kExitOk : kExitFailed;
    }
    for (const DataFileProblem& problem : checked.problems) {
        console_.out << ProblemLine(file, problem) << '\n';
    }
    if (!checked.result.ok() && checked.problems.empty()) {
        console_.out << LoadErrorText(file, checked.result) << '\n';
    }
    if (checked.clean()) {
        Say(file + ": no problems");
    }
    return checked.clean() ? kExitOk : kExitFailed;
}

}  // namespace tolvane::cli
