#include "gui/win32/DialogTemplate.h"

namespace tolvane::gui::win32 {

namespace {

WORD Unit(int value) {
    return static_cast<WORD>(static_cast<short>(value));
}

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, const DialogRect& size, std::wstring_view title,
                               std::wstring_view fontFace, WORD pointSize) {
    words_ = {1, 0xFFFF};  // version 1 and the signature of an extended template
    Put(0);                // help id
    Put(0);                // extended style
    Put(style | DS_SETFONT);
    words_.push_back(0);  // the control count, filled in as controls come
    for (const int value : {size.x, size.y, size.width, size.height}) {
        words_.push_back(Unit(value));
    }
    words_.push_back(0);  // no menu: the window attaches one of its two at run time
    words_.push_back(0);  // the dialog manager's own window class
    PutText(title);
    words_.push_back(pointSize);
    words_.push_back(FW_NORMAL);
    words_.push_back(0x0100);  // not italic; the default character set
    PutText(fontFace);
}

void DialogTemplate::Put(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::PutText(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) {
        words_.push_back(0);
    }
}

void DialogTemplate::BeginControl(DWORD style, const DialogRect& place, int id) {
    AlignToDword();
    Put(0);  // help id
    Put(0);  // extended style
    Put(style | WS_CHILD);
    for (const int value : {place.x, place.y, place.width, place.height}) {
        words_.push_back(Unit(value));
    }
    Put(static_cast<DWORD>(id));
    ++count_;
    words_[kCountWord] = static_cast<WORD>(count_);
}

void DialogTemplate::AddControl(ControlClass kind, DWORD style, const DialogRect& place, int id,
                                std::wstring_view text) {
    BeginControl(style, place, id);
    words_.push_back(0xFFFF);
    words_.push_back(static_cast<WORD>(kind));
    PutText(text);
    words_.push_back(0);  // no creation data
}

void DialogTemplate::AddControl(std::wstring_view className, DWORD style, const DialogRect& place,
                                int id, std::wstring_view text) {
    BeginControl(style, place, id);
    PutText(className);
    PutText(text);
    words_.push_back(0);
}

}  // namespace tolvane::gui::win32
