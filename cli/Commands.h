// The commands of the command-line programmer. Each returns the exit status.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/ExitCode.h"
#include "cli/KeyboardAccess.h"
#include "cli/KeyboardTransfer.h"
#include "tolvane/files/DataFileLoader.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/legend/LegendSheet.h"
#include "tolvane/link/ThreadStart.h"

namespace tolvane::cli {

// The operand of diff that stands for the attached keyboard.
inline constexpr const char* kKeyboardOperand = "keyboard";

// The name a data file's header carries: the file name without its folder.
std::string FileNameOf(const std::string& path);

struct GlobalOptions {
    std::vector<std::string> virtualKeyboards;  // one entry per --virtual-keyboard
    std::string devicePath;
    std::string traceFile;
    bool json = false;
    bool quiet = false;
    std::string backupFolder;  // where write and program keep their backups
};

struct Console {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
    bool outIsTerminal = false;
};

// Where the legend's labels come from: the file given, else the one beside the data file
// when there is one; none at all with --no-labels.
struct LegendLabelsSource {
    std::string file;
    bool none = false;
};

struct ProgramOptions {
    bool verify = false;
    bool force = false;
    std::string logFile;  // empty: no log
    int count = 0;        // keyboards to pass before the run ends; 0: until interrupted
    bool backup = true;   // a backup of each keyboard before it is written
};

class Commands {
  public:
    Commands(const GlobalOptions& options, Console console, KeyboardAccess& access,
             ThreadStarter startThread = StartSystemThread)
        : options_(options),
          console_(console),
          access_(access),
          startThread_(std::move(startThread)) {}

    int Devices();
    int New(const std::string& file);
    int Show(const std::string& file, std::optional<int> layer);
    int Check(const std::string& file);
    int Read(const std::string& file);
    // Refuses a file in which check finds problems, unless forced.
    int Write(const std::string& file, bool verify, bool all, bool force, bool backup = true);
    int Diff(const std::string& first, const std::string& second);
    // The production line: programs every keyboard that is plugged in until count have
    // passed or Ctrl+C; 0 when every keyboard passed.
    int Program(const std::string& file, const ProgramOptions& program);
    // The legend sheets of a data file: one layer's page as output, or every page as
    // output's name with "-layer1".."-layer6" (the layers chosen), "-overview" and "-table"
    // added.
    // A labels file with a bad line is refused, and nothing is written.
    int Legend(const std::string& file, const std::string& output, std::optional<int> layer,
               LegendOptions legend, const LegendLabelsSource& labels);

  private:
    struct Target {
        std::string path;
        int exitCode = 0;  // non-zero when no keyboard can be used
    };
    Target ChooseKeyboard();
    bool LoadFile(const std::string& file, KeyboardImage& image);
    bool LoadLegendLabels(const std::string& dataFile, const LegendLabelsSource& source,
                          LegendLabels& labels);
    void ReportLoadError(const std::string& file, const DataFileLoadResult& result);
    int RefuseFileWithProblems(const std::string& file);
    // Reads a data file, or the keyboard when the operand is "keyboard".
    int LoadOperand(const std::string& operand, KeyboardImage& image);
    int WriteOne(const std::string& file, const WriteSteps& steps);
    int WriteAll(const std::string& file, const WriteSteps& steps);
    WriteSteps StepsFor(bool verify, bool backup) const;
    bool ShowProgress() const { return console_.errIsTerminal && !options_.quiet; }
    void Say(const std::string& line);

    const GlobalOptions& options_;
    Console console_;
    KeyboardAccess& access_;
    ThreadStarter startThread_;  // for the keyboards of write --all
};

}  // namespace tolvane::cli
