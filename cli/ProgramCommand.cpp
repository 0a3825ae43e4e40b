// The production line command: the operator's view of it (a line per keyboard with the
// running tally, green when it passed and red when it failed on a terminal) and its log.
#include <iomanip>
#include <memory>
#include <sstream>

#include "cli/Commands.h"
#include "cli/Interrupt.h"
#include "cli/ProductionLine.h"
#include "cli/ResultLog.h"
#include "tolvane/app/Environment.h"

namespace tolvane::cli {

namespace {

constexpr const char* kGreen = "\033[32m";
constexpr const char* kRed = "\033[31m";
constexpr const char* kPlain = "\033[0m";

std::string KeyboardName(const std::string& path, const std::string& serialNumber) {
    return serialNumber.empty() ? path : path + " (serial " + serialNumber + ")";
}

std::string SecondsText(std::chrono::steady_clock::duration duration) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << std::chrono::duration<double>(duration).count()
         << " s";
    return text.str();
}

std::string TallyText(const Tally& tally) {
    return "done " + std::to_string(tally.done()) + ", passed " + std::to_string(tally.passed) +
           ", failed " + std::to_string(tally.failed);
}

// "PASSED path (serial S): written and verified in 5.3 s | done 3, passed 2, failed 1"
std::string ResultLine(const KeyboardOutcome& outcome, const Tally& tally) {
    return std::string(outcome.passed ? "PASSED " : "FAILED ") +
           KeyboardName(outcome.path, outcome.serialNumber) + ": " + outcome.text +
           (outcome.passed ? " in " : " after ") + SecondsText(outcome.duration) + " | " +
           TallyText(tally);
}

std::string Keyboards(int count) {
    return std::to_string(count) + (count == 1 ? " keyboard" : " keyboards");
}

class StationConsole final : public StationListener {
  public:
    StationConsole(Console console, bool quiet, bool colour, ResultLog* log)
        : console_(console), quiet_(quiet), colour_(colour), log_(log) {}

    void OnTaken(const std::string& path, const std::string& serialNumber) override {
        if (!quiet_) {
            console_.err << KeyboardName(path, serialNumber) << ": writing...\n" << std::flush;
        }
    }

    // The row is on the disk before the line shows: an operator who has seen the line may
    // pull the keyboard out and trust the log.
    bool OnResult(const KeyboardOutcome& outcome, const Tally& tally) override {
        const FileWriteResult kept = log_ != nullptr
                                         ? log_->Add(outcome, std::chrono::system_clock::now())
                                         : FileWriteResult{true, {}};
        const std::string line = ResultLine(outcome, tally);
        if (colour_) {
            console_.out << (outcome.passed ? kGreen : kRed) << line << kPlain << '\n';
        } else {
            console_.out << line << '\n';
        }
        console_.out.flush();
        if (!kept) {
            console_.err << "tolvane-cli: " << kept.error << '\n';
            if (!logFailed_) {
                console_.err << "No more keyboards are taken, as their results cannot be logged.\n";
            }
            logFailed_ = true;
        }
        return kept.ok;
    }

    void OnStopping(StopReason reason, int underWay) override {
        if (quiet_ || reason == StopReason::kResultNotKept) {
            return;
        }
        console_.err << (reason == StopReason::kInterrupted
                             ? "Interrupted: no more keyboards are taken"
                             : "Enough keyboards have passed");
        if (underWay > 0) {
            console_.err << "; waiting for the " << Keyboards(underWay) << " being written";
        }
        console_.err << ".\n" << std::flush;
    }

    bool LogFailed() const { return logFailed_; }

  private:
    Console console_;
    bool quiet_;
    bool colour_;
    ResultLog* log_;
    bool logFailed_ = false;
};

}  // namespace

int Commands::Program(const std::string& file, const ProgramOptions& program) {
    if (!options_.devicePath.empty()) {
        console_.err << "program takes every keyboard that is plugged in; it cannot be combined "
                        "with --device.\n";
        return kExitUsage;
    }
    if (!program.force) {
        if (const int refused = RefuseFileWithProblems(file); refused != kExitOk) {
            return refused;
        }
    }
    const auto layout = std::make_unique<KeyboardImage>();
    if (!LoadFile(file, *layout)) {
        return kExitFailed;
    }
    std::unique_ptr<ResultLog> log;
    if (!program.logFile.empty()) {
        ResultLog::Opened opened = ResultLog::Open(program.logFile);
        if (!opened.log) {
            console_.err << "tolvane-cli: " << opened.error << '\n';
            return kExitFailed;
        }
        log = std::move(opened.log);
    }
    // https://no-color.org: any value of NO_COLOR asks for plain text.
    const bool colour = console_.outIsTerminal && !ProcessEnvironment("NO_COLOR");
    StationConsole station(console_, options_.quiet, colour, log.get());
    const InterruptWatch interrupt;
    if (!options_.quiet) {
        console_.err << "Waiting for keyboards: plug one in, wait for its result line, pull it "
                        "out; several at once are fine.\n"
                     << (program.count > 0 ? "The run ends once " + Keyboards(program.count) +
                                                 (program.count == 1 ? " has" : " have") +
                                                 " passed, or on Ctrl+C.\n"
                                           : std::string("Ctrl+C ends the run.\n"))
                     << std::flush;
    }
    const Tally tally = RunProductionLine(
        *layout,
        {program.verify, program.count, StepsFor(program.verify, program.backup).backupFolder},
        station, interrupt.Requested(), startThread_);
    if (tally.done() == 0) {
        Say("No keyboard was programmed.");
    } else {
        console_.out << "Programmed " << Keyboards(tally.done()) << ": " << tally.passed
                     << " passed, " << tally.failed << " failed.\n";
    }
    return tally.failed == 0 && !station.LogFailed() ? kExitOk : kExitFailed;
}

}  // namespace tolvane::cli
