#pragma once
// Fills the fields of a fillable PDF form, addressed by their 1-based position in document
// order (a depth-first walk of the terminal fields under the form's field list).
// Paths are the program's Windows-style paths.

#include <QString>
#include <memory>

namespace qvr {

enum class FormFieldKind { Text, CheckBox, Other };

class PdfLibrary {
public:
    PdfLibrary();
    ~PdfLibrary();
    PdfLibrary(const PdfLibrary&) = delete;
    PdfLibrary& operator=(const PdfLibrary&) = delete;

    // 1 when the document was loaded; anything else leaves no document.
    int LoadFromFile(const QString& path);
    // The number of terminal fields; 0 without a document.
    int FormFieldCount() const;
    // A field's fully qualified name and kind; empty and Other for an index out of range.
    QString FormFieldName(int index) const;
    FormFieldKind FormFieldType(int index) const;
    // A check box takes "Yes" as its on state (whatever its on state is named) and any other text
    // as off; other fields take the text and get an appearance. 1 on success.
    int SetFormFieldValue(int index, const QString& text);
    // Writes a temporary file beside the target and renames it over the target, so no
    // half-written output ever exists. 1 on success.
    int SaveToFile(const QString& path);

private:
    struct Document;
    std::unique_ptr<Document> document_;
};

}  // namespace qvr
