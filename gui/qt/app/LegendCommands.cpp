#include "gui/qt/app/LegendCommands.h"

#include <QDate>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgRenderer>

#include "gui/kit/ControlNames.h"
#include "gui/qt/app/CLegendExportDlg.h"
#include "gui/qt/app/LegendSettings.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

constexpr const char* kPdfFilter = "PDF Files(*.pdf)";

// Letter paper where the system's locale uses it, A4 elsewhere.
Paper LocalePaper() {
    return QPageSize::id(QPageLayout().pageSize().sizePoints()) == QPageSize::Letter
               ? Paper::kLetter
               : Paper::kA4;
}

QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout SheetLayout(Paper paper) {
    return QPageLayout(PageSizeOf(paper), QPageLayout::Landscape, QMarginsF());
}

void TellExportFailed(QWidget* mainWindow, const LanguageState& language, const QString& why) {
    Prompts().Inform(mainWindow, MessageCaption(),
                     FromUtf8(language.Text(TextId::kLegendExportFailed)) + "\n\n" + why,
                     PromptIcon::kWarning);
}

struct ChosenPages {
    std::vector<LegendPage> pages;
    Paper paper = Paper::kA4;
};

// The legend sheets' dialog; the pages the user chose, none when cancelled. The choices
// are remembered for the next time.
std::optional<ChosenPages> ChoosePages(QWidget* mainWindow, LegendOutput output,
                                       const LegendSource& source, const LanguageState& language) {
    LegendOptions layout;
    layout.title = source.title;
    layout.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    layout.language = language.interfaceLanguage;
    CLegendExportDlg dialog(
        output, source.image, source.labels,
        InitialLegendChoices(source.image, source.labels, ReadLegendChoices(), LocalePaper()),
        layout, mainWindow);
    if (Prompts().RunModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    RememberLegendChoices(ToRemember(dialog.Choices()));
    return ChosenPages{dialog.Pages(), dialog.Choices().paper};
}

}  // namespace

bool PaintLegendPages(QPagedPaintDevice& device, const std::vector<LegendPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            return false;
        }
        QSvgRenderer page(QByteArray::fromStdString(pages[i].svg));
        if (!page.isValid()) {
            return false;
        }
        // The page's own millimetres map onto the whole sheet.
        page.render(&painter, QRectF(QPointF(0, 0), QSizeF(painter.viewport().size())));
    }
    return painter.end();
}

void ExportLegends(QWidget* mainWindow, const LegendSource& source, const LanguageState& language) {
    const std::optional<ChosenPages> chosen =
        ChoosePages(mainWindow, LegendOutput::kPdf, source, language);
    if (!chosen) {
        return;
    }
    const QString file = Prompts().SaveFileName(mainWindow, "Legends", kPdfFilter, "pdf");
    if (file.isEmpty()) {
        return;
    }
    // Written beside the target and put in its place only when complete.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        TellExportFailed(mainWindow, language, out.errorString());
        return;
    }
    QPdfWriter writer(&out);
    writer.setTitle(QString::fromStdString(source.title));
    writer.setCreator(QStringLiteral("Tolvane"));
    writer.setPageLayout(SheetLayout(chosen->paper));
    if (!PaintLegendPages(writer, chosen->pages) || !out.commit()) {
        TellExportFailed(mainWindow, language, out.errorString());
    }
}

void PrintLegends(QWidget* mainWindow, const LegendSource& source, const LanguageState& language) {
    const std::optional<ChosenPages> chosen =
        ChoosePages(mainWindow, LegendOutput::kPrinter, source, language);
    if (!chosen) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(SheetLayout(chosen->paper));
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(source.title));
    if (!Prompts().ChoosePrinter(mainWindow, printer)) {
        return;
    }
    if (!PaintLegendPages(printer, chosen->pages)) {
        TellExportFailed(mainWindow, language, QString());
    }
}

}  // namespace tolvane::gui
