// The card-reader tool's one window: for each of the keyboard's three card tracks whether it
// is read, its start and end sentinels and whether a return code follows, sent to the keyboard
// by Update, one card settings record a track. Nothing is read back from the keyboard or kept.
//
// The window owns the keyboard interface object of libvaskor and opens it at once; the
// library's reader then announces the keyboard being plugged in and pulled out, which the
// window shows in message boxes. On Linux the messages come through the process's
// KbMessageRouter and the window's MessageHandOff: the reader waits until the user has closed
// the box, and the window closes the hand-off before it stops the reader, so neither thread
// ever waits for the other at once.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "gui/kit/DialogUnits.h"
#include "pellimore/MessageHandOff.h"
#include "vaskor/VX30Interface.h"

namespace pellimore {

class CPellimoreDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CPellimoreDlg(QWidget* parent = nullptr);
    ~CPellimoreDlg() override;

    // Sends the three tracks' settings; with no keyboard attached nothing happens.
    void OnUpdate();
    void ShowAbout();

  protected:
#if defined(_WIN32)
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

  private:
    void CreateControls();
    QWidget* CreateControl(int id);
    void CreateHeadings();
    void CreatePicture();
    void CreateHelp();
    void TakeKeyboardMessage();
    // The box for a plug-in or pull-out: OK, the exclamation icon, the title "Pellimore". It
    // does not hold up the GUI thread, so the window can go at any moment, the box with it;
    // `closed` runs when the user closes the box, not when it goes with the window.
    void Announce(std::uint32_t message, std::function<void()> closed);

    tolvane::gui::DialogUnitConverter converter_;
    std::array<QCheckBox*, 3> trackBoxes_{};
    std::array<QCheckBox*, 3> returnCodeBoxes_{};
    std::array<QLineEdit*, 3> startEdits_{};
    std::array<QLineEdit*, 3> endEdits_{};

    std::shared_ptr<MessageHandOff> handOff_;
    CVX30Interface keyboard_;  // declared last: destroyed first, stopping the reader
};

}  // namespace pellimore
