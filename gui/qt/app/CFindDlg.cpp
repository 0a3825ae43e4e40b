#include "gui/qt/app/CFindDlg.h"

#include <QEvent>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/FindWindow.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

CFindDlg::CFindDlg(const KeyboardImage& image, InterfaceLanguage language, HitChosen onHit,
                   QWidget* parent)
    : QDialog(parent),
      image_(image),
      language_(language),
      onHit_(std::move(onHit)),
      converter_(ConverterFor(DialogFont())) {
    setObjectName(ObjectNameFor(ids::kFindDialog));
    setFont(DialogFont());
    const PixelRect client = converter_.ToPixels(kFindClient);
    setFixedSize(client.width, client.height);
    CreateControls();
    SetLanguage(language);
}

QString CFindDlg::Text(TextId id) const {
    return FromUtf8(tolvane::Text(id, language_));
}

void CFindDlg::CreateControls() {
    for (const ControlPlace& place : FindControls()) {
        QWidget* control = nullptr;
        switch (place.id) {
            case ids::kFindPrompt:
                control = prompt_ = new QLabel(this);
                break;
            case ids::kFindEdit:
                control = query_ = new QLineEdit(this);
                query_->setClearButtonEnabled(true);
                connect(query_, &QLineEdit::textChanged, this, &CFindDlg::Search);
                break;
            case ids::kFindHitList:
                control = hitList_ = new CListCtrl_CellNav(this);
                hitList_->SetExtendedStyle(kListGridLines | kListFullRowSelect);
                hitList_->setSelectionMode(QAbstractItemView::SingleSelection);
                for (const FindColumn& column : FindHitColumns()) {
                    hitList_->InsertColumn(hitList_->columnCount(), QString(), column.width,
                                           Qt::AlignLeft);
                }
                // Any way to a row, pointer or arrow keys, shows it; so does a click on the
                // row already chosen, after the panel has been looked around.
                connect(hitList_, &QTableWidget::currentCellChanged, this, &CFindDlg::ShowHit);
                connect(hitList_, &QTableWidget::cellClicked, this, &CFindDlg::ShowHit);
                break;
            default:
                control = count_ = new QLabel(this);
                break;
        }
        control->setObjectName(ObjectNameFor(place.id));
        PlaceControl(*control, converter_, place.rect);
    }
    prompt_->setBuddy(query_);
}

void CFindDlg::SetLanguage(InterfaceLanguage language) {
    language_ = language;
    setWindowTitle(Text(TextId::kFindCaption));
    setAccessibleName(windowTitle());
    prompt_->setText(Text(TextId::kFindPrompt));
    prompt_->setAccessibleName(prompt_->text());
    query_->setAccessibleName(prompt_->text());
    hitList_->setAccessibleName(windowTitle());
    int index = 0;
    for (const FindColumn& column : FindHitColumns()) {
        hitList_->SetColumnTitle(index++, Text(column.title));
    }
    ShowHits();
}

void CFindDlg::Search() {
    std::vector<FindHit> hits = FindInButtons(image_, query_->text().toStdString());
    if (hits != hits_ || hitList_->rowCount() != static_cast<int>(hits.size())) {
        hits_ = std::move(hits);
        ShowHits();
    }
}

void CFindDlg::ShowHits() {
    const QSignalBlocker quiet(hitList_);  // rebuilding the rows chooses none of them
    hitList_->DeleteAllItems();
    for (const FindHit& hit : hits_) {
        const std::array<std::string, 3> row = FindHitRow(hit, language_);
        hitList_->AppendRow({FromUtf8(row[0]), FromUtf8(row[1]), FromUtf8(row[2])});
    }
    count_->setText(FromUtf8(FindCountText(hits_.size(), query_->text().isEmpty(), language_)));
    count_->setAccessibleName(count_->text());
}

void CFindDlg::ShowHit(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < hits_.size()) {
        onHit_(hits_[static_cast<std::size_t>(row)]);
    }
}

bool CFindDlg::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Search();
    }
    return QDialog::event(event);
}

}  // namespace tolvane::gui
