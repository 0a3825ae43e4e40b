// The key programming dialog's template, 130, built from gui/model's layout and caption tables:
// the group boxes under the lists they frame, the lists as report views, the lamps, the push
// buttons with the hidden default OK, the 108 on-screen keys (the Shift keys latching push-like
// check boxes, the keys card mode leaves out disabled) and the faster key entry's controls.
#pragma once

#include "gui/win32/DialogTemplate.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane::gui::win32 {

DialogTemplate KeyPadTemplate(const KeyPadSession& session, InterfaceLanguage language);

// Whether the key's legend takes two lines ("~" over "、"), set smaller.
bool IsTwoLineLegend(KeyCode code);

}  // namespace tolvane::gui::win32
