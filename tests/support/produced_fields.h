#pragma once
// A form's fields read back through Poppler or qpdf, not through the code that wrote them.

#include <QString>
#include <map>
#include <vector>

namespace qvr::test {

// Field name -> a text field's text, or a check box as "Yes"/"No"; empty when the file is no PDF.
std::map<QString, QString> ReadFields(const QString& hostPath);

// A field as the document lists it.
struct ListedField {
    QString name;
    bool checkBox = false;
    bool rightAligned = false;
};
// The fields in the document's own order, read with qpdf.
std::vector<ListedField> FieldsInDocumentOrder(const QString& hostPath);

}  // namespace qvr::test
