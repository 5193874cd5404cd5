// The entry editors of every worksheet: each asks for one entry of the current case, writes it to
// the case record at once and, but for the plain text cells, computes the worksheet again. The
// cells and columns are the same on every worksheet.

#include "core/cases_database.h"
#include "core/values.h"
#include "dialogs/windows/amount_dialogs.h"
#include "dialogs/windows/get_resp.h"
#include "dialogs/windows/income.h"
#include "names/windows/names_picker.h"
#include "platform/messages.h"
#include "worksheet/case_record.h"
#include "worksheet/windows/worksheet_window.h"

#include <QLabel>

namespace qvr {

struct WorksheetWindow::TextEntry {
    const char* label;
    const char* title;
    const char* prompt;
    const char* column;
};

struct WorksheetWindow::AmountEntry {
    const char* label;
    const char* title;
    const char* prompt;
    const char* column;
    void (*showDialog)();
};

struct WorksheetWindow::OtherChildrenEntry {
    const char* label;
    const char* party;
    const char* incomeColumn;
    const char* creditColumn;
    const char* countColumn;
};

struct WorksheetWindow::PartyEntry {
    const char* label;
    const char* title;
    const char* nameColumn;
    const char* keyColumn;
    const char* addressColumn;
};

namespace {

using Text = WorksheetWindow::TextEntry;
using Amount = WorksheetWindow::AmountEntry;

const Text kTextEntries[] = {
    {"lblCaseCode", "Case Number (Code)", "Enter Case Number (Code) in the space below:", "casecode"},
    {"lblCounty", "Name of County", "Enter the name of the County in the space below:", "county"},
    {"lblCourtFile", "Court File Number", "Enter the court file number in the space below:", "courtfile"},
    {"lblIVDFile", "IV-D Case File Number", "Enter the IV-D case file number in the space below:", "ivdfile"},
    {"lblUresa", "Uresa Case File Number", "Enter Uresa case file number in the space below:", "uresa"},
    {"lblDateSigned", "Date Signed", "Enter the date signed (MM/DD/YYYY)", "datesigned"},
    {"lblPreparedBy", "Prepared by", "Enter the name of the person preparing this worksheet in the space below:",
     "preparedby"},
};

const Amount kIncomes[] = {
    {"lblPInc", "Plaintiff's Monthly Income", "Enter PLAINTIFF'S Income in the space below:", "pinc",
     ShowModal<Income>},
    {"lblDInc", "Defendant's Monthly Income", "Enter DEFENDANT'S Income in the space below:", "dinc",
     ShowModal<Income>},
};

const Amount kPreExisting[] = {
    {"lblPPre", "Plaintiff's Pre-Existing Child Support Payments",
     "Enter PLAINTIFF'S pre-existing child support payments in the space below.", "ppre", ShowModal<GetPreEx>},
    {"lblDPre", "Defendant's Pre-Existing Child Support Payments",
     "Enter DEFENDANT'S pre-existing child support payments in the space below.", "dpre", ShowModal<GetPreEx>},
};

// Child care, health insurance and extraordinary expenses: the same cells on every worksheet,
// whatever line numbers its form gives them.
const Amount kExpenses[] = {
    {"lblPAdja", "Plaintiff's Work Related Child Care",
     "Enter PLAINTIFF'S work related child care payments in the space below.", "padja", ShowModal<GetCcare>},
    {"lblDAdja", "Defendant's Work Related Child Care",
     "Enter DEFENDANT'S work related child care payments in the space below.", "dadja", ShowModal<GetCcare>},
    {"lblPAdjb", "Plaintiff's Health Insurance Cost", "Enter PLAINTIFF'S Health Insurance Cost in the space below.",
     "padjb", ShowModal<GetIns>},
    {"lblDAdjb", "Defendant's Health Insurance Cost", "Enter DEFENDANT'S Health Insurance Cost in the space below.",
     "dadjb", ShowModal<GetIns>},
    {"lblPAdjc", "Plaintiff's Extraordinary Expenses", "Enter PLAINTIFF'S Extraordinary Expenses in the space below.",
     "padjc", ShowModal<GetExtra>},
    {"lblDAdjc", "Defendant's Extraordinary Expenses", "Enter DEFENDANT'S Extraordinary Expenses in the space below.",
     "dadjc", ShowModal<GetExtra>},
};

const WorksheetWindow::OtherChildrenEntry kOtherChildren[] = {
    {"lblPResp", "Plaintiff", "pinc", "presp", "poc"},
    {"lblDResp", "Defendant", "dinc", "dresp", "doc"},
};

const WorksheetWindow::PartyEntry kParties[] = {
    {"lblName1Name", "Select Name of Plaintiff", "name1name", "name1number", "name1field"},
    {"lblName2Name", "Select Name of Defendant", "name2name", "name2number", "name2field"},
};

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

void WorksheetWindow::ConnectEditors() {
    for (const Text& entry : kTextEntries) OnClick(entry.label, [this, &entry] { EditText(entry); });
    for (const Amount& entry : kIncomes) OnClick(entry.label, [this, &entry] { EditIncome(entry); });
    for (const Amount& entry : kPreExisting) OnClick(entry.label, [this, &entry] { EditPreExisting(entry); });
    for (const OtherChildrenEntry& entry : kOtherChildren)
        OnClick(entry.label, [this, &entry] { EditOtherChildren(entry); });
    for (const Amount& entry : kExpenses) OnClick(entry.label, [this, &entry] { EditExpense(entry); });
    for (const PartyEntry& entry : kParties) OnClick(entry.label, [this, &entry] { EditParty(entry); });
}

// Only this cell changes: nothing else on the worksheet depends on it.
void WorksheetWindow::EditText(const TextEntry& entry) {
    QLabel* cell = Label(entry.label);
    const QString shown = TrimBlanks(cell->text());
    // A prompt never takes an answer that its column would refuse.
    const std::optional<QString> answer = InputBox(entry.prompt, entry.title, shown, CasesColumnWidth(entry.column));
    if (!answer || *answer == shown) return;  // cancelled, or nothing to change
    if (WriteColumns({{entry.column, *answer}}) != Written::Saved) return;
    cell->setText(*answer);
    cell->repaint();
}

// The amount editors differ only in the text offered when there is no amount and in how they read the
// answer back. Each starts from the amount stored, which the worksheet may show as 0 (the
// minimum order and the shaded area leave the expenses out).
void WorksheetWindow::EditAmount(const AmountEntry& entry, const QString& noAmountText,
                                 double (*read)(const QString&)) {
    const std::optional<CaseRecord> record = ReadCase();
    if (!record) return;
    state.DialogValue = StartingAmount(ColumnNumber(*record, entry.column), noAmountText);
    state.DialogTitle = entry.title;
    state.DialogPrompt = entry.prompt;
    entry.showDialog();
    WriteAndRecompute({{entry.column, StoredAmount(read(state.DialogValue))}});
}

void WorksheetWindow::EditExpense(const AmountEntry& entry) { EditAmount(entry, "0", Val); }

// The monthly income is kept to the cent.
void WorksheetWindow::EditIncome(const AmountEntry& entry) {
    EditAmount(entry, "0", [](const QString& answer) { return CCur(AmountOf(Format(answer, "##,##0.00"))); });
}

void WorksheetWindow::EditPreExisting(const AmountEntry& entry) {
    EditAmount(entry, "", [](const QString& answer) { return TrimBlanks(answer).isEmpty() ? 0.0 : Val(answer); });
}

void WorksheetWindow::EditOtherChildren(const OtherChildrenEntry& entry) {
    const std::optional<CaseRecord> record = ReadCase();
    if (!record) return;
    state.DialogValue = TrimBlanks(Str(ColumnNumber(*record, entry.countColumn)));
    state.DialogValue2 = "0";
    state.DialogParty = entry.party;
    state.DialogIncome = TrimBlanks(Str(ColumnNumber(*record, entry.incomeColumn)));
    ShowModal<GetResp>();
    const double children = Val(state.DialogValue);
    const double credit = TrimBlanks(state.DialogValue2).isEmpty() ? 0 : CCur(AmountOf(state.DialogValue2));
    WriteAndRecompute({{entry.creditColumn, StoredAmount(credit)}, {entry.countColumn, StoredAmount(children)}});
}

// The boxes already show what the record holds, so their save is no entry of the user's. The
// picker closed by its close box or Esc chooses nothing: the party stays as it was.
void WorksheetWindow::EditParty(const PartyEntry& entry) {
    if (SaveCheckBoxes(Refusal::Silent) == Written::CaseGone) return;
    const QString shown = Caption(entry.label);
    state.PickerKey = "";
    state.PickerPartyName = "";
    if (!TrimBlanks(shown).isEmpty()) {
        const std::optional<CaseRecord> record = ReadCase();
        if (!record) return;
        state.PickerKey = ColumnText(*record, entry.keyColumn);
        state.PickerPartyName = shown;
    }
    state.DialogTitle = entry.title;
    if (Names().exec() != QDialog::Accepted) return;
    WriteAndRecompute({{entry.nameColumn, Selected(state.SelListname)},
                       {entry.keyColumn, Selected(state.SelKeynumber)},
                       {entry.addressColumn, AddressBlock()}});
}

}  // namespace qvr
