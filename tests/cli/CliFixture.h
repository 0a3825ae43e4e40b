// The command-line programmer's tests run it through its entry point, against virtual
// keyboards and real files in a scratch folder of their own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"

namespace tolvane::cli {

namespace fs = std::filesystem;
using tolvane::testing::CliRun;
using tolvane::testing::RunCliWith;

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class CliTest : public ::testing::Test {
  protected:
    CliTest() {
        folder =
            fs::temp_directory_path() /
            ("tolvane-cli-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        backups = (folder / "backups").string();
    }
    ~CliTest() override { fs::remove_all(folder); }

    // Output goes to output when given, else into the result.
    // The backups of writes go to the test's folder, never the user's.
    static CliRun Cli(std::vector<std::string> args, ThreadStarter startThread = StartSystemThread,
                      std::streambuf* output = nullptr) {
        args.insert(args.begin(), {"--backup-folder", backups});
        return RunCliWith(std::move(args), std::move(startThread), output);
    }

    std::string File(const std::string& name) const { return (folder / name).string(); }

    std::string WriteText(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return File(name);
    }

    // A copy of the example shipped with the program, as the program saved it.
    std::string TillLayoutFile() {
        const std::string text = ReadFile(fs::path(TOLVANE_SOURCE_DIR) / "examples/till.dat");
        return WriteText("till.dat", text);
    }

    fs::path folder;
    static inline std::string backups;
};

}  // namespace tolvane::cli
