// Renders every window of the desktop programmer and the card-reader tool to PNG files, on the
// offscreen platform, so they can be looked at without a display: scripts/screenshots.sh runs
// it.
// Usage: gui_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <tuple>

#include "examples/TillLayout.h"
#include "gui/kit/ControlNames.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/VirtualKeyboardRig.h"
#include "gui/qt/app/CAboutDlg.h"
#include "gui/qt/app/CLegendExportDlg.h"
#include "gui/qt/app/CLegendLabelDlg.h"
#include "gui/qt/app/CSafetyDlgs.h"
#include "gui/qt/app/CTolvaneApp.h"
#include "gui/qt/app/CTolvaneDlg.h"
#include "gui/qt/app/CUnshownButtonsDlg.h"
#include "gui/qt/app/LegendCommands.h"
#include "gui/qt/app/LegendSettings.h"
#include "gui/qt/keyprog/KeyPadSetDlg.h"
#include "gui/qt/options/CKeyBoardSetDlg.h"
#include "gui/qt/options/CpellimoreDlg.h"
#include "gui/qt/widgets/CProgressWnd.h"
#include "gui/qt/widgets/Prompter.h"
#include "pellimore/CAboutDlg.h"
#include "pellimore/CPellimoreDlg.h"
#include "pellimore/PellimoreIds.h"
#include "tolvane/files/Backups.h"
#include "tolvane/files/DataFileCheck.h"
#include "tolvane/files/DataFileWriter.h"
#include "tolvane/files/LabelsFile.h"
#include "tolvane/legend/ReadableText.h"

namespace tolvane::gui {
namespace {

class Studio {
  public:
    explicit Studio(QString output) : output_(std::move(output)) {}

    // A main window in the language given, with or without the keyboard plugged in.
    std::unique_ptr<CTolvaneDlg> MainWindow(const char* language, bool connected) {
        std::ofstream(QDir(program_.path()).filePath("sysInfo.ini").toStdString()) << language;
        if (connected) {
            rig_.PlugIn();
        } else {
            rig_.PullOut();
        }
        ProgramSetup setup;
        setup.programFolder = program_.path().toStdString();
        setup.virtualKeyboard = &rig_;
        language_ = LanguageState{};
        auto window = std::make_unique<CTolvaneDlg>(*image_, language_, setup);
        window->show();
        QApplication::processEvents();
        return window;
    }

    void Save(QWidget& widget, const QString& name) {
        QApplication::processEvents();
        SavePicture(widget.grab(), name);
    }

    void SavePicture(const QPixmap& picture, const QString& name) {
        const QString file = QDir(output_).filePath(name + ".png");
        if (!picture.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            failed_ = true;
            return;
        }
        std::printf("%s\n", qPrintable(file));
    }

    // A window with one of its menus open: the menu is a window of its own, drawn over the
    // window's picture where it opened.
    void SaveWithMenu(QWidget& window, QMenu& menu, const QPoint& screenPosition,
                      const QString& name) {
        menu.popup(screenPosition);
        QApplication::processEvents();
        QPixmap picture = window.grab();
        {
            QPainter painter(&picture);
            painter.drawPixmap(window.mapFromGlobal(menu.pos()), menu.grab());
        }
        menu.hide();
        SavePicture(picture, name);
    }

    QString ProgramFile(const QString& name) const { return QDir(program_.path()).filePath(name); }

    bool Failed() const { return failed_; }
    void Fail(const char* what) {
        std::fprintf(stderr, "cannot write %s\n", what);
        failed_ = true;
    }

    KeyboardImage& Image() { return *image_; }
    FileLocations Locations() const {
        const std::filesystem::path folder = program_.path().toStdString();
        return FileLocations(folder, folder / "user");
    }
    VirtualKeyboardRig& Rig() { return rig_; }

    // The key programming dialog on button 12, layer 1, holding Ctrl+Alt+Delete, or on the
    // prefix of track 1; with two user key groups. `prepare` acts in it before the picture.
    void KeyDialog(const char* language, KeyPadMode mode, const QString& name,
                   const std::function<void(KeyPadSetDlg&)>& prepare = {}) {
        image_->StoreKeyRecord(12, 1, std::array<KeyCode, 3>{67, 69, 84});
        image_->RefreshButton(12);
        const QString groups = QDir(program_.path()).filePath("UserKeyGroud.dat");
        std::ofstream(groups.toStdString(), std::ios::binary) << "<67 69 84 >\r\n<55 29 >\r\n"
                                                              << kUserKeyEndOfFileMarker;
        LanguageState state;
        state.languageSetting = language;
        state.interfaceLanguage = state.languageSetting == "English" ? InterfaceLanguage::kEnglish
                                                                     : InterfaceLanguage::kChinese;
        std::optional<KeyPadSession> session =
            mode == KeyPadMode::kButton
                ? KeyPadSession::ForButton(*image_, 12)
                : KeyPadSession::ForTrackPart(*image_, 0, TrackPart::kPrefix);
        session->LoadUserKeyGroups(groups.toStdString());
        KeyPadSetDlg dialog(std::move(*session), state);
        dialog.show();
        if (prepare) {
            prepare(dialog);
        }
        Save(dialog, name);
    }

  private:
    QString output_;
    QTemporaryDir program_;
    VirtualKeyboardRig rig_{""};
    std::unique_ptr<KeyboardImage> image_ = std::make_unique<KeyboardImage>();
    LanguageState language_;
    bool failed_ = false;
};

void MainWindows(Studio& studio) {
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        for (const bool connected : {false, true}) {
            auto window = studio.MainWindow(language, connected);
            studio.Save(*window,
                        QString("main-%1-%2").arg(suffix, connected ? "connected" : "unconnected"));
        }
    }
}

// The example till layout on layers 1 and 3, with the pointer over a button.
void PanelWithLayout(Studio& studio) {
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        auto window = studio.MainWindow(language, true);
        examples::BuildTillLayout(studio.Image());
        studio.Image().DeriveAllLayerTexts();
        auto* selector = window->findChild<QComboBox*>(ObjectNameFor(ids::kLayerSelector));
        QTest::mouseMove(window.get(), QPoint(1, 1));
        selector->setCurrentText("Layer3");
        studio.Save(*window, QString("panel-%1-layer3").arg(suffix));
        selector->setCurrentText("Layer1");
        QTest::mouseMove(window->KeyButton(13));
        studio.Save(*window, QString("panel-%1-layer1-hover").arg(suffix));
    }
}

// Find over the example till layout: every layer that types Enter, the hit of button 28
// chosen, its layer shown and the button framed on the panel.
void FindResults(Studio& studio) {
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        auto window = studio.MainWindow(language, true);
        examples::BuildTillLayout(studio.Image());
        studio.Image().DeriveAllLayerTexts();
        // Shown on another layer first: the hit brings the panel back to its own.
        window->findChild<QComboBox*>(ObjectNameFor(ids::kLayerSelector))->setCurrentText("Layer3");
        window->OnCommand(ids::kFindCommand);
        auto* find = window->findChild<QDialog*>(ObjectNameFor(ids::kFindDialog));
        QTest::keyClicks(find->findChild<QLineEdit*>(ObjectNameFor(ids::kFindEdit)), "Enter");
        auto* hits = find->findChild<QTableWidget*>(ObjectNameFor(ids::kFindHitList));
        for (int row = 0; row < hits->rowCount(); ++row) {
            if (hits->item(row, 0)->text() == "28") {
                hits->setCurrentCell(row, 0);
            }
        }
        studio.Save(*find, QString("find-%1").arg(suffix));
        QTest::mouseMove(window.get(), QPoint(1, 1));
        studio.Save(*window, QString("panel-%1-found").arg(suffix));
    }
}

// The safety around writes: the verify's line, the difference list with its marks on the
// panel, the backup list and what a failed write says.
void WriteSafety(Studio& studio) {
    const auto changed = std::make_unique<KeyboardImage>();
    examples::BuildTillLayout(*changed);
    changed->StoreKeyRecord(13, 1, std::vector<KeyCode>{0x04});
    changed->StoreKeyRecord(30, 3, std::vector<KeyCode>{0x06});
    changed->tracks[1].enabled = 0;
    changed->options.autoRepeat = 1;
    QTemporaryDir backups;
    for (int i = 0; i < 3; ++i) {
        SaveBackup(i == 1 ? *changed : studio.Image(), backups.path().toStdString(), "TR48-0042",
                   std::chrono::system_clock::now() - std::chrono::hours(30 * i));
    }
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        auto window = studio.MainWindow(language, true);
        examples::BuildTillLayout(studio.Image());
        studio.Image().DeriveAllLayerTexts();
        auto* selector = window->findChild<QComboBox*>(ObjectNameFor(ids::kLayerSelector));
        selector->setCurrentText("Layer2");  // the captions of the layout
        selector->setCurrentText("Layer1");
        const InterfaceLanguage shown = std::string(language) == "English"
                                            ? InterfaceLanguage::kEnglish
                                            : InterfaceLanguage::kChinese;
        window->ShowComparison(Comparison::kVerify, Difference(studio.Image().TakeProgramming(),
                                                               changed->TakeProgramming()));
        auto* list = window->findChild<QDialog*>(ObjectNameFor(ids::kDifferencesDialog));
        studio.Save(*list, QString("differences-%1").arg(suffix));
        QTest::mouseMove(window.get(), QPoint(1, 1));
        studio.Save(*window, QString("panel-%1-differences").arg(suffix));

        CBackupsDlg restore(
            BackupRows(ListBackups(backups.path().toStdString()), studio.Image().TakeProgramming()),
            shown, window.get());
        restore.show();
        studio.Save(restore, QString("restore-backup-%1").arg(suffix));

        const auto box = [&](const std::string& text, const QStringList& buttons,
                             const QString& name) {
            QMessageBox message(buttons.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning,
                                MessageCaption(), FromUtf8(text), QMessageBox::NoButton,
                                window.get());
            for (const QString& button : buttons) {
                message.addButton(button, QMessageBox::AcceptRole);
            }
            if (buttons.isEmpty()) {
                message.addButton(QMessageBox::Ok);
            }
            message.show();
            studio.Save(message, name);
        };
        box(std::string(Text(TextId::kVerifiedIdentical, shown)), {},
            QString("verified-%1").arg(suffix));
        const std::filesystem::path backup = ListBackups(backups.path().toStdString())[0].path;
        box(PartialWriteText({WriteStop::kPulledOut, 57, 11}, backup, shown),
            {FromUtf8(Text(TextId::kAnswerRetry, shown)),
             FromUtf8(Text(TextId::kAnswerCancel, shown))},
            QString("partial-write-%1").arg(suffix));
    }
}

// The labels shipped beside the example layout.
std::unique_ptr<LegendLabels> TillLabels() {
    LabelsFileLoad load =
        LoadLabelsFile(std::filesystem::path(TOLVANE_SOURCE_DIR) / "examples/till.labels");
    return std::make_unique<LegendLabels>(std::move(load.parsed.labels));
}

// The legend sheets of the example layout and its labels as a PDF, as the window exports
// them by default; the script turns its pages into PNGs.
void LegendSheets(Studio& studio, const QString& output) {
    auto image = std::make_unique<KeyboardImage>();
    examples::BuildTillLayout(*image);
    LegendOptions options;
    options.title = "till.dat";
    QPdfWriter writer(QDir(output).filePath("legends.pdf"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}));
    if (!PaintLegendPages(writer, RenderLegendSheets(*image, *TillLabels(), options))) {
        studio.Fail("legends.pdf");
    }
}

// The label dialog on button 29 and the legend sheets' dialog on the example layout, and the
// panel showing the labels instead of the captions.
void LegendDialogs(Studio& studio) {
    const std::unique_ptr<LegendLabels> labels = TillLabels();
    for (const auto& [language, suffix] :
         {std::pair{InterfaceLanguage::kChinese, "zh"}, {InterfaceLanguage::kEnglish, "en"}}) {
        auto& image = studio.Image();
        image.Reset();
        examples::BuildTillLayout(image);
        image.DeriveAllLayerTexts();
        CLegendLabelDlg label(29, 1, labels->Of(29, 1), ReadableTextOf(image.buttons[29].Codes(1)),
                              language);
        label.show();
        studio.Save(label, QString("legend-label-%1").arg(suffix));
        LegendOptions layout;
        layout.title = "till.dat";
        layout.language = language;
        CLegendExportDlg sheets(LegendOutput::kPdf, image, *labels,
                                InitialLegendChoices(image, *labels, {}, Paper::kA4), layout);
        sheets.show();
        studio.Save(sheets, QString("legend-export-%1").arg(suffix));
    }
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        RememberViewOption(gui::kShowLegendLabelsOption, true);
        auto window = studio.MainWindow(language, true);
        const QTemporaryDir files;
        const std::filesystem::path folder = files.path().toStdString();
        const std::filesystem::path till = folder / "till.dat";
        std::filesystem::copy_file(std::filesystem::path(TOLVANE_SOURCE_DIR) / "examples/till.dat",
                                   till, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(
            std::filesystem::path(TOLVANE_SOURCE_DIR) / "examples/till.labels",
            folder / "till.labels", std::filesystem::copy_options::overwrite_existing);
        window->OpenDataFile(QString::fromStdString(till.string()));
        studio.Save(*window, QString("panel-%1-labels").arg(suffix));
        window->findChild<QComboBox*>(ObjectNameFor(ids::kLayerSelector))->setCurrentText("Layer2");
        studio.Save(*window, QString("panel-%1-labels-layer2").arg(suffix));
        RememberViewOption(gui::kShowLegendLabelsOption, false);
    }
}

// The till layout opened from its file, one button dragged onto another and that undone:
// the Edit menu names the step to undo and the one to redo. Then a drag in progress, with
// Ctrl held in English (a copy).
void EditMenuAndDrag(Studio& studio) {
    const QString file = studio.ProgramFile("till.dat");
    {
        auto layout = std::make_unique<KeyboardImage>();
        examples::BuildTillLayout(*layout);
        if (!SaveDataFile(*layout, file.toStdString(), "till.dat", std::tm{})) {
            studio.Fail("till.dat");
            return;
        }
    }
    const auto drag = [](CTolvaneDlg& window, int from, int to) {
        QTest::mousePress(window.KeyButton(from), Qt::LeftButton);
        QTest::mouseMove(window.KeyButton(to));
    };
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        auto window = studio.MainWindow(language, true);
        QTest::mouseMove(window.get(), QPoint(1, 1));  // the pointer off the buttons
        window->OpenDataFile(file);
        drag(*window, 13, 19);
        QTest::mouseRelease(window->KeyButton(19), Qt::LeftButton, Qt::ShiftModifier);
        drag(*window, 7, 8);
        QTest::mouseRelease(window->KeyButton(8), Qt::LeftButton);
        window->RunCommand(Command::kUndo);
        QMenuBar* bar = window->AttachedMenu();
        QAction* edit = bar->actions().at(1);
        studio.SaveWithMenu(*window, *edit->menu(),
                            bar->mapToGlobal(bar->actionGeometry(edit).bottomLeft()),
                            QString("edit-menu-%1").arg(suffix));

        drag(*window, 7, 15);
        if (QString(suffix) == "en") {
            QTest::keyPress(window.get(), Qt::Key_Control, Qt::ControlModifier);
        }
        studio.Save(*window, QString("drag-%1").arg(suffix));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::mouseRelease(window->KeyButton(15), Qt::LeftButton);
    }
}

void ProgressAndAbout(Studio& studio) {
    auto window = studio.MainWindow("English", true);
    CProgressWnd progress("Data is being transmitted...", window.get());
    progress.SetRange(0, 504);
    progress.SetText(
        "Please wait data is being transmitted...\n\n    Note: Do not perform other "
        "operations when the data is transfering！");
    progress.SetPos(252);
    studio.Save(progress, "progress-50");
    CAboutDlg about(window.get());
    about.show();
    studio.Save(about, "about");
}

// The card reader dialog with track 3 off and a suffix without a name, and the options
// dialog with the sound on for the programmed keys.
void OptionDialogs(Studio& studio) {
    for (const auto& [setting, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        auto& image = studio.Image();
        image.Reset();
        image.tracks[2].enabled = 0;
        image.tracks[1].suffixKey = 0;
        LanguageState language;
        language.languageSetting = setting;
        language.interfaceLanguage = language.languageSetting == "English"
                                         ? InterfaceLanguage::kEnglish
                                         : InterfaceLanguage::kChinese;
        CpellimoreDlg cardReader(image, language, studio.Locations());
        cardReader.show();
        studio.Save(cardReader, QString("card-reader-%1").arg(suffix));
        image.StoreOptions({1, 1, 1, 1});
        CKeyBoardSetDlg options(image, language);
        options.show();
        studio.Save(options, QString("keyboard-options-%1").arg(suffix));
    }
}

void KeyDialogs(Studio& studio) {
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        studio.KeyDialog(language, KeyPadMode::kButton, QString("keypad-button-%1").arg(suffix));
        studio.KeyDialog(language, KeyPadMode::kCard, QString("keypad-card-%1").arg(suffix));
    }
    // Shift latched: both Shift keys look pressed.
    studio.KeyDialog(
        "English", KeyPadMode::kButton, "keypad-shift-latched", [](KeyPadSetDlg& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(
                                  ObjectNameFor(ids::kFirstOnScreenKey - 1 + kLeftShift)),
                              Qt::LeftButton);
        });
}

// The window that tells the truth: the list of the buttons no key shows, the panel with the
// button numbers and a keyboard focus, and the question before a damaged file is loaded.
void UnshownButtonsAndDamagedFile(Studio& studio) {
    for (const auto& [language, suffix] : {std::pair{"Chinese", "zh"}, {"English", "en"}}) {
        auto window = studio.MainWindow(language, true);
        const QTemporaryDir files;
        const std::filesystem::path till =
            std::filesystem::path(files.path().toStdString()) / "till.dat";
        std::filesystem::copy_file(std::filesystem::path(TOLVANE_SOURCE_DIR) / "examples/till.dat",
                                   till);
        window->OpenDataFile(QString::fromStdString(till.string()));
        const InterfaceLanguage shown = std::string(language) == "English"
                                            ? InterfaceLanguage::kEnglish
                                            : InterfaceLanguage::kChinese;
        CUnshownButtonsDlg unshown(
            studio.Image(), shown, [](int) {}, [](int, const QPoint&) {}, window.get());
        unshown.show();
        studio.Save(unshown, QString("unshown-buttons-%1").arg(suffix));
        unshown.hide();

        window->OnCommand(ids::kViewButtonNumbers);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            std::fprintf(stderr, "the window did not become active: no focus frame drawn\n");
        }
        window->KeyButton(31)->setFocus(Qt::TabFocusReason);
        QTest::mouseMove(window.get(), QPoint(1, 1));
        studio.Save(*window, QString("panel-%1-numbers-focus").arg(suffix));
        window->OnCommand(ids::kViewButtonNumbers);

        std::ifstream in(till, std::ios::binary);
        const std::string whole((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(till, std::ios::binary) << whole.substr(0, whole.size() / 2);
        auto scratch = std::make_unique<KeyboardImage>();
        const DataFileCheck check = CheckDataFile(*scratch, till);
        QMessageBox box(
            QMessageBox::Warning, MessageCaption(),
            FromUtf8(FillIn(Text(TextId::kDataFileProblems, shown),
                            {"till.dat", DataFileProblemSummary(check.problems, shown)})),
            QMessageBox::NoButton, window.get());
        box.addButton(FromUtf8(Text(TextId::kLoadAnyway, shown)), QMessageBox::AcceptRole);
        box.setDefaultButton(
            box.addButton(FromUtf8(Text(TextId::kAnswerCancel, shown)), QMessageBox::RejectRole));
        box.show();
        studio.Save(box, QString("damaged-file-%1").arg(suffix));
    }
}

// Faster key entry: "CASH" and Enter typed and added, "Total 1" typed, both lists filtered
// and the PC's keyboard taken.
void KeyDialogsWithTypedText(Studio& studio) {
    for (const auto& [language, suffix, filter] :
         {std::tuple{"Chinese", "zh", "音量"}, {"English", "en", "vol"}}) {
        studio.KeyDialog(
            language, KeyPadMode::kButton, QString("keypad-entry-%1").arg(suffix),
            [filter = filter](KeyPadSetDlg& dialog) {
                const auto find = [&dialog](int id) {
                    return dialog.findChild<QLineEdit*>(ObjectNameFor(id));
                };
                QTest::keyClicks(find(ids::kTypeTextEdit), "CASH");
                QTest::keyClick(find(ids::kTypeTextEdit), Qt::Key_Return);
                QTest::keyClicks(find(ids::kTypeTextEdit), "Total 1");
                // Typed through an input method in Chinese.
                find(ids::kSpecialKeyFilter)->insert(QString::fromUtf8(filter));
                QTest::keyClicks(find(ids::kUserKeyFilter), "alt");
                dialog.findChild<QCheckBox*>(ObjectNameFor(ids::kTakeKeysToggle))->setChecked(true);
            });
    }
}

// The card-reader tool set up for the usual sentinels ("%" and "?" on track 1, ";" and "?"
// on tracks 2 and 3, track 3 off), the box that announces the keyboard, and the About box.
void CardReaderTool(Studio& studio) {
    namespace pids = pellimore::ids;
    studio.Rig().PlugIn();
    pellimore::CPellimoreDlg tool;
    tool.show();
    const auto find = [&tool](int id) { return tool.findChild<QWidget*>(ObjectNameFor(id)); };
    for (std::size_t t = 0; t < 3; ++t) {
        static_cast<QCheckBox*>(find(pids::kTrackBoxes[t]))->setChecked(t < 2);
        static_cast<QCheckBox*>(find(pids::kReturnCodeBoxes[t]))->setChecked(t == 0);
        static_cast<QLineEdit*>(find(pids::kStartSentinelEdits[t]))->setText(t == 0 ? "%" : ";");
        static_cast<QLineEdit*>(find(pids::kEndSentinelEdits[t]))->setText("?");
    }
    QMessageBox* box = nullptr;
    if (!QTest::qWaitFor([&] { return (box = tool.findChild<QMessageBox*>()) != nullptr; })) {
        studio.Fail("pellimore-plugin (no box)");
        return;
    }
    studio.Save(*box, "pellimore-plugin");
    box->accept();
    studio.Save(tool, "pellimore");
    pellimore::CAboutDlg about(&tool);
    about.show();
    studio.Save(about, "pellimore-about");
}

}  // namespace
}  // namespace tolvane::gui

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    QApplication application(argc, argv);
    tolvane::gui::CTolvaneApp::Initialise();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "screenshots";
    QDir().mkpath(output);
    tolvane::gui::Studio studio(output);
    tolvane::gui::MainWindows(studio);
    tolvane::gui::PanelWithLayout(studio);
    tolvane::gui::EditMenuAndDrag(studio);
    tolvane::gui::FindResults(studio);
    tolvane::gui::WriteSafety(studio);
    tolvane::gui::ProgressAndAbout(studio);
    tolvane::gui::LegendSheets(studio, output);
    tolvane::gui::LegendDialogs(studio);
    tolvane::gui::KeyDialogs(studio);
    tolvane::gui::KeyDialogsWithTypedText(studio);
    tolvane::gui::OptionDialogs(studio);
    tolvane::gui::UnshownButtonsAndDamagedFile(studio);
    tolvane::gui::CardReaderTool(studio);
    return studio.Failed() ? 1 : 0;
}
