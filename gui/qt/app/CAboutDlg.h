// The About box: the program icon, its version and date, and an OK button. The same in
// both interface languages.
#pragma once

#include <QDialog>

namespace tolvane::gui {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace tolvane::gui
