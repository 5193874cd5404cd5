// The entry editors of worksheet A: each asks for one entry of the current case, writes it to the
// case record at once and, but for the plain text cells, computes the worksheet again.

#include "core/program_state.h"
#include "core/values.h"
#include "dialogs/windows/amount_dialogs.h"
#include "dialogs/windows/get_resp.h"
#include "dialogs/windows/income.h"
#include "names/windows/names_picker.h"
#include "platform/messages.h"
#include "worksheet_a/windows/form_a.h"

#include <QLabel>

namespace qvr {

struct FormA::TextEntry {
    const char* label;
    const char* title;
    const char* prompt;
    const char* column;
};

struct FormA::AmountEntry {
    const char* title;
    const char* prompt;
    double ProgramState::*value;
    const char* column;
    void (*showDialog)();
};

struct FormA::OtherChildrenEntry {
    const char* party;
    double ProgramState::*count;
    double ProgramState::*credit;
    double ProgramState::*income;
    const char* creditColumn;
    const char* countColumn;
};

struct FormA::PartyEntry {
    const char* label;
    const char* title;
    const char* nameColumn;
    const char* keyColumn;
    const char* addressColumn;
};

namespace {

template <typename Dialog>
void ShowModal() {
    Dialog dialog;
    dialog.exec();
}

using Text = FormA::TextEntry;
using Amount = FormA::AmountEntry;

const Text kCaseCode{"lblCaseCode", "Case Number (Code)", "Enter Case Number (Code) in the space below:", "casecode"};
const Text kCounty{"lblCounty", "Name of County", "Enter the name of the County in the space below:", "county"};
const Text kCourtFile{"lblCourtFile", "Court File Number", "Enter the court file number in the space below:",
                      "courtfile"};
const Text kIVDFile{"lblIVDFile", "IV-D Case File Number", "Enter the IV-D case file number in the space below:",
                    "ivdfile"};
const Text kUresa{"lblUresa", "Uresa Case File Number", "Enter Uresa case file number in the space below:", "uresa"};
const Text kDateSigned{"lblDateSigned", "Date Signed", "Enter the date signed (MM/DD/YYYY)", "datesigned"};
const Text kPreparedBy{"lblPreparedBy", "Prepared by",
                       "Enter the name of the person preparing this worksheet in the space below:", "preparedby"};

const Amount kPChildCare{"Plaintiff's Work Related Child Care",
                         "Enter PLAINTIFF'S work related child care payments in the space below.",
                         &ProgramState::PLine5a, "padja", ShowModal<GetCcare>};
const Amount kDChildCare{"Defendant's Work Related Child Care",
                         "Enter DEFENDANT'S work related child care payments in the space below.",
                         &ProgramState::DLine5a, "dadja", ShowModal<GetCcare>};
const Amount kPInsurance{"Plaintiff's Health Insurance Cost",
                         "Enter PLAINTIFF'S Health Insurance Cost in the space below.", &ProgramState::PLine5b,
                         "padjb", ShowModal<GetIns>};
const Amount kDInsurance{"Defendant's Health Insurance Cost",
                         "Enter DEFENDANT'S Health Insurance Cost in the space below.", &ProgramState::DLine5b,
                         "dadjb", ShowModal<GetIns>};
const Amount kPExtraordinary{"Plaintiff's Extraordinary Expenses",
                             "Enter PLAINTIFF'S Extraordinary Expenses in the space below.", &ProgramState::PLine5c,
                             "padjc", ShowModal<GetExtra>};
const Amount kDExtraordinary{"Defendant's Extraordinary Expenses",
                             "Enter DEFENDANT'S Extraordinary Expenses in the space below.", &ProgramState::DLine5c,
                             "dadjc", ShowModal<GetExtra>};

const Amount kPIncome{"Plaintiff's Monthly Income", "Enter PLAINTIFF'S Income in the space below:",
                      &ProgramState::PInc, "pinc", ShowModal<Income>};
const Amount kDIncome{"Defendant's Monthly Income", "Enter DEFENDANT'S Income in the space below:",
                      &ProgramState::DInc, "dinc", ShowModal<Income>};

const Amount kPPreExisting{"Plaintiff's Pre-Existing Child Support Payments",
                           "Enter PLAINTIFF'S pre-existing child support payments in the space below.",
                           &ProgramState::PPre, "ppre", ShowModal<GetPreEx>};
const Amount kDPreExisting{"Defendant's Pre-Existing Child Support Payments",
                           "Enter DEFENDANT'S pre-existing child support payments in the space below.",
                           &ProgramState::DPre, "dpre", ShowModal<GetPreEx>};

const FormA::OtherChildrenEntry kPOtherChildren{"Plaintiff", &ProgramState::POC,  &ProgramState::PResp,
                                                &ProgramState::PInc, "presp",     "poc"};
const FormA::OtherChildrenEntry kDOtherChildren{"Defendant", &ProgramState::DOC,  &ProgramState::DResp,
                                                &ProgramState::DInc, "dresp",     "doc"};

const FormA::PartyEntry kPlaintiff{"lblName1Name", "Select Name of Plaintiff", "name1name", "name1number",
                                   "name1field"};
const FormA::PartyEntry kDefendant{"lblName2Name", "Select Name of Defendant", "name2name", "name2number",
                                   "name2field"};

// An amount as the case record keeps it: rounded to four decimals, in the number-to-text form.
QString StoredAmount(double value) { return Str(CCur(value)); }

// The starting value of an amount dialog: the amount when there is one.
QString StartingAmount(double value, const QString& none) { return value > 0 ? TrimBlanks(Str(value)) : none; }

QString Selected(const Value& value) { return value.value_or(QString()); }

// The chosen name's address, its lines joined by a carriage return alone.
QString AddressBlock() {
    QString block = Selected(state.SelListname) + "\r";
    const QString note = TrimBlanks(Selected(state.SelShortnote));
    if (!note.isEmpty()) block += note + "\r";
    block += TrimBlanks(Selected(state.SelStreet)) + " " + TrimBlanks(Selected(state.SelStreet2)) + "\r";
    const QString city = TrimBlanks(Selected(state.SelCity));
    if (!city.isEmpty()) block += city + "    ";
    const QString namestate = TrimBlanks(Selected(state.SelNamestate));
    if (!namestate.isEmpty()) block += namestate + "   ";
    return block + TrimBlanks(Selected(state.SelZipcode));
}

}  // namespace

void FormA::ConnectEditors() {
    OnClick("lblCaseCode", &FormA::lblCaseCode_Click);
    OnClick("lblCounty", &FormA::lblCounty_Click);
    OnClick("lblCourtFile", &FormA::lblCourtFile_Click);
    OnClick("lblIVDFile", &FormA::lblIVDFile_Click);
    OnClick("lblUresa", &FormA::lblUresa_Click);
    OnClick("lblDateSigned", &FormA::lblDateSigned_Click);
    OnClick("lblPreparedBy", &FormA::lblPreparedBy_Click);
    OnClick("lblPInc", &FormA::lblPInc_Click);
    OnClick("lblDInc", &FormA::lblDInc_Click);
    OnClick("lblPPre", &FormA::lblPPre_Click);
    OnClick("lblDPre", &FormA::lblDPre_Click);
    OnClick("lblPResp", &FormA::lblPResp_Click);
    OnClick("lblDResp", &FormA::lblDResp_Click);
    OnClick("lblPAdja", &FormA::lblPAdja_Click);
    OnClick("lblDAdja", &FormA::lblDAdja_Click);
    OnClick("lblPAdjb", &FormA::lblPAdjb_Click);
    OnClick("lblDAdjb", &FormA::lblDAdjb_Click);
    OnClick("lblPAdjc", &FormA::lblPAdjc_Click);
    OnClick("lblDAdjc", &FormA::lblDAdjc_Click);
    OnClick("lblName1Name", &FormA::lblName1Name_Click);
    OnClick("lblName2Name", &FormA::lblName2Name_Click);
}

void FormA::lblCaseCode_Click() { EditText(kCaseCode); }
void FormA::lblCounty_Click() { EditText(kCounty); }
void FormA::lblCourtFile_Click() { EditText(kCourtFile); }
void FormA::lblIVDFile_Click() { EditText(kIVDFile); }
void FormA::lblUresa_Click() { EditText(kUresa); }
void FormA::lblDateSigned_Click() { EditText(kDateSigned); }
void FormA::lblPreparedBy_Click() { EditText(kPreparedBy); }
void FormA::lblPInc_Click() { EditIncome(kPIncome); }
void FormA::lblDInc_Click() { EditIncome(kDIncome); }
void FormA::lblPPre_Click() { EditPreExisting(kPPreExisting); }
void FormA::lblDPre_Click() { EditPreExisting(kDPreExisting); }
void FormA::lblPResp_Click() { EditOtherChildren(kPOtherChildren); }
void FormA::lblDResp_Click() { EditOtherChildren(kDOtherChildren); }
void FormA::lblPAdja_Click() { EditExpense(kPChildCare); }
void FormA::lblDAdja_Click() { EditExpense(kDChildCare); }
void FormA::lblPAdjb_Click() { EditExpense(kPInsurance); }
void FormA::lblDAdjb_Click() { EditExpense(kDInsurance); }
void FormA::lblPAdjc_Click() { EditExpense(kPExtraordinary); }
void FormA::lblDAdjc_Click() { EditExpense(kDExtraordinary); }
void FormA::lblName1Name_Click() { EditParty(kPlaintiff); }
void FormA::lblName2Name_Click() { EditParty(kDefendant); }

// Only this cell changes: nothing else on the worksheet depends on it.
void FormA::EditText(const TextEntry& entry) {
    QLabel* cell = Label(entry.label);
    const QString shown = TrimBlanks(cell->text());
    const QString answer = InputBox(entry.prompt, entry.title, shown).value_or(QString());
    if (answer == shown) return;
    const QString before = cell->text();
    cell->setText(answer);
    if (!WriteColumns({{entry.column, answer}})) {
        cell->setText(before);
        return;
    }
    cell->repaint();
}

// The amount editors differ only in the text offered when there is no amount and in how they read the
// answer back.
void FormA::EditAmount(const AmountEntry& entry, const QString& noAmountText, double (*read)(const QString&)) {
    double& amount = state.*entry.value;
    state.DialogValue = StartingAmount(amount, noAmountText);
    state.DialogTitle = entry.title;
    state.DialogPrompt = entry.prompt;
    entry.showDialog();
    amount = read(state.DialogValue);
    if (WriteColumns({{entry.column, StoredAmount(amount)}})) CalculateWorksheet();
}

void FormA::EditExpense(const AmountEntry& entry) { EditAmount(entry, "0", Val); }

// The monthly income is kept to the cent.
void FormA::EditIncome(const AmountEntry& entry) {
    EditAmount(entry, "0", [](const QString& answer) { return CCur(AmountOf(Format(answer, "##,##0.00"))); });
}

void FormA::EditPreExisting(const AmountEntry& entry) {
    EditAmount(entry, "", [](const QString& answer) { return TrimBlanks(answer).isEmpty() ? 0.0 : Val(answer); });
}

void FormA::EditOtherChildren(const OtherChildrenEntry& entry) {
    state.DialogValue = TrimBlanks(Str(state.*entry.count));
    state.DialogValue2 = "0";
    state.DialogParty = entry.party;
    state.DialogIncome = TrimBlanks(Str(state.*entry.income));
    ShowModal<GetResp>();
    const double children = Val(state.DialogValue);
    const double credit = TrimBlanks(state.DialogValue2).isEmpty() ? 0 : CCur(AmountOf(state.DialogValue2));
    state.*entry.count = children;
    state.*entry.credit = credit;
    if (WriteColumns({{entry.creditColumn, StoredAmount(credit)}, {entry.countColumn, StoredAmount(children)}}))
        CalculateWorksheet();
}

void FormA::EditParty(const PartyEntry& entry) {
    if (!SaveCheckBoxes()) return;
    const QString shown = Caption(entry.label);
    state.PickerKey = "";
    state.PickerPartyName = "";
    if (!TrimBlanks(shown).isEmpty()) {
        const std::optional<CaseRecord> record = ReadCase();
        if (!record) return;
        const auto key = record->find(entry.keyColumn);
        state.PickerKey = key == record->end() ? QString() : key->second;
        state.PickerPartyName = shown;
    }
    state.DialogTitle = entry.title;
    ShowModal<Names>();
    const bool written = WriteColumns({{entry.nameColumn, Selected(state.SelListname)},
                                       {entry.keyColumn, Selected(state.SelKeynumber)},
                                       {entry.addressColumn, AddressBlock()}});
    if (written) CalculateWorksheet();
}

}  // namespace qvr
