#include "gui/qt/app/CSafetyDlgs.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

QString Say(TextId id, InterfaceLanguage language) {
    return FromUtf8(Text(id, language));
}

QTableWidget* MakeList(QWidget& dialog, const std::array<TextId, 3>& columns,
                       InterfaceLanguage language) {
    auto* list = new QTableWidget(0, static_cast<int>(columns.size()), &dialog);
    QStringList titles;
    for (TextId column : columns) {
        titles << Say(column, language);
    }
    list->setHorizontalHeaderLabels(titles);
    list->setAccessibleName(titles.join(", "));
    list->verticalHeader()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->horizontalHeader()->setStretchLastSection(true);
    return list;
}

void AddRow(QTableWidget& list, const std::array<std::string, 3>& cells) {
    const int row = list.rowCount();
    list.insertRow(row);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        list.setItem(row, static_cast<int>(column), new QTableWidgetItem(FromUtf8(cells[column])));
    }
}

QPushButton* MakeButton(QDialog& dialog, const QString& text, bool accepts) {
    auto* button = new QPushButton(text, &dialog);
    button->setAccessibleName(text);
    button->setDefault(accepts);
    QObject::connect(button, &QPushButton::clicked, &dialog,
                     accepts ? &QDialog::accept : &QDialog::reject);
    return button;
}

// Every control of the table made by `make`, then placed in dialog units.
template <typename Make>
void PlaceControls(QDialog& dialog, DialogRect client, std::span<const ControlPlace> places,
                   Make make) {
    const DialogUnitConverter converter = ConverterFor(DialogFont());
    dialog.setFont(DialogFont());
    const PixelRect size = converter.ToPixels(client);
    dialog.setFixedSize(size.width, size.height);
    for (const ControlPlace& place : places) {
        QWidget* control = make(place.id);
        control->setObjectName(ObjectNameFor(place.id));
        PlaceControl(*control, converter, place.rect);
    }
}

}  // namespace

CDifferencesDlg::CDifferencesDlg(Comparison comparison, const ProgrammingDifference& difference,
                                 InterfaceLanguage language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(ObjectNameFor(ids::kDifferencesDialog));
    setWindowTitle(Say(TextId::kDifferencesCaption, language));
    setAccessibleName(windowTitle());
    PlaceControls(*this, kDifferencesClient, DifferencesControls(), [&](int id) -> QWidget* {
        switch (id) {
            case ids::kDifferenceSummary: {
                auto* summary =
                    new QLabel(FromUtf8(DifferenceSummary(comparison, difference, language)), this);
                summary->setAccessibleName(summary->text());
                return summary;
            }
            case ids::kDifferenceList:
                list_ = MakeList(*this, DifferenceColumns(comparison), language);
                for (const DifferenceRow& row : DifferenceRows(difference, language)) {
                    AddRow(*list_, {row.where, row.first, row.second});
                }
                list_->resizeColumnsToContents();
                return list_;
            default:
                return MakeButton(*this, Say(TextId::kDialogClose, language), false);
        }
    });
}

CBackupsDlg::CBackupsDlg(const std::vector<BackupRow>& rows, InterfaceLanguage language,
                         QWidget* parent)
    : QDialog(parent), rows_(rows) {
    setObjectName(ObjectNameFor(ids::kBackupsDialog));
    setWindowTitle(Say(TextId::kBackupsCaption, language));
    setAccessibleName(windowTitle());
    PlaceControls(*this, kBackupsClient, BackupsControls(), [&](int id) -> QWidget* {
        switch (id) {
            case ids::kBackupList:
                list_ = MakeList(*this,
                                 {TextId::kBackupTimeColumn, TextId::kBackupSerialColumn,
                                  TextId::kBackupDifferColumn},
                                 language);
                for (const BackupRow& row : rows_) {
                    AddRow(*list_, {row.time, row.serialNumber, row.differingButtons});
                }
                list_->resizeColumnsToContents();
                if (!rows_.empty()) {
                    list_->selectRow(0);
                }
                connect(list_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
                return list_;
            case ids::kSafetyDialogOk:
                return MakeButton(*this, Say(TextId::kDialogOk, language), true);
            default:
                return MakeButton(*this, Say(TextId::kAnswerCancel, language), false);
        }
    });
}

std::filesystem::path CBackupsDlg::Chosen() const {
    const int row = list_->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? rows_[static_cast<std::size_t>(row)].path
               : std::filesystem::path();
}

}  // namespace tolvane::gui
