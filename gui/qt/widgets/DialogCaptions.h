// The captions a dialog carries in Chinese and replaces with English ones when the
// interface is English, by control number.
#pragma once

#include <QString>
#include <span>

#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

struct DialogCaption {
    int id;
    const char* chinese;  // UTF-8
    const char* english;
};

// The caption of control `id` in the language; empty for a control the table lacks.
inline QString CaptionOf(std::span<const DialogCaption> captions, int id,
                         InterfaceLanguage language) {
    for (const DialogCaption& caption : captions) {
        if (caption.id == id) {
            return QString::fromUtf8(language == InterfaceLanguage::kEnglish ? caption.english
                                                                             : caption.chinese);
        }
    }
    return {};
}

}  // namespace tolvane::gui
