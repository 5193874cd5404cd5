#include "worksheet/windows/produce_court_form.h"

#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/input_dialogs.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/pdf_library.h"
#include "platform/shell.h"
#include "worksheet/court_form_layout.h"

#include <QCheckBox>
#include <QLabel>

namespace qvr {
namespace {

const QString kOutput = "\\QVRForms\\QVRPDF.PDF";

QString SaveFailedMessage() {
    return "You clicked on the 'Produce Form' button, but received this message instead of the form you wanted."
           "\r\n\r\n"
           "This is probably because you did not close the 'QVRPDF.PDF' file before trying to produce another one.  "
           "Check to make sure that the 'QVRPDF.PDF' form is not open, and then try producing this form again."
           "\r\n\r\n"
           "If this message keeps appearing, please contact Quorvane for help.";
}

QString DamagedTemplateMessage(const QString& templatePath) {
    return "The court form '" + templatePath + "' cannot be read as a fillable form, so no form was produced.  The "
           "file may be damaged: please reinstall this program, or put the court's fillable form in its place.";
}

QString Caption(const QWidget& window, const QString& control) {
    const auto* label = window.findChild<const QLabel*>(control);
    return label ? label->text() : QString();
}

QString FieldValue(const QWidget& window, const FormBlank& field) {
    switch (field.kind) {
    case CellKind::Amount:
        return Format(Caption(window, field.label), "######0.00");
    case CellKind::CheckBox: {
        const auto* box = window.findChild<const QCheckBox*>(field.label);
        return box && box->checkState() == Qt::Checked ? "Yes" : "No";
    }
    default:
        return Caption(window, field.label);
    }
}

bool ProductionConfirmed() {
    state.ProduceAnswer = "Y";
    producingformbox confirmation;
    confirmation.exec();
    return state.ProduceAnswer == "Y";
}

// The court's own fillable form may stand in the folder instead of the stand-in and name its
// fields otherwise; it holds them in the order and of the kinds that the production fills. A name
// that the stand-in gives one of its fields stands where the stand-in has it.
bool FillsAsTheCourtForm(const PdfLibrary& pdf, const CourtFormLayout& form) {
    const std::vector<FormBlank> fields = form.Fields();
    if (pdf.FormFieldCount() != int(fields.size())) return false;
    QStringList names;
    for (const FormBlank& field : fields) names << field.fieldName;
    for (size_t i = 0; i < fields.size(); ++i) {
        const int index = int(i) + 1;
        const bool checkBox = fields[i].kind == CellKind::CheckBox;
        if (pdf.FormFieldType(index) != (checkBox ? FormFieldKind::CheckBox : FormFieldKind::Text)) return false;
        const QString name = pdf.FormFieldName(index);
        if (name != fields[i].fieldName && names.contains(name)) return false;
    }
    return true;
}

// Numbers every field first; the filling writes over each number, as the form has no field more.
void NumberFields(PdfLibrary& pdf) {
    for (state.LoopIndex = 1; state.LoopIndex <= pdf.FormFieldCount(); ++state.LoopIndex)
        pdf.SetFormFieldValue(state.LoopIndex, Str(state.LoopIndex));
}

void FillFields(PdfLibrary& pdf, const QWidget& window, const CourtFormLayout& form) {
    const std::vector<FormBlank> fields = form.Fields();
    for (size_t i = 0; i < fields.size(); ++i) pdf.SetFormFieldValue(int(i) + 1, FieldValue(window, fields[i]));
}

}  // namespace

void ProduceCourtForm(const QWidget& window, const CourtFormLayout& form) {
    if (!ProductionConfirmed()) return;
    PdfLibrary pdf;
    const QString templatePath = "\\QVRForms\\" + form.fileName;
    if (!files::FileExists(templatePath)) {
        MsgBox("The file '" + templatePath + "' does not exist!", MessageButtons::OkOnly, state.ProgramShortTitle);
        return;
    }
    if (pdf.LoadFromFile(templatePath) != 1 || !FillsAsTheCourtForm(pdf, form)) {
        MsgBox(DamagedTemplateMessage(templatePath), MessageButtons::OkOnly, "Unable to Produce Form");
        return;
    }
    NumberFields(pdf);
    FillFields(pdf, window, form);
    if (pdf.SaveToFile(kOutput) != 1) {
        MsgBox(SaveFailedMessage(), MessageButtons::OkOnly, "Unable to Produce Form");
        return;
    }
    OpenDocumentOrTellWhere(kOutput, "Form Produced");
}

}  // namespace qvr
