// UTF-8 source: the Chinese font name is written as the layouts name it.
#include "widgets/DialogFont.h"

#include <QFontMetrics>

namespace tolvane::gui {

void InstallFontSubstitutes() {
    // Liberation Sans has the metrics of the common Windows sans-serif faces, so dialog
    // units come out close to the original; the CJK families cover the Chinese texts.
    const QStringList cjk = {"Noto Sans CJK SC", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei",
                             "Droid Sans Fallback"};
    QFont::insertSubstitutions(kDialogFontFamily,
                               QStringList{"Liberation Sans", "Arimo", "DejaVu Sans"} + cjk);
    QFont::insertSubstitutions(QString::fromUtf8(kHeitiFamily), cjk + QStringList{"DejaVu Sans"});
}

QFont DialogFont() {
    QFont font(kDialogFontFamily, 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont HeitiFont(int pointSize) {
    QFont font(QString::fromUtf8(kHeitiFamily), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogUnitConverter ConverterFor(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return DialogUnitConverter(BaseUnitsFromFont(letters, metrics.height()));
}

void PlaceControl(QWidget& widget, const DialogUnitConverter& converter, const DialogRect& rect) {
    widget.setGeometry(ToQRect(converter.ToPixels(rect)));
}

}  // namespace tolvane::gui
