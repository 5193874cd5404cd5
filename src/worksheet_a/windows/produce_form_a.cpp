#include "worksheet_a/windows/produce_form_a.h"

#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/input_dialogs.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/pdf_library.h"
#include "platform/shell.h"

#include <QCheckBox>
#include <QLabel>
#include <array>

namespace qvr {
namespace {

const QString kTemplate = "\\QVRForms\\AOC-CV-627_2023.PDF";
const QString kOutput = "\\QVRForms\\QVRPDF.PDF";

enum class ValueForm {
    Caption,  // the label's caption exactly as displayed
    Amount,   // the caption as "######0.00": no thousands separator, two decimals
    Box,      // "Yes" for a ticked check box, else "No"
};

struct FormField {
    const char* control;
    ValueForm form;
};

// The form's fields in index order: the children table runs row by row, children 1 to 3 on the
// left and 4 to 6 on the right.
constexpr std::array<FormField, 53> kFields{{
    {"lblCourtFile", ValueForm::Caption},  {"lblIVDFile", ValueForm::Caption},
    {"lblCaseCode", ValueForm::Caption},   {"lblUresa", ValueForm::Caption},
    {"Check1", ValueForm::Box},            {"Check2", ValueForm::Box},
    {"lblCounty", ValueForm::Caption},     {"Check3", ValueForm::Box},
    {"lblName1Name", ValueForm::Caption},  {"Check4", ValueForm::Box},
    {"lblName2Name", ValueForm::Caption},  {"lblChild1Name", ValueForm::Caption},
    {"lblChild1DOB", ValueForm::Caption},  {"lblChild4Name", ValueForm::Caption},
    {"lblChild4DOB", ValueForm::Caption},  {"lblChild2Name", ValueForm::Caption},
    {"lblChild2DOB", ValueForm::Caption},  {"lblChild5Name", ValueForm::Caption},
    {"lblChild5DOB", ValueForm::Caption},  {"lblChild3Name", ValueForm::Caption},
    {"lblChild3DOB", ValueForm::Caption},  {"lblChild6Name", ValueForm::Caption},
    {"lblChild6DOB", ValueForm::Caption},  {"lblPInc", ValueForm::Amount},
    {"lblDInc", ValueForm::Amount},        {"lblPPre", ValueForm::Amount},
    {"lblDPre", ValueForm::Amount},        {"lblPResp", ValueForm::Amount},
    {"lblDResp", ValueForm::Amount},       {"lblP2", ValueForm::Amount},
    {"lblD2", ValueForm::Amount},          {"lblC2", ValueForm::Amount},
    {"lblP3", ValueForm::Caption},         {"lblD3", ValueForm::Caption},
    {"lblC4", ValueForm::Amount},          {"lblPAdja", ValueForm::Amount},
    {"lblDAdja", ValueForm::Amount},       {"lblPAdjb", ValueForm::Amount},
    {"lblDAdjb", ValueForm::Amount},       {"lblPAdjc", ValueForm::Amount},
    {"lblDAdjc", ValueForm::Amount},       {"lblP5d", ValueForm::Amount},
    {"lblD5d", ValueForm::Amount},         {"lblC5d", ValueForm::Amount},
    {"lblC6", ValueForm::Amount},          {"lblP7", ValueForm::Amount},
    {"lblD7", ValueForm::Amount},          {"lblP8", ValueForm::Amount},
    {"lblD8", ValueForm::Amount},          {"lblP9", ValueForm::Amount},
    {"lblD9", ValueForm::Amount},          {"lblDateSigned", ValueForm::Caption},
    {"lblPreparedBy", ValueForm::Caption},
}};

QString SaveFailedMessage() {
    return "You clicked on the 'Produce Form' button, but received this message instead of the form you wanted."
           "\r\n\r\n"
           "This is probably because you did not close the 'QVRPDF.PDF' file before trying to produce another one.  "
           "Check to make sure that the 'QVRPDF.PDF' form is not open, and then try producing this form again."
           "\r\n\r\n"
           "If this message keeps appearing, please contact Quorvane for help.";
}

QString Caption(const QWidget& window, const char* control) {
    const auto* label = window.findChild<const QLabel*>(control);
    return label ? label->text() : QString();
}

QString FieldValue(const QWidget& window, const FormField& field) {
    switch (field.form) {
    case ValueForm::Caption:
        return Caption(window, field.control);
    case ValueForm::Amount:
        return Format(Caption(window, field.control), "######0.00");
    case ValueForm::Box: {
        const auto* box = window.findChild<const QCheckBox*>(field.control);
        return box && box->checkState() == Qt::Checked ? "Yes" : "No";
    }
    }
    return {};
}

bool ProductionConfirmed() {
    state.ProduceAnswer = "Y";
    producingformbox confirmation;
    confirmation.exec();
    return state.ProduceAnswer == "Y";
}

// Numbers every field first, so that a field the table does not reach shows its index.
void NumberFields(PdfLibrary& pdf) {
    for (state.LoopIndex = 1; state.LoopIndex <= pdf.FormFieldCount(); ++state.LoopIndex)
        pdf.SetFormFieldValue(state.LoopIndex, Str(state.LoopIndex));
}

void FillFields(PdfLibrary& pdf, const QWidget& formA) {
    for (size_t i = 0; i < kFields.size(); ++i) pdf.SetFormFieldValue(int(i) + 1, FieldValue(formA, kFields[i]));
}

}  // namespace

void ProduceFormA(const QWidget& formA) {
    if (!ProductionConfirmed()) return;
    PdfLibrary pdf;
    if (!files::FileExists(kTemplate)) {
        MsgBox("The file '" + kTemplate + "' does not exist!", MessageButtons::OkOnly, state.ProgramShortTitle);
        return;
    }
    pdf.LoadFromFile(kTemplate);
    NumberFields(pdf);
    FillFields(pdf, formA);
    if (pdf.SaveToFile(kOutput) != 1) {
        MsgBox(SaveFailedMessage(), MessageButtons::OkOnly, "Unable to Produce Form");
        return;
    }
    OpenDocument(kOutput);
}

}  // namespace qvr
