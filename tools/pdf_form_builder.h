#pragma once
// Turns a drawn one-page PDF into a fillable form: text fields and check boxes placed on the
// page, in the order they are added (which is the form's field order).

#include <QRectF>
#include <QString>
#include <memory>

namespace qvr::tools {

class PdfFormBuilder {
public:
    // Starts from the first page of an existing PDF (host path), or from a blank letter page
    // when the path is empty.
    explicit PdfFormBuilder(const QString& pagePdf = {});
    ~PdfFormBuilder();

    // Rectangles are in PDF points from the page's bottom left. A field with a parent becomes a
    // kid of that (non-terminal) parent field, made on first use. `alignment` places the text
    // (left, centred or right: the field's quadding).
    void AddTextField(const QString& name, const QRectF& rect, double fontSize = 0, const QString& parent = {},
                      Qt::Alignment alignment = Qt::AlignLeft);
    void AddCheckBox(const QString& name, const QRectF& rect, const QString& onState = "Yes");
    bool Save(const QString& hostPath);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace qvr::tools
