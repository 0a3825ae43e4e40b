// The captions of gui/model's dialog caption tables as Qt shows them.
#pragma once

#include <QString>
#include <span>

#include "gui/model/DialogCaptions.h"

namespace tolvane::gui {

// The caption of control `id` in the language; empty for a control the table lacks.
inline QString CaptionOf(std::span<const DialogCaption> captions, int id,
                         InterfaceLanguage language) {
    const std::string_view caption = CaptionText(captions, id, language);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace tolvane::gui
