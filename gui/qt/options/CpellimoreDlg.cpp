#include "gui/qt/options/CpellimoreDlg.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/OptionDialogsLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/keyprog/RunKeyDialog.h"
#include "gui/qt/widgets/Artwork.h"
#include "gui/qt/widgets/DialogCaptions.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

CpellimoreDlg::CpellimoreDlg(KeyboardImage& image, const LanguageState& language,
                             FileLocations locations, QWidget* parent)
    : QDialog(parent),
      image_(image),
      language_(language),
      locations_(std::move(locations)),
      settings_(image),
      converter_(ConverterFor(DialogFont())) {
    setObjectName(ObjectNameFor(ids::kCardReaderDialog));
    setWindowTitle(kCardReaderTitle);
    setAccessibleName(kCardReaderTitle);
    setFont(DialogFont());
    const PixelRect client = converter_.ToPixels(kCardReaderClient);
    setFixedSize(client.width, client.height);
    CreateControls();
    for (int track = 0; track < TrackCount; ++track) {
        ShowRow(track);
    }
}

void CpellimoreDlg::CreateControls() {
    for (const ControlPlace& place : CardReaderControls()) {
        QWidget* control = CreateControl(place.id);
        PlaceControl(*control, converter_, place.rect);
        if (qobject_cast<QGroupBox*>(control) != nullptr) {
            control->lower();  // behind the edits it frames
        }
    }
    auto* picture = findChild<QLabel*>(ObjectNameFor(ids::kCardPicture));
    ShowPicture(*picture, ids::kCardBackPicture);
}

QWidget* CpellimoreDlg::CreateControl(int id) {
    const InterfaceLanguage language = language_.interfaceLanguage;
    const QString caption = CaptionOf(CardReaderCaptions(), id, language);
    if (const int track = RowOfControl(ids::kTrackBoxes, id); track >= 0) {
        auto* box = trackBoxes_[static_cast<std::size_t>(track)] = new QCheckBox(caption, this);
        NameControl(*box, id, caption);
        // Toggled, not clicked: a box ticked through the accessibility interface is no click.
        connect(box, &QCheckBox::toggled, this, [this, track](bool ticked) {
            settings_.SetTrackEnabled(track, ticked);
            ShowRow(track);
        });
        return box;
    }
    if (const int track = RowOfControl(ids::kEnterBoxes, id); track >= 0) {
        auto* box = enterBoxes_[static_cast<std::size_t>(track)] = new QCheckBox(caption, this);
        // Three boxes share the caption: the name says which track, and holds the caption.
        NameControl(*box, id, QStringLiteral("Track %1 %2").arg(track + 1).arg(caption));
        connect(box, &QCheckBox::toggled, this, [this, track](bool ticked) {
            settings_.SetEnterAtEnd(track, ticked);
            ShowRow(track);
        });
        return box;
    }
    const int prefixTrack = RowOfControl(ids::kPrefixEdits, id);
    const int suffixTrack = RowOfControl(ids::kSuffixEdits, id);
    if (prefixTrack >= 0 || suffixTrack >= 0) {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignCenter);
        edit->installEventFilter(this);
        const bool prefix = prefixTrack >= 0;
        const int track = prefix ? prefixTrack : suffixTrack;
        (prefix ? prefixEdits_ : suffixEdits_)[static_cast<std::size_t>(track)] = edit;
        NameControl(*edit, id,
                    QStringLiteral("Track %1 %2").arg(track + 1).arg(prefix ? "prefix" : "suffix"));
        return edit;
    }
    switch (id) {
        case ids::kPrefixGroup:
        case ids::kSuffixGroup: {
            auto* group = new QGroupBox(caption, this);
            NameControl(*group, id, caption);
            return group;
        }
        case ids::kCardPicture: {
            auto* picture = new QLabel(this);
            NameControl(*picture, id, QStringLiteral("Back of a magnetic-stripe card"));
            return picture;
        }
        default: {
            // OK and Cancel: every change is already in the image.
            auto* button = new QPushButton(caption, this);
            NameControl(*button, id, caption);
            if (id == ids::kCardReaderOk) {
                button->setDefault(true);
                connect(button, &QPushButton::clicked, this, &QDialog::accept);
            } else {
                connect(button, &QPushButton::clicked, this, &QDialog::reject);
            }
            return button;
        }
    }
}

void CpellimoreDlg::ShowRow(int track) {
    const CardTrackRow& row = settings_.Row(track);
    const auto t = static_cast<std::size_t>(track);
    {
        // Showing the settings is no change of them.
        const QSignalBlocker quietTrack(trackBoxes_[t]);
        const QSignalBlocker quietEnter(enterBoxes_[t]);
        trackBoxes_[t]->setChecked(row.trackTicked);
        enterBoxes_[t]->setChecked(row.enterTicked);
    }
    for (QWidget* control :
         {static_cast<QWidget*>(prefixEdits_[t]), static_cast<QWidget*>(suffixEdits_[t]),
          static_cast<QWidget*>(enterBoxes_[t])}) {
        control->setEnabled(row.partsEnabled);
    }
    prefixEdits_[t]->setText(FromUtf8(row.prefixText));
    suffixEdits_[t]->setText(FromUtf8(row.suffixText));
}

std::optional<std::pair<int, TrackPart>> CpellimoreDlg::PartOfEdit(const QObject* edit) const {
    for (int track = 0; track < TrackCount; ++track) {
        const auto t = static_cast<std::size_t>(track);
        if (edit == prefixEdits_[t]) {
            return std::pair{track, TrackPart::kPrefix};
        }
        if (edit == suffixEdits_[t]) {
            return std::pair{track, TrackPart::kSuffix};
        }
    }
    return std::nullopt;
}

bool CpellimoreDlg::eventFilter(QObject* watched, QEvent* event) {
    // The filter sees the clicks of a disabled edit too; a track that is off takes none.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const std::optional<std::pair<int, TrackPart>> part = PartOfEdit(watched);
    if (!part || widget == nullptr || !widget->isEnabled()) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        EditPart(part->first, part->second);
    }
    if (event->type() == QEvent::KeyPress &&
        TypeIntoPart(part->first, part->second, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    // The double click, and the keys that are no typing (Tab, Enter, Esc), go on as usual.
    return QDialog::eventFilter(watched, event);
}

// A character typed into a prefix or suffix edit sets the part; Delete and Backspace erase it.
bool CpellimoreDlg::TypeIntoPart(int track, TrackPart part, const QKeyEvent& key) {
    const bool erase = key.key() == Qt::Key_Delete || key.key() == Qt::Key_Backspace;
    const QString text = key.text();
    if (!erase && (text.isEmpty() || !text.at(0).isPrint())) {
        return false;
    }
    if (erase) {
        settings_.ErasePart(track, part);
    } else if (const std::optional<FilledText> refusal =
                   settings_.TypePart(track, part, text.toStdString())) {
        Prompts().Inform(this, MessageCaption(),
                         FromUtf8(TextOf(*refusal, language_.interfaceLanguage)),
                         PromptIcon::kInformation);
    }
    ShowRow(track);
    return true;
}

void CpellimoreDlg::EditPart(int track, TrackPart part) {
    const bool confirmed =
        RunKeyDialogForTrackPart(this, image_, language_, locations_, track, part);
    settings_.FinishPartEdit(track, part, confirmed);
    ShowRow(track);
}

}  // namespace tolvane::gui
