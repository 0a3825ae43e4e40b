#include "widgets/CTrueColorToolBar.h"

#include <QAction>
#include <QToolButton>

#include "widgets/Artwork.h"
#include "widgets/ControlNames.h"

namespace tolvane::gui {

CTrueColorToolBar::CTrueColorToolBar(QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);  // the label is part of the image
    setContentsMargins(1, 1, 1, 1);
}

void CTrueColorToolBar::LoadButtons(int toolbarId, std::span<const ToolbarButton> buttons) {
    clear();
    actions_.clear();
    setObjectName(ObjectNameFor(toolbarId));
    setAccessibleName(QStringLiteral("Toolbar"));
    for (const ToolbarButton& button : buttons) {
        const QString label = FromUtf8(button.label);
        QAction* action = addAction(label);
        action->setObjectName(ObjectNameFor(button.id));
        action->setToolTip(label);
        action->setStatusTip(label);
        const int id = button.id;
        connect(action, &QAction::triggered, this, [this, id] { emit CommandChosen(id); });
        if (auto* tool = qobject_cast<QToolButton*>(widgetForAction(action))) {
            tool->setObjectName(ObjectNameFor(button.id));
            tool->setAccessibleName(label);
            tool->setAutoRaise(true);
        }
        actions_.push_back(action);
    }
}

void CTrueColorToolBar::SetImageStrips(int normalStrip, int hotStrip, int disabledStrip) {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const int index = static_cast<int>(i);
        QIcon icon;
        icon.addPixmap(ToolbarImage(normalStrip, index), QIcon::Normal);
        icon.addPixmap(ToolbarImage(hotStrip, index), QIcon::Active);
        icon.addPixmap(ToolbarImage(disabledStrip, index), QIcon::Disabled);
        actions_[i]->setIcon(icon);
    }
    update();
}

QAction* CTrueColorToolBar::ActionFor(int commandId) const {
    for (QAction* action : actions_) {
        if (action->objectName() == ObjectNameFor(commandId)) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace tolvane::gui
