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

enum class ToolbarLook { kNormal, kHot, kDisabled };

struct ToolbarStrip {
    int id;
    InterfaceLanguage language;
    ToolbarLook look;
};

constexpr std::array<ToolbarStrip, 6> kToolbarStrips = {{
    {ids::kChineseToolbarNormal, InterfaceLanguage::kChinese, ToolbarLook::kNormal},
    {ids::kChineseToolbarHot, InterfaceLanguage::kChinese, ToolbarLook::kHot},
    {ids::kChineseToolbarDisabled, InterfaceLanguage::kChinese, ToolbarLook::kDisabled},
    {ids::kEnglishToolbarNormal, InterfaceLanguage::kEnglish, ToolbarLook::kNormal},
    {ids::kEnglishToolbarHot, InterfaceLanguage::kEnglish, ToolbarLook::kHot},
    {ids::kEnglishToolbarDisabled, InterfaceLanguage::kEnglish, ToolbarLook::kDisabled},
}};

// The icons of the toolbar's buttons, in the toolbar's order.
constexpr std::array<const char*, kToolbarButtonCount> kToolbarIcons = {
    "new", "open", "save", "write", "read", "card", "help", "quit", "undo", "redo"};

struct ConnectionPicture {
    int id;
    bool connected;
    bool chinese;
    const char* caption;
};

constexpr std::array<ConnectionPicture, 4> kConnectionPictures = {{
    {ids::kChineseFoundPicture, true, true, "USB已连接..."},
    {ids::kEnglishFoundPicture, true, false, "USB Connected..."},
    {ids::kChineseNotFoundPicture, false, true, "USB未连接..."},
    {ids::kEnglishNotFoundPicture, false, false, "USB Unconnected..."},
}};

// Words in pictures: the Chinese face for Chinese words, else the dialog's face, which
// is much quicker to load than a CJK face on the English interface's first paint.
QFont PictureFont(bool chinese) {
    return chinese ? HeitiFont(9) : DialogFont();
}

const QColor kInk(0x24, 0x41, 0x5f);
const QColor kAlarm(0xc9, 0x2a, 0x2a);
const QColor kHotBackground(0xff, 0xe3, 0xc2);

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
            const int grey = 160 + qGray(colour.rgb()) * 95 / 255;
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
        RenderSvg(painter, kToolbarIcons[static_cast<std::size_t>(index)], QRectF(8, 1, 20, 20));
        painter.setFont(PictureFont(strip.language == InterfaceLanguage::kChinese));
        painter.setPen(kInk);
        const auto label = ToolbarLabel(
            MainToolbar(strip.language)[static_cast<std::size_t>(index)], strip.language);
        painter.drawText(QRect(0, 21, kToolbarImageSize, 15), Qt::AlignHCenter | Qt::AlignTop,
                         FromUtf8(label));
    }
    return strip.look == ToolbarLook::kDisabled ? Greyed(pixmap) : pixmap;
}

QPixmap DrawConnectionPicture(const ConnectionPicture& picture) {
    QPixmap pixmap = Transparent(kConnectionPictureWidth, kConnectionPictureHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderSvg(painter, picture.connected ? "usb-connected" : "usb-unconnected",
              QRectF(0, 0, 190, kConnectionPictureHeight));
    painter.setFont(PictureFont(picture.chinese));
    painter.setPen(picture.connected ? kInk : kAlarm);
    // The caption is the picture's face enlarged, not a face of its own size: every other
    // size would be one more font to look up before the window first shows.
    constexpr double kCaptionScale = 1.4;
    painter.scale(kCaptionScale, kCaptionScale);
    const QRectF caption(192 / kCaptionScale, 0, (kConnectionPictureWidth - 192) / kCaptionScale,
                         kConnectionPictureHeight / kCaptionScale);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(picture.caption));
    return pixmap;
}

// The keyboard's key-lock dial: a ring of six coloured segments, one per layer, with the
// pointer on the layer shown.
struct LayerDial {
    int id;
    int layer;
};

constexpr std::array<LayerDial, 6> kLayerDials = {{
    {ids::kLayer1Picture, 1},
    {ids::kLayer2Picture, 2},
    {ids::kLayer3Picture, 3},
    {ids::kLayer4Picture, 4},
    {ids::kLayer5Picture, 5},
    {ids::kLayer6Picture, 6},
}};

constexpr int kDialWidth = 93;
constexpr int kDialHeight = 90;

struct DialSegment {
    const char* label;
    QColor colour;
};

const std::array<DialSegment, 6> kDialSegments = {{
    {"L", QColor(0x4a, 0x90, 0xd9)},
    {"P", QColor(0x2f, 0x9e, 0x44)},
    {"X", QColor(0xf0, 0x8a, 0x24)},
    {"Z", QColor(0xc9, 0x2a, 0x2a)},
    {"SU", QColor(0x70, 0x48, 0xe8)},
    {"SP", QColor(0x10, 0x98, 0xad)},
}};

// Segment k (0 = L) is centred at 150 - 60k degrees, counter-clockwise from three o'clock:
// L at the upper left, then clockwise round the dial.
double SegmentAngle(int segment) {
    return 150.0 - 60.0 * segment;
}

QPixmap DrawLayerDial(int layer) {
    QPixmap pixmap = Transparent(kDialWidth, kDialHeight);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kDialWidth / 2.0, kDialHeight / 2.0);
    const double outer = 43;
    const double inner = 24;
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    painter.setFont(PictureFont(false));
    for (int segment = 0; segment < 6; ++segment) {
        const DialSegment& look = kDialSegments[static_cast<std::size_t>(segment)];
        const double start = SegmentAngle(segment) - 29;
        QPainterPath path;
        path.arcMoveTo(outerBox, start);
        path.arcTo(outerBox, start, 58);
        path.arcTo(innerBox, start + 58, -58);
        path.closeSubpath();
        const bool current = segment == layer - 1;
        painter.setPen(QPen(kInk, current ? 2.0 : 1.0));
        painter.setBrush(current ? look.colour : look.colour.lighter(160));
        painter.drawPath(path);
        const double radians = qDegreesToRadians(SegmentAngle(segment));
        const double middle = (outer + inner) / 2;
        const QPointF at(centre.x() + middle * std::cos(radians),
                         centre.y() - middle * std::sin(radians));
        painter.setPen(current ? Qt::white : kInk);
        painter.drawText(QRectF(at.x() - 12, at.y() - 8, 24, 16), Qt::AlignCenter, look.label);
    }
    // The pointer from the hub to the current segment.
    const double radians = qDegreesToRadians(SegmentAngle(layer - 1));
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

template <typename Table>
auto FindById(const Table& table, int id) -> std::optional<typename Table::value_type> {
    for (const auto& entry : table) {
        if (entry.id == id) {
            return entry;
        }
    }
    return std::nullopt;
}

}  // namespace

QPixmap Picture(int resourceId) {
    if (const auto picture = FindById(kConnectionPictures, resourceId)) {
        return DrawConnectionPicture(*picture);
    }
    if (const auto dial = FindById(kLayerDials, resourceId)) {
        return DrawLayerDial(dial->layer);
    }
    if (resourceId == ids::kCardBackPicture) {
        return DrawCardBack();
    }
    return {};
}

int LayerPictureId(int layer) {
    for (const LayerDial& dial : kLayerDials) {
        if (dial.layer == layer) {
            return dial.id;
        }
    }
    return 0;
}

QPixmap ToolbarImage(int stripId, int index) {
    const auto strip = FindById(kToolbarStrips, stripId);
    if (!strip || index < 0 || index >= kToolbarButtonCount) {
        return {};
    }
    return DrawToolbarImage(*strip, index);
}

QString PictureCaption(int resourceId) {
    if (const auto picture = FindById(kConnectionPictures, resourceId)) {
        return QString::fromUtf8(picture->caption);
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
