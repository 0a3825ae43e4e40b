#include "gui/qt/app/CLegendExportDlg.h"

#include <QGroupBox>
#include <QPainter>
#include <QSvgRenderer>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/EditSteps.h"
#include "gui/model/LegendDialogsLayout.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

// A page drawn to fit the preview, white on the dialog's grey, with a thin edge.
QPixmap PagePicture(const LegendPage& page, const QSize& room) {
    QPixmap picture(room);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QByteArray::fromStdString(page.svg));
    if (!renderer.isValid()) {
        return picture;
    }
    QSizeF size = renderer.viewBoxF().size();
    size.scale(QSizeF(room) - QSizeF(2, 2), Qt::KeepAspectRatio);
    const QRectF sheet(
        QPointF((room.width() - size.width()) / 2, (room.height() - size.height()) / 2), size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(sheet);
    renderer.render(&painter, sheet);
    return picture;
}

}  // namespace

CLegendExportDlg::CLegendExportDlg(LegendOutput output, const KeyboardImage& image,
                                   const LegendLabels& labels, const LegendExportChoices& initial,
                                   LegendOptions layout, QWidget* parent)
    : QDialog(parent),
      image_(image),
      labels_(labels),
      output_(output),
      choices_(initial),
      layout_(std::move(layout)) {
    setObjectName(ObjectNameFor(ids::kLegendExportDialog));
    setWindowTitle(Text(TextId::kLegendSheetsCaption));
    setAccessibleName(windowTitle());
    setFont(DialogFont());
    const DialogUnitConverter converter = ConverterFor(DialogFont());
    const PixelRect client = converter.ToPixels(kLegendExportClient);
    setFixedSize(client.width, client.height);
    for (const ControlPlace& place : LegendExportControls()) {
        PlaceControl(*CreateControl(place.id), converter, place.rect);
    }
    // A drop-down list keeps the height of its font; the table's height is its list's.
    paperList_->resize(paperList_->width(), paperList_->sizeHint().height());
    for (QGroupBox* frame : findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        frame->lower();
    }
    ShowChoices();
    ConnectControls();
    ChoicesChanged();
}

QString CLegendExportDlg::Text(TextId id) const {
    return FromUtf8(tolvane::Text(id, layout_.language));
}

QWidget* CLegendExportDlg::CreateControl(int id) {
    const int layerRow = RowOfControl(ids::kLegendLayerBoxes, id);
    if (layerRow >= 0) {
        auto* box = new QCheckBox(this);
        box->setObjectName(ObjectNameFor(id));
        layerBoxes_[static_cast<std::size_t>(layerRow) + 1] = box;
        return box;
    }
    const auto labelled = [this](QWidget* widget, int number, const QString& name) {
        NameControl(*widget, number, name);
        return widget;
    };
    switch (id) {
        case ids::kLegendLayersGroup:
        case ids::kLegendPreviewGroup: {
            const QString title = Text(id == ids::kLegendLayersGroup ? TextId::kLegendLayersGroup
                                                                     : TextId::kLegendPreview);
            return labelled(new QGroupBox(title, this), id, title);
        }
        case ids::kLegendPaperLabel:
        case ids::kLegendPitchLabel: {
            const QString caption =
                Text(id == ids::kLegendPaperLabel ? TextId::kLegendPaper : TextId::kLegendKeyPitch);
            return labelled(new QLabel(caption, this), id, caption);
        }
        case ids::kLegendPaperList:
            paperList_ = new QComboBox(this);
            for (const Paper paper : {Paper::kA4, Paper::kLetter}) {
                paperList_->addItem(FromUtf8(PaperName(paper)));
            }
            return labelled(paperList_, id, Text(TextId::kLegendPaper));
        case ids::kLegendPitchBox:
            pitchBox_ = new QDoubleSpinBox(this);
            pitchBox_->setRange(kSmallestKeyPitchMm, kLargestKeyPitchMm);
            pitchBox_->setDecimals(2);
            pitchBox_->setSingleStep(0.05);
            return labelled(pitchBox_, id, Text(TextId::kLegendKeyPitch));
        case ids::kLegendLabelsBox:
            labelsBox_ = new QCheckBox(Text(TextId::kLegendUseLabels), this);
            return labelled(labelsBox_, id, labelsBox_->text());
        case ids::kLegendPreview:
            preview_ = new QLabel(this);
            preview_->setAlignment(Qt::AlignCenter);
            return labelled(preview_, id, Text(TextId::kLegendPreview));
        case ids::kLegendPageText:
            pageText_ = new QLabel(this);
            pageText_->setAlignment(Qt::AlignCenter);
            return labelled(pageText_, id, QString());
        case ids::kLegendPreviousPage:
            return previousPage_ = CreatePageButton(id, TextId::kLegendPreviousPage, "<");
        case ids::kLegendNextPage:
            return nextPage_ = CreatePageButton(id, TextId::kLegendNextPage, ">");
        default: {
            const bool ok = id == ids::kLegendExportOk;
            const QString caption =
                Text(!ok                                 ? TextId::kAnswerCancel
                     : output_ == LegendOutput::kPrinter ? TextId::kLegendPrintButton
                                                         : TextId::kLegendExportButton);
            auto* button = new QPushButton(caption, this);
            button->setDefault(ok);
            connect(button, &QPushButton::clicked, this, ok ? &QDialog::accept : &QDialog::reject);
            return labelled(button, id, caption);
        }
    }
}

QPushButton* CLegendExportDlg::CreatePageButton(int id, TextId name, const QString& sign) {
    auto* button = new QPushButton(sign, this);
    button->setAutoDefault(false);
    NameControl(*button, id, Text(name));
    button->setToolTip(Text(name));
    return button;
}

void CLegendExportDlg::ConnectControls() {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        connect(layerBoxes_[static_cast<std::size_t>(layer)], &QCheckBox::toggled, this,
                [this, layer](bool on) {
                    choices_.layers[static_cast<std::size_t>(layer)] = on;
                    ChoicesChanged();
                });
    }
    connect(paperList_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        choices_.paper = PaperNamed(name.toStdString()).value_or(choices_.paper);
        ChoicesChanged();
    });
    connect(pitchBox_, &QDoubleSpinBox::valueChanged, this, [this](double pitch) {
        choices_.keyPitchMm = pitch;
        ChoicesChanged();
    });
    connect(labelsBox_, &QCheckBox::toggled, this, [this](bool on) {
        choices_.useLabels = on;
        ChoicesChanged();
    });
    connect(previousPage_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(nextPage_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
}

void CLegendExportDlg::ShowChoices() {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        layerBoxes_[static_cast<std::size_t>(layer)]->setChecked(
            choices_.layers[static_cast<std::size_t>(layer)]);
    }
    paperList_->setCurrentText(FromUtf8(PaperName(choices_.paper)));
    pitchBox_->setValue(choices_.keyPitchMm);
    labelsBox_->setChecked(choices_.useLabels);
}

// The layers' captions say which are empty, which depends on the labels; the pages are
// rendered anew.
void CLegendExportDlg::ChoicesChanged() {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        QCheckBox* box = layerBoxes_[static_cast<std::size_t>(layer)];
        box->setText(FromUtf8(
            LayerChoiceCaption(image_, labels_, layer, choices_.useLabels, layout_.language)));
        box->setAccessibleName(box->text());
    }
    pages_ = RenderLegendSheets(
        image_, labels_, LegendOptionsOf(choices_, layout_.title, layout_.date, layout_.language));
    ShowPage(page_);
}

void CLegendExportDlg::ShowPage(int page) {
    page_ = std::clamp(page, 0, static_cast<int>(pages_.size()) - 1);
    preview_->setPixmap(PagePicture(pages_[static_cast<std::size_t>(page_)], preview_->size()));
    pageText_->setText(
        FromUtf8(FillIn(tolvane::Text(TextId::kLegendPageOf, layout_.language),
                        {std::to_string(page_ + 1), std::to_string(pages_.size())})));
    pageText_->setAccessibleName(pageText_->text());
    previousPage_->setEnabled(page_ > 0);
    nextPage_->setEnabled(page_ + 1 < static_cast<int>(pages_.size()));
}

}  // namespace tolvane::gui
