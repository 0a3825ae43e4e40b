// The main window's Find window: a key name or a text, and every layer of every button that
// holds it. It stays open beside the panel; choosing a hit (click or arrow keys) hands it to
// the main window, which shows the hit's layer and frames its button. The hits are found
// again as the line changes and whenever the window is come back to, since the programming
// may have changed meanwhile.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <vector>

#include "gui/kit/DialogUnits.h"
#include "gui/qt/widgets/CListCtrl_CellNav.h"
#include "tolvane/app/FindInButtons.h"
#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

class CFindDlg : public QDialog {
    Q_OBJECT

  public:
    using HitChosen = std::function<void(const FindHit&)>;

    CFindDlg(const KeyboardImage& image, InterfaceLanguage language, HitChosen onHit,
             QWidget* parent);

    // Shows the texts in the language and lists the hits again.
    void SetLanguage(InterfaceLanguage language);
    // Finds again; the list is rebuilt only when the hits have changed.
    void Search();

    const std::vector<FindHit>& Hits() const { return hits_; }

  protected:
    bool event(QEvent* event) override;

  private:
    void CreateControls();
    void ShowHits();
    void ShowHit(int row);
    QString Text(TextId id) const;

    const KeyboardImage& image_;
    InterfaceLanguage language_;
    HitChosen onHit_;
    DialogUnitConverter converter_;
    std::vector<FindHit> hits_;

    QLabel* prompt_ = nullptr;
    QLineEdit* query_ = nullptr;
    CListCtrl_CellNav* hitList_ = nullptr;
    QLabel* count_ = nullptr;
};

}  // namespace tolvane::gui
