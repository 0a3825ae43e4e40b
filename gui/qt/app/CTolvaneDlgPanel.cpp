// The main window's button panel: layer selection, hover text, button clicks and the
// button context menu. What each does to the image is decided by the core's ButtonPanel;
// this file turns pointer and menu events into those calls and refreshes what they touched.
#include <QMenu>
#include <QMouseEvent>
#include <numeric>

#include "gui/kit/ControlNames.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/app/CTolvaneDlg.h"
#include "gui/qt/keyprog/RunKeyDialog.h"
#include "gui/qt/widgets/Artwork.h"
#include "gui/qt/widgets/Prompter.h"
#include "tolvane/app/ButtonPanel.h"

namespace tolvane::gui {

namespace {

constexpr std::array<std::pair<int, TextId>, 3> kContextItems = {{
    {ids::kContextDeleteCurrentLayer, TextId::kMenuDeleteCurrentLayer},
    {ids::kContextDeleteAllLayers, TextId::kMenuDeleteAllLayers},
    {ids::kContextButtonLayerSet, TextId::kMenuButtonLayerSet},
}};

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

bool CTolvaneDlg::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint screenPoint = mouse->globalPosition().toPoint();
        const bool rightButton = mouse->button() == Qt::RightButton;
        if (type == QEvent::MouseMove) {
            OnHover(screenPoint);
        } else if (rightButton && (type == QEvent::MouseButtonRelease || watched == this)) {
            // Released over any part of the window, or pressed on the window's own surface.
            OnContextMenu(screenPoint);
        }
    }
    return QDialog::eventFilter(watched, event);
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
    const QString text =
        button == 0 ? QString() : FromUtf8(HoverText(image_, button, language_.interfaceLanguage));
    if (keyInfo_->toPlainText() != text) {
        keyInfo_->setPlainText(text);
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
}

void CTolvaneDlg::OnContextMenu(const QPoint& screenPoint) {
    const int button = ButtonAt(screenPoint);
    if (button == 0) {
        return;
    }
    QMenu menu(this);
    menu.setObjectName("buttonContextMenu");
    for (const auto& [id, text] : kContextItems) {
        AddItem(menu, id, Text(text));
    }
    switch (IdOf(Prompts().PopUp(menu, screenPoint))) {
        case ids::kContextDeleteCurrentLayer:
            RefreshButtons(DeleteCurrentLayer(image_, button));
            break;
        case ids::kContextDeleteAllLayers:
            RefreshButtons(DeleteAllLayers(image_, button));
            break;
        case ids::kContextButtonLayerSet:
            RefreshButtons(
                MakeLayerKey(image_, button, static_cast<KeyCode>(ChooseLayerKey(screenPoint))));
            break;
        default:
            break;
    }
}

// The layer submenu: the code of an entry is its number plus 8, taken modulo 256
// (11108 gives 0x6C, "Layer1"). Nothing chosen gives 0, which is no layer key.
int CTolvaneDlg::ChooseLayerKey(const QPoint& screenPoint) {
    QMenu layers(this);
    layers.setObjectName("layerSubmenu");
    for (int layer = 1; layer <= LayerCount; ++layer) {
        AddItem(layers, ids::kContextFirstLayer + layer - 1, Text(*LayerMenuItem(layer)));
    }
    const int chosen = IdOf(Prompts().PopUp(layers, screenPoint));
    return chosen == 0 ? 0 : (chosen + 8) % 256;
}

void CTolvaneDlg::RefreshButtons(const std::vector<int>& buttons) {
    for (const int button : buttons) {
        if (CXPButton* key = KeyButton(button)) {
            key->setText(FromUtf8(image_.RefreshButton(button)));
            key->setToolTip(FromUtf8(ToolTipText(image_, button, language_.interfaceLanguage)));
        }
    }
}

void CTolvaneDlg::RefreshAllButtons() {
    std::vector<int> all(ButtonCount);
    std::iota(all.begin(), all.end(), 1);
    RefreshButtons(all);
}

}  // namespace tolvane::gui
