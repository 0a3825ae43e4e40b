#include "cli/Cli.h"

#include <CLI/CLI.hpp>

#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "cli/Commands.h"
#include "cli/ExitCode.h"
#include "tolvane/files/AtomicWrite.h"
#include "tolvane/files/Backups.h"

namespace tolvane::cli {

namespace {

struct CommandArguments {
    std::string file;
    std::string second;
    int layer = 0;
    bool verify = false;
    bool all = false;
    bool force = false;
    std::string paper = "a4";
    double pitch = kDefaultKeyPitchMm;
    std::string layers;
    bool skipEmpty = false;
    std::string labels;
    bool noLabels = false;
    bool each = false;
    bool noBackup = false;
    std::string log;
    int count = 0;
};

// "1,2" or "1-3,6": layers 1..6, each once, in order; none for anything else.
std::optional<std::vector<int>> ParseLayerList(const std::string& text) {
    std::array<bool, LayerCount + 1> chosen{};
    std::stringstream parts(text);
    std::string part;
    while (std::getline(parts, part, ',')) {
        const std::size_t dash = part.find('-');
        const std::string first = part.substr(0, dash);
        const std::string last = dash == std::string::npos ? first : part.substr(dash + 1);
        const auto layerOf = [](const std::string& digits) {
            return digits.size() == 1 && digits[0] >= '1' && digits[0] <= '6' ? digits[0] - '0' : 0;
        };
        const int from = layerOf(first);
        const int to = layerOf(last);
        if (from == 0 || to < from) {
            return std::nullopt;
        }
        for (int layer = from; layer <= to; ++layer) {
            chosen[static_cast<std::size_t>(layer)] = true;
        }
    }
    std::vector<int> layers;
    for (int layer = 1; layer <= LayerCount; ++layer) {
        if (chosen[static_cast<std::size_t>(layer)]) {
            layers.push_back(layer);
        }
    }
    if (layers.empty() || text.back() == ',') {
        return std::nullopt;
    }
    return layers;
}

void AddGlobalOptions(CLI::App& app, GlobalOptions& options) {
    app.add_flag("--virtual-keyboard{}", options.virtualKeyboards,
                 "Use the built-in virtual keyboard instead of USB; give it N times for N "
                 "keyboards; =STATE_FILE keeps its programming in that file between runs")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("--device", options.devicePath, "Use only the keyboard at this HID path");
    app.add_option("--trace", options.traceFile,
                   "Keep every report of the run in this file, written at the end");
    app.add_flag("--json", options.json, "Machine-readable output (devices, show, check, diff)");
    app.add_flag("--quiet", options.quiet, "Print only errors and requested data");
    options.backupFolder = PathText(BackupFolder());
    app.add_option("--backup-folder", options.backupFolder,
                   "Keep the backups taken before each write here (default: the user's data "
                   "folder, Tolvane/backups)")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void AddProgramCommand(CLI::App& app, CommandArguments& arguments) {
    CLI::App* program = app.add_subcommand(
        "program", "Program every keyboard as it is plugged in, several at once (production line)");
    program->add_option("FILE", arguments.file)->required();
    program
        ->add_flag("--each", arguments.each,
                   "Wait for keyboards and program each one that is plugged in, until Ctrl+C")
        ->required();
    program->add_flag("--verify", arguments.verify, "Read each keyboard back and compare");
    program->add_option("--log", arguments.log,
                        "Append one CSV row per keyboard to this file (made when missing)");
    program->add_option("--count", arguments.count, "End the run once N keyboards have passed")
        ->check(CLI::Range(1, 1'000'000));
    program->add_flag("--force", arguments.force,
                      "Program the file even when check finds problems in it");
    program->add_flag("--no-backup", arguments.noBackup,
                      "Do not keep a backup of each keyboard before it is written");
}

void AddCommands(CLI::App& app, CommandArguments& arguments) {
    app.add_subcommand("devices", "List attached keyboards and whether they can be opened");
    app.add_subcommand("new", "Write the start-up programming as a data file")
        ->add_option("FILE", arguments.file)
        ->required();
    CLI::App* show = app.add_subcommand("show", "Print the programming in a data file");
    show->add_option("FILE", arguments.file)->required();
    show->add_option("--layer", arguments.layer, "Only this layer")->check(CLI::Range(1, 6));
    app.add_subcommand("check", "Validate a data file and list each problem with its line")
        ->add_option("FILE", arguments.file)
        ->required();
    app.add_subcommand("read", "Read the keyboard into a data file")
        ->add_option("FILE", arguments.file)
        ->required();
    CLI::App* write = app.add_subcommand("write", "Write a data file into the keyboard");
    write->add_option("FILE", arguments.file)->required();
    write->add_flag("--verify", arguments.verify, "Read the keyboard back and compare");
    write->add_flag("--all", arguments.all, "Write every attached keyboard, in parallel");
    write->add_flag("--force", arguments.force,
                    "Write the file even when check finds problems in it");
    write->add_flag("--no-backup", arguments.noBackup,
                    "Do not keep a backup of what the keyboard holds before writing");
    AddProgramCommand(app, arguments);
    CLI::App* diff = app.add_subcommand(
        "diff", "Compare two programmings; each is a data file or the word \"keyboard\"");
    diff->add_option("A", arguments.file)->required();
    diff->add_option("B", arguments.second)->required();
    CLI::App* legend = app.add_subcommand(
        "legend", "Write the key legends of a data file as SVG pages, to print and cut out");
    legend->add_option("FILE", arguments.file)->required();
    legend->add_option("OUT", arguments.second, "The SVG file; without --layer, one per page")
        ->required();
    CLI::Option* one =
        legend->add_option("--layer", arguments.layer, "Only this layer, as OUT itself")
            ->check(CLI::Range(1, 6));
    legend
        ->add_option("--layers", arguments.layers,
                     "These layers, e.g. 1,2 or 1-6 (default: every layer that holds a key)")
        ->check(CLI::Validator(
            [](const std::string& text) {
                return ParseLayerList(text) ? std::string() : "expected layers such as 1,3-5";
            },
            "LIST"))
        ->excludes(one);
    legend->add_flag("--skip-empty", arguments.skipEmpty,
                     "Leave out the layers of --layers on which no key has a legend");
    CLI::Option* labels = legend->add_option(
        "--labels", arguments.labels,
        "The labels file (default: the data file's name with .labels, when there is one)");
    legend->add_flag("--no-labels", arguments.noLabels, "Print what each key types, not its label")
        ->excludes(labels);
    legend->add_option("--paper", arguments.paper, "a4 or letter")
        ->check(CLI::IsMember({"a4", "letter"}));
    legend->add_option("--pitch", arguments.pitch, "Key pitch in millimetres (default 19.05)")
        ->check(CLI::Range(kSmallestKeyPitchMm, kLargestKeyPitchMm));
    app.require_subcommand(1);
}

int Dispatch(const std::string& command, const CommandArguments& arguments, Commands& commands) {
    if (command == "devices") {
        return commands.Devices();
    }
    if (command == "new") {
        return commands.New(arguments.file);
    }
    if (command == "show") {
        return commands.Show(arguments.file, arguments.layer > 0
                                                 ? std::optional<int>(arguments.layer)
                                                 : std::nullopt);
    }
    if (command == "check") {
        return commands.Check(arguments.file);
    }
    if (command == "read") {
        return commands.Read(arguments.file);
    }
    if (command == "write") {
        return commands.Write(arguments.file, arguments.verify, arguments.all, arguments.force,
                              !arguments.noBackup);
    }
    if (command == "program") {
        return commands.Program(arguments.file, {arguments.verify, arguments.force, arguments.log,
                                                 arguments.count, !arguments.noBackup});
    }
    if (command == "legend") {
        LegendOptions legend;
        legend.paper = arguments.paper == "letter" ? Paper::kLetter : Paper::kA4;
        legend.keyPitchMm = arguments.pitch;
        if (!arguments.layers.empty()) {
            legend.layers = ParseLayerList(arguments.layers);
        }
        legend.skipEmptyLayers = arguments.skipEmpty;
        return commands.Legend(
            arguments.file, arguments.second,
            arguments.layer > 0 ? std::optional<int>(arguments.layer) : std::nullopt, legend,
            {arguments.labels, arguments.noLabels});
    }
    return commands.Diff(arguments.file, arguments.second);
}

// A failure after the command's own end still fails the run.
int AlsoFailed(int status) {
    return status == kExitOk ? kExitFailed : status;
}

// Whether path names the same file as the trace, through links too.
bool SameFile(const std::filesystem::path& path, const std::filesystem::path& trace) {
    std::error_code error;
    if (std::filesystem::equivalent(path, trace, error)) {
        return true;
    }
    const auto resolved = [](const std::filesystem::path& name) {
        std::error_code ignored;
        std::filesystem::path real = std::filesystem::weakly_canonical(name, ignored);
        return real.empty() ? std::filesystem::absolute(name, ignored).lexically_normal() : real;
    };
    return resolved(path) == resolved(trace);
}

// The trace must never take the place of a file the command reads or writes.
bool TraceIsADataFile(const std::string& command, const CommandArguments& arguments,
                      const std::string& traceFile) {
    for (const std::string* operand :
         {&arguments.file, &arguments.second, &arguments.log, &arguments.labels}) {
        if (operand->empty() || (command == "diff" && *operand == kKeyboardOperand)) {
            continue;
        }
        if (SameFile(*operand, traceFile)) {
            return true;
        }
    }
    return false;
}

bool ReportStateFileErrors(const KeyboardAccess& access, std::ostream& err) {
    const std::vector<std::string> errors = access.StateFileErrors();
    for (const std::string& error : errors) {
        err << "tolvane-cli: " << error << '\n';
    }
    return !errors.empty();
}

// Written at the end, whole, like every other file; a run in which no report crossed the
// wire leaves the file as it was.
int KeepTrace(const KeyboardAccess& access, const GlobalOptions& options, std::ostream& err) {
    if (options.traceFile.empty()) {
        return kExitOk;
    }
    if (access.TraceEmpty()) {
        if (!options.quiet) {
            err << "No report crossed the wire; " << options.traceFile << " was left as it was.\n";
        }
        return kExitOk;
    }
    const FileWriteResult written = WriteFileAtomically(options.traceFile, access.TraceText());
    if (!written) {
        err << "tolvane-cli: the trace was not kept: " << written.error << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

int FlushOutput(std::ostream& out, std::ostream& err) {
    errno = 0;
    out.flush();
    if (out) {
        return kExitOk;
    }
    const int reason = errno;
    err << "tolvane-cli: cannot write the output"
        << (reason != 0 ? ": " + std::generic_category().message(reason) : std::string()) << '\n';
    return kExitFailed;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           bool errIsTerminal, ThreadStarter startThread, bool outIsTerminal) {
    CLI::App app("Programs the TR48 point-of-sale keyboard from the command line.", "tolvane-cli");
    GlobalOptions options;
    CommandArguments arguments;
    AddGlobalOptions(app, options);
    AddCommands(app, arguments);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        err << "tolvane-cli: " << error.what() << "\nRun 'tolvane-cli --help' for usage.\n";
        return kExitUsage;
    }
    const std::string command = app.get_subcommands().front()->get_name();
    if (!arguments.log.empty() && SameFile(arguments.log, arguments.file)) {
        err << "tolvane-cli: the log file " << arguments.log
            << " is the data file of the command; give the log another name.\n";
        return kExitUsage;
    }
    if (!options.traceFile.empty() && TraceIsADataFile(command, arguments, options.traceFile)) {
        err << "tolvane-cli: the trace file " << options.traceFile
            << " is also a data file of the command; give the trace another name.\n";
        return kExitUsage;
    }
    KeyboardAccess access(options.virtualKeyboards, !options.traceFile.empty());
    if (ReportStateFileErrors(access, err)) {
        return kExitFailed;
    }
    Commands commands(options, Console{out, err, errIsTerminal, outIsTerminal}, access,
                      std::move(startThread));
    int status = Dispatch(command, arguments, commands);
    if (KeepTrace(access, options, err) != kExitOk) {
        status = AlsoFailed(status);
    }
    if (ReportStateFileErrors(access, err)) {
        status = AlsoFailed(status);
    }
    if (FlushOutput(out, err) != kExitOk) {
        status = AlsoFailed(status);
    }
    return status;
}

}  // namespace tolvane::cli
