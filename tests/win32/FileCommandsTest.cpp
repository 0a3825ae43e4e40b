// Open and Save through the common file dialogs' filter, the user manual by the shell.
#include <fstream>

#include "examples/TillLayout.h"
#include "gui/model/ResourceIds.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;

TEST_F(WindowFixture, SavesAndOpensADataFileAndOpensTheManualWithTheShell) {
    examples::BuildTillLayout(*image_);
    const KeyboardProgramming layout = image_->TakeProgramming();
    const std::filesystem::path file = folder_ / "till.dat";
    prompter_.fileNames = {file.wstring()};
    Command(ids::kCnSave);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(prompter_.prompts.back().caption, L"Dat Files(*.dat)|*.dat||");
    EXPECT_EQ(WindowText(window_->Window()), L"MZR-40 - till.dat");

    Command(ids::kCnToolNew);
    prompter_.fileNames = {file.wstring()};
    prompter_.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
    Command(ids::kCnOpen);
    EXPECT_EQ(image_->TakeProgramming(), layout);

    // A file that is no data file: the framework's own words, nothing loaded.
    const std::filesystem::path bad = folder_ / "bad.dat";
    std::ofstream(bad) << "not a data file\n";
    prompter_.fileNames = {bad.wstring()};
    Command(ids::kCnOpen);
    EXPECT_EQ(prompter_.Messages().back(), L"The parameter is incorrect.");
    EXPECT_EQ(image_->TakeProgramming(), layout);

    Command(ids::kCnUserManual);  // no manual beside the program: nothing happens
    EXPECT_NE(prompter_.prompts.back().kind, Win32Prompt::Kind::kDocument);
    std::ofstream(folder_ / "MZR-40 User Manual.pdf") << "%PDF-1.4\n";
    prompter_.documentOpens = false;
    Command(ids::kCnUserManual);
    ASSERT_GE(prompter_.prompts.size(), 2U);
    EXPECT_EQ(prompter_.prompts[prompter_.prompts.size() - 2].kind, Win32Prompt::Kind::kDocument);
    EXPECT_EQ(prompter_.prompts.back().kind, Win32Prompt::Kind::kInform);
}

}  // namespace
}  // namespace tolvane::testing
