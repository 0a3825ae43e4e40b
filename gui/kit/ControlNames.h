// Every window element carries the number it is known by as its object name ("id1140"), so
// tests and UI automation find it, and an accessible name that says what it is for.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <array>

namespace tolvane::gui {

inline QString ObjectNameFor(int id) {
    return QStringLiteral("id%1").arg(id);
}

inline void NameControl(QWidget& widget, int id, const QString& accessibleName) {
    widget.setObjectName(ObjectNameFor(id));
    widget.setAccessibleName(accessibleName);
}

// Where a control number sits in a per-row array of them (the track boxes of tracks 1, 2, 3);
// -1 when it is not there.
template <std::size_t N>
int RowOfControl(const std::array<int, N>& ids, int id) {
    for (std::size_t row = 0; row < N; ++row) {
        if (ids[row] == id) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tolvane::gui
