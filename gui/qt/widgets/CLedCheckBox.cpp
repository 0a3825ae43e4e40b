#include "gui/qt/widgets/CLedCheckBox.h"

#include <QPainter>

namespace tolvane::gui {

const QColor CLedCheckBox::kOffColour(0x2f, 0x4a, 0x2f);
const QColor CLedCheckBox::kOnColour(0x3c, 0xe0, 0x3c);

CLedCheckBox::CLedCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CLedCheckBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int diameter = std::min(height(), fontMetrics().height()) - 2;
    const QRectF light(1, (height() - diameter) / 2.0, diameter, diameter);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(isChecked() ? kOnColour : kOffColour);
    painter.drawEllipse(light);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect caption = rect().adjusted(diameter + 5, 0, 0, 0);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace tolvane::gui
