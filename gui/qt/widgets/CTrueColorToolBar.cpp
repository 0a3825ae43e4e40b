#include "gui/qt/widgets/CTrueColorToolBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIconEngine>
#include <QPainter>
#include <QToolButton>
#include <array>

#include "gui/kit/ControlNames.h"
#include "gui/qt/widgets/Artwork.h"

namespace tolvane::gui {

CTrueColorToolBar::CTrueColorToolBar(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 6);  // where a toolbar of the style would put them
    row->setSpacing(1);
    row->addStretch();
}

namespace {

// Room between two groups of buttons, as a toolbar's separator takes it.
constexpr int kGroupSpacing = 8;

}  // namespace

void CTrueColorToolBar::LoadButtons(int toolbarId, std::span<const ToolbarButton> buttons,
                                    InterfaceLanguage language) {
    auto* row = static_cast<QHBoxLayout*>(layout());
    for (QAction* action : actions_) {
        delete action->parent();  // the button, and the action with it
    }
    actions_.clear();
    // Only the stretch at the end stays: the spacing between groups goes with its buttons.
    while (row->count() > 1) {
        delete row->takeAt(0);
    }
    setObjectName(ObjectNameFor(toolbarId));
    setAccessibleName(QStringLiteral("Toolbar"));
    for (const ToolbarButton& button : buttons) {
        const QString label = FromUtf8(ToolbarLabel(button, language));
        if (button.startsGroup) {
            row->insertSpacing(row->count() - 1, kGroupSpacing);
        }
        auto* tool = new QToolButton(this);
        auto* action = new QAction(label, tool);
        action->setObjectName(ObjectNameFor(button.id));
        action->setToolTip(label);
        action->setStatusTip(label);
        const int id = button.id;
        connect(action, &QAction::triggered, this, [this, id] { emit CommandChosen(id); });
        tool->setDefaultAction(action);
        tool->setObjectName(ObjectNameFor(button.id));
        tool->setAccessibleName(label);
        tool->setAutoRaise(true);
        tool->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);  // the label is part of the image
        tool->setFocusPolicy(Qt::NoFocus);
        row->insertWidget(row->count() - 1, tool);  // before the stretch
        actions_.push_back(action);
    }
}

namespace {

// A button's images from the three strips, each drawn the first time it is shown: most
// buttons are never seen hot or disabled.
class StripIconEngine final : public QIconEngine {
  public:
    StripIconEngine(std::array<int, 3> strips, int index) : strips_(strips), index_(index) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->drawPixmap(rect, Image(mode));
    }
    QPixmap pixmap(const QSize&, QIcon::Mode mode, QIcon::State) override { return Image(mode); }
    QSize actualSize(const QSize&, QIcon::Mode, QIcon::State) override {
        return {kToolbarImageSize, kToolbarImageSize};
    }
    QIconEngine* clone() const override { return new StripIconEngine(*this); }

  private:
    const QPixmap& Image(QIcon::Mode mode) {
        const std::size_t strip = mode == QIcon::Active ? 1 : mode == QIcon::Disabled ? 2 : 0;
        if (images_[strip].isNull()) {
            images_[strip] = ToolbarImage(strips_[strip], index_);
        }
        return images_[strip];
    }

    std::array<int, 3> strips_;
    int index_;
    std::array<QPixmap, 3> images_;
};

}  // namespace

void CTrueColorToolBar::SetImageStrips(int normalStrip, int hotStrip, int disabledStrip) {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        actions_[i]->setIcon(QIcon(
            new StripIconEngine({normalStrip, hotStrip, disabledStrip}, static_cast<int>(i))));
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
