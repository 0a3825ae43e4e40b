// The legend sheets' dialog that Print and Export PDF open: which layers get pages, the
// paper, the key pitch and whether labels are printed, with a preview of the pages those
// choices give, one page at a time. The choices and their rules are LegendExportChoices'.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <vector>

#include "gui/model/LegendExport.h"

namespace tolvane::gui {

enum class LegendOutput { kPrinter, kPdf };

class CLegendExportDlg : public QDialog {
    Q_OBJECT

  public:
    CLegendExportDlg(LegendOutput output, const KeyboardImage& image, const LegendLabels& labels,
                     const LegendExportChoices& initial, LegendOptions layout,
                     QWidget* parent = nullptr);

    const LegendExportChoices& Choices() const { return choices_; }
    // The pages of the choices, as the preview shows them.
    const std::vector<LegendPage>& Pages() const { return pages_; }
    int PageShown() const { return page_; }

  private:
    QWidget* CreateControl(int id);
    QPushButton* CreatePageButton(int id, TextId name, const QString& sign);
    void ShowChoices();
    void ConnectControls();
    void ChoicesChanged();
    void ShowPage(int page);
    QString Text(TextId id) const;

    const KeyboardImage& image_;
    const LegendLabels& labels_;
    LegendOutput output_;
    LegendExportChoices choices_;
    LegendOptions layout_;  // title, date and language of the pages
    std::vector<LegendPage> pages_;
    int page_ = 0;

    std::array<QCheckBox*, LayerCount + 1> layerBoxes_{};  // element 0 unused
    QComboBox* paperList_ = nullptr;
    QDoubleSpinBox* pitchBox_ = nullptr;
    QCheckBox* labelsBox_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* pageText_ = nullptr;
    QPushButton* previousPage_ = nullptr;
    QPushButton* nextPage_ = nullptr;
};

}  // namespace tolvane::gui
