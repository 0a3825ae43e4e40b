// The main window's toolbar: picture buttons whose normal, hot and disabled images
// come from three image strips, each image carrying its label under the icon. A plain row of
// tool buttons: the toolbar is never moved, floated or too narrow for its buttons, so it
// needs nothing of QToolBar, whose overflow button alone costs a millisecond at start-up.
#pragma once

#include <QWidget>
#include <span>
#include <vector>

#include "gui/model/CommandTable.h"

namespace tolvane::gui {

class CTrueColorToolBar : public QWidget {
    Q_OBJECT

  public:
    explicit CTrueColorToolBar(QWidget* parent);

    // Replaces the buttons with those of a toolbar resource (their command numbers and
    // labels in the language given); the images stay until SetImageStrips.
    void LoadButtons(int toolbarId, std::span<const ToolbarButton> buttons,
                     InterfaceLanguage language);

    // The three strips of the interface language, by picture number.
    void SetImageStrips(int normalStrip, int hotStrip, int disabledStrip);

    QAction* ActionFor(int commandId) const;

  signals:
    void CommandChosen(int commandId);

  private:
    std::vector<QAction*> actions_;  // each owned by its button
};

}  // namespace tolvane::gui
