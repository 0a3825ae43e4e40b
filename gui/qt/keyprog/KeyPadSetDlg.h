// The key programming dialog: an on-screen PC keyboard whose keys append their codes to the
// composition, the key setting list that shows it row by row, the special key list and the
// user key list. It is a thin view over KeyPadSession: clicks go to the session, and the
// session's rows and messages come back here.
//
// Enter anywhere in the dialog confirms, the same as the confirm button; Esc and the close
// box cancel. The dialog ends with OK only through confirm, so the image never holds a
// composition that its count does not cover.
//
// Faster key entry (KeyPadSetDlgEntry.cpp): Enter in the text line adds the typed text and an
// Enter key (with the line empty it confirms, as elsewhere), Add Text adds the text alone;
// with "Take keys from my keyboard" on, every key pressed anywhere but in a text box is the
// key of the same place; Delete and Backspace remove the selected rows of the key setting
// list and Ctrl+Up and Ctrl+Down move a row; the filter boxes narrow the two lists above them,
// and Enter in one adds the first key or group it leaves.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>

#include "gui/kit/DialogUnits.h"
#include "gui/model/KeyPadLayout.h"
#include "gui/model/KeyPadRules.h"
#include "gui/qt/widgets/CListCtrl_CellNav.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane::gui {

class KeyPadSetDlg : public QDialog {
    Q_OBJECT

  public:
    // Takes a session already opened on its button or track part, with its user key groups
    // loaded.
    KeyPadSetDlg(KeyPadSession session, const LanguageState& language, QWidget* parent = nullptr);
    // A dialog destroyed without having ended is cancelled.
    ~KeyPadSetDlg() override;

    QPushButton* OnScreenKey(KeyCode code) const;

  public slots:
    void accept() override;
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateKeys();
    void CreateControls();
    void SetUpList(CListCtrl_CellNav& list, std::span<const ListColumn> columns);
    void FillSpecialKeyList();

    void ShowRows();
    void ShowShiftLatch();
    void ShowUserKeyRows();
    void Tell(std::optional<TextId> message);
    QString Text(TextId id) const;

    // Shows a pop-up menu at the pointer; the id of the chosen item, 0 for none.
    int PopUpMenu(std::span<const KeyPadMenuItem> items, const QPoint& position);
    void Show(const KeyPadChange& change);

    void OnKeyClicked(KeyCode code);
    void OnKeyListRightClick(int row, const QPoint& position);
    void OnUserListRightClick(int row, const QPoint& position);
    void OnSpecialListDoubleClick(int row);
    void OnUserListDoubleClick(int row);
    void OnAddUserKey();

    // ---- Faster key entry ----
    void CreateEntryControls();
    QWidget* CreateEntryControl(int id);
    void WatchKeysEverywhere();
    void OnTypedTextEnter();
    void OnFilterEnter(QLineEdit& filter);
    void OnAddText(bool thenEnter);
    void OnPcKey(const QKeyEvent& event);
    bool OnKeySettingListKey(const QKeyEvent& event);
    void SelectKeySettingRow(int row);
    void ApplySpecialKeyFilter();
    void ApplyUserKeyFilter();
    void Tell(std::optional<FilledText> message);

    QLineEdit* typedText_ = nullptr;
    QCheckBox* takeKeys_ = nullptr;
    QLineEdit* specialKeyFilter_ = nullptr;
    QLineEdit* userKeyFilter_ = nullptr;

    KeyPadSession session_;
    InterfaceLanguage language_;
    DialogUnitConverter converter_;
    bool ended_ = false;

    std::array<QPushButton*, kLastOnScreenKey + 1> keys_{};  // element 0 unused
    CListCtrl_CellNav* keySettingList_ = nullptr;
    CListCtrl_CellNav* specialKeyList_ = nullptr;
    CListCtrl_CellNav* userKeyList_ = nullptr;
};

}  // namespace tolvane::gui
