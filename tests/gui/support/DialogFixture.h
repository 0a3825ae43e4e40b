// A dialog of the desktop programmer run on its own, without the main window: a program
// folder of its own, the image and language the dialog works on, and its prompts answered
// by the test, which acts inside the dialog while it is open and ends it itself.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QStringList>
#include <memory>
#include <string>

#include "gui/kit/ControlNames.h"
#include "tests/gui/support/ScriptedPrompter.h"
#include "tests/support/TemporaryFolder.h"
#include "tolvane/app/FileLocations.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane::testing {

class DialogFixture : public ::testing::Test {
  protected:
    void SetUp() override { UseLanguage("English"); }

    // The language setting as the user left it ("English" or "Chinese").
    void UseLanguage(const std::string& setting) {
        language.languageSetting = setting;
        language.interfaceLanguage =
            setting == "English" ? InterfaceLanguage::kEnglish : InterfaceLanguage::kChinese;
    }

    // A control of the dialog that is open.
    template <typename T = QWidget>
    T* Find(int id) const {
        return dialog->findChild<T*>(gui::ObjectNameFor(id));
    }

    // The texts of the messages that only inform, in order.
    QStringList Messages() const {
        QStringList texts;
        for (const Prompt& prompt : prompter.prompts) {
            if (prompt.kind == Prompt::Kind::kInform) {
                texts << prompt.text;
            }
        }
        return texts;
    }

    TemporaryFolder folder;
    // The program's files, the user key groups among them, live in the test's folder.
    FileLocations locations{folder.path(), folder / "user"};
    ScriptedPrompter prompter;
    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
    LanguageState language;
    QDialog* dialog = nullptr;  // the one open
};

}  // namespace tolvane::testing
