// Dragging a button of the panel onto another with the left mouse button: moved, copied
// with Ctrl held, or the two swapped with Shift held (the core's DropButton decides). Esc
// cancels it, as does letting go anywhere but over another shown button.
//
// The window follows the drag itself rather than through the desktop's drag and drop: the
// pressed button keeps the pointer, so its moves and release come through the window's
// event filter, and a drag never leaves the window. While it goes on, the button under the
// pointer is framed as the target and a picture of the dragged button, marked with what
// the drop will do, follows the pointer.
#pragma once

#include <QLabel>
#include <QPoint>
#include <functional>

#include "tolvane/app/ButtonClipboard.h"

namespace tolvane::gui {

class CTolvaneDlg;

class PanelDrag {
  public:
    using DropHandler = std::function<void(int dragged, int target, DropAction action)>;

    PanelDrag(CTolvaneDlg& window, DropHandler onDrop);
    ~PanelDrag();
    PanelDrag(const PanelDrag&) = delete;
    PanelDrag& operator=(const PanelDrag&) = delete;

    // Sees every event of the window and its children; true when the drag used it up.
    bool Handle(QObject* watched, QEvent& event);

    bool Active() const { return picture_ != nullptr; }
    // The shown button the dragged one would land on now; 0 for none.
    int Target() const { return target_; }

  private:
    int KeyButtonOf(const QObject* watched) const;
    int ShownButtonAt(const QPoint& screenPoint) const;
    bool OnMove(const QPoint& screenPoint, Qt::MouseButtons buttons,
                Qt::KeyboardModifiers modifiers);
    void OnRelease(const QPoint& screenPoint, Qt::KeyboardModifiers modifiers);
    void Start();
    void Follow(const QPoint& screenPoint, Qt::KeyboardModifiers modifiers);
    void SetTarget(int button);
    void DrawPicture();
    void End();

    CTolvaneDlg& window_;
    DropHandler onDrop_;
    int pressed_ = 0;    // the button the left button went down on
    QPoint pressPoint_;  // there, in screen coordinates
    QPoint grabOffset_;  // there, on the button
    QPoint lastPoint_;   // where the pointer was last seen, for the keys' changes
    int target_ = 0;
    DropAction action_ = DropAction::kMove;
    QLabel* picture_ = nullptr;  // a child of the window while the drag goes on
};

}  // namespace tolvane::gui
