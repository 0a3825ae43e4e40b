#include "pellimore/CPellimoreDlg.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "pellimore/Artwork.h"
#include "pellimore/CAboutDlg.h"
#include "pellimore/PellimoreIds.h"
#include "pellimore/PellimoreLayout.h"
#include "pellimore/PellimoreTexts.h"
#include "pellimore/SentinelInput.h"
#include "vaskor/CardSettings.h"

#if !defined(_WIN32)
#include "pellimore/KbMessageRouter.h"
#endif

namespace pellimore {

namespace {

using tolvane::gui::ConverterFor;
using tolvane::gui::NameControl;
using tolvane::gui::ObjectNameFor;
using tolvane::gui::PlaceControl;
using tolvane::gui::RowOfControl;

// Typed and pasted text alike: what SentinelInput keeps, the cursor staying after the same
// characters.
class SentinelValidator final : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        const std::u16string kept = SentinelInput(input.toStdU16String());
        if (kept != input.toStdU16String()) {
            position =
                static_cast<int>(SentinelInput(input.left(position).toStdU16String()).size());
            input = QString::fromStdU16String(kept);
        }
        return Acceptable;
    }
};

}  // namespace

CPellimoreDlg::CPellimoreDlg(QWidget* parent)
    : QDialog(parent),
      converter_(ConverterFor(PellimoreFont())),
      handOff_(std::make_shared<MessageHandOff>([this] {
          QMetaObject::invokeMethod(this, &CPellimoreDlg::TakeKeyboardMessage,
                                    Qt::QueuedConnection);
      })) {
    setObjectName(ObjectNameFor(ids::kPellimoreDialog));
    setWindowTitle(texts::kCaption);
    setAccessibleName(texts::kCaption);
    setWindowIcon(ProgramIcon());
    setFont(PellimoreFont());
    const tolvane::gui::PixelRect client = converter_.ToPixels(kPellimoreClient);
    setFixedSize(client.width, client.height);
    CreateControls();

    // The reader starts now; a keyboard already attached is announced at once.
#if defined(_WIN32)
    keyboard_.Open(reinterpret_cast<HWND>(winId()));
#else
    KbMessageRouter::Instance().Connect(handOff_);
    keyboard_.Open(&KbMessageRouter::Instance());
#endif
}

CPellimoreDlg::~CPellimoreDlg() {
    // Before keyboard_ goes: a reader waiting for a box goes on, and no message comes any more.
    handOff_->Close();
#if !defined(_WIN32)
    KbMessageRouter::Instance().Disconnect(handOff_.get());
#endif
}

void CPellimoreDlg::CreateControls() {
    for (const ControlPlace& place : PellimoreControls()) {
        PlaceControl(*CreateControl(place.id), converter_, place.rect);
    }
    CreateHeadings();
    CreatePicture();
    CreateHelp();
}

QWidget* CPellimoreDlg::CreateControl(int id) {
    if (const int track = RowOfControl(ids::kTrackBoxes, id); track >= 0) {
        const QString caption = texts::kTracks[static_cast<std::size_t>(track)];
        auto* box = trackBoxes_[static_cast<std::size_t>(track)] = new QCheckBox(caption, this);
        box->setLayoutDirection(Qt::RightToLeft);  // the text on the left of the box
        NameControl(*box, id, caption);
        return box;
    }
    if (const int track = RowOfControl(ids::kReturnCodeBoxes, id); track >= 0) {
        auto* box = returnCodeBoxes_[static_cast<std::size_t>(track)] = new QCheckBox(this);
        NameControl(*box, id, QStringLiteral("Track %1 return code").arg(track + 1));
        return box;
    }
    const int startTrack = RowOfControl(ids::kStartSentinelEdits, id);
    const int endTrack = RowOfControl(ids::kEndSentinelEdits, id);
    if (startTrack >= 0 || endTrack >= 0) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(static_cast<int>(kSentinelLength));
        edit->setValidator(new SentinelValidator(edit));
        const bool start = startTrack >= 0;
        const int track = start ? startTrack : endTrack;
        (start ? startEdits_ : endEdits_)[static_cast<std::size_t>(track)] = edit;
        NameControl(
            *edit, id,
            QStringLiteral("Track %1 %2 sentinel").arg(track + 1).arg(start ? "start" : "end"));
        return edit;
    }
    const bool update = id == ids::kUpdateButton;
    auto* button = new QPushButton(update ? texts::kUpdate : texts::kOk, this);
    NameControl(*button, id, button->text());
    if (update) {
        connect(button, &QPushButton::clicked, this, &CPellimoreDlg::OnUpdate);
    } else {
        // Enter ends the dialog as its OK would, unless the focus is on Update.
        button->setDefault(true);
        connect(button, &QPushButton::clicked, this, &QDialog::accept);
    }
    return button;
}

void CPellimoreDlg::CreateHeadings() {
    for (std::size_t column = 0; column < texts::kHeadings.size(); ++column) {
        auto* heading = new QLabel(texts::kHeadings[column], this);
        heading->setAlignment(Qt::AlignCenter);
        NameControl(*heading, ids::kStaticControl, heading->text());
        PlaceControl(*heading, converter_, HeadingPlaces()[column]);
    }
}

void CPellimoreDlg::CreatePicture() {
    auto* picture = new QLabel(this);
    NameControl(*picture, ids::kCardBackPicture, texts::kCardPicture);
    PlaceControl(*picture, converter_, kCardPicturePlace);
    // A bitmap keeps its own size; it stays centred on its place.
    const QPixmap pixmap = Picture(ids::kCardBackPicture);
    const QPoint centre = picture->geometry().center();
    picture->setPixmap(pixmap);
    picture->resize(pixmap.size());
    picture->move(centre - QPoint(pixmap.width() / 2, pixmap.height() / 2));
}

void CPellimoreDlg::CreateHelp() {
    // The window manager's system menu cannot take the About item: F1 and a help button run it.
    auto* about = new QAction(texts::kAboutCommand, this);
    about->setObjectName(ObjectNameFor(ids::kAboutCommand));
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QAction::triggered, this, &CPellimoreDlg::ShowAbout);
    addAction(about);
    auto* help = new QToolButton(this);
    help->setText(QStringLiteral("?"));
    help->setToolTip(about->iconText());
    help->setFocusPolicy(Qt::TabFocus);
    NameControl(*help, ids::kAboutCommand, about->iconText());
    connect(help, &QToolButton::clicked, about, &QAction::trigger);
    PlaceControl(*help, converter_, kHelpButtonPlace);
}

void CPellimoreDlg::OnUpdate() {
    for (std::size_t t = 0; t < 3; ++t) {
        const std::u16string start = startEdits_[t]->text().toStdU16String();
        const std::u16string end = endEdits_[t]->text().toStdU16String();
        const vaskor::CardSettingsRecord record =
            vaskor::BuildCardSettings({static_cast<int>(t) + 1, trackBoxes_[t]->isChecked(),
                                       returnCodeBoxes_[t]->isChecked(), start, end});
        // False with no keyboard attached: then nothing was sent, and nothing is said.
        keyboard_.SetCard(record.data(), record.size());
    }
}

void CPellimoreDlg::ShowAbout() {
    auto* about = new CAboutDlg(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void CPellimoreDlg::TakeKeyboardMessage() {
    if (const std::optional<std::uint32_t> message = handOff_->Take()) {
        // Only the hand-off is kept for the box's close: the box goes with the window and may
        // still signal while the window is being destroyed.
        Announce(*message, [handOff = handOff_] { handOff->Finish(); });
    }
}

void CPellimoreDlg::Announce(std::uint32_t message, std::function<void()> closed) {
    auto* box = new QMessageBox(QMessageBox::Warning, texts::kCaption,
                                message == WM_KB_PLUGIN ? texts::kPlugIn : texts::kPlugOut,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (closed) {
        connect(box, &QDialog::finished, box, std::move(closed));
    }
    box->open();
}

#if defined(_WIN32)
// Platform part: on Windows the reader sends its messages to this window. The message is
// queued for the box and answered at once, so the reader never waits for the box there.
bool CPellimoreDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const auto* windowMessage = static_cast<const MSG*>(message);
    if (windowMessage->message == WM_KB_PLUGIN || windowMessage->message == WM_KB_PLUGOUT) {
        const std::uint32_t code = windowMessage->message;
        QMetaObject::invokeMethod(
            this, [this, code] { Announce(code, {}); }, Qt::QueuedConnection);
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

}  // namespace pellimore
