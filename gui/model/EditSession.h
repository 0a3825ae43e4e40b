// What the main window knows of the programming it shows, beside the image itself: the undo
// history, the programming as it was last opened, saved, read or written, the legend labels
// as they were last opened or saved, and the file last opened or saved. From these it decides the
// window title with its modified marker, what the Undo and Redo commands show, and which commands
// must ask before unsaved changes are lost. Every front end asks it; none decides these itself.
#pragma once

#include <optional>
#include <string>

#include "gui/model/CommandTable.h"
#include "gui/model/EditHistory.h"

namespace tolvane::gui {

// The answers to "save the changes first?".
enum class UnsavedChangesAnswer { kSave, kDiscard, kCancel };

// What an Undo or Redo menu item and toolbar button show.
struct EditCommandState {
    bool enabled = false;
    std::string menuText;  // "Undo Delete all layer data\tCtrl+Z"
    std::string toolTip;   // "Undo Delete all layer data"
};

class EditSession {
  public:
    // The window's title while no file was opened or saved.
    static constexpr const char* kProgramTitle = "MZR-40";

    // Starts on the programming of a freshly reset image, with nothing unsaved.
    explicit EditSession(const KeyboardProgramming& start = {});

    // After a command that may have changed the programming: one undo step when it did.
    bool Record(StepName name, const KeyboardProgramming& now, const LegendLabels& labels);
    bool Record(StepName name, const KeyboardProgramming& now) {
        return Record(std::move(name), now, history_.CurrentLabels());
    }

    // One step back or forward; then Current() is the programming to show.
    bool Undo() { return history_.Undo(); }
    bool Redo() { return history_.Redo(); }
    const KeyboardProgramming& Current() const { return history_.Current(); }
    // The labels to show: the ones last recorded, or those of the step undone or redone.
    const LegendLabels& CurrentLabels() const { return history_.CurrentLabels(); }
    const EditHistory& History() const { return history_; }

    // The programming and the labels are now what a file holds (opened or saved): the title
    // names the file.
    void MarkFile(const KeyboardProgramming& now, std::string fileName);
    // The programming is now what the keyboard holds (read or written); the labels, which the
    // keyboard does not hold, stay as saved or not.
    void MarkKeyboard(const KeyboardProgramming& now);

    // Whether the programming differs from what was last opened, saved, read or written, or
    // the labels from what was last opened or saved.
    bool HasUnsavedChanges(const KeyboardProgramming& now) const {
        return now != clean_ || LabelsUnsaved();
    }

    // Quit (and the close box), New, Open and Read Keyboard replace or end the programming:
    // they ask first while there are unsaved changes. Nothing else does, and a read, which
    // keeps the labels, does not ask for them.
    bool MustAskBefore(Command command, const KeyboardProgramming& now) const;

    // "MZR-40", "MZR-40 - till.dat", with "*" behind while there are unsaved changes.
    std::string Title(const KeyboardProgramming& now) const;

    // Undo and redo are not offered while a transfer runs.
    EditCommandState UndoState(InterfaceLanguage language, bool transferRunning) const;
    EditCommandState RedoState(InterfaceLanguage language, bool transferRunning) const;

  private:
    bool LabelsUnsaved() const { return history_.CurrentLabels() != cleanLabels_; }

    EditHistory history_;
    KeyboardProgramming clean_;
    LegendLabels cleanLabels_;
    std::optional<std::string> fileName_;
};

}  // namespace tolvane::gui
