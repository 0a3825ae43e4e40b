// A main window on the virtual keyboard, in a program folder of its own, with its prompts
// answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <memory>
#include <vector>

#include "gui/kit/ControlNames.h"
#include "gui/model/VirtualKeyboardRig.h"
#include "gui/qt/app/CTolvaneDlg.h"
#include "tests/gui/support/ScriptedPrompter.h"
#include "tests/support/TemporaryFolder.h"

// Readable test failures for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tolvane::testing {

// Waits, handling events, until the condition holds; false after the time-out.
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs = 10000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

// Every control under root that shows a caption carries it in its accessible name, so a
// speech user can say what they see; context may be added around it.
inline void ExpectCaptionsInAccessibleNames(const QWidget& root) {
    for (const QAbstractButton* control : root.findChildren<QAbstractButton*>()) {
        const QString caption = control->text().remove('&').simplified();
        EXPECT_TRUE(control->accessibleName().simplified().contains(caption))
            << control->objectName().toStdString() << ": \"" << caption.toStdString()
            << "\" not in \"" << control->accessibleName().toStdString() << '"';
    }
}

class GuiFixture : public ::testing::Test {
  protected:
    // The program's settings file, as the user left it ("English" or "Chinese").
    void WriteSetting(const std::string& word) {
        std::ofstream(folder / "sysInfo.ini", std::ios::binary) << word;
    }

    gui::CTolvaneDlg& OpenWindow() {
        window.reset();
        gui::ProgramSetup setup;
        setup.programFolder = folder.path();
        setup.userConfigFolder = folder / "user";
        setup.backupFolder = folder / "backups";
        setup.virtualKeyboard = &rig;
        window = std::make_unique<gui::CTolvaneDlg>(*image, language, setup);
        window->show();
        // The window the user works in is the active one: its shortcuts depend on it.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename T>
    T* Find(int id) const {
        return window->findChild<T*>(gui::ObjectNameFor(id));
    }

    // Presses the control that carries command `id` as a user would: the item of the menu
    // attached to the window, else the button of the toolbar shown. The test fails when the
    // window shows no such control or it is disabled.
    void TriggerAction(int id) { TriggerAction(gui::ObjectNameFor(id)); }
    void TriggerAction(const QString& objectName) {
        QMenuBar* menu = window->AttachedMenu();
        if (QAction* item = menu != nullptr ? menu->findChild<QAction*>(objectName) : nullptr) {
            ASSERT_TRUE(item->isEnabled()) << objectName.toStdString() << " is disabled";
            item->trigger();
            return;
        }
        ClickToolButton(objectName);
    }
    // The toolbar's button alone, for the commands whose menu item has the same number.
    void ClickToolButton(int id) { ClickToolButton(gui::ObjectNameFor(id)); }
    void ClickToolButton(const QString& objectName) {
        auto* tool = window->findChild<QToolButton*>(objectName);
        ASSERT_TRUE(tool != nullptr && tool->isVisible())
            << "the window shows no control " << objectName.toStdString();
        ASSERT_TRUE(tool->isEnabled()) << objectName.toStdString() << " is disabled";
        QTest::mouseClick(tool, Qt::LeftButton);
    }

    // Answers the next pop-up menus with these items, by number; 0 dismisses a menu.
    void AnswerMenus(std::vector<int> ids) {
        prompter.onPopUp = [ids, next = std::size_t{0}](QMenu& menu) mutable -> QAction* {
            const int id = next < ids.size() ? ids[next++] : 0;
            return menu.findChild<QAction*>(gui::ObjectNameFor(id));
        };
    }

    int PictureShown(int controlId) const {
        return Find<QWidget>(controlId)->property("resourceId").toInt();
    }

    QString CaptionOf(int button) const { return window->KeyButton(button)->text(); }

    TemporaryFolder folder;
    ScriptedPrompter prompter;
    gui::VirtualKeyboardRig rig{""};
    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
    LanguageState language;
    std::unique_ptr<gui::CTolvaneDlg> window;
};

}  // namespace tolvane::testing
