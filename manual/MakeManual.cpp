// Sets the user manual as a PDF from its Markdown and the screenshots of the windows, with
// Qt's text document and PDF writer, so that no typesetting system joins the build.
// Usage: make_manual SOURCE.md SCREENSHOT_FOLDER OUTPUT.pdf VERSION
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <algorithm>
#include <cstdio>

#include "manual/ManualText.h"

namespace {

constexpr const char* kTitle = "MZR-40 User Manual";
constexpr const char* kTextFamily = "Liberation Sans";
constexpr const char* kCodeFamily = "Liberation Mono";
constexpr double kPointSize = 10.5;
constexpr double kCodePointSize = 9.5;
constexpr int kPdfDpi = 300;
// The document is laid out in pixels of 1/96 inch, as on a screen; the pages are A4 with 2 cm
// margins, the page number in the bottom margin.
constexpr double kDocumentDpi = 96.0;
constexpr double kMargin = 2.0 / 2.54 * kDocumentDpi;

bool Fail(const QString& message) {
    std::fprintf(stderr, "make_manual: %s\n", qPrintable(message));
    return false;
}

// Code is set a little smaller than the text, as a monospaced face of the same family.
void SetCodeFont(QTextDocument& document) {
    QTextCharFormat code;
    code.setFontFamilies({kCodeFamily});
    code.setFontPointSize(kCodePointSize);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (part.charFormat().fontFixedPitch() || part.charFormat().font().fixedPitch()) {
                QTextCursor cursor(&document);
                cursor.setPosition(part.position());
                cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
                cursor.mergeCharFormat(code);
            }
        }
    }
}

// Hands each screenshot to the document, scaled down to the text's width when it is wider.
void AddPictures(QTextDocument& document, const QDir& screenshots, double textWidth) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment part = fragment.fragment();
            if (!part.charFormat().isImageFormat()) {
                continue;
            }
            QTextImageFormat picture = part.charFormat().toImageFormat();
            const QImage image(screenshots.filePath(picture.name()));
            if (image.isNull()) {
                continue;
            }
            document.addResource(QTextDocument::ImageResource, QUrl(picture.name()), image);
            const double scale = std::min(1.0, textWidth / image.width());
            picture.setWidth(image.width() * scale);
            picture.setHeight(image.height() * scale);
            QTextCursor cursor(&document);
            cursor.setPosition(part.position());
            cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

// Pages drawn by hand rather than with QTextDocument::print, whose painter would store the
// screenshots as JPEG: text in a picture stays sharp only when stored losslessly.
void PrintPages(QTextDocument& document, QPdfWriter& writer) {
    const QSizeF page = writer.pageLayout().fullRect(QPageLayout::Inch).size() * kDocumentDpi;
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(kMargin);
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(page);

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.scale(kPdfDpi / kDocumentDpi, kPdfDpi / kDocumentDpi);
    for (int index = 0; index < document.pageCount(); ++index) {
        if (index > 0) {
            writer.newPage();
        }
        painter.save();
        painter.translate(0, -index * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, index * page.height()), page);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        // The painter works in the document's pixels, so the number's size is given in them.
        QFont numberFont = document.defaultFont();
        numberFont.setPixelSize(static_cast<int>(kPointSize * kDocumentDpi / 72.0));
        painter.setFont(numberFont);
        const QRectF footer(kMargin, page.height() - kMargin, page.width() - 2 * kMargin,
                            kMargin / 2);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QString::number(index + 1));
    }
}

bool MakeManual(const QString& source, const QDir& screenshots, const QString& output,
                const QString& version) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return Fail(QString("cannot read %1: %2").arg(source, in.errorString()));
    }
    const tolvane::manual::PreparedManual prepared = tolvane::manual::PrepareManual(
        in.readAll().toStdString(), version.toStdString(),
        [&](const std::string& file) { return screenshots.exists(QString::fromStdString(file)); });
    for (const std::string& file : prepared.missing) {
        std::printf("make_manual: no screenshot %s, left out\n", file.c_str());
    }

    QTextDocument document;
    QFont font(kTextFamily);
    font.setPointSizeF(kPointSize);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromStdString(prepared.markdown));
    SetCodeFont(document);

    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly)) {
        return Fail(QString("cannot write %1: %2").arg(output, file.errorString()));
    }
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kPdfDpi);
    writer.setTitle(kTitle);
    writer.setCreator(QString("Tolvane %1").arg(version));

    const double pageWidth = writer.pageLayout().fullRect(QPageLayout::Inch).width() * kDocumentDpi;
    AddPictures(document, screenshots, pageWidth - 2 * kMargin);
    PrintPages(document, writer);
    if (!file.commit()) {
        return Fail(QString("cannot write %1: %2").arg(output, file.errorString()));
    }
    std::printf("make_manual: %s, %zu screenshots\n", qPrintable(output), prepared.shown.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc != 5) {
        std::fputs("Usage: make_manual SOURCE.md SCREENSHOT_FOLDER OUTPUT.pdf VERSION\n", stderr);
        return 2;
    }
    const bool made =
        MakeManual(QString::fromLocal8Bit(argv[1]), QDir(QString::fromLocal8Bit(argv[2])),
                   QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    return made ? 0 : 1;
}
