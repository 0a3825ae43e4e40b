// The card reader settings dialog: for each of the three tracks whether it is read, its
// prefix and suffix key and whether an Enter follows. A thin view over CardReaderSettings:
// every click is in the image at once, so OK and Cancel both just close.
//
// A double click on a prefix or suffix edit opens the key programming dialog in card mode
// for that part; a character typed into one sets the part at once ("%" is LShift and 5), and
// Delete or Backspace erases it.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <optional>
#include <utility>

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
    std::optional<std::pair<int, TrackPart>> PartOfEdit(const QObject* edit) const;
    bool TypeIntoPart(int track, TrackPart part, const QKeyEvent& key);

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
