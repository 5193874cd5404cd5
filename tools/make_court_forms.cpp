// Makes a stand-in court form from its layout description: the printed page, drawn as a PDF,
// with its blanks as fillable fields in the form's field order; and the worksheet window's
// picture of the blank page (1000 pixels wide), rendered from that same PDF.

#include "pdf_form_builder.h"
#include "worksheet_a/court_form_a.h"
#include "worksheet_b/court_form_b.h"
#include "worksheet_c/court_form_c.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <poppler-qt6.h>

namespace {

constexpr int kPictureWidth = 1000;
constexpr int kPictureHeight = 1326;

int Fail(const QString& message) {
    std::fprintf(stderr, "make_court_forms: %s\n", qPrintable(message));
    return 1;
}

const qvr::CourtFormLayout* LayoutFor(const QString& worksheet) {
    if (worksheet == "A") return &qvr::CourtFormA();
    if (worksheet == "B") return &qvr::CourtFormB();
    if (worksheet == "C") return &qvr::CourtFormC();
    return nullptr;
}

bool DrawPage(const qvr::CourtFormLayout& layout, const QString& pdfPath) {
    QPdfWriter writer(pdfPath);
    writer.setTitle(layout.title);
    writer.setCreator("NC Child Support Worksheets");
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);  // one unit is one point
    QPainter painter(&writer);
    if (!painter.isActive()) return false;
    painter.setRenderHint(QPainter::Antialiasing);

    for (const qvr::FormBox& box : layout.boxes) {
        painter.setPen(QPen(Qt::black, 0.75));
        painter.setBrush(box.shaded ? QColor(0xD0, 0xD0, 0xD0) : QColor(Qt::transparent));
        painter.drawRect(box.rect);
    }
    painter.setPen(QPen(Qt::black, 0.75));
    for (const QLineF& line : layout.lines) painter.drawLine(line);
    for (const qvr::FormText& text : layout.texts) {
        QFont font("Liberation Sans");
        font.setPointSizeF(text.size);
        font.setBold(text.bold);
        painter.setFont(font);
        painter.drawText(text.rect, text.align, text.text);
    }
    return painter.end();
}

// The figures of the worksheet lines stand right-aligned in their cells, as on the worksheet.
bool LineFigure(qvr::CellKind kind) {
    return kind == qvr::CellKind::Amount || kind == qvr::CellKind::Share || kind == qvr::CellKind::Whole;
}

bool AddFields(const qvr::CourtFormLayout& layout, const QString& pagePdf, const QString& formPath) {
    qvr::tools::PdfFormBuilder builder(pagePdf);
    for (const qvr::FormBlank& blank : layout.Fields()) {
        // The page is described from its top; PDF counts from the bottom.
        const QRectF rect(blank.rect.left(), layout.page.height() - blank.rect.bottom(), blank.rect.width(),
                          blank.rect.height());
        if (blank.kind == qvr::CellKind::CheckBox)
            builder.AddCheckBox(blank.fieldName, rect);
        else
            builder.AddTextField(blank.fieldName, rect, 8, {}, LineFigure(blank.kind) ? Qt::AlignRight : Qt::AlignLeft);
    }
    return builder.Save(formPath);
}

bool RenderPicture(const QString& formPath, const QString& picturePath) {
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(formPath);
    if (!document) return false;
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    std::unique_ptr<Poppler::Page> page = document->page(0);
    const double dpi = kPictureWidth * 72.0 / page->pageSizeF().width();
    const QImage rendered = page->renderToImage(dpi, dpi);
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, rendered);
    painter.end();
    return picture.save(picturePath, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) return Fail("usage: make_court_forms A|B|C FORM.PDF PICTURE.png");
    const qvr::CourtFormLayout* layout = LayoutFor(argv[1]);
    if (!layout) return Fail(QString("no layout for worksheet %1").arg(argv[1]));

    QTemporaryDir scratch;
    const QString pagePdf = scratch.filePath("page.pdf");
    const QString formPath = QString::fromLocal8Bit(argv[2]);
    if (!DrawPage(*layout, pagePdf)) return Fail("cannot draw the page");
    if (!AddFields(*layout, pagePdf, formPath)) return Fail("cannot write " + formPath);
    if (!RenderPicture(formPath, QString::fromLocal8Bit(argv[3]))) return Fail("cannot render the picture");
    return 0;
}
