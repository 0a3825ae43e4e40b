// The main window's button panel: layer selection, hover text, button clicks, the button
// context menu, copy and paste, drops, the arrow keys between the buttons and the list of the
// buttons the panel does not show. What each does to the image is decided by the
// core's ButtonPanel and ButtonClipboard; this file turns pointer and menu events into those
// calls, refreshes what they touched and records each change as one undo step.
#include <QMenu>
#include <QMouseEvent>
#include <numeric>

#include "gui/kit/ControlNames.h"
#include "gui/model/ButtonMenuEdits.h"
#include "gui/model/CommandTable.h"
#include "gui/model/MainWindowLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/Shortcuts.h"
#include "gui/qt/app/CLegendLabelDlg.h"
#include "gui/qt/app/CTolvaneDlg.h"
#include "gui/qt/app/CUnshownButtonsDlg.h"
#include "gui/qt/app/PanelDrag.h"
#include "gui/qt/keyprog/RunKeyDialog.h"
#include "gui/qt/widgets/Artwork.h"
#include "gui/qt/widgets/Prompter.h"
#include "tolvane/app/ButtonPanel.h"
#include "tolvane/legend/ReadableText.h"

namespace tolvane::gui {

namespace {

QAction* AddItem(QMenu& menu, int id, const QString& text) {
    QAction* action = menu.addAction(text);
    action->setObjectName(ObjectNameFor(id));
    return action;
}

int IdOf(const QAction* action) {
    if (action == nullptr || !action->objectName().startsWith(ids::kObjectNamePrefix)) {
        return 0;
    }
    return action->objectName().mid(2).toInt();
}

}  // namespace

// Every mouse move over any part of the window runs the hover handling, and a right
// button released over any part of it opens the context menu: the window watches the
// pointer for all of its children.
void CTolvaneDlg::WatchPointerEverywhere(QWidget& root) {
    root.setMouseTracking(true);
    root.installEventFilter(this);
    for (QWidget* child : root.findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

// A press or release that a child leaves unhandled goes on to its parents, and the filter
// sees it again at each of them: only its first delivery counts, so one click opens one menu.
bool CTolvaneDlg::SeenBefore(const QMouseEvent& mouse) {
    const std::pair<int, quint64> click{mouse.type(), mouse.timestamp()};
    const bool seen = click == lastRightClick_;
    lastRightClick_ = click;
    return seen;
}

bool CTolvaneDlg::eventFilter(QObject* watched, QEvent* event) {
    // A drag takes the pointer and the keys it needs, after the hover handling has seen them.
    const bool dragTakesIt = drag_ && drag_->Handle(watched, *event);
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint screenPoint = mouse->globalPosition().toPoint();
        const bool rightButton = mouse->button() == Qt::RightButton;
        if (type == QEvent::MouseMove) {
            OnHover(screenPoint);
        } else if (rightButton && !SeenBefore(*mouse) &&
                   (type == QEvent::MouseButtonRelease || watched == this)) {
            // Released over any part of the window, or pressed on the window's own surface.
            OnContextMenu(screenPoint);
        }
    } else if (type == QEvent::FocusIn || (type == QEvent::KeyPress && !dragTakesIt)) {
        const int button = KeyButtonOf(watched);
        if (button != 0 && type == QEvent::FocusIn) {
            ShowKeyInfo(button);  // the hover text follows the keyboard focus
        } else if (button != 0 && OnPanelKey(button, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return dragTakesIt || QDialog::eventFilter(watched, event);
}

int CTolvaneDlg::KeyButtonOf(const QObject* watched) const {
    for (int button = 1; button <= ButtonCount; ++button) {
        if (m_keyButtons[static_cast<std::size_t>(button)] == watched) {
            return button;
        }
    }
    return 0;
}

bool CTolvaneDlg::OnPanelKey(int button, const QKeyEvent& key) {
    if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) {
        return false;
    }
    PanelDirection direction{};
    switch (key.key()) {
        case Qt::Key_Left:
            direction = PanelDirection::kLeft;
            break;
        case Qt::Key_Right:
            direction = PanelDirection::kRight;
            break;
        case Qt::Key_Up:
            direction = PanelDirection::kUp;
            break;
        case Qt::Key_Down:
            direction = PanelDirection::kDown;
            break;
        default:
            return false;
    }
    FocusKeyButton(NeighbourKeyButton(button, direction));
    return true;
}

// One panel button at a time is in the Tab chain, the one last focused: Tab reaches the
// panel once and the arrow keys move about it.
void CTolvaneDlg::FocusKeyButton(int button) {
    CXPButton* target = KeyButton(button);
    if (target == nullptr) {
        return;
    }
    for (CXPButton* key : m_keyButtons) {
        if (key != nullptr && key != target) {
            key->setFocusPolicy(Qt::NoFocus);
        }
    }
    target->setFocusPolicy(Qt::TabFocus);
    target->setFocus(Qt::TabFocusReason);
}

int CTolvaneDlg::ButtonAt(const QPoint& screenPoint) const {
    for (int button = 1; button <= ButtonCount; ++button) {
        const CXPButton* key = m_keyButtons[static_cast<std::size_t>(button)];
        if (QRect(key->mapToGlobal(QPoint(0, 0)), key->size()).contains(screenPoint)) {
            return button;
        }
    }
    return 0;
}

void CTolvaneDlg::OnHover(const QPoint& screenPoint) {
    const int button = ButtonAt(screenPoint);
    UpdateHotButton(button);
    ShowKeyInfo(button);
}

void CTolvaneDlg::ShowKeyInfo(int button) {
    infoButton_ = button;
    const QString text =
        button == 0 ? QString() : FromUtf8(HoverText(image_, button, language_.interfaceLanguage));
    if (keyInfo_->toPlainText() != text) {
        keyInfo_->setPlainText(text);
    }
}

void CTolvaneDlg::UpdateHotButton(int button) {
    for (int other = 1; other <= ButtonCount; ++other) {
        CXPButton* key = m_keyButtons[static_cast<std::size_t>(other)];
        key->SetHot(other == button && key->isVisible());
    }
}

void CTolvaneDlg::ShowLayerPicture(int layer) {
    ShowPicture(*layerPicture_, LayerPictureId(layer));
}

void CTolvaneDlg::OnLayerSelected(const QString& selectorText) {
    RefreshButtons(SelectLayer(image_, selectorText.toStdString()));
    ShowLayerPicture(image_.selection.currentLayer);
}

void CTolvaneDlg::OnKeyButtonClicked(int button) {
    PrepareKeyDialogForButton(image_, button);
    if (RunKeyDialogForButton(this, image_, language_, locations_, button)) {
        RefreshButtons({image_.selection.currentButton});
    }
    // Cancel puts the button back as it was, so only a confirmed change makes a step.
    RecordStep(EditStep::kKeyProgramming, {std::to_string(button)});
}

void CTolvaneDlg::OnContextMenu(const QPoint& screenPoint) {
    if (const int button = ButtonAt(screenPoint)) {
        OnButtonContextMenu(button, screenPoint);
    }
}

void CTolvaneDlg::OnButtonContextMenu(int button, const QPoint& screenPoint) {
    QMenu menu(this);
    menu.setObjectName("buttonContextMenu");
    for (const MenuItem& item : ButtonContextMenu()) {
        AddItem(menu, item.id, FromUtf8(MenuItemText(item, language_.interfaceLanguage)));
    }
    menu.addSeparator();
    for (const ClipboardMenuItem& item : ButtonClipboardMenu()) {
        const std::string shortcut = ShortcutLabel(item.shortcut);
        AddItem(menu, item.id,
                Text(item.text) + (shortcut.empty() ? QString() : "\t" + FromUtf8(shortcut)))
            ->setEnabled(item.id != ids::kContextPaste || clipboard_.HasContent());
    }
    const int chosen = IdOf(Prompts().PopUp(menu, screenPoint));
    if (const auto edit = ApplyButtonMenuEdit(image_, button, chosen,
                                              [&] { return ChooseLayerEntry(screenPoint); })) {
        RefreshButtons(edit->touched);
        RecordStep(edit->step);
        return;
    }
    switch (chosen) {
        case ids::kContextCopyButton:
            OnCopy(button, true);
            break;
        case ids::kContextCopyLayer:
            OnCopy(button, false);
            break;
        case ids::kContextPaste:
            OnPaste(button);
            break;
        case ids::kContextLegendLabel:
            OnEditLegendLabel(button);
            break;
        default:
            break;
    }
}

void CTolvaneDlg::OnCopy(int button, bool wholeButton) {
    if (wholeButton) {
        clipboard_.CopyButton(image_, button);
    } else {
        clipboard_.CopyLayer(image_, button);
    }
}

void CTolvaneDlg::OnPaste(int button) {
    RefreshButtons(clipboard_.Paste(image_, button));
    RecordStep(EditStep::kPaste);
}

void CTolvaneDlg::OnButtonDropped(int dragged, int target, DropAction action) {
    RefreshButtons(DropButton(image_, dragged, target, action));
    const EditStep step = action == DropAction::kCopy   ? EditStep::kCopyButton
                          : action == DropAction::kSwap ? EditStep::kSwapButtons
                                                        : EditStep::kMoveButton;
    RecordStep(step, {std::to_string(dragged), std::to_string(target)});
}

int CTolvaneDlg::FocusedKeyButton() const {
    int hot = 0;
    for (int button = 1; button <= ButtonCount; ++button) {
        const CXPButton* key = m_keyButtons[static_cast<std::size_t>(button)];
        if (key->hasFocus()) {
            return button;
        }
        if (key->IsHot() && key->isVisible()) {
            hot = button;
        }
    }
    return hot;
}

// The layer submenu: the id of the entry chosen, 0 when none.
int CTolvaneDlg::ChooseLayerEntry(const QPoint& screenPoint) {
    QMenu layers(this);
    layers.setObjectName("layerSubmenu");
    for (int layer = 1; layer <= LayerCount; ++layer) {
        AddItem(layers, ids::kContextFirstLayer + layer - 1, Text(*LayerMenuItem(layer)));
    }
    return IdOf(Prompts().PopUp(layers, screenPoint));
}

// The label of the button on the current layer: not the keyboard's programming, but an edit
// of the layout like any other, so one undo step.
void CTolvaneDlg::OnEditLegendLabel(int button) {
    const int layer = image_.selection.currentLayer;
    CLegendLabelDlg dialog(
        button, layer, labels_->Of(button, layer),
        ReadableTextOf(image_.buttons[static_cast<std::size_t>(button)].Codes(layer)),
        language_.interfaceLanguage, this);
    if (Prompts().RunModal(dialog) == QDialog::Accepted) {
        labels_->Set(button, layer, dialog.Label());
        RefreshButtons({button});
        RecordStep(EditStep::kLegendLabel, {std::to_string(button)});
    }
}

void CTolvaneDlg::RefreshButtons(const std::vector<int>& buttons) {
    const InterfaceLanguage language = language_.interfaceLanguage;
    for (const int button : buttons) {
        CXPButton* key = KeyButton(button);
        if (key == nullptr) {
            continue;
        }
        const std::string caption = PanelCaption(image_, *labels_, button, showLegendLabels_);
        key->setText(FromUtf8(caption));
        key->setToolTip(FromUtf8(ToolTipText(image_, *labels_, button, language)));
        key->setAccessibleName(FromUtf8(PanelButtonAccessibleName(button, caption, language)));
        key->setAccessibleDescription(FromUtf8(HoverText(image_, button, language)));
        key->SetNumber(button, showButtonNumbers_);
        if (button == infoButton_) {
            ShowKeyInfo(button);
        }
    }
}

void CTolvaneDlg::OnUnshownButtons() {
    CUnshownButtonsDlg dialog(
        image_, language_.interfaceLanguage, [this](int button) { OnKeyButtonClicked(button); },
        [this](int button, const QPoint& at) { OnButtonContextMenu(button, at); }, this);
    Prompts().RunModal(dialog);
}

void CTolvaneDlg::RefreshAllButtons() {
    std::vector<int> all(ButtonCount);
    std::iota(all.begin(), all.end(), 1);
    RefreshButtons(all);
}

}  // namespace tolvane::gui
