// Every window element carries the number it is known by as its object name ("id1140"), so
// tests and UI automation find it, and an accessible name that says what it is for.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <array>

#include "gui/kit/ControlRows.h"

namespace tolvane::gui {

inline QString ObjectNameFor(int id) {
    return QStringLiteral("id%1").arg(id);
}

inline void NameControl(QWidget& widget, int id, const QString& accessibleName) {
    widget.setObjectName(ObjectNameFor(id));
    widget.setAccessibleName(accessibleName);
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tolvane::gui
