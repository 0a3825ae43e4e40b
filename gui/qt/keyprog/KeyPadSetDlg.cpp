#include "gui/qt/keyprog/KeyPadSetDlg.h"

#include <QKeyEvent>
#include <QMenu>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/KeyPadRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/widgets/CLedCheckBox.h"
#include "gui/qt/widgets/DialogCaptions.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

// Grid lines and full-row selection; the dialog's lists keep their columns in place.
constexpr unsigned kDialogListStyle = kListGridLines | kListFullRowSelect;

Qt::Alignment AlignmentOf(ColumnAlignment alignment) {
    return alignment == ColumnAlignment::kCentre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// The key legends are set a point smaller than the dialog's texts so that the longest
// ("Delete", "Power") fit their keys, and the two-line legend smaller again.
constexpr int kKeyLegendPoints = 8;
constexpr int kTwoLineLegendPoints = 7;

QString KeyLegend(KeyCode code) {
    return FromUtf8(OnScreenKeyLegend(code));
}

// The legend as the key shows it, so a speech user can say what they see, with the key's own
// name after it where the legend does not hold it ("~ 、 `").
QString KeyAccessibleName(KeyCode code) {
    const QString legend = FromUtf8(OnScreenKeyCaption(code)).simplified();
    const QString name = code == kFnKey ? QStringLiteral("Fn") : FromUtf8(KeyName(code, false));
    return legend.contains(name, Qt::CaseInsensitive) ? legend : legend + ' ' + name;
}

}  // namespace

KeyPadSetDlg::KeyPadSetDlg(KeyPadSession session, const LanguageState& language, QWidget* parent)
    : QDialog(parent),
      session_(std::move(session)),
      language_(language.interfaceLanguage),
      converter_(ConverterFor(DialogFont())) {
    setObjectName(ObjectNameFor(ids::kKeyPadDialog));
    const QString title = FromUtf8(KeyPadTitle(session_, language_));
    setWindowTitle(title);
    setAccessibleName(title);
    setFont(DialogFont());
    const PixelRect client = converter_.ToPixels(kKeyPadClient);
    setFixedSize(client.width, client.height);

    CreateKeys();
    CreateControls();
    CreateEntryControls();
    FillSpecialKeyList();
    if (session_.Mode() == KeyPadMode::kCard) {
        specialKeyList_->setEnabled(false);
        userKeyList_->setEnabled(false);
        specialKeyFilter_->setEnabled(false);
        userKeyFilter_->setEnabled(false);
    }
    ShowUserKeyRows();
    ShowRows();
    WatchKeysEverywhere();
}

KeyPadSetDlg::~KeyPadSetDlg() {
    if (!ended_) {
        session_.Cancel();
    }
}

QString KeyPadSetDlg::Text(TextId id) const {
    return FromUtf8(tolvane::Text(id, language_));
}

QPushButton* KeyPadSetDlg::OnScreenKey(KeyCode code) const {
    return code >= 1 && code <= kLastOnScreenKey ? keys_[code] : nullptr;
}

// ---- Building ----

void KeyPadSetDlg::CreateKeys() {
    for (int code = 1; code <= kLastOnScreenKey; ++code) {
        const auto keyCode = static_cast<KeyCode>(code);
        auto* key = new QPushButton(KeyLegend(keyCode), this);
        QFont legendFont = font();
        legendFont.setPointSize(key->text().contains('\n') ? kTwoLineLegendPoints
                                                           : kKeyLegendPoints);
        key->setFont(legendFont);
        NameControl(*key, ids::kFirstOnScreenKey - 1 + code, KeyAccessibleName(keyCode));
        key->setAutoDefault(false);
        key->setEnabled(session_.IsKeyEnabled(keyCode));
        PlaceControl(*key, converter_, OnScreenKeyPlace(keyCode));
        if (IsShiftCode(keyCode)) {
            // The Shift keys latch: they toggle, and a toggle through the accessibility
            // interface (which is no click) counts as a click too.
            key->setCheckable(true);
            connect(key, &QPushButton::toggled, this, [this, keyCode] { OnKeyClicked(keyCode); });
        } else {
            connect(key, &QPushButton::clicked, this, [this, keyCode] { OnKeyClicked(keyCode); });
        }
        keys_[keyCode] = key;
    }
}

void KeyPadSetDlg::CreateControls() {
    for (const ControlPlace& place : KeyPadControls()) {
        QWidget* control = nullptr;
        QString name = CaptionOf(KeyPadCaptions(), place.id, language_);
        switch (place.id) {
            case ids::kKeySettingGroup:
            case ids::kSpecialKeyGroup:
            case ids::kUserKeyGroup:
                control = new QGroupBox(name, this);
                break;
            case ids::kKeySettingList:
                control = keySettingList_ = new CListCtrl_CellNav(this);
                SetUpList(*keySettingList_, KeySettingColumns());
                name = QStringLiteral("Key setting list");
                break;
            case ids::kSpecialKeyList:
                control = specialKeyList_ = new CListCtrl_CellNav(this);
                SetUpList(*specialKeyList_, SpecialKeyColumns());
                name = QStringLiteral("Special key list");
                break;
            case ids::kUserKeyList:
                control = userKeyList_ = new CListCtrl_CellNav(this);
                SetUpList(*userKeyList_, UserKeyColumns());
                name = QStringLiteral("User key list");
                break;
            case ids::kNumLamp:
            case ids::kCapsLamp:
            case ids::kScrollLamp:
                control = new CLedCheckBox(name, this);
                break;
            default: {
                auto* button = new QPushButton(name, this);
                button->setAutoDefault(false);
                control = button;
                break;
            }
        }
        NameControl(*control, place.id, name);
        PlaceControl(*control, converter_, place.rect);
        // Group boxes are drawn behind the lists they frame.
        if (qobject_cast<QGroupBox*>(control) != nullptr) {
            control->lower();
        }
    }

    auto button = [this](int id) { return findChild<QPushButton*>(ObjectNameFor(id)); };
    QPushButton* ok = button(ids::kKeyPadOk);
    ok->setDefault(true);
    ok->hide();
    connect(ok, &QPushButton::clicked, this, &KeyPadSetDlg::accept);
    connect(button(ids::kKeyPadConfirm), &QPushButton::clicked, this, &KeyPadSetDlg::accept);
    connect(button(ids::kKeyPadCancel), &QPushButton::clicked, this, &KeyPadSetDlg::reject);
    connect(button(ids::kAddUserKey), &QPushButton::clicked, this, &KeyPadSetDlg::OnAddUserKey);
    connect(keySettingList_, &CListCtrl_CellNav::RowRightClicked, this,
            &KeyPadSetDlg::OnKeyListRightClick);
    connect(userKeyList_, &CListCtrl_CellNav::RowRightClicked, this,
            &KeyPadSetDlg::OnUserListRightClick);
    connect(specialKeyList_, &CListCtrl_CellNav::RowDoubleClicked, this,
            &KeyPadSetDlg::OnSpecialListDoubleClick);
    connect(userKeyList_, &CListCtrl_CellNav::RowDoubleClicked, this,
            &KeyPadSetDlg::OnUserListDoubleClick);
}

void KeyPadSetDlg::SetUpList(CListCtrl_CellNav& list, std::span<const ListColumn> columns) {
    list.SetExtendedStyle(kDialogListStyle);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    int index = 0;
    for (const ListColumn& column : columns) {
        list.InsertColumn(index++, FromUtf8(column.Title(language_)), column.Width(language_),
                          AlignmentOf(column.alignment));
    }
}

void KeyPadSetDlg::FillSpecialKeyList() {
    for (std::size_t row = 0; row < SpecialKeyListRowCount(); ++row) {
        QStringList texts;
        for (const std::string& text : SpecialKeyListRow(row)) {
            texts << FromUtf8(text);
        }
        specialKeyList_->AppendRow(texts);
    }
}

// ---- Showing the session ----

void KeyPadSetDlg::ShowRows() {
    ShowShiftLatch();
    keySettingList_->DeleteAllItems();
    for (const KeyPadRow& row : session_.Rows()) {
        keySettingList_->AppendRow(
            {FromUtf8(row.number), FromUtf8(row.name), FromUtf8(row.value), FromUtf8(row.layer)});
    }
    keySettingList_->scrollToBottom();
}

// Both Shift keys look pressed while the next key is named shifted, and a screen reader hears
// them as checked.
void KeyPadSetDlg::ShowShiftLatch() {
    for (const KeyCode shift : {kLeftShift, kRightShift}) {
        if (QPushButton* key = OnScreenKey(shift)) {
            const QSignalBlocker quiet(key);
            key->setChecked(session_.ShiftLatched());
        }
    }
}

void KeyPadSetDlg::ShowUserKeyRows() {
    userKeyList_->DeleteAllItems();
    for (const UserKeyListRow& row : session_.UserKeyRows()) {
        userKeyList_->AppendRow({QString::number(row.number), FromUtf8(row.text)});
    }
    ApplyUserKeyFilter();
}

void KeyPadSetDlg::Tell(std::optional<TextId> message) {
    if (message) {
        Prompts().Inform(this, MessageCaption(), Text(*message), PromptIcon::kInformation);
    }
}

// ---- Actions ----

void KeyPadSetDlg::OnKeyClicked(KeyCode code) {
    Tell(session_.ClickKey(code));
    ShowRows();
}

void KeyPadSetDlg::OnSpecialListDoubleClick(int row) {
    if (row >= 0) {
        Tell(session_.AppendSpecialKey(row));
        ShowRows();
    }
}

void KeyPadSetDlg::OnUserListDoubleClick(int row) {
    if (row >= 0) {
        Tell(session_.AppendUserKeyGroup(row));
        ShowRows();
    }
}

void KeyPadSetDlg::OnAddUserKey() {
    Tell(session_.AddUserKeyGroup());
    ShowUserKeyRows();
}

int KeyPadSetDlg::PopUpMenu(std::span<const KeyPadMenuItem> items, const QPoint& position) {
    QMenu menu(this);
    for (const KeyPadMenuItem& item : items) {
        QAction* action = menu.addAction(Text(item.text));
        action->setObjectName(ObjectNameFor(item.id));
        action->setData(item.id);
    }
    const QAction* chosen = Prompts().PopUp(menu, position);
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

void KeyPadSetDlg::Show(const KeyPadChange& change) {
    Tell(change.message);
    if (change.rows) {
        ShowRows();
    }
    if (change.userKeys) {
        ShowUserKeyRows();
    }
}

void KeyPadSetDlg::OnKeyListRightClick(int row, const QPoint& position) {
    if (row >= 0) {
        Show(RunKeySettingListItem(session_, PopUpMenu(KeySettingListMenu(), position), row));
    }
}

void KeyPadSetDlg::OnUserListRightClick(int row, const QPoint& position) {
    if (row >= 0) {
        Show(RunUserKeyListItem(session_, PopUpMenu(UserKeyListMenu(), position), row));
    }
}

// ---- Ending ----

void KeyPadSetDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void KeyPadSetDlg::accept() {
    if (ended_) {
        return;
    }
    if (const std::optional<TextId> refusal = session_.Confirm()) {
        Tell(refusal);
        return;
    }
    ended_ = true;
    QDialog::accept();
}

void KeyPadSetDlg::reject() {
    if (!ended_) {
        session_.Cancel();
        ended_ = true;
    }
    QDialog::reject();
}

}  // namespace tolvane::gui
