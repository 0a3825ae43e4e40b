// UTF-8 source: the Chinese captions are written as they are shown.
#include "gui/qt/widgets/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QtMath>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/CommandTable.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// Words in pictures: the Chinese face for Chinese words, else the dialog's face, which
// is much quicker to load than a CJK face on the English interface's first paint.
QFont PictureFont(bool chinese) {
    return chinese ? HeitiFont(9) : DialogFont();
}

const QColor kInk = ToQColor(kArtworkInk);
const QColor kAlarm = ToQColor(kArtworkAlarm);
const QColor kHotBackground = ToQColor(kToolbarHotBackground);

QString ArtworkPath(const char* name) {
    return QStringLiteral(":/artwork/%1.svg").arg(QLatin1String(name));
}

// Each artwork file is parsed once and kept for the program's life.
void RenderSvg(QPainter& painter, const char* name, const QRectF& where) {
    static std::map<std::string, std::unique_ptr<QSvgRenderer>> renderers;
    auto& renderer = renderers[name];
    if (!renderer) {
        renderer = std::make_unique<QSvgRenderer>(ArtworkPath(name));
    }
    renderer->render(&painter, where);
}

QPixmap Transparent(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap Greyed(const QPixmap& source) {
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            const int grey = DisabledGrey(Rgb{static_cast<std::uint8_t>(colour.red()),
                                              static_cast<std::uint8_t>(colour.green()),
                                              static_cast<std::uint8_t>(colour.blue())});
            image.setPixelColor(x, y, QColor(grey, grey, grey, colour.alpha() / 2));
        }
    }
    return QPixmap::fromImage(image);
}

QPixmap DrawToolbarImage(const ToolbarStrip& strip, int index) {
    QPixmap pixmap = Transparent(kToolbarImageSize, kToolbarImageSize);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        if (strip.look == ToolbarLook::kHot) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kHotBackground);
            painter.drawRoundedRect(QRectF(0.5, 0.5, 35, 35), 4, 4);
        }
        RenderSvg(painter, ToolbarIconNames()[static_cast<std::size_t>(index)],
                  QRectF(ToQRect(kToolbarIconPlace)));
        painter.setFont(PictureFont(strip.language == InterfaceLanguage::kChinese));
        painter.setPen(kInk);
        const auto label = ToolbarLabel(
            MainToolbar(strip.language)[static_cast<std::size_t>(index)], strip.language);
        painter.drawText(ToQRect(kToolbarLabelPlace), Qt::AlignHCenter | Qt::AlignTop,
                         FromUtf8(label));
    }
    return strip.look == ToolbarLook::kDisabled ? Greyed(pixmap) : pixmap;
}

QPixmap DrawConnectionPicture(const ConnectionArtwork& picture) {
    QPixmap pixmap = Transparent(kConnectionPictureWidth, kConnectionPictureHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderSvg(painter, std::string(picture.artwork).c_str(),
              QRectF(ToQRect(kConnectionArtworkPlace)));
    painter.setFont(PictureFont(picture.chinese));
    painter.setPen(picture.connected ? kInk : kAlarm);
    // The caption is the picture's face enlarged, not a face of its own size: every other
    // size would be one more font to look up before the window first shows.
    constexpr double kCaptionScale = kConnectionCaptionScale;
    painter.scale(kCaptionScale, kCaptionScale);
    const QRectF caption(kConnectionCaptionLeft / kCaptionScale, 0,
                         (kConnectionPictureWidth - kConnectionCaptionLeft) / kCaptionScale,
                         kConnectionPictureHeight / kCaptionScale);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, FromUtf8(picture.caption));
    return pixmap;
}

QPixmap DrawLayerDial(int layer) {
    QPixmap pixmap = Transparent(kDialWidth, kDialHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kDialWidth / 2.0, kDialHeight / 2.0);
    const double outer = kDialOuterRadius;
    const double inner = kDialInnerRadius;
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    painter.setFont(PictureFont(false));
    for (int segment = 0; segment < 6; ++segment) {
        const DialSegment& look = DialSegments()[static_cast<std::size_t>(segment)];
        const double start = DialSegmentAngle(segment) - kDialSegmentSweep / 2;
        QPainterPath path;
        path.arcMoveTo(outerBox, start);
        path.arcTo(outerBox, start, kDialSegmentSweep);
        path.arcTo(innerBox, start + kDialSegmentSweep, -kDialSegmentSweep);
        path.closeSubpath();
        const bool current = segment == layer - 1;
        painter.setPen(QPen(kInk, current ? 2.0 : 1.0));
        painter.setBrush(ToQColor(DialSegmentFill(segment, current)));
        painter.drawPath(path);
        const double radians = qDegreesToRadians(DialSegmentAngle(segment));
        const double middle = (outer + inner) / 2;
        const QPointF at(centre.x() + middle * std::cos(radians),
                         centre.y() - middle * std::sin(radians));
        painter.setPen(current ? Qt::white : kInk);
        painter.drawText(QRectF(at.x() - 12, at.y() - 8, 24, 16), Qt::AlignCenter,
                         FromUtf8(look.label));
    }
    // The pointer from the hub to the current segment.
    const double radians = qDegreesToRadians(DialSegmentAngle(layer - 1));
    const QPointF tip(centre.x() + (inner - 3) * std::cos(radians),
                      centre.y() - (inner - 3) * std::sin(radians));
    painter.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(centre, 6, 6);
    return pixmap;
}

// The back of a magnetic-stripe card, for the card reader dialog: the stripe with its
// three tracks numbered, as the dialog's rows are.
QPixmap DrawCardBack() {
    QPixmap pixmap = Transparent(kCardBackWidth, kCardBackHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderSvg(painter, "card-back", QRectF(0, 0, kCardBackWidth, kCardBackHeight));
    return pixmap;
}

}  // namespace

QPixmap Picture(int resourceId) {
    if (const auto picture = FindConnectionArtwork(resourceId)) {
        return DrawConnectionPicture(*picture);
    }
    if (const int layer = LayerOfPicture(resourceId); layer != 0) {
        return DrawLayerDial(layer);
    }
    if (resourceId == ids::kCardBackPicture) {
        return DrawCardBack();
    }
    return {};
}

QPixmap ToolbarImage(int stripId, int index) {
    const auto strip = FindToolbarStrip(stripId);
    if (!strip || index < 0 || index >= kToolbarButtonCount) {
        return {};
    }
    return DrawToolbarImage(*strip, index);
}

QString PictureCaption(int resourceId) {
    if (const auto picture = FindConnectionArtwork(resourceId)) {
        return FromUtf8(picture->caption);
    }
    return {};
}

void ShowPicture(QLabel& control, int resourceId) {
    const QPixmap pixmap = Picture(resourceId);
    control.setPixmap(pixmap);
    control.resize(pixmap.size());
    control.setProperty("resourceId", resourceId);
    const QString caption = PictureCaption(resourceId);
    if (!caption.isEmpty()) {
        control.setAccessibleName(caption);
    }
}

QIcon ProgramIcon() {
    return QIcon(ArtworkPath("program"));
}

}  // namespace tolvane::gui
