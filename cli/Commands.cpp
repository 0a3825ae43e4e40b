#include "Commands.h"

#include <memory>
#include <thread>

#include "KeyboardTransfer.h"
#include "ProgrammingView.h"
#include "files/DataFileLoader.h"
#include "files/DataFileWriter.h"

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
    for (const AttachedKeyboard& keyboard : keyboards) {
        if (!options_.devicePath.empty() && keyboard.path != options_.devicePath) {
            continue;
        }
        if (keyboard.accessible()) {
            return {keyboard.path, kExitOk};
        }
        if (keyboard.status == hidio::OpenStatus::AccessDenied && denied == nullptr) {
            denied = &keyboard;
        }
    }
    if (denied != nullptr) {
        console_.err << AccessDeniedAdvice(*denied) << '\n';
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
        console_.err << file << ": " << result.error << '\n';
    }
    return result.ok();
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
    const TransferEnd end = TransferWith(target.path, TransferKind::Read, image, bar);
    if (end != TransferEnd::Succeeded) {
        console_.err << OutcomeText(TransferKind::Read, end) << '\n';
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
        console_.out << nlohmann::json{{"keyboards", list}}.dump(2) << '\n';
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
        console_.err << file << ": " << written.error << '\n';
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
        console_.out << ProgrammingJson(*image, layer).dump(2) << '\n';
    } else {
        PrintProgramming(console_.out, *image, layer);
    }
    return kExitOk;
}

int Commands::Check(const std::string& file) {
    std::vector<DataFileProblem> problems;
    DataFileLoadHooks hooks;
    hooks.onProblem = [&problems](const DataFileProblem& problem) { problems.push_back(problem); };
    const auto scratch = NewImage();
    const DataFileLoadResult result = LoadDataFile(*scratch, file, hooks);
    const bool clean = result.ok() && problems.empty();
    if (options_.json) {
        nlohmann::json list = nlohmann::json::array();
        for (const DataFileProblem& problem : problems) {
            list.push_back({{"line", problem.line},
                            {"kind", ProblemKindName(problem.kind)},
                            {"detail", problem.detail}});
        }
        nlohmann::json report = {{"file", file}, {"ok", clean}, {"problems", list}};
        if (!result.ok()) {
            report["error"] = result.error;
        }
        console_.out << report.dump(2) << '\n';
        return clean ? kExitOk : kExitFailed;
    }
    for (const DataFileProblem& problem : problems) {
        console_.out << file << ':' << problem.line << ": " << problem.detail << '\n';
    }
    if (!result.ok() && problems.empty()) {
        console_.out << file << ": " << result.error << '\n';
    }
    if (clean) {
        Say(file + ": no problems");
    }
    return clean ? kExitOk : kExitFailed;
}

}  // namespace tolvane::cli
