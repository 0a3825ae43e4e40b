// The push button of the button panel. It draws itself: a vertical gradient inside a
// rounded dark border, the gradient turned upside down while pressed, an orange ring while
// the pointer is over it, a green frame while a dragged button would land on it, a magenta
// one while it is the hit Find has chosen, a dotted frame while it has the keyboard focus, its
// number in a corner when asked, and its caption centred: on one line, or wrapped at
// its spaces when it is wider than the face and there is room, else ended with an ellipsis.
#pragma once

#include <QColor>
#include <QPushButton>

namespace tolvane::gui {

class CXPButton : public QPushButton {
    Q_OBJECT

  public:
    explicit CXPButton(QWidget* parent = nullptr);

    bool IsHot() const { return isHot_; }
    // The panel decides which button the pointer is over: only that one is hot.
    void SetHot(bool hot);

    // The button's number, drawn small in its top left corner while shown.
    void SetNumber(int number, bool shown);
    bool NumberShown() const { return numberShown_; }

    // Marks the button as where a dragged button would land.
    void SetDropTarget(bool target);
    bool IsDropTarget() const { return isDropTarget_; }
    // Marks the button as the hit Find has chosen.
    void SetFound(bool found);
    bool IsFound() const { return isFound_; }

    static const QColor kBorderColour;
    static const QColor kHotColour;
    static const QColor kHotTextColour;
    static const QColor kTextColour;
    static const QColor kPressedTextColour;
    static const QColor kEdgeLightColour;
    static const QColor kEdgeShadowColour;
    static const QColor kGradientLight;
    static const QColor kGradientDark;
    static const QColor kDropTargetColour;
    static const QColor kFoundColour;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void BecomeHot();
    void SetMark(bool& mark, bool on);

    bool isHot_ = false;
    bool isDropTarget_ = false;
    bool isFound_ = false;
    int number_ = 0;
    bool numberShown_ = false;
};

// Fills rect row by row from colour `from` towards `to`: every channel moves by the integer
// step (from - to) / span before each row is drawn, so the first row is one step from
// `from`. The channels are bytes and wrap, as the drawing has always done.
void GradientFill(class QPainter& painter, const QRect& rect, QColor from, QColor to, int span);

}  // namespace tolvane::gui
