// UTF-8 source: the Chinese font name is written as the layouts name it.
#include "gui/kit/DialogFont.h"

#include <QFontMetrics>

namespace tolvane::gui {

namespace {

// Families in the order they are tried. Liberation Sans and Arimo have the metrics of the
// common Windows sans-serif faces, so dialog units come out close to the original; the
// design's own names follow for systems that have them; the CJK families cover Chinese.
// Naming installed families directly, rather than substitutes for absent ones, spares a
// font lookup per face at start-up.
const QStringList kCjkFamilies = {"Noto Sans CJK SC", "WenQuanYi Zen Hei", "WenQuanYi Micro Hei",
                                  "Droid Sans Fallback"};

QStringList DialogFamilies() {
    return QStringList{"Liberation Sans", "Arimo", kDialogFontFamily, "DejaVu Sans"} + kCjkFamilies;
}

// The Hei face is a Chinese sans-serif: its Chinese comes from the CJK families, its Latin
// letters from the dialog's faces. On an English screen the large CJK face then loads
// only when Chinese text appears.
QStringList HeitiFamilies() {
    return QStringList{"Liberation Sans", "Arimo", "DejaVu Sans"} + kCjkFamilies +
           QStringList{QString::fromUtf8(kHeitiFamily)};
}

QFont FontOf(const QStringList& families, int pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

void InstallFontSubstitutes() {
    // Text that names a design face itself (a style sheet, a rich text) finds ours too.
    QFont::insertSubstitutions(kDialogFontFamily, DialogFamilies());
    QFont::insertSubstitutions(QString::fromUtf8(kHeitiFamily), HeitiFamilies());
}

QFont DialogFont() {
    return FontOf(DialogFamilies(), 9);
}

QFont HeitiFont(int pointSize) {
    return FontOf(HeitiFamilies(), pointSize);
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
