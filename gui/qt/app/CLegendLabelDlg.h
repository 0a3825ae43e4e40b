// The legend label of one button on one layer, asked for by "Legend label..." in the button
// context menu. The edit starts with the label the button has; with no label it shows, greyed,
// what the legend prints instead (what the key types). OK with a label that cannot be kept
// says why and keeps the dialog open.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <string>

#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

class CLegendLabelDlg : public QDialog {
    Q_OBJECT

  public:
    CLegendLabelDlg(int button, int layer, const std::string& label, const std::string& typedText,
                    InterfaceLanguage language, QWidget* parent = nullptr);

    // The label as the user left it, UTF-8.
    std::string Label() const;

  public slots:
    void accept() override;

  private:
    QWidget* CreateControl(int id, const QString& prompt);

    InterfaceLanguage language_;
    QLineEdit* edit_ = nullptr;
};

}  // namespace tolvane::gui
