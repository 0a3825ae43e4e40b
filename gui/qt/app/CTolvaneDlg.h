// The main window: the button panel with its layer selector and key information box, the
// connection picture, the toolbar and one of the two menus. Every command enters here and
// goes through one dispatcher (OnCommand) to its handler; the window itself decides as
// little as it can and leaves the rest to the core (transfers, device watch, language,
// data file).
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTextEdit>
#include <array>
#include <functional>
#include <memory>

#include "gui/kit/DialogUnits.h"
#include "gui/model/CommandTable.h"
#include "gui/model/EditSession.h"
#include "gui/model/ProgramSetup.h"
#include "gui/model/WriteSafety.h"
#include "gui/qt/app/TransferProgress.h"
#include "gui/qt/widgets/CTrueColorToolBar.h"
#include "gui/qt/widgets/CXPButton.h"
#include "tolvane/app/ButtonClipboard.h"
#include "tolvane/app/FileLocations.h"
#include "tolvane/app/FindInButtons.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/files/DataFileCommands.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/legend/LegendLabels.h"
#include "tolvane/link/DeviceWatch.h"
#include "tolvane/link/Hid.h"
#include "tolvane/link/TransferWorker.h"

namespace tolvane::gui {

class PanelDrag;

class CTolvaneDlg : public QDialog {
    Q_OBJECT

  public:
    CTolvaneDlg(KeyboardImage& image, LanguageState& language, ProgramSetup setup,
                QWidget* parent = nullptr);
    ~CTolvaneDlg() override;

    // Runs the command of a menu item, toolbar button or other command number. A number
    // the window does not know does nothing.
    void OnCommand(int id);
    void RunCommand(Command command);

    // Loads a data file as the Open command does once a file is chosen (the file named on
    // the command line).
    void OpenDataFile(const QString& file);

    QMenuBar* AttachedMenu() const { return attachedMenu_; }
    CXPButton* KeyButton(int button) const;
    const TransferProgress* RunningTransfer() const { return transfer_.get(); }
    const LegendLabels& Labels() const { return *labels_; }
    // The undo history, what was last opened, saved, read or written, and the title's file.
    const EditSession& Session() const { return session_; }

    // The result of a verify or comparison: the differences marked on the panel and the
    // layer selector and listed beside the window, or a line saying there are none.
    void ShowComparison(Comparison comparison, const ProgrammingDifference& difference);

    // The first button 1..84, hidden ones included, whose rectangle holds a screen point;
    // 0 when none does.
    int ButtonAt(const QPoint& screenPoint) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  public slots:
    void reject() override;

  private:
    // Start-up, in order.
    void ReadLanguage();
    void CreateToolbar();
    void CreateClientArea();
    void CreateKeyButtons(QWidget& client);
    void ResetImage();

    QMenuBar* BuildMenu(InterfaceLanguage language);
    void AddVirtualKeyboardMenu(QMenuBar& bar, InterfaceLanguage language);
    void AttachMenu(InterfaceLanguage language);
    void LoadToolbar(InterfaceLanguage language);
    void ShowConnectionPicture(ConnectionPicture picture);
    void ShowLayerPicture(int layer);
    void ApplyLanguage();

    // Commands.
    void OnTransfer(TransferKind kind, std::function<void(TransferOutcome)> afterClosed = {});
    void OnTransferOutcome(TransferOutcome outcome);
    void OnClearAll();
    void ClearAllButtons();
    void OnNew();
    void OnRead();
    void OnQuit();
    void OnAbout();
    void OnUserManual();
    void OnSwitchLanguage(InterfaceLanguage target);
    std::string LegendTitle() const;
    void OnOpen();
    void AfterOpen(bool loaded);
    bool OnSave();
    void OnVirtualKeyboard(bool plugIn);
    void UpdateVirtualKeyboardMenu();
    void OnToggleLegendLabels();
    void OnToggleButtonNumbers();
    void UpdateToggleItems();
    void OnUnshownButtons();

    // Device notices, on the GUI thread.
    void DeviceCheck();
    void OnDeviceChange(DeviceChangeEvent event);
    void AdviseOnAccess();

    // The button panel.
    void WatchPointerEverywhere(QWidget& root);
    bool SeenBefore(const QMouseEvent& mouse);
    void OnLayerSelected(const QString& selectorText);
    void OnKeyButtonClicked(int button);
    void OnHover(const QPoint& screenPoint);
    void OnContextMenu(const QPoint& screenPoint);
    void OnButtonContextMenu(int button, const QPoint& screenPoint);
    // The key information box shows this button's hover text (0: empty); the pointer and the
    // keyboard focus choose it, and a refresh of that button shows it again.
    void ShowKeyInfo(int button);
    // Only the shown button under the pointer is hot.
    void UpdateHotButton(int button);
    // The arrow keys between the panel's buttons; true when the key was one of them.
    bool OnPanelKey(int button, const QKeyEvent& key);
    void FocusKeyButton(int button);
    int KeyButtonOf(const QObject* watched) const;
    int ChooseLayerEntry(const QPoint& screenPoint);
    void OnEditLegendLabel(int button);
    void RefreshButtons(const std::vector<int>& buttons);
    void RefreshAllButtons();
    void OnCopy(int button, bool wholeButton);
    void OnPaste(int button);
    void OnButtonDropped(int dragged, int target, DropAction action);
    // The panel button with the keyboard focus, else the one under the pointer; 0 for none.
    int FocusedKeyButton() const;

    // Edits (CTolvaneDlgEdit.cpp): shortcuts, undo and redo, the title and the question
    // before unsaved changes are lost.
    void CreateShortcuts();
    void RecordStep(EditStep step, std::vector<std::string> arguments = {});
    void OnUndo();
    void OnRedo();
    void ShowRestoredProgramming();
    void UpdateEditState();
    void UpdateEditActions(QMenuBar* menu, InterfaceLanguage language);
    // False when the user cancels, or chose to save and the save did not happen.
    bool MayDiscardChanges(Command command);
    void Inform(TextId text);
    QString Text(TextId id) const;

    // Safety around writes (CTolvaneDlgWrite.cpp): the backup before a write, what a failed
    // write left, the verify after it, Restore Backup and the comparisons with their marks.
    struct TransferPlan {
        TransferKind kind = TransferKind::kRead;
        KeyboardImage* image = nullptr;
        TransferProgress::Look look;
        // Once the progress window has gone and the main window is enabled again.
        std::function<void(TransferOutcome)> afterClosed;
    };
    bool RunTransfer(TransferPlan plan);
    KeyboardImage& Scratch();
    void OnWrite();
    void AfterBackupRead(TransferOutcome outcome);
    void StartWrite();
    void AfterWrite(TransferOutcome outcome);
    void AfterVerifyRead(TransferOutcome outcome);
    void OnCompareWithKeyboard();
    void OnCompareWithFile();
    void MarkDifferences(const ProgrammingDifference& difference);
    void ClearDifferenceMarks();
    void OnRestoreBackup();
    void OnToggleVerifyAfterWrite();
    static bool ReadVerifyAfterWrite();

    // Find (CTolvaneDlgFind.cpp).
    void OnFind();
    void ShowFindHit(const FindHit& hit);
    void FrameFoundButton(int button);

    KeyboardImage& image_;
    LanguageState& language_;
    ProgramSetup setup_;
    FileLocations locations_;

    QMenuBar* chineseMenu_ = nullptr;
    QMenuBar* englishMenu_ = nullptr;
    QMenuBar* attachedMenu_ = nullptr;
    CHid m_hid;
    TransferWorker m_pReadWorker;
    TransferWorker m_pWriteWorker;
    std::unique_ptr<TransferProgress> transfer_;
    DeviceWatch deviceWatch_;
    DataFileCommands dataFiles_;
    // The legend labels of the layout: not the keyboard's programming, so not in the image.
    std::unique_ptr<LegendLabels> labels_ = std::make_unique<LegendLabels>();
    bool showLegendLabels_ = false;   // the View option, remembered
    bool showButtonNumbers_ = false;  // the View option, remembered
    int infoButton_ = 0;              // whose text the key information box shows
    DialogUnitConverter converter_;
    EditSession session_;
    ButtonClipboard clipboard_;
    TransferKind runningTransfer_ = TransferKind::kRead;
    std::unique_ptr<PanelDrag> drag_;

    CTrueColorToolBar* toolbar_ = nullptr;
    std::array<CXPButton*, ButtonCount + 1> m_keyButtons{};  // element 0 unused
    QLabel* layerPicture_ = nullptr;
    QLabel* connectionPicture_ = nullptr;
    QComboBox* layerSelector_ = nullptr;
    QTextEdit* keyInfo_ = nullptr;
    QGroupBox* layerGroup_ = nullptr;
    bool accessAdviceShown_ = false;
    std::pair<int, quint64> lastRightClick_{0, 0};  // type and time of the last right click

    class CFindDlg* findDlg_ = nullptr;  // made on the first Find, a child of the window
    int foundButton_ = 0;                // the button framed for the hit chosen, 0 for none

    // What the backup, verify and comparison reads fill; the window's image stays as it is.
    std::unique_ptr<KeyboardImage> scratch_;
    std::filesystem::path lastBackup_;  // kept before the write under way; empty for none
    std::uint32_t lastWriteCount_ = 0;  // how far the last write got
    bool verifyAfterWrite_ = true;      // the KeyBoardSet option, remembered
    class CDifferencesDlg* differencesDlg_ = nullptr;  // the last difference list, if open
};

}  // namespace tolvane::gui
