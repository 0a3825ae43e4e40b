#include "gui/qt/app/CSafetyDlgs.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

QString Say(TextId id, InterfaceLanguage language) {
    return FromUtf8(Text(id, language));
}

QTableWidget* MakeList(QDialog& dialog, int id, const std::array<TextId, 3>& columns,
                       InterfaceLanguage language) {
    auto* list = new QTableWidget(0, static_cast<int>(columns.size()), &dialog);
    QStringList titles;
    for (TextId column : columns) {
        titles << Say(column, language);
    }
    list->setHorizontalHeaderLabels(titles);
    list->verticalHeader()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->horizontalHeader()->setStretchLastSection(true);
    NameControl(*list, id, titles.join(", "));
    return list;
}

void AddRow(QTableWidget& list, const std::array<std::string, 3>& cells) {
    const int row = list.rowCount();
    list.insertRow(row);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        list.setItem(row, static_cast<int>(column), new QTableWidgetItem(FromUtf8(cells[column])));
    }
}

}  // namespace

CDifferencesDlg::CDifferencesDlg(Comparison comparison, const ProgrammingDifference& difference,
                                 InterfaceLanguage language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(ObjectNameFor(ids::kDifferencesDialog));
    setWindowTitle(Say(TextId::kDifferencesCaption, language));
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(FromUtf8(DifferenceSummary(comparison, difference, language)), this);
    summary->setWordWrap(true);
    NameControl(*summary, ids::kDifferenceSummary, summary->text());
    layout->addWidget(summary);
    list_ = MakeList(*this, ids::kDifferenceList, DifferenceColumns(comparison), language);
    for (const DifferenceRow& row : DifferenceRows(difference, language)) {
        AddRow(*list_, {row.where, row.first, row.second});
    }
    list_->resizeColumnsToContents();
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 320);
}

CBackupsDlg::CBackupsDlg(const std::vector<BackupRow>& rows, InterfaceLanguage language,
                         QWidget* parent)
    : QDialog(parent), rows_(rows) {
    setObjectName(ObjectNameFor(ids::kBackupsDialog));
    setWindowTitle(Say(TextId::kBackupsCaption, language));
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    list_ = MakeList(
        *this, ids::kBackupList,
        {TextId::kBackupTimeColumn, TextId::kBackupSerialColumn, TextId::kBackupDifferColumn},
        language);
    for (const BackupRow& row : rows_) {
        AddRow(*list_, {row.time, row.serialNumber, row.differingButtons});
    }
    list_->resizeColumnsToContents();
    if (!rows_.empty()) {
        list_->selectRow(0);
    }
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(520, 360);
}

std::filesystem::path CBackupsDlg::Chosen() const {
    const int row = list_->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? rows_[static_cast<std::size_t>(row)].path
               : std::filesystem::path();
}

}  // namespace tolvane::gui
