#include "gui/qt/app/LegendCommands.h"

#include <QDate>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgRenderer>

#include "gui/kit/ControlNames.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

constexpr const char* kPdfFilter = "PDF Files(*.pdf)";

LegendOptions OptionsFor(const std::string& title, const LanguageState& language) {
    LegendOptions options;
    options.title = title;
    options.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    options.language = language.interfaceLanguage;
    // Letter paper where the system's locale uses it, A4 elsewhere.
    options.paper = QPageSize::id(QPageLayout().pageSize().sizePoints()) == QPageSize::Letter
                        ? Paper::kLetter
                        : Paper::kA4;
    return options;
}

QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4);
}

void TellExportFailed(QWidget* mainWindow, const LanguageState& language, const QString& why) {
    Prompts().Inform(mainWindow, MessageCaption(),
                     FromUtf8(language.Text(TextId::kLegendExportFailed)) + "\n\n" + why,
                     PromptIcon::kWarning);
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

void ExportLegends(QWidget* mainWindow, const KeyboardImage& image, const std::string& title,
                   const LanguageState& language) {
    const QString file = Prompts().SaveFileName(mainWindow, "Legends", kPdfFilter, "pdf");
    if (file.isEmpty()) {
        return;
    }
    const LegendOptions options = OptionsFor(title, language);
    // Written beside the target and put in its place only when complete.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        TellExportFailed(mainWindow, language, out.errorString());
        return;
    }
    QPdfWriter writer(&out);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Tolvane"));
    writer.setPageLayout(
        QPageLayout(PageSizeOf(options.paper), QPageLayout::Landscape, QMarginsF()));
    if (!PaintLegendPages(writer, RenderLegendSheets(image, options)) || !out.commit()) {
        TellExportFailed(mainWindow, language, out.errorString());
    }
}

void PrintLegends(QWidget* mainWindow, const KeyboardImage& image, const std::string& title,
                  const LanguageState& language) {
    QPrinter printer(QPrinter::HighResolution);
    const LegendOptions options = OptionsFor(title, language);
    printer.setPageLayout(
        QPageLayout(PageSizeOf(options.paper), QPageLayout::Landscape, QMarginsF()));
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(title));
    if (!Prompts().ChoosePrinter(mainWindow, printer)) {
        return;
    }
    if (!PaintLegendPages(printer, RenderLegendSheets(image, options))) {
        TellExportFailed(mainWindow, language, QString());
    }
}

}  // namespace tolvane::gui
