#include "support/produced_fields.h"

#include <QFile>
#include <poppler-form.h>
#include <poppler-qt6.h>
#include <qpdf/QPDF.hh>

namespace qvr::test {

std::map<QString, QString> ReadFields(const QString& hostPath) {
    std::map<QString, QString> fields;
    std::unique_ptr<Poppler::Document> document = Poppler::Document::load(hostPath);
    if (!document) return fields;
    for (const auto& field : document->page(0)->formFields()) {
        if (auto* text = dynamic_cast<Poppler::FormFieldText*>(field.get()))
            fields[field->fullyQualifiedName()] = text->text();
        if (auto* button = dynamic_cast<Poppler::FormFieldButton*>(field.get()))
            fields[field->fullyQualifiedName()] = button->state() ? "Yes" : "No";
    }
    return fields;
}

std::vector<ListedField> FieldsInDocumentOrder(const QString& hostPath) {
    QPDF pdf;
    pdf.processFile(QFile::encodeName(hostPath).constData());
    QPDFObjectHandle fields = pdf.getRoot().getKey("/AcroForm").getKey("/Fields");
    std::vector<ListedField> listed;
    for (int i = 0; i < fields.getArrayNItems(); ++i) {
        QPDFObjectHandle field = fields.getArrayItem(i);
        QPDFObjectHandle quadding = field.getKey("/Q");
        listed.push_back({QString::fromStdString(field.getKey("/T").getUTF8Value()),
                          field.getKey("/FT").getName() == "/Btn",
                          quadding.isInteger() && quadding.getIntValue() == 2});
    }
    return listed;
}

}  // namespace qvr::test
