// The command-line programmer end to end, through its entry point, against virtual
// keyboards and real files in a scratch folder.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "cli/Cli.h"
#include "cli/ProgrammingView.h"
#include "examples/TillLayout.h"
#include "tests/cli/CliFixture.h"
#include "tolvane/files/AtomicWrite.h"
#include "tolvane/files/Backups.h"
#include "tolvane/files/DataFileLoader.h"

namespace tolvane::cli {
namespace {

TEST_F(CliTest, NewThenShowPrintsTheStartUpProgramming) {
    ASSERT_EQ(Cli({"new", File("a.dat")}).status, 0);
    const CliRun shown = Cli({"show", File("a.dat")});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> lines = Lines(shown.out);
    ASSERT_EQ(lines.size(), 84u + 3 + 1);
    EXPECT_EQ(lines[0],
              "Button  1  Layer1: -  Layer2: -  Layer3: -  Layer4: -  Layer5: -  Layer6: -");
    EXPECT_EQ(lines[84], "Track 1: on, Enter at end, prefix ?, suffix ;");
    EXPECT_EQ(lines[87], "Options: country USA, key repeat off, key click off (all keys)");
}

TEST_F(CliTest, ShowJsonHoldsEveryButtonLayerTrackAndOption) {
    const std::string till = TillLayoutFile();
    const CliRun shown = Cli({"--json", "show", till});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const nlohmann::json json = nlohmann::json::parse(shown.out);
    ASSERT_EQ(json["buttons"].size(), 84u);
    ASSERT_EQ(json["buttons"][27]["layers"].size(), 6u);
    const nlohmann::json& total = json["buttons"][27]["layers"][0];
    EXPECT_EQ(total["layer"], 1);
    EXPECT_EQ(total["text"], "LShift+T+O+T+A+L+LShift+Enter");
    EXPECT_EQ(total["codes"][0], 55);
    EXPECT_EQ(json["buttons"][78]["layers"][1]["text"], "Layer1");
    ASSERT_EQ(json["tracks"].size(), 3u);
    EXPECT_EQ(json["tracks"][0]["prefixKey"], 19);
    EXPECT_EQ(json["tracks"][2]["enabled"], 0);
    EXPECT_EQ(json["options"]["keyClickScope"], 1);

    const CliRun oneLayer = Cli({"--json", "show", till, "--layer", "2"});
    const nlohmann::json layer2 = nlohmann::json::parse(oneLayer.out);
    ASSERT_EQ(layer2["buttons"][0]["layers"].size(), 1u);
    EXPECT_EQ(layer2["buttons"][0]["layers"][0]["text"], "num_1");
}

TEST_F(CliTest, WriteVerifyThenReadGivesTheSameFileButItsHeader) {
    const std::string till = TillLayoutFile();
    const std::string state = File("keyboard.state");
    const CliRun written = Cli({"--virtual-keyboard=" + state, "write", till, "--verify"});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.out.find("Keyboard data is successfully written!!"), std::string::npos);
    EXPECT_NE(written.out.find("Verified"), std::string::npos);

    // A second run finds the programming in the keyboard's state file.
    const CliRun read = Cli({"--virtual-keyboard=" + state, "read", File("back.dat")});
    ASSERT_EQ(read.status, 0) << read.err;
    const std::vector<std::string> original = Lines(ReadFile(till));
    const std::vector<std::string> back = Lines(ReadFile(File("back.dat")));
    ASSERT_EQ(original.size(), 528u);
    ASSERT_EQ(back.size(), 528u);
    for (std::size_t i = 0; i < original.size(); ++i) {
        if (i == 7 || i == 9) {  // the create date and the file name
            continue;
        }
        EXPECT_EQ(back[i], original[i]) << "line " << i + 1;
    }
    EXPECT_EQ(back[9], "* File name  : back.dat");
}

TEST_F(CliTest, DiffOfAFileAgainstTheKeyboardItWasWrittenTo) {
    const std::string till = TillLayoutFile();
    const std::string state = File("keyboard.state");
    ASSERT_EQ(Cli({"--virtual-keyboard=" + state, "write", till}).status, 0);
    const CliRun same = Cli({"--virtual-keyboard=" + state, "diff", till, "keyboard"});
    EXPECT_EQ(same.status, 0) << same.out << same.err;
    EXPECT_NE(same.out.find("identical"), std::string::npos);

    ASSERT_EQ(Cli({"new", File("empty.dat")}).status, 0);
    const CliRun differ =
        Cli({"--virtual-keyboard=" + state, "--json", "diff", "keyboard", File("empty.dat")});
    EXPECT_EQ(differ.status, 1);
    const nlohmann::json json = nlohmann::json::parse(differ.out);
    EXPECT_FALSE(json["identical"]);
    EXPECT_EQ(json["differences"][0]["kind"], "key");
    EXPECT_EQ(json["differences"][0]["button"], 1);
    EXPECT_EQ(json["differences"][0]["layer"], 1);
    EXPECT_EQ(json["differences"].back()["kind"], "options");
}

TEST_F(CliTest, WriteAllReportsEachKeyboardAndFailsWhenOneDoes) {
    const std::string till = TillLayoutFile();
    const std::string silent = WriteText("silent.state", "fault silent\n");
    const CliRun run =
        Cli({"--virtual-keyboard", "--virtual-keyboard=" + silent, "--virtual-keyboard", "write",
             till, "--all", "--verify", "--no-backup"});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[0], "virtual:hid#vid_0483&pid_5017&mi_01#1: written and verified");
    EXPECT_EQ(lines[1],
              "virtual:hid#vid_0483&pid_5017&mi_01#2: written, verify failed: Data transmission "
              "failure!!");
    EXPECT_EQ(lines[2], "virtual:hid#vid_0483&pid_5017&mi_01#3: written and verified");
}

TEST_F(CliTest, WriteAllGoesOnWhenTheSystemRefusesAThread) {
    const std::string till = TillLayoutFile();
    int starts = 0;
    const ThreadStarter refuseTheSecond = [&starts](ThreadBody body) {
        return ++starts == 2 ? std::jthread() : StartSystemThread(std::move(body));
    };
    const CliRun run = Cli(
        {"--virtual-keyboard", "--virtual-keyboard", "--virtual-keyboard", "write", till, "--all"},
        refuseTheSecond);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.out),
              (std::vector<std::string>{
                  "virtual:hid#vid_0483&pid_5017&mi_01#1: written",
                  "virtual:hid#vid_0483&pid_5017&mi_01#2: not written: the system would not "
                  "start a thread for it",
                  "virtual:hid#vid_0483&pid_5017&mi_01#3: written"}));
}

TEST_F(CliTest, WriteRefusesAFileWithProblemsUnlessForced) {
    ASSERT_EQ(Cli({"new", File("a.dat")}).status, 0);
    std::vector<std::string> lines = Lines(ReadFile(File("a.dat")));
    lines[520] = "<0 45 1 55 65 0 52 >";
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    const std::string odd = WriteText("odd.dat", text);
    const std::string state = File("keyboard.state");
    const CliRun refused = Cli({"--virtual-keyboard=" + state, "write", odd});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(Lines(refused.err)[0], odd + ":521: track 1 on/off 45 is not 0 or 1");
    EXPECT_NE(refused.err.find("--force"), std::string::npos);
    EXPECT_FALSE(fs::exists(state));  // the keyboard was never written
    const CliRun forced = Cli({"--virtual-keyboard=" + state, "write", odd, "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_TRUE(fs::exists(state));
}

TEST_F(CliTest, CheckListsProblemsWithTheirLineNumbers) {
    ASSERT_EQ(Cli({"new", File("good.dat")}).status, 0);
    std::vector<std::string> lines = Lines(ReadFile(File("good.dat")));
    lines[14] = "<1 1 200 >";             // line 15: unassigned code
    lines[20] = "<90 1 4 >";              // line 21: no such button
    lines[520] = "<0 1 1 x5 65 0 52 >";   // line 521, track 1: not a number
    lines[521] = "<1 45 1 55 65 0 52 >";  // line 522: track 2 on/off neither 0 nor 1
    lines[525] = "<1 0 0 2 >";            // line 526: key click scope neither 0 nor 1
    lines.pop_back();                     // no END OF FILE
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    const std::string broken = WriteText("broken.dat", text);
    const std::string before = ReadFile(broken);

    const CliRun checked = Cli({"--json", "check", broken});
    EXPECT_EQ(checked.status, 1);
    const nlohmann::json json = nlohmann::json::parse(checked.out);
    std::vector<std::pair<int, std::string>> found;
    for (const nlohmann::json& problem : json["problems"]) {
        found.emplace_back(problem["line"], problem["kind"]);
    }
    EXPECT_EQ(found, (std::vector<std::pair<int, std::string>>{{15, "unassigned-code"},
                                                               {21, "button-out-of-range"},
                                                               {521, "malformed-number"},
                                                               {522, "value-out-of-range"},
                                                               {526, "value-out-of-range"},
                                                               {528, "missing-end-of-file"}}));
    EXPECT_EQ(json["problems"][3]["detail"], "track 2 on/off 45 is not 0 or 1");
    EXPECT_EQ(ReadFile(broken), before);  // check never changes a file

    const CliRun plain = Cli({"check", broken});
    EXPECT_EQ(plain.status, 1);
    EXPECT_EQ(Lines(plain.out)[0].rfind(broken + ":15: ", 0), 0u) << plain.out;
    EXPECT_EQ(Cli({"check", File("good.dat")}).status, 0);
}

TEST_F(CliTest, TraceOfAStartUpWriteShowsEveryReportByteForByte) {
    ASSERT_EQ(Cli({"new", File("a.dat")}).status, 0);
    const std::string trace = File("trace.txt");
    ASSERT_EQ(
        Cli({"--virtual-keyboard", "--trace", trace, "write", File("a.dat"), "--no-backup"}).status,
        0);
    const std::vector<std::string> lines = Lines(ReadFile(trace));
    ASSERT_EQ(lines.size(), 508u);
    const auto filled = [](const std::string& way, const std::string& code) {
        std::string line = way + " 00";
        for (int i = 0; i < 64; ++i) {
            line += " " + code;
        }
        return line;
    };
    const auto record = [](std::vector<std::string> bytes) {
        std::string line = "> 00";
        for (const std::string& byte : bytes) {
            line += " " + byte;
        }
        for (std::size_t i = bytes.size(); i < 64; ++i) {
            line += " 00";
        }
        return line;
    };
    EXPECT_EQ(lines[0], filled(">", "f1"));
    EXPECT_EQ(lines[1], record({"f0", "01", "01", "00"}));
    EXPECT_EQ(lines[85], record({"f0", "02", "01", "00"}));
    EXPECT_EQ(lines[504], record({"f0", "06", "54", "00"}));
    EXPECT_EQ(lines[505], record({"f9", "02", "02", "02", "37", "41", "37", "41", "37", "41", "00",
                                  "34", "00", "34", "00", "34"}));
    EXPECT_EQ(lines[506], record({"f4", "01", "00", "00", "00"}));
    EXPECT_EQ(lines[507], filled(">", "f6"));
}

TEST_F(CliTest, TheTraceIsWrittenWholeAtTheEndAndNeverOverAFile) {
    ASSERT_EQ(Cli({"new", File("a.dat")}).status, 0);
    const std::string mine = WriteText("mine.dat", "keep");
    // No report crossed the wire: the file stays as it was.
    EXPECT_EQ(
        Cli({"--virtual-keyboard", "--device", "nowhere", "--trace", mine, "read", File("b.dat")})
            .status,
        3);
    // The command's own data file, by another spelling.
    const std::string sameFile = (folder / "." / "mine.dat").string();
    EXPECT_EQ(Cli({"--virtual-keyboard", "--trace", sameFile, "write", mine}).status, 2);
    EXPECT_EQ(ReadFile(mine), "keep");
    // A trace that cannot be kept fails the run, though the read itself went well.
    const CliRun unkept =
        Cli({"--virtual-keyboard", "--trace", folder.string(), "read", File("b.dat")});
    EXPECT_EQ(unkept.status, 1);
    EXPECT_NE(unkept.err.find("the trace was not kept"), std::string::npos) << unkept.err;
}

TEST_F(CliTest, TheTraceOfSeveralKeyboardsNamesTheKeyboardOfEachLine) {
    ASSERT_EQ(Cli({"new", File("a.dat")}).status, 0);
    const std::string trace = File("trace.txt");
    ASSERT_EQ(Cli({"--virtual-keyboard", "--virtual-keyboard", "--trace", trace, "write",
                   File("a.dat"), "--all", "--no-backup"})
                  .status,
              0);
    std::map<std::string, int> linesPerKeyboard;
    for (const std::string& line : Lines(ReadFile(trace))) {
        const std::size_t space = line.find(' ');
        ASSERT_NE(space, std::string::npos);
        EXPECT_EQ(line.compare(space, 5, " > 00"), 0) << line;
        ++linesPerKeyboard[line.substr(0, space)];
    }
    EXPECT_EQ(linesPerKeyboard,
              (std::map<std::string, int>{{"virtual:hid#vid_0483&pid_5017&mi_01#1", 508},
                                          {"virtual:hid#vid_0483&pid_5017&mi_01#2", 508}}));
}

TEST_F(CliTest, AVirtualKeyboardStateThatCannotBeKeptFailsTheRun) {
    const std::string till = TillLayoutFile();
    const CliRun missing = Cli({"--virtual-keyboard=" + File("missing/k.state"), "write", till});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("virtual keyboard 1: cannot create a file beside"),
              std::string::npos)
        << missing.err;
    // A folder given as the file is refused before anything is written.
    const CliRun folderGiven = Cli({"--virtual-keyboard=" + folder.string(), "write", till});
    EXPECT_EQ(folderGiven.status, 1);
    EXPECT_EQ(folderGiven.out, "");
    EXPECT_NE(folderGiven.err.find("it is a folder"), std::string::npos) << folderGiven.err;
}

// A stream that takes nothing, as a full disk does.
class FullDevice : public std::streambuf {
  protected:
    int overflow(int) override { return traits_type::eof(); }
};

TEST_F(CliTest, OutputThatCannotBeWrittenAsGivenNeverAborts) {
#if !defined(_WIN32)  // Windows hands programs text in its code page, never stray bytes
    const std::string badName = File("bad\xff.dat");
    const CliRun checked = Cli({"--json", "check", badName});
    EXPECT_EQ(checked.status, 1);
    const nlohmann::json json = nlohmann::json::parse(checked.out);
    EXPECT_EQ(json["file"], File("bad\xEF\xBF\xBD.dat"));  // U+FFFD in place of the byte
#endif

    FullDevice full;
    const CliRun shown = Cli({"show", TillLayoutFile()}, StartSystemThread, &full);
    EXPECT_EQ(shown.status, 1);
    EXPECT_NE(shown.err.find("cannot write the output"), std::string::npos) << shown.err;
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({"frobnicate"}).status, 2);
    EXPECT_EQ(Cli({"show"}).status, 2);
    EXPECT_EQ(Cli({"show", File("a.dat"), "--layer", "7"}).status, 2);
    EXPECT_EQ(Cli({"--no-such-flag", "devices"}).status, 2);
    const CliRun both =
        Cli({"--virtual-keyboard", "--device", "x", "write", File("a.dat"), "--all"});
    EXPECT_EQ(both.status, 2);
}

TEST_F(CliTest, NoUsableKeyboardExitsWithThree) {
    ASSERT_EQ(Cli({"new", File("a.dat")}).status, 0);
    EXPECT_EQ(Cli({"--virtual-keyboard", "--device", "nowhere", "write", File("a.dat")}).status, 3);
    const CliRun none = Cli({"--virtual-keyboard", "--device", "nowhere", "read", File("b.dat")});
    EXPECT_EQ(none.status, 3);
    EXPECT_NE(none.err.find("No keyboard found"), std::string::npos);
    EXPECT_FALSE(fs::exists(File("b.dat")));

    const std::string denied = WriteText("denied.state", "fault deny-access\n");
    const CliRun closed = Cli({"--virtual-keyboard=" + denied, "read", File("b.dat")});
    EXPECT_EQ(closed.status, 3);
    EXPECT_NE(closed.err.find("70-tolvane.rules"), std::string::npos);
    const CliRun listed = Cli({"--virtual-keyboard=" + denied, "--json", "devices"});
    EXPECT_EQ(listed.status, 3);
    EXPECT_EQ(nlohmann::json::parse(listed.out)["keyboards"][0]["status"], "access denied");

    // A keyboard that refuses: every command says so, as devices does.
    const std::string refusing =
        "--virtual-keyboard=" + WriteText("refusing.state", "fault refuse-opens\n");
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"read", File("b.dat")},
          std::vector<std::string>{"write", File("a.dat")},
          std::vector<std::string>{"write", File("a.dat"), "--all"},
          std::vector<std::string>{"diff", File("a.dat"), "keyboard"}}) {
        std::vector<std::string> args{refusing};
        args.insert(args.end(), command.begin(), command.end());
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 3) << command[0];
        EXPECT_NE(run.err.find("#1 but cannot be opened: refused (the device refused the open)"),
                  std::string::npos)
            << run.err;
    }
}

TEST_F(CliTest, TheShippedExampleIsTheTillLayout) {
    auto shipped = std::make_unique<KeyboardImage>();
    ASSERT_TRUE(LoadDataFile(*shipped, fs::path(TOLVANE_SOURCE_DIR) / "examples/till.dat").ok());
    auto built = std::make_unique<KeyboardImage>();
    examples::BuildTillLayout(*built);
    EXPECT_TRUE(CompareProgrammings(*shipped, *built).empty());
}

TEST_F(CliTest, LegendWritesAPagePerLayerOrOneLayer) {
    const std::string till = TillLayoutFile();
    const auto pagesWritten = [&] {
        std::vector<std::string> pages;
        for (const char* page :
             {"layer1", "layer2", "layer3", "layer4", "layer5", "layer6", "overview", "table"}) {
            const fs::path file = folder / ("legend-" + std::string(page) + ".svg");
            if (fs::exists(file)) {
                EXPECT_NE(ReadFile(file).find("<svg "), std::string::npos) << page;
                pages.emplace_back(page);
                fs::remove(file);
            }
        }
        return pages;
    };
    // The till layout uses two layers: the empty ones are left out unless asked for.
    const CliRun all = Cli({"--quiet", "legend", till, File("legend.svg")});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(pagesWritten(), (std::vector<std::string>{"layer1", "layer2", "overview", "table"}));
    EXPECT_FALSE(fs::exists(folder / "legend.svg"));
    ASSERT_EQ(Cli({"--quiet", "legend", till, File("legend.svg"), "--layers", "1-6"}).status, 0);
    EXPECT_EQ(pagesWritten().size(), 8u);
    ASSERT_EQ(
        Cli({"--quiet", "legend", till, File("legend.svg"), "--layers", "2,4-5", "--skip-empty"})
            .status,
        0);
    EXPECT_EQ(pagesWritten(), (std::vector<std::string>{"layer2", "overview", "table"}));

    const CliRun one = Cli({"legend", till, File("two.svg"), "--layer", "2", "--paper", "letter"});
    ASSERT_EQ(one.status, 0) << one.err;
    const std::string svg = ReadFile(folder / "two.svg");
    EXPECT_NE(svg.find("width=\"279.4mm\""), std::string::npos);
    EXPECT_NE(svg.find("Alt+F4"), std::string::npos);  // button 28 on layer 2
    for (const char* layers : {"7", "0-2", "1,,2", "3-1", "x", "1,"}) {
        EXPECT_EQ(Cli({"legend", till, File("x.svg"), "--layers", layers}).status, 2) << layers;
    }
    EXPECT_EQ(Cli({"legend", till, File("x.svg"), "--layer", "7"}).status, 2);
    EXPECT_EQ(Cli({"legend", till, File("x.svg"), "--layer", "1", "--layers", "1"}).status, 2);
    EXPECT_EQ(Cli({"legend", File("missing.dat"), File("x.svg")}).status, 1);
}

TEST_F(CliTest, LegendTakesTheLabelsBesideTheDataFileOrTheOnesGiven) {
    const std::string till = TillLayoutFile();
    WriteText("till.labels", "28 1 SUBTOTAL\n");
    const auto layer1 = [&] { return ReadFile(folder / "one.svg"); };
    const CliRun beside = Cli({"legend", till, File("one.svg"), "--layer", "1"});
    ASSERT_EQ(beside.status, 0) << beside.err;
    EXPECT_NE(beside.out.find("Labels from "), std::string::npos);
    EXPECT_NE(layer1().find(">SUBTOTAL<"), std::string::npos);
    EXPECT_NE(layer1().find(">Ctrl+V<"), std::string::npos);  // no label: what it types

    ASSERT_EQ(Cli({"legend", till, File("one.svg"), "--layer", "1", "--no-labels"}).status, 0);
    EXPECT_EQ(layer1().find(">SUBTOTAL<"), std::string::npos);
    EXPECT_NE(layer1().find(">TOTAL\xE2\x8F\x8E<"), std::string::npos);

    const std::string other = WriteText("shop.labels", "29 1 VOID\n");
    ASSERT_EQ(Cli({"legend", till, File("one.svg"), "--layer", "1", "--labels", other}).status, 0);
    EXPECT_NE(layer1().find(">VOID<"), std::string::npos);
    EXPECT_EQ(layer1().find(">SUBTOTAL<"), std::string::npos);

    // A bad line is named and nothing is written; a labels file given must exist.
    fs::remove(folder / "one.svg");
    const std::string bad = WriteText("bad.labels", "29 1 VOID\n90 1 X\n");
    const CliRun refused = Cli({"legend", till, File("one.svg"), "--layer", "1", "--labels", bad});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("bad.labels: line 2: there is no button 90"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(folder / "one.svg"));
    const CliRun missing =
        Cli({"legend", till, File("one.svg"), "--labels", File("missing.labels")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing.labels"), std::string::npos);
    EXPECT_EQ(Cli({"legend", till, File("x.svg"), "--labels", other, "--no-labels"}).status, 2);
}

}  // namespace
}  // namespace tolvane::cli

namespace tolvane::cli {

// write, write --all and program keep what each keyboard held before they write it; a backup
// that cannot be kept leaves the keyboard untouched; --no-backup keeps none.
TEST_F(CliTest, WritesKeepABackupOfWhatTheKeyboardHeldUnlessToldNot) {
    const std::string till = TillLayoutFile();
    ASSERT_EQ(Cli({"new", File("empty.dat")}).status, 0);
    const std::string state = File("keyboard.state");
    ASSERT_EQ(Cli({"--virtual-keyboard=" + state, "write", till, "--no-backup"}).status, 0);
    EXPECT_FALSE(fs::exists(backups));

    const CliRun written = Cli({"--virtual-keyboard=" + state, "write", File("empty.dat")});
    ASSERT_EQ(written.status, 0) << written.err;
    const std::vector<BackupEntry> kept = ListBackups(backups);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_NE(written.out.find(PathText(kept[0].path)), std::string::npos) << written.out;
    EXPECT_EQ(Cli({"diff", till, PathText(kept[0].path)}).status, 0);  // what it held: the till

    for (const auto& command :
         {std::vector<std::string>{"write", till, "--all"},
          std::vector<std::string>{"program", till, "--each", "--count", "1"}}) {
        std::vector<std::string> args{"--virtual-keyboard=" + state};
        args.insert(args.end(), command.begin(), command.end());
        ASSERT_EQ(Cli(args).status, 0) << command[0];
    }
    EXPECT_EQ(ListBackups(backups).size(), 3u);

    std::ofstream(folder / "not-a-folder") << "x";
    const CliRun refused = Cli({"--backup-folder", File("not-a-folder"),
                                "--virtual-keyboard=" + state, "write", File("empty.dat")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("the keyboard is untouched"), std::string::npos) << refused.err;
    EXPECT_EQ(Cli({"--virtual-keyboard=" + state, "diff", till, "keyboard"}).status, 0);
}

}  // namespace tolvane::cli
