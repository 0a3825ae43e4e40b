// The production line end to end: virtual keyboards that come, go and misbehave on their
// own schedule, the result lines with their tally, the log and the exit status.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include "tests/support/FileSizeLimit.h"
#endif

#include <csignal>
#include <map>
#include <string_view>
#include <utility>

#include "tests/cli/CliFixture.h"

namespace tolvane::cli {
namespace {

std::string PathOf(int keyboard) {
    return "virtual:hid#vid_0483&pid_5017&mi_01#" + std::to_string(keyboard);
}

// "PASSED path (serial S): written and verified in 5.1 s | done 1, passed 1, failed 0"
struct ResultLine {
    std::string verdict;
    std::string path;
    std::string serial;
    std::string text;
    std::string tally;
};

ResultLine Parse(const std::string& line) {
    const std::size_t nameEnd = line.find(": ");
    const std::size_t bar = line.rfind(" | ");
    const std::size_t took = line.rfind(line.starts_with("PASSED") ? " in " : " after ", bar);
    if (nameEnd == std::string::npos || bar == std::string::npos || took == std::string::npos) {
        ADD_FAILURE() << "not a result line: " << line;
        return {};
    }
    ResultLine result{line.substr(0, 6),
                      line.substr(7, nameEnd - 7),
                      {},
                      line.substr(nameEnd + 2, took - nameEnd - 2),
                      line.substr(bar + 3)};
    if (const std::size_t serial = result.path.find(" (serial "); serial != std::string::npos) {
        result.serial = result.path.substr(serial + 9, result.path.size() - serial - 10);
        result.path.resize(serial);
    }
    return result;
}

// The fields of each row of a CSV text.
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            rows.back().back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            rows.back().emplace_back();
        } else if (!quoted && c == '\n') {
            rows.emplace_back(1);
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back();  // after the last line end
    return rows;
}

using ProgramTest = CliTest;

TEST_F(ProgramTest, KeyboardsComingGoingAndFailingEachGetTheirLineAndRow) {
    const std::string log = File("line.csv");
    const CliRun run =
        Cli({"--virtual-keyboard",
             "--virtual-keyboard=" + WriteText("late.state", "serial TR-0002\nplug-in 300\n"),
             "--virtual-keyboard=" + WriteText("silent.state", "fault silent\n"),
             "--virtual-keyboard=" +
                 WriteText("pulled.state", "serial TR-0004\nfault pull-out 40 300\n"),
             "program", TillLayoutFile(), "--each", "--verify", "--log", log, "--count", "3",
             "--no-backup"});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(lines[5], "Programmed 5 keyboards: 3 passed, 2 failed.");

    std::map<std::string, std::vector<std::pair<std::string, std::string>>> resultsOf;
    std::vector<ResultLine> results;
    int passed = 0;
    int failed = 0;
    for (std::size_t i = 0; i < 5; ++i) {
        const ResultLine result = Parse(lines[i]);
        ++(result.verdict == "PASSED" ? passed : failed);
        EXPECT_EQ(result.tally, "done " + std::to_string(i + 1) + ", passed " +
                                    std::to_string(passed) + ", failed " + std::to_string(failed));
        resultsOf[result.path].emplace_back(result.verdict, result.text);
        results.push_back(result);
    }
    using Results = std::vector<std::pair<std::string, std::string>>;
    const Results good{{"PASSED", "written and verified"}};
    EXPECT_EQ(
        resultsOf,
        (std::map<std::string, Results>{
            {PathOf(1), good},
            {PathOf(2), good},
            {PathOf(3), {{"FAILED", "written, verify failed: Data transmission failure!!"}}},
            {PathOf(4),
             {{"FAILED", "pulled out during the write"}, {"PASSED", "written and verified"}}}}));

    // The log: the header, then a row per result line, in the same order.
    const std::vector<std::vector<std::string>> rows = CsvRows(ReadFile(log));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"time", "path", "serial", "result", "duration_s",
                                                 "reason"}));
    for (std::size_t i = 0; i < 5; ++i) {
        const std::vector<std::string>& row = rows[i + 1];
        ASSERT_EQ(row.size(), 6u);
        const ResultLine& result = results[i];
        const bool pass = result.verdict == "PASSED";
        EXPECT_EQ(row[0].size(), 20u);
        EXPECT_EQ(row[0][10], 'T');
        EXPECT_EQ(row[0].back(), 'Z');
        EXPECT_EQ(
            std::vector<std::string>(row.begin() + 1, row.begin() + 4),
            (std::vector<std::string>{result.path, result.serial, pass ? "passed" : "failed"}));
        EXPECT_GT(std::stod(row[4]), 0.0);
        EXPECT_EQ(row[5], pass ? "" : result.text);
    }
    EXPECT_EQ(results[0].serial, "TR-0004");  // the pull-out comes first of all
}

TEST_F(ProgramTest, CtrlCEndsTheRunOnceTheKeyboardsUnderWayHaveTheirResults) {
    int writesStarted = 0;
    const ThreadStarter interruptOnceWriting = [&writesStarted](ThreadBody body) {
        std::jthread job = StartSystemThread(std::move(body));
        if (++writesStarted == 1) {
            std::raise(SIGINT);
        }
        return job;
    };
    const std::string log = File("line.csv");
    const auto before = std::signal(SIGINT, SIG_IGN);
    const CliRun run =
        Cli({"--virtual-keyboard", "--virtual-keyboard=" + WriteText("late.state", "plug-in 300\n"),
             "program", TillLayoutFile(), "--each", "--log", log, "--no-backup"},
            interruptOnceWriting);
    EXPECT_EQ(std::signal(SIGINT, before), SIG_IGN);  // the handler that was there is back

    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(writesStarted, 1);  // the keyboard plugged in after Ctrl+C was not taken up
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_EQ(Parse(lines[0]).text, "written");
    EXPECT_EQ(lines[1], "Programmed 1 keyboard: 1 passed, 0 failed.");
    EXPECT_NE(run.err.find("Interrupted: no more keyboards are taken; waiting for the 1 keyboard "
                           "being written.\n"),
              std::string::npos)
        << run.err;
    const std::vector<std::vector<std::string>> rows = CsvRows(ReadFile(log));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][3], "passed");
}

#if !defined(_WIN32)  // a full disk is played with the file size limit of POSIX
TEST_F(ProgramTest, ALogThatCannotBeWrittenEndsTheRunAsFailed) {
    const std::string till = TillLayoutFile();
    const std::string log = File("line.csv");
    // Room for the header only, as on a full disk.
    const CliRun run = [&] {
        const tolvane::testing::FileSizeLimit fullDisk(
            std::string_view("time,path,serial,result,duration_s,reason\n").size());
        EXPECT_TRUE(fullDisk.Applied());
        return Cli({"--virtual-keyboard", "program", till, "--each", "--log", log, "--no-backup"});
    }();

    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_EQ(Parse(lines[0]).verdict, "PASSED");  // the keyboard is programmed all the same
    EXPECT_NE(run.err.find("Cannot write " + log + ": File too large\nNo more keyboards are taken"),
              std::string::npos)
        << run.err;
}
#endif

TEST_F(ProgramTest, WhatCannotWorkIsRefusedBeforeAnyKeyboardIsWaitedFor) {
    const std::string till = TillLayoutFile();
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    // Each run that is not refused would end after one keyboard instead of waiting on.
    for (const Case& c : {
             Case{{"program", till, "--count", "1"}, 2, "--each is required"},
             Case{{"program", till, "--each", "--count", "0"}, 2, "--count"},
             Case{{"program", till, "--each", "--count", "1", "--log",
                   (folder / "." / "till.dat").string()},
                  2,
                  "is the data file of the command"},
             Case{{"--device", PathOf(1), "program", till, "--each", "--count", "1"},
                  2,
                  "cannot be combined with --device"},
             Case{{"program", till, "--each", "--count", "1", "--log", File("no/such/log.csv")},
                  1,
                  "Cannot open " + File("no/such/log.csv")},
             Case{{"program", till, "--each", "--count", "1", "--log", folder.string()},
                  1,
                  "Cannot open " + folder.string()},
         }) {
        std::vector<std::string> arguments{"--virtual-keyboard"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadFile(till), ReadFile(fs::path(TOLVANE_SOURCE_DIR) / "examples/till.dat"));
}

}  // namespace
}  // namespace tolvane::cli
