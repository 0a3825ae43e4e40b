// The legend commands of the File menu: a PDF export and a print, counted by a PDF reader.
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>

#include "gui/model/ResourceIds.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

// The page count pdfinfo (poppler) reads from the file; -1 when it cannot.
int PdfPages(const QString& file) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {file});
    if (!pdfinfo.waitForFinished(30000) || pdfinfo.exitCode() != 0) {
        return -1;
    }
    const QRegularExpressionMatch pages =
        QRegularExpression(R"(Pages:\s+(\d+))")
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

class LegendTest : public GuiFixture {};

TEST_F(LegendTest, ExportAndPrintGiveOnePageEachForLayersOverviewAndTable) {
    WriteSetting("English");
    OpenWindow();
    ASSERT_NE(window->AttachedMenu()->findChild<QAction*>("id33004"), nullptr);
    EXPECT_EQ(window->AttachedMenu()->findChild<QAction*>("id33003")->text(), "Print Legends...");

    const QString exported = QString::fromStdString((folder / "legends.pdf").string());
    prompter.fileNames.push_back(exported);
    TriggerAction(gui::ids::kExportLegends);
    EXPECT_EQ(PdfPages(exported), 8);
    EXPECT_TRUE(prompter.prompts.back().kind == Prompt::Kind::kSaveFile);

    const QString printed = QString::fromStdString((folder / "printed.pdf").string());
    prompter.onPrint = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    TriggerAction(gui::ids::kPrintLegends);
    EXPECT_EQ(PdfPages(printed), 8);

    // A folder that cannot take the file: said, and nothing left behind.
    prompter.fileNames.push_back(QString::fromStdString((folder / "none" / "x.pdf").string()));
    TriggerAction(gui::ids::kExportLegends);
    EXPECT_EQ(prompter.prompts.back().kind, Prompt::Kind::kInform);
    EXPECT_TRUE(prompter.prompts.back().text.startsWith("The legends cannot be exported."));
}

}  // namespace
}  // namespace tolvane::testing
