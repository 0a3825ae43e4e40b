#include "pellimore/Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

#include "pellimore/PellimoreIds.h"

// The artwork is compiled into a static library, whose resources are registered by hand.
static void RegisterArtwork() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pellimore);
        return true;
    }();
    (void)registered;
}

namespace pellimore {

QFont PellimoreFont() {
    // Installed families named first, as the desktop programmer does: no lookup of an absent
    // face at start-up.
    QFont font;
    font.setFamilies({"Liberation Sans", "Arimo", "Arial", "DejaVu Sans"});
    font.setPointSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QPixmap Picture(int resourceId) {
    if (resourceId != ids::kCardBackPicture) {
        return {};
    }
    RegisterArtwork();
    QPixmap pixmap(kCardBackWidth, kCardBackHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/pellimore/card-back.svg")).render(&painter);
    return pixmap;
}

QIcon ProgramIcon() {
    RegisterArtwork();
    return QIcon(QStringLiteral(":/pellimore/pellimore.svg"));
}

}  // namespace pellimore
