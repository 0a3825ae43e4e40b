#include "gui/qt/app/CLegendLabelDlg.h"

#include <QLabel>
#include <QPushButton>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/EditSteps.h"
#include "gui/model/LegendDialogsLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/widgets/Prompter.h"
#include "tolvane/legend/LegendLabels.h"

namespace tolvane::gui {

CLegendLabelDlg::CLegendLabelDlg(int button, int layer, const std::string& label,
                                 const std::string& typedText, InterfaceLanguage language,
                                 QWidget* parent)
    : QDialog(parent), language_(language) {
    setObjectName(ObjectNameFor(ids::kLegendLabelDialog));
    const QString caption = FromUtf8(Text(TextId::kLegendLabelCaption, language));
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFont(DialogFont());
    const DialogUnitConverter converter = ConverterFor(DialogFont());
    const PixelRect client = converter.ToPixels(kLegendLabelClient);
    setFixedSize(client.width, client.height);
    const QString prompt =
        FromUtf8(FillIn(Text(TextId::kLegendLabelPrompt, language),
                        {std::to_string(button), std::string(LayerName(layer))}));
    for (const ControlPlace& place : LegendLabelControls()) {
        PlaceControl(*CreateControl(place.id, prompt), converter, place.rect);
    }
    edit_->setText(FromUtf8(label));
    edit_->setPlaceholderText(FromUtf8(typedText));
    edit_->selectAll();
}

QWidget* CLegendLabelDlg::CreateControl(int id, const QString& prompt) {
    switch (id) {
        case ids::kLegendLabelPrompt: {
            auto* text = new QLabel(prompt, this);
            text->setWordWrap(true);
            NameControl(*text, id, prompt);
            return text;
        }
        case ids::kLegendLabelEdit:
            edit_ = new QLineEdit(this);
            NameControl(*edit_, id, prompt);
            return edit_;
        default: {
            const bool ok = id == ids::kLegendLabelOk;
            const QString caption =
                FromUtf8(Text(ok ? TextId::kDialogOk : TextId::kAnswerCancel, language_));
            auto* button = new QPushButton(caption, this);
            NameControl(*button, id, caption);
            button->setDefault(ok);
            connect(button, &QPushButton::clicked, this,
                    ok ? &CLegendLabelDlg::accept : &CLegendLabelDlg::reject);
            return button;
        }
    }
}

std::string CLegendLabelDlg::Label() const {
    return edit_->text().toStdString();
}

void CLegendLabelDlg::accept() {
    if (const std::optional<LabelRefusal> refusal = CheckLabel(Label())) {
        if (const std::optional<TextId> message = MessageOfRefusal(*refusal)) {
            Prompts().Inform(this, MessageCaption(), FromUtf8(Text(*message, language_)),
                             PromptIcon::kWarning);
        }
        edit_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace tolvane::gui
