#include "gui/model/EditHistory.h"

namespace tolvane::gui {

EditHistory::EditHistory(const KeyboardProgramming& start, std::size_t memoryBound)
    : current_(start), memoryBound_(memoryBound) {}

std::size_t EditHistory::BytesOf(const Step& step) {
    std::size_t bytes = sizeof(Step) + step.buttons.capacity() * sizeof(step.buttons[0]) +
                        step.labels.capacity() * sizeof(LabelChange);
    for (const LabelChange& change : step.labels) {
        bytes += change.label.capacity();
    }
    for (const std::string& argument : step.name.arguments) {
        bytes += argument.capacity();
    }
    return bytes;
}

bool EditHistory::Record(StepName name, const KeyboardProgramming& now,
                         const LegendLabels& labels) {
    std::vector<int> changedButtons;
    for (int button = 1; button <= ButtonCount; ++button) {
        if (now.Button(button) != current_.Button(button)) {
            changedButtons.push_back(button);
        }
    }
    Step step;
    step.buttons.reserve(changedButtons.size());
    for (const int button : changedButtons) {
        step.buttons.emplace_back(button, current_.Button(button));
    }
    if (now.tracks != current_.tracks) {
        step.tracks = current_.tracks;
    }
    if (now.options != current_.options) {
        step.options = current_.options;
    }
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            if (labels.Of(button, layer) != labels_.Of(button, layer)) {
                step.labels.push_back({button, layer, labels_.Of(button, layer)});
            }
        }
    }
    if (step.buttons.empty() && !step.tracks && !step.options && step.labels.empty()) {
        return false;
    }
    step.name = std::move(name);
    step.bytes = BytesOf(step);
    current_ = now;
    labels_ = labels;
    for (const Step& dropped : redo_) {
        bytesHeld_ -= dropped.bytes;
    }
    redo_.clear();
    bytesHeld_ += step.bytes;
    undo_.push_back(std::move(step));
    DropOldestBeyondBound();
    return true;
}

void EditHistory::DropOldestBeyondBound() {
    while (bytesHeld_ > memoryBound_ && undo_.size() > 1) {
        bytesHeld_ -= undo_.front().bytes;
        undo_.pop_front();
    }
}

void EditHistory::Exchange(Step& step) {
    for (auto& [button, programming] : step.buttons) {
        std::swap(programming, current_.Button(button));
    }
    if (step.tracks) {
        std::swap(*step.tracks, current_.tracks);
    }
    if (step.options) {
        std::swap(*step.options, current_.options);
    }
    for (LabelChange& change : step.labels) {
        // The labels held were accepted once, so they are taken again as they are.
        std::string other = labels_.Of(change.button, change.layer);
        labels_.Set(change.button, change.layer, change.label);
        change.label = std::move(other);
    }
}

bool EditHistory::Undo() {
    return Take(undo_, redo_);
}

bool EditHistory::Redo() {
    return Take(redo_, undo_);
}

bool EditHistory::Take(std::deque<Step>& from, std::deque<Step>& to) {
    if (from.empty()) {
        return false;
    }
    Exchange(from.back());
    to.push_back(std::move(from.back()));
    from.pop_back();
    return true;
}

}  // namespace tolvane::gui
