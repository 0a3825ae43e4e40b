// Message boxes, pop-up menus, modal dialogs and file dialogs go through the process's
// prompter. The real one shows them; a test installs its own that answers them without
// blocking, and sees what the user would have seen.
#pragma once

#include <QDialog>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>

#include "gui/model/EditSession.h"

class QPrinter;

namespace tolvane::gui {

enum class PromptIcon { kNone, kInformation, kWarning, kStop, kQuestion };

class Prompter {
  public:
    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void Inform(QWidget* parent, const QString& caption, const QString& text,
                        PromptIcon icon) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text,
                          PromptIcon icon) = 0;
    // A question whose buttons are captioned `proceed` and `cancel`, with Cancel the default
    // (what Enter and closing the box give); true for `proceed`.
    virtual bool AskProceedOrCancel(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& proceed, const QString& cancel) = 0;
    // A question with Save, Discard and Cancel buttons, captioned in that order by
    // `buttons`; Cancel too when the box is closed.
    virtual UnsavedChangesAnswer AskSaveDiscardCancel(QWidget* parent, const QString& caption,
                                                      const QString& text,
                                                      const std::array<QString, 3>& buttons) = 0;
    // Shows the menu at a screen position and returns the chosen action, or null.
    virtual QAction* PopUp(QMenu& menu, const QPoint& screenPosition) = 0;
    // Runs the dialog modally and returns its result code.
    virtual int RunModal(QDialog& dialog) = 0;
    // The file the user chose, or empty when the dialog was cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& start, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& suggestion, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // The print dialog: true when the user chose a printer (set up in printer).
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Opens a document with the desktop's viewer for it; false when nothing opened it.
    virtual bool OpenDocument(const QString& path) = 0;
};

// The prompter in use: the one a test installed, else the real one.
Prompter& Prompts();

// Installs a prompter for the whole process (null: the real one again).
void SetPrompter(Prompter* prompter);

// The caption of the program's own message boxes.
QString MessageCaption();

}  // namespace tolvane::gui
