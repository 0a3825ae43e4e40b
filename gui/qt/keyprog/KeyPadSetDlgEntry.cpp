// The key programming dialog's faster key entry: the text line, the toggle that takes keys
// from the PC's keyboard, the key setting list's own keys and the two filter boxes. What each
// adds, refuses or shows is the session's; this file turns key events and typing into those
// calls.
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/keyprog/KeyPadSetDlg.h"
#include "gui/qt/widgets/Prompter.h"
#include "tolvane/keyprog/KeySearch.h"

namespace tolvane::gui {

namespace {

// What the window system says a pressed key is: X11 and Wayland key codes where Qt runs on
// Linux, scan codes on Windows. (Qt on macOS gives no scan code: every key is then refused
// as having no code.)
constexpr ScanCodeSet kNativeScanCodes =
#ifdef Q_OS_WIN
    ScanCodeSet::kWindowsScanCode;
#else
    ScanCodeSet::kXkbKeycode;
#endif

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

QString PcKeyName(const QKeyEvent& event) {
    const int key = event.key();
    return key == 0 || key == Qt::Key_unknown
               ? QString()
               : QKeySequence(key).toString(QKeySequence::NativeText);
}

}  // namespace

void KeyPadSetDlg::CreateEntryControls() {
    for (const ControlPlace& place : KeyPadEntryControls()) {
        QWidget* control = CreateEntryControl(place.id);
        PlaceControl(*control, converter_, place.rect);
    }
    // Rows are deleted from the keyboard in any number, so the list takes several.
    keySettingList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

QWidget* KeyPadSetDlg::CreateEntryControl(int id) {
    const bool card = session_.Mode() == KeyPadMode::kCard;
    switch (id) {
        case ids::kTypeTextLabel: {
            auto* label = new QLabel(Text(TextId::kTypeTextLabel), this);
            NameControl(*label, id, label->text());
            return label;
        }
        case ids::kTypeTextEdit: {
            typedText_ = new QLineEdit(this);
            typedText_->setPlaceholderText(
                Text(card ? TextId::kTypeCardCharacterHint : TextId::kTypeTextHint));
            if (card) {
                typedText_->setMaxLength(1);
            }
            NameControl(*typedText_, id, Text(TextId::kTypeTextLabel));
            typedText_->setAccessibleDescription(typedText_->placeholderText());
            findChild<QLabel*>(ObjectNameFor(ids::kTypeTextLabel))->setBuddy(typedText_);
            return typedText_;
        }
        case ids::kAddText: {
            auto* add = new QPushButton(Text(TextId::kAddText), this);
            add->setAutoDefault(false);
            NameControl(*add, id, add->text());
            connect(add, &QPushButton::clicked, this, [this] { OnAddText(false); });
            return add;
        }
        case ids::kTakeKeysToggle:
            takeKeys_ = new QCheckBox(Text(TextId::kTakeKeysFromKeyboard), this);
            NameControl(*takeKeys_, id, takeKeys_->text());
            return takeKeys_;
        default: {
            const bool special = id == ids::kSpecialKeyFilter;
            QLineEdit*& filter = special ? specialKeyFilter_ : userKeyFilter_;
            filter = new QLineEdit(this);
            filter->setPlaceholderText(Text(TextId::kFilterHint));
            filter->setClearButtonEnabled(true);
            const QString list = findChild<QGroupBox*>(ObjectNameFor(special ? ids::kSpecialKeyGroup
                                                                             : ids::kUserKeyGroup))
                                     ->title();
            NameControl(*filter, id, Text(TextId::kFilterHint) + ": " + list);
            connect(filter, &QLineEdit::textChanged, this,
                    [this, special] { special ? ApplySpecialKeyFilter() : ApplyUserKeyFilter(); });
            return filter;
        }
    }
}

// Every key event of the dialog passes here first, whichever control has the focus: the
// text line's Enter, the key setting list's own keys, and with the toggle on every key.
void KeyPadSetDlg::WatchKeysEverywhere() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

bool KeyPadSetDlg::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) {
        return QDialog::eventFilter(watched, event);
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    // Typing into a text box is typing, whatever the toggle says.
    const bool inTextBox = qobject_cast<QLineEdit*>(watched) != nullptr;
    if (takeKeys_->isChecked() && !inTextBox) {
        // Taken before any shortcut or control sees it; a held key adds itself once.
        if (type == QEvent::KeyPress && !key.isAutoRepeat()) {
            OnPcKey(key);
        }
        event->accept();
        return true;
    }
    if (type == QEvent::KeyPress && watched == typedText_ && IsEnter(key)) {
        OnTypedTextEnter();
        return true;
    }
    if (type == QEvent::KeyPress && IsEnter(key) &&
        (watched == specialKeyFilter_ || watched == userKeyFilter_)) {
        OnFilterEnter(*static_cast<QLineEdit*>(watched));
        return true;
    }
    if (type == QEvent::KeyPress && watched == keySettingList_ && OnKeySettingListKey(key)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void KeyPadSetDlg::OnTypedTextEnter() {
    if (EnterAction(KeyPadEnterPlace::kTextLine, typedText_->text().toStdString()) ==
        KeyPadEnterAction::kConfirm) {
        accept();
    } else {
        OnAddText(true);
    }
}

void KeyPadSetDlg::OnFilterEnter(QLineEdit& filter) {
    if (EnterAction(KeyPadEnterPlace::kFilterBox, filter.text().toStdString()) ==
        KeyPadEnterAction::kConfirm) {
        accept();
        return;
    }
    const bool special = &filter == specialKeyFilter_;
    CListCtrl_CellNav* list = special ? specialKeyList_ : userKeyList_;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (!list->isRowHidden(row)) {
            special ? OnSpecialListDoubleClick(row) : OnUserListDoubleClick(row);
            return;
        }
    }
}

void KeyPadSetDlg::OnAddText(bool thenEnter) {
    const std::optional<FilledText> refusal =
        session_.AppendText(typedText_->text().toStdString(), thenEnter);
    Tell(refusal);
    if (!refusal) {
        typedText_->clear();
    }
    ShowRows();
}

void KeyPadSetDlg::OnPcKey(const QKeyEvent& event) {
    Tell(session_.PressPcKey(kNativeScanCodes, event.nativeScanCode(),
                             PcKeyName(event).toStdString()));
    ShowRows();
}

bool KeyPadSetDlg::OnKeySettingListKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if ((event.key() == Qt::Key_Delete || event.key() == Qt::Key_Backspace) &&
        modifiers == Qt::NoModifier) {
        std::vector<int> rows;
        for (const QModelIndex& index : keySettingList_->selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
        if (rows.empty()) {
            return true;
        }
        const std::optional<int> next = DeleteSelectedRows(session_, std::move(rows));
        ShowRows();
        SelectKeySettingRow(next.value_or(-1));
        return true;
    }
    if ((event.key() == Qt::Key_Up || event.key() == Qt::Key_Down) &&
        modifiers == Qt::ControlModifier) {
        const int direction = event.key() == Qt::Key_Up ? -1 : 1;
        if (const std::optional<int> moved =
                session_.MoveRow(keySettingList_->currentRow(), direction)) {
            ShowRows();
            SelectKeySettingRow(*moved);
        }
        return true;
    }
    return false;
}

// The row that the next Delete or move acts on, as the user left off. Selected outright: the
// list's own row selection would follow the Ctrl still held for Ctrl+Up and toggle it.
void KeyPadSetDlg::SelectKeySettingRow(int row) {
    if (row < 0) {
        return;
    }
    const QModelIndex index = keySettingList_->model()->index(row, 1);
    keySettingList_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void KeyPadSetDlg::ApplySpecialKeyFilter() {
    const std::vector<bool> shown = SpecialKeyRowsShown(specialKeyFilter_->text().toStdString());
    for (int row = 0; row < specialKeyList_->rowCount(); ++row) {
        const auto r = static_cast<std::size_t>(row);
        specialKeyList_->setRowHidden(row, r >= shown.size() || !shown[r]);
    }
}

void KeyPadSetDlg::ApplyUserKeyFilter() {
    if (userKeyFilter_ == nullptr) {
        return;
    }
    const std::vector<bool> shown = session_.UserKeyRowsShown(userKeyFilter_->text().toStdString());
    for (int row = 0; row < userKeyList_->rowCount(); ++row) {
        const auto r = static_cast<std::size_t>(row);
        userKeyList_->setRowHidden(row, r >= shown.size() || !shown[r]);
    }
}

void KeyPadSetDlg::Tell(std::optional<FilledText> message) {
    if (message) {
        Prompts().Inform(this, MessageCaption(), FromUtf8(TextOf(*message, language_)),
                         PromptIcon::kInformation);
    }
}

}  // namespace tolvane::gui
