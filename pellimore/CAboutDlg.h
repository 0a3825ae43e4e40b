// The tool's About box: the program icon, "Pellimore Version 1.0" and an OK button.
#pragma once

#include <QDialog>

namespace pellimore {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace pellimore
