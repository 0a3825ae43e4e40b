#include "gui/qt/options/CKeyBoardSetDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/OptionDialogsLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/widgets/DialogCaptions.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

constexpr int ScopeId(SoundScope scope) {
    return static_cast<int>(scope);
}

}  // namespace

CKeyBoardSetDlg::CKeyBoardSetDlg(KeyboardImage& image, const LanguageState& language,
                                 QWidget* parent)
    : QDialog(parent),
      settings_(image),
      language_(language.interfaceLanguage),
      converter_(ConverterFor(DialogFont())) {
    setObjectName(ObjectNameFor(ids::kKeyboardSetDialog));
    setWindowTitle(kKeyboardSetTitle);
    setAccessibleName(kKeyboardSetTitle);
    setFont(DialogFont());
    const PixelRect client = converter_.ToPixels(kKeyboardSetClient);
    setFixedSize(client.width, client.height);
    CreateControls();
    ShowSettings();
}

void CKeyBoardSetDlg::CreateControls() {
    scopeRadios_ = new QButtonGroup(this);
    QLabel* countryLabel = nullptr;
    for (const ControlPlace& place : KeyboardSetControls()) {
        const QString caption = CaptionOf(KeyboardSetCaptions(), place.id, language_);
        QWidget* control = CreateControl(place.id, caption);
        PlaceControl(*control, converter_, place.rect);
        if (place.id == ids::kCountryCodeLabel) {
            countryLabel = qobject_cast<QLabel*>(control);
        }
    }
    // A drop-down list keeps the height of its font; the table's height is its list's.
    countryList_->resize(countryList_->width(), countryList_->sizeHint().height());
    countryLabel->setBuddy(countryList_);

    // The state changes, not the clicks: a box or radio set through the accessibility
    // interface is no click, and must count all the same.
    connect(soundBox_, &QCheckBox::toggled, this, [this](bool ticked) {
        settings_.SetSound(ticked);
        ShowSettings();
    });
    connect(repeatBox_, &QCheckBox::toggled, this,
            [this](bool ticked) { settings_.SetRepeat(ticked); });
    connect(scopeRadios_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            settings_.SelectScope(static_cast<SoundScope>(id));
        }
    });
    connect(countryList_, &QComboBox::activated, this, [this](int index) {
        settings_.SelectCountry(countryList_->itemText(index).toStdString());
        ShowSettings();
    });
}

QWidget* CKeyBoardSetDlg::CreateControl(int id, const QString& caption) {
    switch (id) {
        case ids::kKeyRepeatBox:
        case ids::kKeySoundBox: {
            auto* box = new QCheckBox(caption, this);
            NameControl(*box, id, caption);
            (id == ids::kKeyRepeatBox ? repeatBox_ : soundBox_) = box;
            return box;
        }
        case ids::kAllKeysRadio:
        case ids::kEncodedKeysRadio: {
            auto* radio = new QRadioButton(caption, this);
            NameControl(*radio, id, caption.trimmed());
            scopeRadios_->addButton(
                radio, ScopeId(id == ids::kAllKeysRadio ? SoundScope::kAllKeys
                                                        : SoundScope::kProgrammedKeys));
            return radio;
        }
        case ids::kCountryCodeList: {
            countryList_ = new QComboBox(this);
            // Named by the label beside it, so that a screen reader says what the user sees.
            NameControl(*countryList_, id,
                        CaptionOf(KeyboardSetCaptions(), ids::kCountryCodeLabel, language_));
            for (const std::string_view item : kCountryListItems) {
                countryList_->addItem(FromUtf8(item));
            }
            return countryList_;
        }
        case ids::kCountryCodeLabel: {
            auto* label = new QLabel(caption, this);
            label->setObjectName(QStringLiteral("countryCodeLabel"));
            label->setAccessibleName(caption);
            return label;
        }
        default: {
            auto* button = new QPushButton(caption, this);
            NameControl(*button, id, caption);
            if (id == ids::kKeyboardSetOk) {
                button->setDefault(true);
                connect(button, &QPushButton::clicked, this, &CKeyBoardSetDlg::accept);
            } else {
                connect(button, &QPushButton::clicked, this, &CKeyBoardSetDlg::reject);
            }
            return button;
        }
    }
}

void CKeyBoardSetDlg::ShowSettings() {
    // Showing the settings is no change of them.
    const QSignalBlocker quietRepeat(repeatBox_);
    const QSignalBlocker quietSound(soundBox_);
    const QSignalBlocker quietScope(scopeRadios_);
    repeatBox_->setChecked(settings_.RepeatTicked());
    soundBox_->setChecked(settings_.SoundTicked());
    for (QAbstractButton* radio : scopeRadios_->buttons()) {
        radio->setEnabled(settings_.ScopeEnabled());
    }
    if (const std::optional<SoundScope> scope = settings_.Scope()) {
        scopeRadios_->button(ScopeId(*scope))->setChecked(true);
    }
    countryList_->setCurrentIndex(countryList_->findText(FromUtf8(settings_.CountryText())));
}

void CKeyBoardSetDlg::accept() {
    if (const std::optional<TextId> refusal = settings_.Confirm()) {
        Prompts().Inform(this, MessageCaption(), FromUtf8(Text(*refusal, language_)),
                         PromptIcon::kWarning);
        scopeRadios_->buttons().constFirst()->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace tolvane::gui
