// UTF-8 source: the Chinese captions are written as they are shown.
#include "widgets/Artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <optional>

#include "model/CommandTable.h"
#include "resources/ResourceIds.h"
#include "widgets/ControlNames.h"
#include "widgets/DialogFont.h"

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
    "new", "open", "save", "write", "read", "card", "help", "quit"};

struct ConnectionPicture {
    int id;
    bool connected;
    const char* caption;
};

constexpr std::array<ConnectionPicture, 4> kConnectionPictures = {{
    {ids::kChineseFoundPicture, true, "USB已连接..."},
    {ids::kEnglishFoundPicture, true, "USB Connected..."},
    {ids::kChineseNotFoundPicture, false, "USB未连接..."},
    {ids::kEnglishNotFoundPicture, false, "USB Unconnected..."},
}};

const QColor kInk(0x24, 0x41, 0x5f);
const QColor kAlarm(0xc9, 0x2a, 0x2a);
const QColor kHotBackground(0xff, 0xe3, 0xc2);

QString ArtworkPath(const char* name) {
    return QStringLiteral(":/artwork/%1.svg").arg(QLatin1String(name));
}

void RenderSvg(QPainter& painter, const char* name, const QRectF& where) {
    QSvgRenderer renderer(ArtworkPath(name));
    renderer.render(&painter, where);
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
        QFont font = HeitiFont(7);
        font.setPixelSize(11);
        painter.setFont(font);
        painter.setPen(kInk);
        const auto label = MainToolbar(strip.language)[static_cast<std::size_t>(index)].label;
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
    QFont font = HeitiFont(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(picture.connected ? kInk : kAlarm);
    painter.drawText(QRect(192, 0, kConnectionPictureWidth - 192, kConnectionPictureHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(picture.caption));
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
    return {};
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

QIcon ProgramIcon() {
    return QIcon(ArtworkPath("program"));
}

}  // namespace tolvane::gui
