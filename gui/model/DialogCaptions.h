// The captions a dialog carries in Chinese and replaces with English ones when the
// interface is English, by control number: one table per dialog, which every front end
// shows.
#pragma once

#include <span>
#include <string_view>

#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

struct DialogCaption {
    int id;
    const char* chinese;  // UTF-8
    const char* english;
};

// The caption of control `id` in the language; empty for a control the table lacks.
constexpr std::string_view CaptionText(std::span<const DialogCaption> captions, int id,
                                       InterfaceLanguage language) {
    for (const DialogCaption& caption : captions) {
        if (caption.id == id) {
            return language == InterfaceLanguage::kEnglish ? caption.english : caption.chinese;
        }
    }
    return {};
}

}  // namespace tolvane::gui
