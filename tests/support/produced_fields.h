#pragma once
// A produced form's fields read back through Poppler, not through the code that wrote them.

#include <QString>
#include <map>

namespace qvr::test {

// Field name -> a text field's text, or a check box as "Yes"/"No"; empty when the file is no PDF.
std::map<QString, QString> ReadFields(const QString& hostPath);

}  // namespace qvr::test
