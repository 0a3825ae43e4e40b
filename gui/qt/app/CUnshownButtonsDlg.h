// The list of the eighteen buttons the keyboard has but no key of the panel shows, opened from
// the KeyBoardSet menu: a technician reads every layer of them here, double-clicks one to
// program it on the current layer, or right-clicks it for the panel's button menu (delete,
// layer key, copy and paste). The window does the work; the list is shown again after each.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "gui/kit/DialogUnits.h"
#include "gui/qt/widgets/CListCtrl_CellNav.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane::gui {

class CUnshownButtonsDlg : public QDialog {
    Q_OBJECT

  public:
    using ProgramButton = std::function<void(int button)>;
    using ButtonMenu = std::function<void(int button, const QPoint& screenPosition)>;

    CUnshownButtonsDlg(const KeyboardImage& image, InterfaceLanguage language,
                       ProgramButton onProgram, ButtonMenu onMenu, QWidget* parent);

    // Lists the buttons again from the image, keeping the row chosen.
    void ShowRows();

  private:
    void CreateControls();
    int ButtonOfRow(int row) const;

    const KeyboardImage& image_;
    InterfaceLanguage language_;
    ProgramButton onProgram_;
    ButtonMenu onMenu_;
    DialogUnitConverter converter_;

    QLabel* hint_ = nullptr;
    CListCtrl_CellNav* list_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace tolvane::gui
