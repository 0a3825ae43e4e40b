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
#include <QTextEdit>
#include <array>
#include <memory>

#include "gui/kit/DialogUnits.h"
#include "gui/qt/app/ProgramSetup.h"
#include "gui/qt/app/TransferProgress.h"
#include "gui/qt/widgets/CTrueColorToolBar.h"
#include "gui/qt/widgets/CXPButton.h"
#include "tolvane/app/FileLocations.h"
#include "tolvane/app/FindInButtons.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/files/DataFileCommands.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/DeviceWatch.h"
#include "tolvane/link/Hid.h"
#include "tolvane/link/TransferWorker.h"

namespace tolvane::gui {

class CTolvaneDlg : public QDialog {
    Q_OBJECT

  public:
    CTolvaneDlg(KeyboardImage& image, LanguageState& language, ProgramSetup setup,
                QWidget* parent = nullptr);
    ~CTolvaneDlg() override;

    // Runs the command of a menu item, toolbar button or other command number. A number
    // the window does not know does nothing.
    void OnCommand(int id);

    // Loads a data file as the Open command does once a file is chosen (the file named on
    // the command line).
    void OpenDataFile(const QString& file);

    QMenuBar* AttachedMenu() const { return attachedMenu_; }
    CXPButton* KeyButton(int button) const;
    const TransferProgress* RunningTransfer() const { return transfer_.get(); }

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
    void AttachMenu(InterfaceLanguage language);
    void LoadToolbar(InterfaceLanguage language);
    void ShowConnectionPicture(ConnectionPicture picture);
    void ShowLayerPicture(int layer);
    void ApplyLanguage();

    // Commands.
    void OnTransfer(TransferKind kind);
    void OnTransferOutcome(TransferOutcome outcome);
    void OnClearAll();
    void OnNew();
    void OnQuit();
    void OnAbout();
    void OnUserManual();
    void OnSwitchLanguage(InterfaceLanguage target);
    std::string LegendTitle() const;
    void OnOpen();
    void OnSave();
    void OnVirtualKeyboard(bool plugIn);
    void UpdateVirtualKeyboardMenu();

    // Device notices, on the GUI thread.
    void DeviceCheck();
    void OnDeviceChange(DeviceChangeEvent event);
    void AdviseOnAccess();

    // The button panel.
    void WatchPointerEverywhere(QWidget& root);
    void OnLayerSelected(const QString& selectorText);
    void OnKeyButtonClicked(int button);
    void OnHover(const QPoint& screenPoint);
    void OnContextMenu(const QPoint& screenPoint);
    int ChooseLayerKey(const QPoint& screenPoint);
    void RefreshButtons(const std::vector<int>& buttons);
    void RefreshAllButtons();
    void Inform(TextId text);
    QString Text(TextId id) const;

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
    DialogUnitConverter converter_;

    CTrueColorToolBar* toolbar_ = nullptr;
    std::array<CXPButton*, ButtonCount + 1> m_keyButtons{};  // element 0 unused
    QLabel* layerPicture_ = nullptr;
    QLabel* connectionPicture_ = nullptr;
    QComboBox* layerSelector_ = nullptr;
    QTextEdit* keyInfo_ = nullptr;
    QGroupBox* layerGroup_ = nullptr;
    bool accessAdviceShown_ = false;

    class CFindDlg* findDlg_ = nullptr;  // made on the first Find, a child of the window
    int foundButton_ = 0;                // the button framed for the hit chosen, 0 for none
};

}  // namespace tolvane::gui
