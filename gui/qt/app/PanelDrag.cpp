#include "gui/qt/app/PanelDrag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "gui/qt/app/CTolvaneDlg.h"

namespace tolvane::gui {

namespace {

constexpr double kPictureOpacity = 0.85;
constexpr double kPictureScale = 0.8;
constexpr int kBadgeRadius = 6;
// The picture hangs below and right of the pointer, so the target stays in sight.
constexpr QPoint kPictureOffset(10, 12);

bool CtrlHeld(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ControlModifier);
}

bool ShiftHeld(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ShiftModifier);
}

// The modifiers held once the key has gone down or up: platforms differ in whether a Ctrl
// or Shift key's own event counts it already.
Qt::KeyboardModifiers ModifiersAfter(const QKeyEvent& key) {
    Qt::KeyboardModifiers modifiers = key.modifiers();
    const Qt::KeyboardModifier own = key.key() == Qt::Key_Control ? Qt::ControlModifier
                                     : key.key() == Qt::Key_Shift ? Qt::ShiftModifier
                                                                  : Qt::NoModifier;
    if (own != Qt::NoModifier) {
        modifiers.setFlag(own, key.type() == QEvent::KeyPress);
    }
    return modifiers;
}

// A round mark in the picture's corner: "+" for a copy, two arrows for a swap, none for a
// move, as the desktop marks its own copies.
void DrawBadge(QPainter& painter, const QPointF& centre, DropAction action) {
    if (action == DropAction::kMove) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(CXPButton::kDropTargetColour);
    painter.drawEllipse(centre, kBadgeRadius, kBadgeRadius);
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    const double r = kBadgeRadius - 2.5;
    if (action == DropAction::kCopy) {
        painter.drawLine(centre + QPointF(-r, 0), centre + QPointF(r, 0));
        painter.drawLine(centre + QPointF(0, -r), centre + QPointF(0, r));
        return;
    }
    // Two arrows, one each way.
    const QPointF upper = centre + QPointF(0, -1.6);
    const QPointF lower = centre + QPointF(0, 1.6);
    painter.drawLine(upper + QPointF(-r, 0), upper + QPointF(r, 0));
    painter.drawLine(upper + QPointF(r, 0), upper + QPointF(r - 2, -1.6));
    painter.drawLine(lower + QPointF(-r, 0), lower + QPointF(r, 0));
    painter.drawLine(lower + QPointF(-r, 0), lower + QPointF(-r + 2, 1.6));
}

}  // namespace

PanelDrag::PanelDrag(CTolvaneDlg& window, DropHandler onDrop)
    : window_(window), onDrop_(std::move(onDrop)) {}

PanelDrag::~PanelDrag() {
    End();
}

int PanelDrag::KeyButtonOf(const QObject* watched) const {
    for (int button = 1; button <= ButtonCount; ++button) {
        if (window_.KeyButton(button) == watched) {
            return button;
        }
    }
    return 0;
}

// Only shown buttons take a drop: a hidden one lies under the key information box, where
// the user sees no button.
int PanelDrag::ShownButtonAt(const QPoint& screenPoint) const {
    for (int button = 1; button <= ButtonCount; ++button) {
        const CXPButton* key = window_.KeyButton(button);
        if (key->isVisible() &&
            QRect(key->mapToGlobal(QPoint(0, 0)), key->size()).contains(screenPoint)) {
            return button;
        }
    }
    return 0;
}

bool PanelDrag::Handle(QObject* watched, QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress: {
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            if (mouse.button() == Qt::LeftButton) {
                pressed_ = KeyButtonOf(watched);
                pressPoint_ = mouse.globalPosition().toPoint();
            }
            return false;
        }
        case QEvent::MouseMove: {
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            return OnMove(mouse.globalPosition().toPoint(), mouse.buttons(), mouse.modifiers());
        }
        case QEvent::MouseButtonRelease: {
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            if (mouse.button() == Qt::LeftButton) {
                OnRelease(mouse.globalPosition().toPoint(), mouse.modifiers());
            }
            return false;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            if (!Active()) {
                return false;
            }
            const auto& key = static_cast<const QKeyEvent&>(event);
            if (key.key() == Qt::Key_Escape) {
                End();
                pressed_ = 0;
                return true;
            }
            Follow(lastPoint_, ModifiersAfter(key));
            return false;
        }
        default:
            return false;
    }
}

bool PanelDrag::OnMove(const QPoint& screenPoint, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers) {
    if (pressed_ == 0) {
        return false;
    }
    if (!buttons.testFlag(Qt::LeftButton)) {
        // The release went elsewhere (another window took the pointer): no drop.
        End();
        pressed_ = 0;
        return false;
    }
    if (!Active() &&
        (screenPoint - pressPoint_).manhattanLength() < QApplication::startDragDistance()) {
        return false;
    }
    if (!Active()) {
        Start();
    }
    Follow(screenPoint, modifiers);
    // The pressed button must not see the pointer come back and take itself for clicked.
    return true;
}

void PanelDrag::OnRelease(const QPoint& screenPoint, Qt::KeyboardModifiers modifiers) {
    if (!Active()) {
        pressed_ = 0;
        return;
    }
    Follow(screenPoint, modifiers);
    const int dragged = pressed_;
    const int target = target_;
    const DropAction action = action_;
    End();
    pressed_ = 0;
    if (target != 0) {
        onDrop_(dragged, target, action);
    }
}

void PanelDrag::Start() {
    CXPButton* dragged = window_.KeyButton(pressed_);
    dragged->setDown(false);  // the release over it is no click
    picture_ = new QLabel(&window_);
    picture_->setObjectName("dragPicture");
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    action_ = DropAction::kMove;
    DrawPicture();
    picture_->show();
    picture_->raise();
}

void PanelDrag::DrawPicture() {
    const QPixmap whole = window_.KeyButton(pressed_)->grab();
    const QPixmap face =
        whole.scaled(whole.size() * kPictureScale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap picture(face.size() + QSize(kBadgeRadius, kBadgeRadius));
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setOpacity(kPictureOpacity);
        painter.drawPixmap(0, 0, face);
        painter.setOpacity(1);
        DrawBadge(painter, QPointF(face.width(), face.height()), action_);
    }
    picture_->setPixmap(picture);
    // What the drop will do, for accessibility tools and tests.
    picture_->setAccessibleName(action_ == DropAction::kCopy   ? QStringLiteral("copy")
                                : action_ == DropAction::kSwap ? QStringLiteral("swap")
                                                               : QStringLiteral("move"));
    picture_->resize(picture.size());
}

void PanelDrag::Follow(const QPoint& screenPoint, Qt::KeyboardModifiers modifiers) {
    if (!Active()) {
        return;
    }
    lastPoint_ = screenPoint;
    const int under = ShownButtonAt(screenPoint);
    SetTarget(under == pressed_ ? 0 : under);
    const DropAction action = DropActionFor(CtrlHeld(modifiers), ShiftHeld(modifiers));
    if (action != action_) {
        action_ = action;
        DrawPicture();
    }
    picture_->move(window_.mapFromGlobal(screenPoint) + kPictureOffset);
}

void PanelDrag::SetTarget(int button) {
    if (button == target_) {
        return;
    }
    if (CXPButton* old = window_.KeyButton(target_)) {
        old->SetDropTarget(false);
    }
    target_ = button;
    if (CXPButton* now = window_.KeyButton(target_)) {
        now->SetDropTarget(true);
    }
}

void PanelDrag::End() {
    SetTarget(0);
    delete picture_;
    picture_ = nullptr;
}

}  // namespace tolvane::gui
