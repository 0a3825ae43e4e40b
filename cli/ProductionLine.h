// The production line: a station set up once, at which an operator only swaps keyboards.
//
// Every keyboard that is plugged in (and every one attached when the run starts) is taken
// up at once on a thread of its own, so keyboards are written side by side: the layout is
// written and, when asked, read back and compared. A keyboard that has had its result is
// not taken up again until it has been pulled out. One pulled out while it is being
// written is given up at once and counts as failed; when it comes back it is a keyboard
// like any other and is written afresh.
//
// Arrival and removal notices make a start quick; a fresh look at the attached keyboards
// every second makes a missed notice harmless. The run ends once enough keyboards have
// passed or on an interrupt; either way no keyboard is taken up after that and the ones
// under way are finished first, so every keyboard that was touched has its result.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/ThreadStart.h"

namespace tolvane::cli {

struct StationSettings {
    bool verify = false;
    int passesWanted = 0;  // the run ends once this many have passed; 0: only on an interrupt
    std::filesystem::path backupFolder;  // a backup of each keyboard first; none when empty
};

struct Tally {
    int passed = 0;
    int failed = 0;

    int done() const { return passed + failed; }
};

struct KeyboardOutcome {
    std::string path;
    std::string serialNumber;  // empty when the keyboard reports none
    bool passed = false;
    std::string text;  // what was done ("written and verified"), or why it failed
    std::chrono::steady_clock::duration duration{};
};

enum class StopReason { kEnoughPassed, kInterrupted, kResultNotKept };

// What the operator sees; called on the thread that runs the line, one call at a time.
class StationListener {
  public:
    virtual ~StationListener() = default;
    // The keyboard's write starts now.
    virtual void OnTaken(const std::string& path, const std::string& serialNumber) = 0;
    // A keyboard's result and the tally with it. False when the result could not be kept
    // (the log): no keyboard is taken up after that.
    virtual bool OnResult(const KeyboardOutcome& outcome, const Tally& tally) = 0;
    // No keyboard is taken up from now on; underWay are still being written.
    virtual void OnStopping(StopReason reason, int underWay) = 0;
};

// Runs the line on the calling thread, on the process's current bus, until it ends.
// interrupted is looked at every few milliseconds.
Tally RunProductionLine(const KeyboardImage& layout, const StationSettings& settings,
                        StationListener& listener, const std::atomic<bool>& interrupted,
                        const ThreadStarter& startThread);

}  // namespace tolvane::cli
