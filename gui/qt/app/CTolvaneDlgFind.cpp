// The main window's Find: the Find window beside the panel, and what choosing one of its hits
// does on the panel (the hit's layer shown, its button framed).
#include <QScreen>

#include "gui/kit/ControlNames.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/app/CFindDlg.h"
#include "gui/qt/app/CTolvaneDlg.h"

namespace tolvane::gui {

namespace {

constexpr int kFindWindowGap = 8;  // pixels between the main window and Find

}  // namespace

void CTolvaneDlg::OnFind() {
    if (findDlg_ == nullptr) {
        findDlg_ = new CFindDlg(
            image_, language_.interfaceLanguage, [this](const FindHit& hit) { ShowFindHit(hit); },
            this);
        // The frame goes with the window that chose it.
        connect(findDlg_, &QDialog::finished, this, [this] { FrameFoundButton(0); });
        // Beside the main window, leaving the panel in sight, where the screen has room.
        const QPoint beside = frameGeometry().topRight() + QPoint(kFindWindowGap, 0);
        const QScreen* shown = screen();
        if (shown != nullptr &&
            shown->availableGeometry().contains(QRect(beside, findDlg_->size()))) {
            findDlg_->move(beside);
        }
    }
    findDlg_->Search();
    findDlg_->show();
    findDlg_->raise();
    findDlg_->activateWindow();
    if (auto* line = findDlg_->findChild<QLineEdit*>(ObjectNameFor(ids::kFindEdit))) {
        line->setFocus();
        line->selectAll();
    }
}

void CTolvaneDlg::ShowFindHit(const FindHit& hit) {
    if (IsValidLayer(hit.layer)) {
        layerSelector_->setCurrentIndex(hit.layer - 1);
    }
    FrameFoundButton(hit.button);
}

void CTolvaneDlg::FrameFoundButton(int button) {
    if (CXPButton* old = KeyButton(foundButton_)) {
        old->SetFound(false);
    }
    foundButton_ = button;
    if (CXPButton* found = KeyButton(button)) {
        found->SetFound(true);
    }
}

}  // namespace tolvane::gui
