#include "gui/qt/app/CTolvaneDlg.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/kit/ControlNames.h"
#include "gui/kit/DialogFont.h"
#include "gui/model/CommandTable.h"
#include "gui/model/MainWindowLayout.h"
#include "gui/model/MainWindowRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/VirtualKeyboardRig.h"
#include "gui/qt/app/CAboutDlg.h"
#include "gui/qt/app/CFindDlg.h"
#include "gui/qt/app/FileCommands.h"
#include "gui/qt/app/LegendCommands.h"
#include "gui/qt/app/LegendSettings.h"
#include "gui/qt/app/PanelDrag.h"
#include "gui/qt/options/RunOptionDialogs.h"
#include "gui/qt/widgets/Artwork.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

constexpr const char* kWindowTitle = EditSession::kProgramTitle;
}  // namespace

CTolvaneDlg::CTolvaneDlg(KeyboardImage& image, LanguageState& language, ProgramSetup setup,
                         QWidget* parent)
    : QDialog(parent),
      image_(image),
      language_(language),
      setup_(std::move(setup)),
      locations_(setup_.programFolder, setup_.userConfigFolder),
      // Notices come on a thread of the bus; the window handles them on its own thread.
      deviceWatch_(image_, m_hid,
                   [this](DeviceChangeEvent event) {
                       QMetaObject::invokeMethod(
                           this, [this, event] { OnDeviceChange(event); }, Qt::QueuedConnection);
                   }),
      showLegendLabels_(ReadViewOption(kShowLegendLabelsOption)),
      showButtonNumbers_(ReadViewOption(kShowButtonNumbersOption)),
      converter_(ConverterFor(DialogFont())) {
    setObjectName(ObjectNameFor(ids::kMainDialog));
    setWindowTitle(kWindowTitle);
    setAccessibleName(kWindowTitle);
    setFont(DialogFont());
    setWindowIcon(ProgramIcon());

    verifyAfterWrite_ = ReadVerifyAfterWrite();
    ReadLanguage();
    CreateToolbar();
    CreateClientArea();
    ResetImage();
    drag_ = std::make_unique<PanelDrag>(*this, [this](int dragged, int target, DropAction action) {
        OnButtonDropped(dragged, target, action);
    });
    CreateShortcuts();
    UpdateEditState();

    DeviceCheck();
}

CTolvaneDlg::~CTolvaneDlg() {
    transfer_.reset();
    m_pReadWorker.Stop();
    m_pWriteWorker.Stop();
}

void CTolvaneDlg::ReadLanguage() {
    language_.ReadSetting(locations_.SettingsFile(), SystemLocaleName());
}

QString CTolvaneDlg::Text(TextId id) const {
    return FromUtf8(language_.Text(id));
}

void CTolvaneDlg::Inform(TextId text) {
    Prompts().Inform(this, MessageCaption(), Text(text), PromptIcon::kNone);
}

// ---- Menus and toolbar ----

QMenuBar* CTolvaneDlg::BuildMenu(InterfaceLanguage language) {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(ObjectNameFor(MainMenuId(language)));
    bar->setAccessibleName(QStringLiteral("Menu"));
    for (const MenuPopup& popup : MainMenu(language)) {
        QMenu* menu = bar->addMenu(FromUtf8(MenuPopupTitle(popup, language)));
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            // The text after the tab names the shortcut; the window's own shortcuts run it
            // (CreateShortcuts), the same in both languages, so the item sets none.
            QAction* action = menu->addAction(FromUtf8(MenuItemText(item, language)));
            action->setObjectName(ObjectNameFor(item.id));
            action->setCheckable(item.toggle);
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        }
    }
    if (setup_.virtualKeyboard != nullptr) {
        AddVirtualKeyboardMenu(*bar, language);
    }
    bar->hide();
    // The pointer over a menu built after start-up runs the hover handling too.
    bar->setMouseTracking(true);
    bar->installEventFilter(this);
    return bar;
}

void CTolvaneDlg::AddVirtualKeyboardMenu(QMenuBar& bar, InterfaceLanguage language) {
    const auto textIn = [language](TextId id) { return FromUtf8(tolvane::Text(id, language)); };
    QMenu* menu = bar.addMenu(textIn(TextId::kMenuVirtualKeyboard));
    for (const auto& [id, text] : {std::pair{ids::kVirtualPlugIn, TextId::kMenuPlugIn},
                                   std::pair{ids::kVirtualPullOut, TextId::kMenuPullOut}}) {
        QAction* action = menu->addAction(textIn(text));
        action->setObjectName(ObjectNameFor(id));
        connect(action, &QAction::triggered, this, [this, id = id] { OnCommand(id); });
    }
}

void CTolvaneDlg::AttachMenu(InterfaceLanguage language) {
    // Each language's menu is built when it is first attached: most runs never switch.
    QMenuBar*& menu = language == InterfaceLanguage::kEnglish ? englishMenu_ : chineseMenu_;
    if (menu == nullptr) {
        menu = BuildMenu(language);
    }
    if (attachedMenu_ != nullptr && attachedMenu_ != menu) {
        attachedMenu_->hide();
    }
    attachedMenu_ = menu;
    if (layout() != nullptr) {
        layout()->setMenuBar(menu);
    }
    menu->show();
    UpdateVirtualKeyboardMenu();
    UpdateToggleItems();
}

void CTolvaneDlg::CreateToolbar() {
    toolbar_ = new CTrueColorToolBar(this);
    connect(toolbar_, &CTrueColorToolBar::CommandChosen, this, &CTolvaneDlg::OnCommand);
}

void CTolvaneDlg::LoadToolbar(InterfaceLanguage language) {
    // Both toolbars run the same commands; reloading the buttons of the language keeps their
    // tool tips and accessible names in that language too.
    toolbar_->LoadButtons(MainToolbarId(language), MainToolbar(language), language);
    if (language == InterfaceLanguage::kEnglish) {
        toolbar_->SetImageStrips(ids::kEnglishToolbarNormal, ids::kEnglishToolbarHot,
                                 ids::kEnglishToolbarDisabled);
    } else {
        toolbar_->SetImageStrips(ids::kChineseToolbarNormal, ids::kChineseToolbarHot,
                                 ids::kChineseToolbarDisabled);
    }
}

// ---- Client area ----

void CTolvaneDlg::CreateClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName("clientArea");
    const PixelRect size = converter_.ToPixels(kMainWindowClient);
    client->setFixedSize(size.width, size.height);

    for (const ControlPlace& place : MainWindowControls()) {
        QWidget* control = nullptr;
        switch (place.id) {
            case ids::kConnectionPicture:
                control = connectionPicture_ = new QLabel(client);
                connectionPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                break;
            case ids::kLayerGroup:
                control = layerGroup_ = new QGroupBox(client);
                break;
            case ids::kLayerSelector:
                control = layerSelector_ = new QComboBox(client);
                break;
            case ids::kLayerPicture:
                control = layerPicture_ = new QLabel(client);
                break;
            case ids::kKeyInfoBox:
                control = keyInfo_ = new QTextEdit(client);
                keyInfo_->setReadOnly(true);
                keyInfo_->setFont(HeitiFont(12));
                break;
            default:
                control = new QGroupBox(client);
                control->setAccessibleName(place.rect.y == 0 ? QStringLiteral("Button panel")
                                                             : QStringLiteral("Key information"));
                break;
        }
        PlaceControl(*control, converter_, place.rect);
        if (place.id != 0) {
            NameControl(*control, place.id, control->accessibleName());
        }
    }
    // A drop-down list keeps the height of its font; the resource's height is its list's.
    layerSelector_->resize(layerSelector_->width(), layerSelector_->sizeHint().height());
    for (int layer = 1; layer <= LayerCount; ++layer) {
        layerSelector_->addItem(FromUtf8(LayerName(layer)));
    }
    layerSelector_->setCurrentIndex(0);
    layerSelector_->setAccessibleName(QStringLiteral("Layer"));
    keyInfo_->setAccessibleName(QStringLiteral("Key information"));
    // The right button over the box reaches the hidden buttons under it, not the box's own
    // Copy and Select All.
    keyInfo_->setContextMenuPolicy(Qt::NoContextMenu);
    keyInfo_->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    layerPicture_->setAccessibleName(QStringLiteral("Layer dial"));
    CreateKeyButtons(*client);
    connect(layerSelector_, &QComboBox::currentTextChanged, this, &CTolvaneDlg::OnLayerSelected);
    // The frames are drawn behind the controls they frame.
    for (QGroupBox* frame :
         client->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        frame->lower();
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(toolbar_);
    layout->addWidget(client);
    ApplyLanguage();
    WatchPointerEverywhere(*this);
}

void CTolvaneDlg::CreateKeyButtons(QWidget& client) {
    for (int button = 1; button <= ButtonCount; ++button) {
        auto* key = new CXPButton(&client);
        NameControl(*key, ids::kFirstKeyButton - 1 + button,
                    QStringLiteral("Button %1").arg(button));
        key->setAutoDefault(false);
        PlaceControl(*key, converter_, KeyButtonPlace(button));
        key->setVisible(IsKeyButtonShown(button));
        connect(key, &QPushButton::clicked, this, [this, button] { OnKeyButtonClicked(button); });
        m_keyButtons[static_cast<std::size_t>(button)] = key;
    }
    m_keyButtons[kFirstPanelFocusButton]->setFocusPolicy(Qt::TabFocus);
}

CXPButton* CTolvaneDlg::KeyButton(int button) const {
    return IsValidButton(button) ? m_keyButtons[static_cast<std::size_t>(button)] : nullptr;
}

void CTolvaneDlg::ResetImage() {
    image_.Reset();
    image_.selection.currentButton = 0;
    image_.selection.currentLayer = 1;
    ShowLayerPicture(1);
    RefreshAllButtons();
}

void CTolvaneDlg::ShowConnectionPicture(ConnectionPicture picture) {
    ShowPicture(*connectionPicture_, ConnectionPictureId(picture, language_.interfaceLanguage));
}

void CTolvaneDlg::ApplyLanguage() {
    AttachMenu(language_.interfaceLanguage);
    layerGroup_->setTitle(Text(TextId::kLayerGroupCaption));
    layerGroup_->setAccessibleName(layerGroup_->title());
    const bool connected = image_.status.keyboardConnected.load() == 1;
    ShowConnectionPicture(connected ? ConnectionPicture::kFound : ConnectionPicture::kNotFound);
    LoadToolbar(language_.interfaceLanguage);
    UpdateEditState();
    if (findDlg_ != nullptr) {
        findDlg_->SetLanguage(language_.interfaceLanguage);
    }
}

// ---- Keys the window swallows ----

void CTolvaneDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape neither press a default button nor close the window.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CTolvaneDlg::reject() {
    // The close box and Quit: not while a transfer works on the image (the window is
    // disabled then anyway), and not before unsaved changes are saved or given up.
    if ((transfer_ && !transfer_->Ended()) || !MayDiscardChanges(Command::kQuit)) {
        return;
    }
    transfer_.reset();
    m_pReadWorker.Stop();
    m_pWriteWorker.Stop();
    QDialog::reject();
}

// ---- Commands ----

void CTolvaneDlg::OnCommand(int id) {
    if (const std::optional<Command> command = CommandFor(id)) {
        RunCommand(*command);
    }
}

void CTolvaneDlg::RunCommand(Command command) {
    switch (command) {
        case Command::kNothing:
            break;
        case Command::kOpen:
            if (MayDiscardChanges(Command::kOpen)) {
                OnOpen();
            }
            break;
        case Command::kSave:
            OnSave();
            break;
        case Command::kQuit:
            OnQuit();
            break;
        case Command::kRead:
            OnRead();
            break;
        case Command::kWrite:
            OnWrite();
            break;
        case Command::kCardReaderSettings:
            RunCardReaderDialog(this, image_, language_, locations_);
            RecordStep(EditStep::kCardReaderSettings);
            break;
        case Command::kKeyboardSettings:
            RunKeyboardOptionsDialog(this, image_, language_);
            RecordStep(EditStep::kKeyboardSettings);
            break;
        case Command::kClearAll:
            OnClearAll();
            break;
        case Command::kNew:
            OnNew();
            break;
        case Command::kSwitchToChinese:
            OnSwitchLanguage(InterfaceLanguage::kChinese);
            break;
        case Command::kSwitchToEnglish:
            OnSwitchLanguage(InterfaceLanguage::kEnglish);
            break;
        case Command::kAbout:
            OnAbout();
            break;
        case Command::kUserManual:
            OnUserManual();
            break;
        case Command::kPlugVirtualKeyboard:
            OnVirtualKeyboard(true);
            break;
        case Command::kPullVirtualKeyboard:
            OnVirtualKeyboard(false);
            break;
        case Command::kPrintLegends:
            PrintLegends(this, {image_, *labels_, LegendTitle()}, language_);
            break;
        case Command::kExportLegends:
            ExportLegends(this, {image_, *labels_, LegendTitle()}, language_);
            break;
        case Command::kToggleLegendLabels:
            OnToggleLegendLabels();
            break;
        case Command::kUndo:
            OnUndo();
            break;
        case Command::kRedo:
            OnRedo();
            break;
        case Command::kCopyButton:
            OnCopy(FocusedKeyButton(), true);
            break;
        case Command::kPaste:
            OnPaste(FocusedKeyButton());
            break;
        case Command::kFind:
            OnFind();
            break;
        case Command::kRestoreBackup:
            OnRestoreBackup();
            break;
        case Command::kCompareWithKeyboard:
            OnCompareWithKeyboard();
            break;
        case Command::kCompareWithFile:
            OnCompareWithFile();
            break;
        case Command::kClearDifferenceMarks:
            ClearDifferenceMarks();
            break;
        case Command::kToggleVerifyAfterWrite:
            OnToggleVerifyAfterWrite();
            break;
        case Command::kUnshownButtons:
            OnUnshownButtons();
            break;
        case Command::kToggleButtonNumbers:
            OnToggleButtonNumbers();
            break;
    }
}

void CTolvaneDlg::OnTransfer(TransferKind kind, std::function<void(TransferOutcome)> afterClosed) {
    RunTransfer({kind, &image_, {}, std::move(afterClosed)});
}

bool CTolvaneDlg::RunTransfer(TransferPlan plan) {
    if (transfer_) {
        return false;
    }
    // Only the window's own image is what the read and write commands show and mark.
    const bool ownImage = plan.image == &image_;
    TransferWorker& worker = plan.kind == TransferKind::kRead ? m_pReadWorker : m_pWriteWorker;
    auto transfer = std::make_unique<TransferProgress>(
        *plan.image, worker, language_, this,
        [this, ownImage](TransferOutcome outcome) {
            if (ownImage) {
                OnTransferOutcome(outcome);
            }
        },
        plan.look);
    if (!ownImage) {
        plan.image->status.keyboardConnected.store(image_.status.keyboardConnected.load());
    }
    if (StartTransfer(plan.kind, *plan.image, m_hid, worker, transfer->Monitor()) ==
        StartResult::kNotConnected) {
        Inform(TextId::kPleaseConnectKeyboard);
        return false;
    }
    transfer_ = std::move(transfer);
    runningTransfer_ = plan.kind;
    connect(transfer_.get(), &TransferProgress::Finished, this,
            [this, after = std::move(plan.afterClosed)] {
                // Destroyed once the monitor's own call has returned.
                QMetaObject::invokeMethod(
                    this,
                    [this, after] {
                        const TransferOutcome outcome = transfer_->Outcome();
                        if (runningTransfer_ == TransferKind::kWrite) {
                            lastWriteCount_ = transfer_->Monitor().LastCount();
                        }
                        transfer_.reset();
                        UpdateEditState();
                        UpdateVirtualKeyboardMenu();
                        if (after) {
                            after(outcome);
                        }
                    },
                    Qt::QueuedConnection);
            });
    UpdateEditState();
    transfer_->Show();
    if (setup_.virtualKeyboard != nullptr) {
        // The main window is disabled under the progress window, but pulling the virtual
        // keyboard out during a transfer is what a hot-plug test needs.
        auto* bar = new QMenuBar;
        bar->setObjectName(QStringLiteral("progressMenu"));
        AddVirtualKeyboardMenu(*bar, language_.interfaceLanguage);
        transfer_->ProgressWindow()->AddMenuBar(bar);
        UpdateVirtualKeyboardMenu();
    }
    return true;
}

void CTolvaneDlg::OnTransferOutcome(TransferOutcome outcome) {
    // After a read the captions show what was read; after a failed read, the cleared keys.
    // Either way the read is one step: undoing it puts back what the window held before.
    if (outcome != TransferOutcome::kWriteSucceeded) {
        RefreshAllButtons();
    }
    if (runningTransfer_ == TransferKind::kRead) {
        RecordStep(EditStep::kReadKeyboard);
    }
    if (outcome != TransferOutcome::kFailed) {
        session_.MarkKeyboard(image_.TakeProgramming());
        UpdateEditState();
    }
}

void CTolvaneDlg::OnRead() {
    // Without a keyboard nothing is replaced: the read refuses before any question.
    if (image_.status.keyboardConnected.load() == 0 || MayDiscardChanges(Command::kRead)) {
        OnTransfer(TransferKind::kRead);
    }
}

void CTolvaneDlg::OnClearAll() {
    if (Prompts().AskYesNo(this, Text(TextId::kClearAllCaption), Text(TextId::kConfirmDeletion),
                           PromptIcon::kQuestion)) {
        ClearAllButtons();
        RecordStep(EditStep::kClearAllSettings);
    }
}

// Clear all settings and New: a layout from scratch, so the labels of the last one, which
// would describe other keys, go too.
void CTolvaneDlg::ClearAllButtons() {
    image_.ClearAllButtons();
    labels_->Clear();
    RefreshAllButtons();
}

void CTolvaneDlg::OnNew() {
    if (MayDiscardChanges(Command::kNew)) {
        ClearAllButtons();
        RecordStep(EditStep::kNew);
    }
}

void CTolvaneDlg::OnQuit() {
    reject();
}

void CTolvaneDlg::OnAbout() {
    CAboutDlg about(this);
    Prompts().RunModal(about);
}

void CTolvaneDlg::OnUserManual() {
    std::vector<std::filesystem::path> folders{setup_.programFolder};
    folders.insert(folders.end(), setup_.documentationFolders.begin(),
                   setup_.documentationFolders.end());
    if (const auto manual = FindUserManual(folders)) {
        if (!Prompts().OpenDocument(QString::fromStdString(manual->string()))) {
            Prompts().Inform(
                this, MessageCaption(),
                FromUtf8(FillIn(language_.Text(TextId::kManualNotOpened), {manual->string()})),
                PromptIcon::kWarning);
        }
    }
}

void CTolvaneDlg::OnSwitchLanguage(InterfaceLanguage target) {
    const std::filesystem::path settingsFile = locations_.SettingsFile();
    const LanguageSwitchResult result = target == InterfaceLanguage::kEnglish
                                            ? language_.SwitchToEnglish(settingsFile)
                                            : language_.SwitchToChinese(settingsFile);
    if (!result.switched) {
        return;
    }
    ApplyLanguage();
    RefreshAllButtons();  // the tool tips speak the new language
    if (!result.saved) {
        Inform(TextId::kLanguageNotSaved);
    }
}

std::string CTolvaneDlg::LegendTitle() const {
    // The layout's file name when it came from or went to a file, else the keyboard's name.
    const std::filesystem::path last = dataFiles_.lastDataFilePath;
    return last == " " ? std::string(kWindowTitle) : last.filename().string();
}

void CTolvaneDlg::OnOpen() {
    AfterOpen(RunOpenCommand(this, image_, *labels_, dataFiles_, language_));
}

void CTolvaneDlg::OpenDataFile(const QString& file) {
    AfterOpen(LoadDataFile(this, image_, *labels_, dataFiles_, language_, file));
}

void CTolvaneDlg::AfterOpen(bool loaded) {
    if (!loaded) {
        return;
    }
    RefreshAllButtons();
    const std::string name = DisplayedFileName(dataFiles_.lastDataFilePath);
    RecordStep(EditStep::kOpen, {name});
    session_.MarkFile(image_.TakeProgramming(), name);
    UpdateEditState();
}

bool CTolvaneDlg::OnSave() {
    if (!RunSaveCommand(this, image_, *labels_, dataFiles_, language_)) {
        return false;
    }
    session_.MarkFile(image_.TakeProgramming(), DisplayedFileName(dataFiles_.lastDataFilePath));
    UpdateEditState();
    return true;
}

void CTolvaneDlg::OnVirtualKeyboard(bool plugIn) {
    if (setup_.virtualKeyboard == nullptr) {
        return;
    }
    if (plugIn) {
        setup_.virtualKeyboard->PlugIn();
    } else {
        setup_.virtualKeyboard->PullOut();
    }
    UpdateVirtualKeyboardMenu();
}

void CTolvaneDlg::UpdateVirtualKeyboardMenu() {
    if (setup_.virtualKeyboard == nullptr) {
        return;
    }
    const bool plugged = setup_.virtualKeyboard->PluggedIn();
    QMenuBar* progressMenu = transfer_ && transfer_->ProgressWindow() != nullptr
                                 ? transfer_->ProgressWindow()->MenuBar()
                                 : nullptr;
    for (QMenuBar* bar : {chineseMenu_, englishMenu_, progressMenu}) {
        if (bar == nullptr) {
            continue;
        }
        if (QAction* in = bar->findChild<QAction*>(ObjectNameFor(ids::kVirtualPlugIn))) {
            in->setEnabled(!plugged);
        }
        if (QAction* out = bar->findChild<QAction*>(ObjectNameFor(ids::kVirtualPullOut))) {
            out->setEnabled(plugged);
        }
    }
}

void CTolvaneDlg::OnToggleLegendLabels() {
    showLegendLabels_ = !showLegendLabels_;
    RememberViewOption(kShowLegendLabelsOption, showLegendLabels_);
    UpdateToggleItems();
    RefreshAllButtons();
}

void CTolvaneDlg::OnToggleButtonNumbers() {
    showButtonNumbers_ = !showButtonNumbers_;
    RememberViewOption(kShowButtonNumbersOption, showButtonNumbers_);
    UpdateToggleItems();
    RefreshAllButtons();
}

// Both languages' menus show the option as it is.
void CTolvaneDlg::UpdateToggleItems() {
    for (QMenuBar* bar : {chineseMenu_, englishMenu_}) {
        if (bar == nullptr) {
            continue;
        }
        for (const auto& [id, on] : {std::pair{ids::kViewLegendLabels, showLegendLabels_},
                                     std::pair{ids::kViewButtonNumbers, showButtonNumbers_}}) {
            if (QAction* item = bar->findChild<QAction*>(ObjectNameFor(id))) {
                item->setChecked(on);
            }
        }
        if (QAction* item = bar->findChild<QAction*>(ObjectNameFor(ids::kVerifyAfterWrite))) {
            item->setChecked(verifyAfterWrite_);
        }
    }
}

// ---- Device notices ----

void CTolvaneDlg::DeviceCheck() {
    ShowConnectionPicture(deviceWatch_.DeviceCheck());
    AdviseOnAccess();
}

void CTolvaneDlg::OnDeviceChange(DeviceChangeEvent event) {
    if (const std::optional<ConnectionPicture> picture = deviceWatch_.OnDeviceChange(event)) {
        ShowConnectionPicture(*picture);
    }
    UpdateVirtualKeyboardMenu();
    AdviseOnAccess();
}

void CTolvaneDlg::AdviseOnAccess() {
    if (accessAdviceShown_ || deviceWatch_.LastSearch() != KeyboardSearch::kAccessDenied) {
        return;
    }
    accessAdviceShown_ = true;
    // Said once the window is up, not from inside a notice or the start-up.
    QTimer::singleShot(0, this, [this] {
        Prompts().Inform(this, MessageCaption(), Text(TextId::kAccessDeniedAdvice),
                         PromptIcon::kWarning);
    });
}

}  // namespace tolvane::gui
