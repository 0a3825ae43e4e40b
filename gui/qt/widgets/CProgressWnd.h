// The small window that follows a transfer: a title carrying the percentage done, a text of
// up to three lines and a smooth bar. It can make itself modal over the main window, and
// it opens where the user last left it (kept in the per-user settings).
//
// Escape hides and closes it; the transfer it shows goes on, and the main window stays
// disabled until the owner destroys this object at the end of the transfer.
#pragma once

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <QWidget>

#include "gui/model/ProgressRules.h"

namespace tolvane::gui {

class CProgressWnd : public QWidget {
    Q_OBJECT

  public:
    // mainWindow is the window made modal against, and the owner the window centres over.
    CProgressWnd(const QString& title, QWidget* mainWindow);
    ~CProgressWnd() override;  // saves the position and enables the main window again

    // Disables the main window; this window keeps the keyboard focus.
    void GoModal();
    void SetRange(int lower, int upper);
    void SetStep(int step) { step_ = step; }
    void SetText(const QString& text);
    // Returns the bar's previous position. Once closed, only the value is kept.
    int SetPos(int value);
    // A menu bar above the text, for what stays usable while the main window is disabled
    // (the virtual keyboard's plug); the window takes it over and grows to hold it.
    void AddMenuBar(QMenuBar* menu);
    QMenuBar* MenuBar() const { return menuBar_; }
    // What Escape does: hide, close, give the main window the foreground.
    void Cancel();

    bool Cancelled() const { return stopRequested_; }
    bool Exists() const { return exists_; }
    int Position() const { return position_; }

    // Where the settings keep the window's upper-left corner.
    static constexpr const char* kSettingsSection = kProgressSettingsSection;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void LayOut();
    void RestorePosition();
    void SavePosition();
    void ShowWithoutActivating();

    QPointer<QWidget> mainWindow_;
    QLabel* text_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QString title_;
    bool stopRequested_ = false;
    bool modalFlag_ = false;
    bool keepsPosition_ = true;
    bool exists_ = true;
    int position_ = 0;
    int lastPercent_ = 0;
    int step_ = 1;
    int lower_ = 0;
    int upper_ = 100;
    int lineCount_ = 3;
};

}  // namespace tolvane::gui
