// UTF-8 source: the signs are checked as they are printed.
// Legend labels edited in the window, kept beside the data file, and the legend sheets'
// dialog whose choices reach the pages of the PDF.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include "gui/model/RememberedOptions.h"
#include "gui/model/ResourceIds.h"
#include "gui/qt/app/CLegendExportDlg.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using Kind = Prompt::Kind;

// What a poppler tool says of a PDF; empty when it cannot be run.
QString PdfTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Clicks a check box on its box, where a user clicks it.
void Tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

// The page count pdfinfo reads from the file; -1 when it cannot.
int PdfPages(const QString& file) {
    const QRegularExpressionMatch pages =
        QRegularExpression(R"(Pages:\s+(\d+))").match(PdfTool("pdfinfo", {file}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The names of the pages the dialog's choices give and whether the first holds the text.
std::vector<std::string> PageNames(const QDialog& dialog) {
    std::vector<std::string> names;
    for (const LegendPage& page : dynamic_cast<const gui::CLegendExportDlg&>(dialog).Pages()) {
        names.push_back(page.name);
    }
    return names;
}
bool FirstPageShows(const QDialog& dialog, const std::string& text) {
    const auto& pages = dynamic_cast<const gui::CLegendExportDlg&>(dialog).Pages();
    return pages.front().svg.find(">" + text + "<") != std::string::npos;
}

class LegendTest : public GuiFixture {
  protected:
    void SetUp() override {
        QSettings().remove(gui::kRememberedOptionsSection);
        WriteSetting("English");
        OpenWindow();
    }

    // The example till layout, opened in the window as a user opens it.
    void OpenTillLayout(const std::string& labels = {}) {
        const std::filesystem::path till =
            std::filesystem::path(TOLVANE_SOURCE_DIR) / "examples/till.dat";
        std::filesystem::copy_file(till, folder / "till.dat",
                                   std::filesystem::copy_options::overwrite_existing);
        if (!labels.empty()) {
            std::ofstream(folder / "till.labels", std::ios::binary) << labels;
        }
        prompter.fileNames.push_back(QPath("till.dat"));
        TriggerAction(ids::kEnOpen);
    }

    QString QPath(const std::string& name) const {
        return QString::fromStdString((folder / name).string());
    }

    // Right-clicks the button and answers its menu with "Legend label...", then the label
    // dialog by typing the text and pressing OK; what the dialog said, if anything.
    void EditLabel(int button, const QString& text) {
        prompter.onPopUp = [](QMenu& menu) {
            return menu.findChild<QAction*>(gui::ObjectNameFor(ids::kContextLegendLabel));
        };
        prompter.onDialog = [text](QDialog& dialog) {
            dialog.show();
            auto* edit = dialog.findChild<QLineEdit*>(gui::ObjectNameFor(ids::kLegendLabelEdit));
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::mouseClick(
                dialog.findChild<QPushButton*>(gui::ObjectNameFor(ids::kLegendLabelOk)),
                Qt::LeftButton);
            return dialog.result();
        };
        QTest::mouseClick(window->KeyButton(button), Qt::RightButton);
        prompter.onDialog = nullptr;
    }
};

TEST_F(LegendTest, ALabelEditedInTheWindowShowsOnThePanelAndSurvivesSaveAndOpen) {
    OpenTillLayout();
    EditLabel(28, "SUBTOTAL");
    EXPECT_EQ(window->Labels().Of(28, 1), "SUBTOTAL");
    EXPECT_EQ(CaptionOf(28), "LShi...");  // the captions stay those of the key sequence
    EXPECT_TRUE(
        window->KeyButton(28)->toolTip().startsWith("Button 28\nSUBTOTAL\nLayer1:LShift+T+O"));

    // A label edit is an edit like any other: unsaved until saved, and one undo step.
    EXPECT_EQ(window->windowTitle(), "MZR-40 - till.dat*");
    TriggerAction(ids::kUndo);
    EXPECT_EQ(window->Labels().Of(28, 1), "");
    EXPECT_EQ(window->windowTitle(), "MZR-40 - till.dat");
    TriggerAction(ids::kRedo);
    EXPECT_EQ(window->Labels().Of(28, 1), "SUBTOTAL");

    // The View option shows the labels instead, and is remembered.
    TriggerAction(ids::kViewLegendLabels);
    EXPECT_EQ(CaptionOf(28), "SUBTOTAL");  // whole: the button fits it to its face
    EXPECT_EQ(CaptionOf(29), "LCtr...");   // no label: its caption
    EXPECT_TRUE(window->AttachedMenu()
                    ->findChild<QAction*>(gui::ObjectNameFor(ids::kViewLegendLabels))
                    ->isChecked());
    QSettings settings;
    EXPECT_EQ(settings.value(QString(gui::kRememberedOptionsSection) + "/" +
                             gui::kShowLegendLabelsOption),
              true);
    OpenWindow();
    EXPECT_TRUE(window->AttachedMenu()
                    ->findChild<QAction*>(gui::ObjectNameFor(ids::kViewLegendLabels))
                    ->isChecked());
    OpenTillLayout();
    EXPECT_EQ(CaptionOf(28), "LShi...");  // till.dat has no labels file
    EditLabel(28, "CASH");
    EXPECT_EQ(CaptionOf(28), "CASH");

    // A label too long is refused with a word, and the label stays as it was.
    prompter.prompts.clear();
    EditLabel(28, QString(41, 'X'));
    ASSERT_FALSE(prompter.prompts.empty());
    EXPECT_EQ(prompter.prompts.back().text, "A legend label holds at most 40 characters.");
    EXPECT_EQ(window->Labels().Of(28, 1), "CASH");

    // Save writes the labels beside the data file; New forgets them; Open brings them back.
    prompter.fileNames.push_back(QPath("shop.dat"));
    TriggerAction(ids::kEnSave);
    const std::string saved = ReadBytes(folder / "shop.labels");
    EXPECT_NE(saved.find("\r\n28 1 CASH\r\n"), std::string::npos) << saved;
    TriggerAction(ids::kEnToolNew);
    EXPECT_EQ(window->Labels().Count(), 0);
    prompter.unsavedAnswers.push_back(gui::UnsavedChangesAnswer::kDiscard);  // New's changes
    prompter.fileNames.push_back(QPath("shop.dat"));
    TriggerAction(ids::kEnOpen);
    EXPECT_EQ(window->Labels().Of(28, 1), "CASH");
    EXPECT_EQ(CaptionOf(28), "CASH");

    // A bad line is named; the good ones load.
    std::ofstream(folder / "shop.labels", std::ios::binary) << "29 1 VOID\n90 1 X\n";
    prompter.prompts.clear();
    prompter.fileNames.push_back(QPath("shop.dat"));
    TriggerAction(ids::kEnOpen);
    EXPECT_EQ(prompter.prompts.back().kind, Kind::kInform);
    EXPECT_EQ(prompter.prompts.back().text,
              "Some lines of the labels file cannot be read; their labels were not loaded:\n\n"
              "line 2: there is no button 90; buttons are 1 to 84");
    EXPECT_EQ(window->Labels().Of(29, 1), "VOID");
    EXPECT_EQ(window->Labels().Of(28, 1), "");
}

TEST_F(LegendTest, TheDialogsChoicesReachTheExportedAndPrintedPages) {
    OpenTillLayout("28 1 SUBTOTAL\n");
    const QString exported = QPath("legends.pdf");
    prompter.fileNames.push_back(exported);
    prompter.onDialog = [&](QDialog& dialog) {
        dialog.show();
        const auto find = [&dialog](int id) {
            return dialog.findChild<QWidget*>(gui::ObjectNameFor(id));
        };
        const auto layerBox = [&](int layer) {
            return static_cast<QCheckBox*>(
                find(ids::kLegendLayerBoxes[static_cast<std::size_t>(layer - 1)]));
        };
        // The layers that hold a key are chosen; the empty ones say so.
        EXPECT_TRUE(layerBox(1)->isChecked());
        EXPECT_TRUE(layerBox(2)->isChecked());
        EXPECT_FALSE(layerBox(3)->isChecked());
        EXPECT_EQ(layerBox(3)->text(), "Layer3 (empty)");
        const auto* pageText = static_cast<QLabel*>(find(ids::kLegendPageText));
        EXPECT_EQ(pageText->text(), "Page 1 of 4");
        QTest::mouseClick(find(ids::kLegendNextPage), Qt::LeftButton);
        EXPECT_EQ(pageText->text(), "Page 2 of 4");
        EXPECT_FALSE(static_cast<QLabel*>(find(ids::kLegendPreview))->pixmap().isNull());

        Tick(layerBox(2));
        EXPECT_EQ(pageText->text(), "Page 2 of 3");  // layer 1, the overview, the table
        auto* paper = static_cast<QComboBox*>(find(ids::kLegendPaperList));
        paper->setCurrentText("Letter");
        auto* pitch = static_cast<QDoubleSpinBox*>(find(ids::kLegendPitchBox));
        pitch->selectAll();
        QTest::keyClicks(pitch, "17.5");
        EXPECT_DOUBLE_EQ(pitch->value(), 17.5);
        EXPECT_EQ(PageNames(dialog), (std::vector<std::string>{"layer1", "overview", "table"}));
        EXPECT_TRUE(FirstPageShows(dialog, "SUBTOTAL"));
        EXPECT_TRUE(FirstPageShows(dialog, "Ctrl+V"));
        QTest::mouseClick(find(ids::kLegendExportOk), Qt::LeftButton);
        return dialog.result();
    };
    TriggerAction(ids::kExportLegends);
    ASSERT_EQ(PdfPages(exported), 3);
    EXPECT_NE(PdfTool("pdfinfo", {exported}).indexOf("(letter)"), -1);

    // The paper and pitch are remembered; labels off print what the keys type. The printer
    // gets the paper chosen.
    const QString printed = QPath("printed.pdf");
    prompter.onDialog = [&](QDialog& dialog) {
        dialog.show();
        const auto find = [&dialog](int id) {
            return dialog.findChild<QWidget*>(gui::ObjectNameFor(id));
        };
        EXPECT_EQ(static_cast<QComboBox*>(find(ids::kLegendPaperList))->currentText(), "Letter");
        EXPECT_DOUBLE_EQ(static_cast<QDoubleSpinBox*>(find(ids::kLegendPitchBox))->value(), 17.5);
        Tick(static_cast<QCheckBox*>(find(ids::kLegendLabelsBox)));
        EXPECT_EQ(PageNames(dialog),
                  (std::vector<std::string>{"layer1", "layer2", "overview", "table"}));
        EXPECT_TRUE(FirstPageShows(dialog, "TOTAL⏎"));
        EXPECT_FALSE(FirstPageShows(dialog, "SUBTOTAL"));
        QTest::mouseClick(find(ids::kLegendExportOk), Qt::LeftButton);
        return dialog.result();
    };
    prompter.onPrint = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    TriggerAction(ids::kPrintLegends);
    ASSERT_EQ(PdfPages(printed), 4);
    EXPECT_NE(PdfTool("pdfinfo", {printed}).indexOf("(letter)"), -1);

    // Cancel in the dialog exports nothing; a folder that cannot take the file is said.
    prompter.prompts.clear();
    prompter.onDialog = nullptr;
    TriggerAction(ids::kExportLegends);
    EXPECT_EQ(prompter.prompts.back().kind, Kind::kDialog);
    prompter.onDialog = [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
    prompter.fileNames.push_back(QPath("none/x.pdf"));
    TriggerAction(ids::kExportLegends);
    EXPECT_EQ(prompter.prompts.back().kind, Kind::kInform);
    EXPECT_TRUE(prompter.prompts.back().text.startsWith("The legends cannot be exported."));
}

}  // namespace
}  // namespace tolvane::testing
