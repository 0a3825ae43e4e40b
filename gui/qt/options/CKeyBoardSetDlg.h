// The keyboard options dialog: key repeat, key-click sound and its scope, and the country
// code. A thin view over KeyboardSettings, which says what is written at once (the sound
// box, the country code) and what only on OK (the repeat box, the scope). OK with neither
// scope radio selected shows the range message and keeps the dialog open.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>

#include "gui/kit/DialogUnits.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/options/KeyboardSettings.h"

namespace tolvane::gui {

class CKeyBoardSetDlg : public QDialog {
    Q_OBJECT

  public:
    CKeyBoardSetDlg(KeyboardImage& image, const LanguageState& language, QWidget* parent = nullptr);

  public slots:
    void accept() override;

  private:
    void CreateControls();
    QWidget* CreateControl(int id, const QString& caption);
    void ShowSettings();

    KeyboardSettings settings_;
    InterfaceLanguage language_;
    DialogUnitConverter converter_;

    QCheckBox* repeatBox_ = nullptr;
    QCheckBox* soundBox_ = nullptr;
    QButtonGroup* scopeRadios_ = nullptr;
    QComboBox* countryList_ = nullptr;
};

}  // namespace tolvane::gui
