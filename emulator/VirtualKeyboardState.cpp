// The virtual keyboard's state file, so that a demo keyboard keeps its programming between
// runs. One item a line:
//   key BUTTON LAYER CODE...
//   track INDEX MODE PREFIX_SHIFT PREFIX_KEY SUFFIX_SHIFT SUFFIX_KEY
//   options COUNTRY REPEAT CLICK SCOPE
//   lamps NUM CAPS SCROLL
//   fault silent | fault refuse-opens | fault deny-access
// Lines that do not fit are ignored, so a damaged file never makes the keyboard unusable.
#include <sstream>

#include "VirtualKeyboard.h"
#include "files/AtomicWrite.h"
#include "files/BoundedRead.h"

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

void ApplyFault(const std::string& name, KeyboardState& state) {
    if (name == "silent") {
        state.silent = true;
    } else if (name == "refuse-opens") {
        state.refuseOpens = true;
    } else if (name == "deny-access") {
        state.denyAccess = true;
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
        if (!(in >> first >> layer) || first < 1 || first > kButtons || layer < 1 ||
            layer > kLayers || !ReadBytes(in, values, kMaxCodes)) {
            return;
        }
        programming.keys[static_cast<std::size_t>(first)][static_cast<std::size_t>(layer)] = values;
    } else if (kind == "track") {
        if (!(in >> first) || first < 0 || first >= kTracks || !ReadBytes(in, values, 5) ||
            values.size() != 5) {
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
    } else if (std::string name; kind == "fault" && in >> name) {
        ApplyFault(name, state);
    }
}

}  // namespace

std::string KeyboardStateText(const KeyboardState& state) {
    const Programming& programming = state.programming;
    const Lamps& lamps = state.lamps;
    std::ostringstream out;
    for (int button = 1; button <= kButtons; ++button) {
        for (int layer = 1; layer <= kLayers; ++layer) {
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
    for (std::size_t t = 0; t < kTracks; ++t) {
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
