#include "gui/qt/widgets/CXPButton.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <map>
#include <tuple>

#include "gui/model/ButtonLook.h"

namespace tolvane::gui {

namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace

const QColor CXPButton::kBorderColour = ToQColor(kButtonBorderColour);
const QColor CXPButton::kHotColour = ToQColor(kButtonHotColour);
const QColor CXPButton::kHotTextColour = ToQColor(kButtonHotTextColour);
const QColor CXPButton::kTextColour = ToQColor(kButtonTextColour);
const QColor CXPButton::kPressedTextColour = ToQColor(kButtonPressedTextColour);
const QColor CXPButton::kEdgeLightColour = ToQColor(kButtonEdgeLightColour);
const QColor CXPButton::kEdgeShadowColour = ToQColor(kButtonEdgeShadowColour);
const QColor CXPButton::kGradientLight = ToQColor(kButtonGradientLight);
const QColor CXPButton::kGradientDark = ToQColor(kButtonGradientDark);
const QColor CXPButton::kDropTargetColour(47, 158, 68);
const QColor CXPButton::kFoundColour = ToQColor(kButtonFoundColour);
const QColor CXPButton::kDiffersColour(230, 40, 20);

namespace {

constexpr int kHotRingWidth = kButtonHotRingWidth;
constexpr int kDropFrameWidth = 3;
constexpr int kFoundFrameWidth = kButtonFoundFrameWidth;

// The lower end of the hover ring, brightened for its upper end.
QColor BrightenedHot() {
    return ToQColor(kButtonHotRingTop);
}

// A rounded outline along rect's edge with 3 x 3 corners, nothing filled.
void RoundedOutline(QPainter& painter, const QRect& rect) {
    painter.setPen(CXPButton::kBorderColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
}

// Inner 3D edge: top and left in one colour, bottom and right in the other.
void Edge3d(QPainter& painter, const QRect& rect, QColor upperLeft, QColor lowerRight) {
    painter.setPen(upperLeft);
    painter.drawLine(rect.left(), rect.top(), rect.right() - 1, rect.top());
    painter.drawLine(rect.left(), rect.top(), rect.left(), rect.bottom() - 1);
    painter.setPen(lowerRight);
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
}

// Border and inner edge; returns the rectangle left inside the border.
QRect DrawBorder(QPainter& painter, const QRect& rect, QColor upperLeft, QColor lowerRight) {
    RoundedOutline(painter, rect);
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    Edge3d(painter, inner, upperLeft, lowerRight);
    return inner;
}

}  // namespace

void GradientFill(QPainter& painter, const QRect& rect, QColor from, QColor to, int span) {
    const auto channels = [](QColor colour) {
        return Rgb{static_cast<std::uint8_t>(colour.red()),
                   static_cast<std::uint8_t>(colour.green()),
                   static_cast<std::uint8_t>(colour.blue())};
    };
    const std::vector<Rgb> rows = GradientRows(channels(from), channels(to), span, rect.height());
    for (int row = 0; row < rect.height(); ++row) {
        painter.fillRect(rect.left(), rect.top() + row, rect.width(), 1,
                         ToQColor(rows[static_cast<std::size_t>(row)]));
    }
}

CXPButton::CXPButton(QWidget* parent) : QPushButton(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

namespace {

enum class Look { kRest, kHot, kPressed };

// The face of a button of this size and look: gradient, border, edges and hover ring.
QPixmap DrawFace(const QSize& size, Look look) {
    QPixmap face(size);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    const QRect item(QPoint(0, 0), size);
    QRect inner;
    if (look == Look::kPressed) {
        GradientFill(painter, item, CXPButton::kGradientDark, CXPButton::kGradientLight,
                     item.height());
        inner =
            DrawBorder(painter, item, CXPButton::kEdgeShadowColour, CXPButton::kEdgeShadowColour);
    } else {
        GradientFill(painter, item, CXPButton::kGradientLight, CXPButton::kGradientDark,
                     item.height());
        inner =
            DrawBorder(painter, item, CXPButton::kEdgeLightColour, CXPButton::kEdgeShadowColour);
    }
    if (look == Look::kHot) {
        const QRect ring = inner;
        const QRect faceInside =
            ring.adjusted(kHotRingWidth, kHotRingWidth, -kHotRingWidth, -kHotRingWidth);
        GradientFill(painter, ring, BrightenedHot(), CXPButton::kHotColour, ring.height());
        GradientFill(painter, faceInside, CXPButton::kGradientLight, CXPButton::kGradientDark,
                     ring.height());
        RoundedOutline(painter, ring.adjusted(-1, -1, 1, 1));
    }
    return face;
}

// A frame the panel puts inside a button's border to mark it (where a drag would land, the
// hit Find has chosen), with the face tinted under it or not.
void MarkFrame(QPainter& painter, const QRect& rect, const QColor& colour, int width, bool tinted) {
    const double inset = width / 2.0 + 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width));
    painter.setBrush(tinted ? QColor(colour.red(), colour.green(), colour.blue(), 60)
                            : QColor(Qt::transparent));
    painter.drawRoundedRect(QRectF(rect).adjusted(inset, inset, -inset, -inset), 2, 2);
    painter.restore();
}

// The panel has 84 buttons of three sizes: each face is drawn once and reused.
const QPixmap& Face(const QSize& size, Look look) {
    static std::map<std::tuple<int, int, Look>, QPixmap> faces;
    const auto key = std::make_tuple(size.width(), size.height(), look);
    auto found = faces.find(key);
    if (found == faces.end()) {
        found = faces.emplace(key, DrawFace(size, look)).first;
    }
    return found->second;
}

// Room around the caption, so it never touches the border.
constexpr int kCaptionMargin = 3;

// The caption as it fits the face: on one line when it can be; a caption with spaces (a
// legend label such as "X REPORT") over as many lines as the face has room for; else ended
// with an ellipsis.
QString FittedCaption(const QString& text, const QFontMetrics& metrics, const QSize& room) {
    const int width = room.width() - 2 * kCaptionMargin;
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    const int lines = std::max(1, (room.height() - 2 * kCaptionMargin) / metrics.lineSpacing());
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    QStringList wrapped;
    for (const QString& word : words) {
        if (!wrapped.isEmpty() && metrics.horizontalAdvance(wrapped.back() + ' ' + word) <= width) {
            wrapped.back() += ' ' + word;
        } else {
            wrapped << word;
        }
    }
    if (wrapped.size() > 1 && wrapped.size() <= lines) {
        for (QString& line : wrapped) {
            line = metrics.elidedText(line, Qt::ElideRight, width);
        }
        return wrapped.join('\n');
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

// Inside the border and the hover ring, so the focus frame shows on every look.
constexpr int kFocusInset = 4;

// The number small in the top left corner, clear of a centred one-line caption.
void DrawNumber(QPainter& painter, const QRect& rect, int number, const QColor& colour) {
    QFont small = painter.font();
    small.setPixelSize(std::max(7, rect.height() / 4));
    painter.setFont(small);
    painter.setPen(colour);
    painter.drawText(rect.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(number));
}

}  // namespace

void CXPButton::paintEvent(QPaintEvent*) {
    if (isDown()) {
        isHot_ = false;
    }
    const Look look = isDown() ? Look::kPressed : isHot_ ? Look::kHot : Look::kRest;
    const QColor caption = look == Look::kPressed ? kPressedTextColour
                           : look == Look::kHot   ? kHotTextColour
                                                  : kTextColour;
    QPainter painter(this);
    painter.drawPixmap(0, 0, Face(size(), look));
    if (isDropTarget_) {
        MarkFrame(painter, rect(), kDropTargetColour, kDropFrameWidth, /*tinted=*/true);
    }
    if (differs_) {
        // Inside the Find frame, so that a found button that also differs shows both.
        QPen dashed(kDiffersColour, kFoundFrameWidth, Qt::DashLine);
        painter.setPen(dashed);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
    if (isFound_) {
        MarkFrame(painter, rect(), kFoundColour, kFoundFrameWidth, /*tinted=*/false);
    }
    if (hasFocus()) {
        painter.setPen(QPen(kBorderColour, 1, Qt::DotLine));
        painter.drawRect(
            rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    }
    painter.setPen(caption);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, FittedCaption(text(), fontMetrics(), size()));
    if (numberShown_) {
        DrawNumber(painter, rect(), number_, caption);
    }
}

void CXPButton::SetHot(bool hot) {
    SetMark(isHot_, hot);
}

void CXPButton::SetNumber(int number, bool shown) {
    if (number_ != number || numberShown_ != shown) {
        number_ = number;
        numberShown_ = shown;
        update();
    }
}

void CXPButton::SetMark(bool& mark, bool on) {
    if (mark != on) {
        mark = on;
        update();
    }
}

void CXPButton::SetDropTarget(bool target) {
    SetMark(isDropTarget_, target);
}

void CXPButton::SetFound(bool found) {
    SetMark(isFound_, found);
}

void CXPButton::SetDiffers(bool differs) {
    SetMark(differs_, differs);
}

void CXPButton::BecomeHot() {
    if (!isHot_) {
        isHot_ = true;
        update();
    }
}

void CXPButton::mouseMoveEvent(QMouseEvent* event) {
    BecomeHot();
    QPushButton::mouseMoveEvent(event);
}

void CXPButton::enterEvent(QEnterEvent* event) {
    BecomeHot();
    QPushButton::enterEvent(event);
}

void CXPButton::leaveEvent(QEvent* event) {
    isHot_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void CXPButton::mousePressEvent(QMouseEvent* event) {
    isHot_ = false;
    QPushButton::mousePressEvent(event);
}

}  // namespace tolvane::gui
