// The two lists of the safety around writes: the differences a verify or comparison found
// (modeless, so the panel with its marks stays usable beside it) and the backups to restore
// one from. Both show rows the model made (gui/model/WriteSafety.h).
#pragma once

#include <QDialog>
#include <QTableWidget>
#include <filesystem>
#include <vector>

#include "gui/model/WriteSafety.h"

namespace tolvane::gui {

class CDifferencesDlg : public QDialog {
    Q_OBJECT

  public:
    CDifferencesDlg(Comparison comparison, const ProgrammingDifference& difference,
                    InterfaceLanguage language, QWidget* parent);

    QTableWidget& List() const { return *list_; }

  private:
    QTableWidget* list_ = nullptr;
};

class CBackupsDlg : public QDialog {
    Q_OBJECT

  public:
    CBackupsDlg(const std::vector<BackupRow>& rows, InterfaceLanguage language, QWidget* parent);

    QTableWidget& List() const { return *list_; }
    // The backup of the selected row; empty when none is selected.
    std::filesystem::path Chosen() const;

  private:
    std::vector<BackupRow> rows_;
    QTableWidget* list_ = nullptr;
};

}  // namespace tolvane::gui
