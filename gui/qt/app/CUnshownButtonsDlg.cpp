#include "gui/qt/app/CUnshownButtonsDlg.h"

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/UnshownButtonsWindow.h"

namespace tolvane::gui {

CUnshownButtonsDlg::CUnshownButtonsDlg(const KeyboardImage& image, InterfaceLanguage language,
                                       ProgramButton onProgram, ButtonMenu onMenu, QWidget* parent)
    : QDialog(parent),
      image_(image),
      language_(language),
      onProgram_(std::move(onProgram)),
      onMenu_(std::move(onMenu)),
      converter_(ConverterFor(DialogFont())) {
    setObjectName(ObjectNameFor(ids::kUnshownButtonsDialog));
    setFont(DialogFont());
    setWindowTitle(FromUtf8(Text(TextId::kHiddenButtonsCaption, language_)));
    setAccessibleName(windowTitle());
    const PixelRect client = converter_.ToPixels(kUnshownButtonsClient);
    setFixedSize(client.width, client.height);
    CreateControls();
    ShowRows();
}

void CUnshownButtonsDlg::CreateControls() {
    hint_ = new QLabel(FromUtf8(Text(TextId::kHiddenButtonsHint, language_)), this);
    list_ = new CListCtrl_CellNav(this);
    list_->SetExtendedStyle(kListGridLines | kListFullRowSelect);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    const auto titles = UnshownButtonsTitles(language_);
    for (int column = 0; column < kUnshownButtonsColumns; ++column) {
        list_->InsertColumn(column, FromUtf8(titles[static_cast<std::size_t>(column)]),
                            column == 0 ? kUnshownButtonColumnWidth : kUnshownLayerColumnWidth,
                            Qt::AlignLeft);
    }
    list_->setAccessibleName(windowTitle());
    list_->setAccessibleDescription(hint_->text());
    connect(list_, &CListCtrl_CellNav::RowDoubleClicked, this, [this](int row) {
        if (const int button = ButtonOfRow(row)) {
            onProgram_(button);
            ShowRows();
        }
    });
    connect(list_, &CListCtrl_CellNav::RowRightClicked, this,
            [this](int row, const QPoint& screenPosition) {
                if (const int button = ButtonOfRow(row)) {
                    onMenu_(button, screenPosition);
                    ShowRows();
                }
            });
    close_ = new QPushButton(FromUtf8(Text(TextId::kDialogClose, language_)), this);
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    const std::array<QWidget*, 3> controls = {hint_, list_, close_};
    std::size_t index = 0;
    for (const ControlPlace& place : UnshownButtonsControls()) {
        QWidget& control = *controls[index++];
        control.setObjectName(ObjectNameFor(place.id));
        PlaceControl(control, converter_, place.rect);
    }
    hint_->setAccessibleName(hint_->text());
    close_->setAccessibleName(close_->text());
}

void CUnshownButtonsDlg::ShowRows() {
    const int chosen = list_->currentRow();
    const QSignalBlocker quiet(list_);
    list_->DeleteAllItems();
    for (const UnshownButtonRow& row : UnshownButtonRows(image_)) {
        QStringList cells;
        for (const std::string& cell : UnshownButtonsCells(row)) {
            cells << FromUtf8(cell);
        }
        list_->AppendRow(cells);
    }
    if (chosen >= 0 && chosen < list_->rowCount()) {
        list_->setCurrentCell(chosen, 0);
    }
}

int CUnshownButtonsDlg::ButtonOfRow(int row) const {
    const std::vector<UnshownButtonRow> rows = UnshownButtonRows(image_);
    return row >= 0 && static_cast<std::size_t>(row) < rows.size()
               ? rows[static_cast<std::size_t>(row)].button
               : 0;
}

}  // namespace tolvane::gui
