// The virtual keyboard's state file, so that a demo keyboard keeps its programming between
// runs. One item a line:
//   key BUTTON LAYER CODE...
//   track INDEX MODE PREFIX_SHIFT PREFIX_KEY SUFFIX_SHIFT SUFFIX_KEY
//   options COUNTRY REPEAT CLICK SCOPE
//   lamps NUM CAPS SCROLL
//   serial TEXT                           (printable ASCII, at most 126 characters)
//   plug-in MS                            (plugged in MS milliseconds after the program starts)
//   fault silent | fault refuse-opens | fault deny-access
//   fault pull-out REPORTS [BACK_MS]      (pulled out once after REPORTS reports either way,
//                                          plugged back in BACK_MS milliseconds later)
// Lines that do not fit are ignored, so a damaged file never makes the keyboard unusable.
#include <algorithm>
#include <charconv>
#include <limits>
#include <sstream>

#include "emulator/VirtualKeyboard.h"
#include "tolvane/files/AtomicWrite.h"
#include "tolvane/files/BoundedRead.h"

namespace emulator {

namespace {

bool ReadBytes(std::istringstream& in, std::vector<std::uint8_t>& values, std::size_t most) {
    unsigned value = 0;
    while (in >> value) {
        if (value > 255 || values.size() >= most) {
            return false;
        }
        values.push_back(static_cast<std::uint8_t>(value));
    }
    return in.eof();
}

// A USB string descriptor holds at most 126 characters.
constexpr std::size_t kSerialLimit = 126;
constexpr long long kLongestWaitMs = 24LL * 60 * 60 * 1000;

// A whole number within limits, and nothing else in the token.
std::optional<long long> WholeNumber(const std::string& token, long long least, long long most) {
    long long value = 0;
    const char* const last = token.data() + token.size();
    const auto [end, error] = std::from_chars(token.data(), last, value);
    if (error != std::errc() || end != last || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::chrono::milliseconds> Milliseconds(const std::string& token) {
    const std::optional<long long> value = WholeNumber(token, 0, kLongestWaitMs);
    return value ? std::optional(std::chrono::milliseconds(*value)) : std::nullopt;
}

// The tokens left on the line: at most most of them, else none at all.
std::vector<std::string> Tokens(std::istringstream& in, std::size_t most) {
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) {
        if (tokens.size() == most) {
            return {};
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

void ApplyPullOut(std::istringstream& in, PlugSchedule& schedule) {
    const std::vector<std::string> tokens = Tokens(in, 2);
    if (tokens.empty()) {
        return;
    }
    const std::optional<long long> reports =
        WholeNumber(tokens[0], 1, std::numeric_limits<int>::max());
    const std::optional<std::chrono::milliseconds> back =
        tokens.size() == 2 ? Milliseconds(tokens[1]) : std::nullopt;
    if (!reports || (tokens.size() == 2 && !back)) {
        return;
    }
    schedule.pullOutAfterReports = static_cast<int>(*reports);
    schedule.plugBackAfter = back;
}

void ApplyFault(std::istringstream& in, const std::string& name, KeyboardState& state) {
    if (name == "silent") {
        state.silent = true;
    } else if (name == "refuse-opens") {
        state.refuseOpens = true;
    } else if (name == "deny-access") {
        state.denyAccess = true;
    } else if (name == "pull-out") {
        ApplyPullOut(in, state.schedule);
    }
}

// The rest of the line, without the blanks around it.
void ApplySerial(std::istringstream& in, KeyboardState& state) {
    std::string serial;
    std::getline(in >> std::ws, serial);
    serial.erase(serial.find_last_not_of(" \t\r") + 1);
    if (!serial.empty() && serial.size() <= kSerialLimit &&
        std::all_of(serial.begin(), serial.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
        state.serialNumber = std::move(serial);
    }
}

void ApplyLine(const std::string& line, KeyboardState& state) {
    Programming& programming = state.programming;
    std::istringstream in(line);
    std::string kind;
    int first = 0;
    if (!(in >> kind)) {
        return;
    }
    std::vector<std::uint8_t> values;
    if (kind == "key") {
        int layer = 0;
        if (!(in >> first >> layer) || first < 1 || first > wire::kButtonCount || layer < 1 ||
            layer > wire::kLayerCount || !ReadBytes(in, values, wire::kMaxKeysPerLayer)) {
            return;
        }
        programming.keys[static_cast<std::size_t>(first)][static_cast<std::size_t>(layer)] = values;
    } else if (kind == "track") {
        if (!(in >> first) || first < 0 || first >= wire::kTrackCount ||
            !ReadBytes(in, values, 5) || values.size() != 5) {
            return;
        }
        programming.tracks[static_cast<std::size_t>(first)] = {values[0], values[1], values[2],
                                                               values[3], values[4]};
    } else if (kind == "options") {
        if (ReadBytes(in, values, 4) && values.size() == 4) {
            std::copy(values.begin(), values.end(), programming.options.begin());
        }
    } else if (kind == "lamps") {
        if (ReadBytes(in, values, 3) && values.size() == 3) {
            state.lamps = {values[0] != 0, values[1] != 0, values[2] != 0};
        }
    } else if (kind == "serial") {
        ApplySerial(in, state);
    } else if (kind == "plug-in") {
        const std::vector<std::string> tokens = Tokens(in, 1);
        if (tokens.size() == 1) {
            if (const std::optional<std::chrono::milliseconds> delay = Milliseconds(tokens[0])) {
                state.schedule.plugInAfter = delay;
            }
        }
    } else if (std::string name; kind == "fault" && in >> name) {
        ApplyFault(in, name, state);
    }
}

}  // namespace

std::string KeyboardStateText(const KeyboardState& state) {
    const Programming& programming = state.programming;
    const Lamps& lamps = state.lamps;
    std::ostringstream out;
    for (int button = 1; button <= wire::kButtonCount; ++button) {
        for (int layer = 1; layer <= wire::kLayerCount; ++layer) {
            const auto& codes =
                programming.keys[static_cast<std::size_t>(button)][static_cast<std::size_t>(layer)];
            if (codes.empty()) {
                continue;
            }
            out << "key " << button << ' ' << layer;
            for (std::uint8_t code : codes) {
                out << ' ' << unsigned{code};
            }
            out << '\n';
        }
    }
    for (std::size_t t = 0; t < wire::kTrackCount; ++t) {
        const TrackProgramming& track = programming.tracks[t];
        out << "track " << t << ' ' << unsigned{track.mode} << ' ' << unsigned{track.prefixShift}
            << ' ' << unsigned{track.prefixKey} << ' ' << unsigned{track.suffixShift} << ' '
            << unsigned{track.suffixKey} << '\n';
    }
    out << "options";
    for (std::uint8_t value : programming.options) {
        out << ' ' << unsigned{value};
    }
    out << "\nlamps " << lamps.num << ' ' << lamps.caps << ' ' << lamps.scroll << '\n';
    if (state.silent) {
        out << "fault silent\n";
    }
    if (state.refuseOpens) {
        out << "fault refuse-opens\n";
    }
    if (state.denyAccess) {
        out << "fault deny-access\n";
    }
    const PlugSchedule& schedule = state.schedule;
    if (!state.serialNumber.empty()) {
        out << "serial " << state.serialNumber << '\n';
    }
    if (schedule.plugInAfter) {
        out << "plug-in " << schedule.plugInAfter->count() << '\n';
    }
    if (schedule.pullOutAfterReports) {
        out << "fault pull-out " << *schedule.pullOutAfterReports;
        if (schedule.plugBackAfter) {
            out << ' ' << schedule.plugBackAfter->count();
        }
        out << '\n';
    }
    return out.str();
}

KeyboardState KeyboardStateFromText(std::string_view text) {
    KeyboardState state;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        ApplyLine(std::string(text.substr(0, end)), state);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return state;
}

StateFileResult SaveKeyboardState(const std::string& path, const KeyboardState& state) {
    const tolvane::FileWriteResult written =
        tolvane::WriteFileAtomically(path, KeyboardStateText(state));
    return {written.ok, written.error};
}

StateFileResult LoadKeyboardState(const std::string& path, KeyboardState& state) {
    const tolvane::TextRead read = tolvane::ReadTextFile(path);
    if (read.status == tolvane::TextReadStatus::kNoFile) {
        return {};
    }
    if (!read.ok()) {
        return {false, read.error};
    }
    state = KeyboardStateFromText(read.text);
    return {};
}

}  // namespace emulator
