// The window's undo history: the programming after every command that changed it, as named
// steps that can be undone and redone. The legend labels are edited in the window beside the
// programming: they are not the keyboard's, but a change of them is a step like any other.
//
// A step holds only what its command changed (the buttons, the tracks, the options), and
// only one side of it: the other side is the programming the history holds as current.
// Undoing a step swaps its contents with the current programming, which turns it into the
// step to redo, and back. So a step of one button costs about 0.4 KB and a step that
// changed every button (a Read, an Open, New) about 28.6 KB.
//
// Memory bound: the steps of both directions together hold at most 8 MiB. Beyond that the
// oldest steps are dropped, so at least 280 whole-keyboard steps, and many thousands of
// one-button steps, can be undone. The step just recorded is never dropped.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "gui/model/EditSteps.h"
#include "tolvane/image/KeyboardProgramming.h"
#include "tolvane/legend/LegendLabels.h"

namespace tolvane::gui {

class EditHistory {
  public:
    static constexpr std::size_t kMemoryBound = std::size_t{8} << 20;

    explicit EditHistory(const KeyboardProgramming& start = {},
                         std::size_t memoryBound = kMemoryBound);

    // The programming after a command. When it differs from the current one it becomes
    // current, as one step of this name, and the steps to redo are gone; true then.
    bool Record(StepName name, const KeyboardProgramming& now, const LegendLabels& labels);
    // A command that leaves the labels as they are.
    bool Record(StepName name, const KeyboardProgramming& now) {
        return Record(std::move(name), now, labels_);
    }

    // One step back or forward; false when there is none. Current() is then the
    // programming to show.
    bool Undo();
    bool Redo();

    const KeyboardProgramming& Current() const { return current_; }
    const LegendLabels& CurrentLabels() const { return labels_; }

    // The step Undo or Redo would take; null when there is none.
    const StepName* NextUndo() const { return undo_.empty() ? nullptr : &undo_.back().name; }
    const StepName* NextRedo() const { return redo_.empty() ? nullptr : &redo_.back().name; }

    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }
    // What the steps of both directions hold, counted against the bound.
    std::size_t BytesHeld() const { return bytesHeld_; }

  private:
    // The label a button had on a layer before the step (or after it, once undone).
    struct LabelChange {
        int button = 0;
        int layer = 0;
        std::string label;
    };

    struct Step {
        StepName name;
        std::vector<LabelChange> labels;
        std::vector<std::pair<int, ButtonProgramming>> buttons;  // by button number
        std::optional<std::array<TrackRecordEntry, TrackCount>> tracks;
        std::optional<KeyboardOptions> options;
        std::size_t bytes = 0;
    };

    static std::size_t BytesOf(const Step& step);
    // Swaps what the step holds with the same parts of the current programming.
    void Exchange(Step& step);
    // The newest step of one direction, exchanged, becomes the newest of the other.
    bool Take(std::deque<Step>& from, std::deque<Step>& to);
    void DropOldestBeyondBound();

    KeyboardProgramming current_;
    LegendLabels labels_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    std::size_t memoryBound_;
    std::size_t bytesHeld_ = 0;
};

}  // namespace tolvane::gui
