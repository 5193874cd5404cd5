#include "pdf_form_builder.h"

#include <QFile>
#include <map>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace qvr::tools {
namespace {

constexpr int kCheckBoxFlags = 0;  // a plain check box: neither radio nor push button

QPDFObjectHandle Name(const std::string& name) { return QPDFObjectHandle::newName(name); }
QPDFObjectHandle Text(const QString& text) { return QPDFObjectHandle::newUnicodeString(text.toStdString()); }

QPDFObjectHandle Rect(const QRectF& r) {
    return QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(r.left(), r.top(), r.right(), r.bottom()));
}

}  // namespace

struct PdfFormBuilder::Impl {
    QPDF pdf;
    QPDFObjectHandle page;
    QPDFObjectHandle fields;
    std::map<QString, QPDFObjectHandle> parents;

    QPDFObjectHandle Stream(const std::string& content, double width, double height) {
        QPDFObjectHandle stream = pdf.newStream(content);
        stream.getDict().replaceKey("/Type", Name("/XObject"));
        stream.getDict().replaceKey("/Subtype", Name("/Form"));
        stream.getDict().replaceKey("/BBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, width, height)));
        return stream;
    }

    QPDFObjectHandle Widget(const QRectF& rect) {
        QPDFObjectHandle widget = QPDFObjectHandle::newDictionary();
        widget.replaceKey("/Type", Name("/Annot"));
        widget.replaceKey("/Subtype", Name("/Widget"));
        widget.replaceKey("/Rect", Rect(rect));
        widget.replaceKey("/F", QPDFObjectHandle::newInteger(4));  // print
        widget.replaceKey("/P", page);
        return widget;
    }

    // Puts a field on the page and into the field list (or under its parent).
    void Place(QPDFObjectHandle field, const QString& parentName) {
        field = pdf.makeIndirectObject(field);
        QPDFObjectHandle annots = page.getKey("/Annots");
        if (!annots.isArray()) {
            annots = QPDFObjectHandle::newArray();
            page.replaceKey("/Annots", annots);
        }
        annots.appendItem(field);
        if (parentName.isEmpty()) {
            fields.appendItem(field);
            return;
        }
        auto [it, added] = parents.try_emplace(parentName);
        if (added) {
            QPDFObjectHandle parent = QPDFObjectHandle::newDictionary();
            parent.replaceKey("/T", Text(parentName));
            parent.replaceKey("/Kids", QPDFObjectHandle::newArray());
            it->second = pdf.makeIndirectObject(parent);
            fields.appendItem(it->second);
        }
        field.replaceKey("/Parent", it->second);
        it->second.getKey("/Kids").appendItem(field);
    }
};

PdfFormBuilder::PdfFormBuilder(const QString& pagePdf) : impl_(std::make_unique<Impl>()) {
    if (pagePdf.isEmpty()) {
        impl_->pdf.emptyPDF();
        QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
        page.replaceKey("/Type", Name("/Page"));
        page.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, 612, 792)));
        page.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
        page.replaceKey("/Contents", impl_->pdf.newStream(""));
        QPDFPageDocumentHelper(impl_->pdf).addPage(QPDFPageObjectHelper(impl_->pdf.makeIndirectObject(page)), false);
    } else {
        impl_->pdf.processFile(QFile::encodeName(pagePdf).constData());
    }
    impl_->page = QPDFPageDocumentHelper(impl_->pdf).getAllPages().at(0).getObjectHandle();

    QPDFObjectHandle helvetica = QPDFObjectHandle::newDictionary();
    helvetica.replaceKey("/Type", Name("/Font"));
    helvetica.replaceKey("/Subtype", Name("/Type1"));
    helvetica.replaceKey("/BaseFont", Name("/Helvetica"));
    helvetica.replaceKey("/Encoding", Name("/WinAnsiEncoding"));
    // Viewers draw check marks in ZapfDingbats under this resource name.
    QPDFObjectHandle dingbats = QPDFObjectHandle::newDictionary();
    dingbats.replaceKey("/Type", Name("/Font"));
    dingbats.replaceKey("/Subtype", Name("/Type1"));
    dingbats.replaceKey("/BaseFont", Name("/ZapfDingbats"));
    QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/Helv", impl_->pdf.makeIndirectObject(helvetica));
    fonts.replaceKey("/ZaDb", impl_->pdf.makeIndirectObject(dingbats));
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", fonts);

    impl_->fields = QPDFObjectHandle::newArray();
    QPDFObjectHandle acroForm = QPDFObjectHandle::newDictionary();
    acroForm.replaceKey("/Fields", impl_->fields);
    acroForm.replaceKey("/DR", resources);
    acroForm.replaceKey("/DA", Text("/Helv 0 Tf 0 g"));
    impl_->pdf.getRoot().replaceKey("/AcroForm", impl_->pdf.makeIndirectObject(acroForm));
}

PdfFormBuilder::~PdfFormBuilder() = default;

void PdfFormBuilder::AddTextField(const QString& name, const QRectF& rect, double fontSize, const QString& parent,
                                  Qt::Alignment alignment) {
    QPDFObjectHandle field = impl_->Widget(rect);
    field.replaceKey("/FT", Name("/Tx"));
    field.replaceKey("/T", Text(name));
    field.replaceKey("/DA", Text(QString("/Helv %1 Tf 0 g").arg(fontSize)));
    if (alignment & (Qt::AlignHCenter | Qt::AlignRight))
        field.replaceKey("/Q", QPDFObjectHandle::newInteger(alignment & Qt::AlignRight ? 2 : 1));
    impl_->Place(field, parent);
}

void PdfFormBuilder::AddCheckBox(const QString& name, const QRectF& rect, const QString& onState) {
    const double w = std::abs(rect.width());
    const double h = std::abs(rect.height());
    QPDFObjectHandle normal = QPDFObjectHandle::newDictionary();
    // A cross for the on state, nothing for off.
    const std::string cross = "q 0 g 1 w 2 2 m " + std::to_string(w - 2) + " " + std::to_string(h - 2) + " l 2 " +
                              std::to_string(h - 2) + " m " + std::to_string(w - 2) + " 2 l S Q\n";
    normal.replaceKey("/" + onState.toStdString(), impl_->Stream(cross, w, h));
    normal.replaceKey("/Off", impl_->Stream("", w, h));
    QPDFObjectHandle appearances = QPDFObjectHandle::newDictionary();
    appearances.replaceKey("/N", normal);

    QPDFObjectHandle field = impl_->Widget(rect);
    field.replaceKey("/FT", Name("/Btn"));
    field.replaceKey("/Ff", QPDFObjectHandle::newInteger(kCheckBoxFlags));
    field.replaceKey("/T", Text(name));
    field.replaceKey("/V", Name("/Off"));
    field.replaceKey("/AS", Name("/Off"));
    field.replaceKey("/AP", appearances);
    QPDFObjectHandle border = QPDFObjectHandle::newDictionary();
    border.replaceKey("/BC", QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{QPDFObjectHandle::newInteger(0)}));
    field.replaceKey("/MK", border);
    impl_->Place(field, {});
}

bool PdfFormBuilder::Save(const QString& hostPath) {
    try {
        QPDFWriter writer(impl_->pdf, QFile::encodeName(hostPath).constData());
        writer.setStaticID(true);  // the same input gives the same file
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace qvr::tools
