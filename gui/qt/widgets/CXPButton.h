// The push button of the button panel. It draws itself: a vertical gradient inside a
// rounded dark border, the gradient turned upside down while pressed, an orange ring while
// the pointer is over it, and its caption centred on one line. A button Find has chosen is
// framed in a colour of its own, inside its border.
#pragma once

#include <QColor>
#include <QPushButton>

namespace tolvane::gui {

class CXPButton : public QPushButton {
    Q_OBJECT

  public:
    explicit CXPButton(QWidget* parent = nullptr);

    bool IsHot() const { return isHot_; }
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
    static const QColor kFoundColour;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void BecomeHot();

    bool isHot_ = false;
    bool isFound_ = false;
};

// Fills rect row by row from colour `from` towards `to`: every channel moves by the integer
// step (from - to) / span before each row is drawn, so the first row is one step from
// `from`. The channels are bytes and wrap, as the drawing has always done.
void GradientFill(class QPainter& painter, const QRect& rect, QColor from, QColor to, int span);

}  // namespace tolvane::gui
