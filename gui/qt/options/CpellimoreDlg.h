// The card reader settings dialog: for each of the three tracks whether it is read, its
// prefix and suffix key and whether an Enter follows. A thin view over CardReaderSettings:
// every click is in the image at once, so OK and Cancel both just close.
//
// The prefix and suffix edits take no typing; a double click on one opens the key
// programming dialog in card mode for that part.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "gui/kit/DialogUnits.h"
#include "tolvane/app/FileLocations.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/options/CardReaderSettings.h"

namespace tolvane::gui {

class CpellimoreDlg : public QDialog {
    Q_OBJECT

  public:
    // `locations` says where the key programming dialogs find the user key groups.
    CpellimoreDlg(KeyboardImage& image, const LanguageState& language, FileLocations locations,
                  QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    QWidget* CreateControl(int id);
    void ShowRow(int track);
    void EditPart(int track, TrackPart part);

    KeyboardImage& image_;
    const LanguageState& language_;
    FileLocations locations_;
    CardReaderSettings settings_;
    DialogUnitConverter converter_;

    std::array<QCheckBox*, TrackCount> trackBoxes_{};
    std::array<QCheckBox*, TrackCount> enterBoxes_{};
    std::array<QLineEdit*, TrackCount> prefixEdits_{};
    std::array<QLineEdit*, TrackCount> suffixEdits_{};
};

}  // namespace tolvane::gui
