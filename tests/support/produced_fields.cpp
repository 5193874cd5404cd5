#include "support/produced_fields.h"

#include <poppler-form.h>
#include <poppler-qt6.h>

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

}  // namespace qvr::test
