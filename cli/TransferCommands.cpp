// The commands that move a programming to or from keyboards.
#include <memory>
#include <thread>

#include "cli/Commands.h"
#include "cli/KeyboardTransfer.h"
#include "cli/ProgrammingView.h"
#include "tolvane/files/DataFileLoader.h"
#include "tolvane/files/DataFileWriter.h"

namespace tolvane::cli {

namespace {

struct KeyboardResult {
    bool ok = false;
    std::string text;
};

// The whole job for one keyboard of many, on its own thread with its own image.
KeyboardResult WriteOneOfMany(const std::string& path, const std::string& file,
                              const WriteSteps& steps) {
    const auto image = std::make_unique<KeyboardImage>();
    if (!LoadDataFile(*image, file).ok()) {
        return {false, "the file could not be read"};
    }
    SilentProgress silent;
    const WriteResult result = WriteAndVerify(path, *image, steps, silent, silent);
    return {result.ok(), WriteResultText(result)};
}

}  // namespace

int Commands::Read(const std::string& file) {
    const auto image = std::make_unique<KeyboardImage>();
    const int loaded = LoadOperand(kKeyboardOperand, *image);
    if (loaded != kExitOk) {
        return loaded;
    }
    const FileWriteResult written = SaveDataFile(*image, file, FileNameOf(file), LocalTimeNow());
    if (!written) {
        console_.err << written.error << '\n';  // it names the file
        return kExitFailed;
    }
    Say(OutcomeText(TransferKind::kRead, TransferEnd::kSucceeded));
    Say("Saved to " + file);
    return kExitOk;
}

WriteSteps Commands::StepsFor(bool verify, bool backup) const {
    return {verify,
            backup ? std::filesystem::path(options_.backupFolder) : std::filesystem::path()};
}

int Commands::Write(const std::string& file, bool verify, bool all, bool force, bool backup) {
    if (all && !options_.devicePath.empty()) {
        console_.err << "--all writes every keyboard; it cannot be combined with --device.\n";
        return kExitUsage;
    }
    if (!force) {
        if (const int refused = RefuseFileWithProblems(file); refused != kExitOk) {
            return refused;
        }
    }
    const WriteSteps steps = StepsFor(verify, backup);
    return all ? WriteAll(file, steps) : WriteOne(file, steps);
}

int Commands::WriteOne(const std::string& file, const WriteSteps& steps) {
    const auto image = std::make_unique<KeyboardImage>();
    if (!LoadFile(file, *image)) {
        return kExitFailed;
    }
    const Target target = ChooseKeyboard();
    if (target.exitCode != kExitOk) {
        return target.exitCode;
    }
    ProgressBar writeBar(console_.err, "Writing", ShowProgress());
    ProgressBar verifyBar(console_.err, "Verifying", ShowProgress());
    const WriteResult result = WriteAndVerify(target.path, *image, steps, writeBar, verifyBar);
    if (result.backup && !result.backup->ok) {
        console_.err << "No backup could be kept of what the keyboard holds ("
                     << result.backup->error
                     << "); the keyboard is untouched. --no-backup writes without one.\n";
        return kExitFailed;
    }
    if (result.backup) {
        Say("Backup of what the keyboard held: " + PathText(result.backup->path));
    }
    if (result.write != TransferEnd::kSucceeded) {
        console_.err << OutcomeText(TransferKind::kWrite, result.write) << '\n';
        if (result.backup) {
            console_.err << "The keyboard may hold a partial programming; what it held before is "
                            "kept in "
                         << PathText(result.backup->path) << '\n';
        }
        return kExitFailed;
    }
    Say(OutcomeText(TransferKind::kWrite, result.write));
    if (!result.verifyRead) {
        return kExitOk;
    }
    if (*result.verifyRead != TransferEnd::kSucceeded) {
        console_.err << "Verify: " << OutcomeText(TransferKind::kRead, *result.verifyRead) << '\n';
        return kExitFailed;
    }
    for (const Difference& difference : result.differences) {
        console_.err << "Verify: " << difference.where << ": written " << difference.first
                     << ", keyboard holds " << difference.second << '\n';
    }
    if (!result.ok()) {
        return kExitFailed;
    }
    Say("Verified: the keyboard holds " + file);
    return kExitOk;
}

int Commands::WriteAll(const std::string& file, const WriteSteps& steps) {
    if (!LoadFile(file, *std::make_unique<KeyboardImage>())) {
        return kExitFailed;
    }
    const std::vector<AttachedKeyboard> keyboards = access_.Keyboards();
    if (keyboards.empty()) {
        console_.err << "No keyboard found.\n";
        return kExitNoKeyboard;
    }
    // The 10 ms pacing is per keyboard, so the keyboards are written side by side.
    std::vector<KeyboardResult> results(keyboards.size());
    {
        std::vector<std::jthread> writers;
        for (std::size_t i = 0; i < keyboards.size(); ++i) {
            if (!keyboards[i].accessible()) {
                results[i] = {false, std::string("cannot be opened: ") +
                                         hidio::ToString(keyboards[i].status)};
                continue;
            }
            std::jthread writer =
                startThread_([&results, &keyboards, &file, &steps, i](std::stop_token) {
                    results[i] = WriteOneOfMany(keyboards[i].path, file, steps);
                });
            if (!writer.joinable()) {
                results[i] = {false, "not written: the system would not start a thread for it"};
                continue;
            }
            writers.push_back(std::move(writer));
        }
    }
    bool allOk = true;
    bool anyAccessible = false;
    for (std::size_t i = 0; i < keyboards.size(); ++i) {
        console_.out << keyboards[i].path << ": " << results[i].text << '\n';
        allOk = allOk && results[i].ok;
        anyAccessible = anyAccessible || keyboards[i].accessible();
    }
    if (!anyAccessible) {
        console_.err << UnusableKeyboardText(keyboards.front()) << '\n';
        return kExitNoKeyboard;
    }
    return allOk ? kExitOk : kExitFailed;
}

int Commands::Diff(const std::string& first, const std::string& second) {
    const auto a = std::make_unique<KeyboardImage>();
    const auto b = std::make_unique<KeyboardImage>();
    for (const auto& [operand, image] : {std::pair{&first, a.get()}, std::pair{&second, b.get()}}) {
        if (const int loaded = LoadOperand(*operand, *image); loaded != kExitOk) {
            return loaded;
        }
    }
    const std::vector<Difference> differences = CompareProgrammings(*a, *b);
    if (options_.json) {
        console_.out << JsonText(DifferencesJson(differences)) << '\n';
    } else if (differences.empty()) {
        Say("The programmings are identical.");
    } else {
        for (const Difference& difference : differences) {
            console_.out << difference.where << ":\n  " << first << ": " << difference.first
                         << "\n  " << second << ": " << difference.second << '\n';
        }
        console_.out << differences.size() << " differences\n";
    }
    return differences.empty() ? kExitOk : kExitFailed;
}

}  // namespace tolvane::cli
