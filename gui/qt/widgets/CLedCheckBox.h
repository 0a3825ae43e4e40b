// An indicator lamp with its caption: a round light, dark when off and green when on. The
// key programming dialog shows three of them above its keypad as a picture of the real
// keyboard's lamps; they take no input.
#pragma once

#include <QCheckBox>

namespace tolvane::gui {

class CLedCheckBox : public QCheckBox {
    Q_OBJECT

  public:
    explicit CLedCheckBox(const QString& caption, QWidget* parent = nullptr);

    static const QColor kOffColour;
    static const QColor kOnColour;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tolvane::gui
