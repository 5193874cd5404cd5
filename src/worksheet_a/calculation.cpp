#include "worksheet_a/calculation.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/values.h"
#include "platform/program_end.h"

namespace qvr {

namespace {

// Below this adjusted income the obligor pays the minimum order; up to this gross income the
// credit for other children is the fixed amount.
constexpr double kMinimumOrderIncome = 1150;
// The minimum order and the fixed credit for other children.
constexpr double kMinimumOrder = 50;

const QString kAmountPattern = "##,##0.00";
const QString kSharePattern = "##0.00";

// Labels whose zero amounts the "Show/Hide Zeros" setting blanks.
const char* const kAmountLabels[] = {
    "lblPInc", "lblPPre",  "lblPResp", "lblPOC",   "lblP2",    "lblDInc",  "lblDPre",  "lblDResp",
    "lblDOC",  "lblD2",    "lblC2",    "lblP3",    "lblD3",    "lblC4",    "lblPAdja", "lblPAdjb",
    "lblPAdjc", "lblP5d",  "lblDAdja", "lblDAdjb", "lblDAdjc", "lblD5d",   "lblC5d",   "lblC6",
    "lblP7",   "lblD7",    "lblP8",    "lblD8",    "lblP9",    "lblD9",
};

struct TextCell {
    const char* column;
    const char* label;
};
const TextCell kTextCells[] = {
    {"courtfile", "lblCourtFile"},   {"ivdfile", "lblIVDFile"}, {"casecode", "lblCaseCode"},
    {"uresa", "lblUresa"},           {"county", "lblCounty"},   {"name1name", "lblName1Name"},
    {"name2name", "lblName2Name"},   {"datesigned", "lblDateSigned"},
    {"preparedby", "lblPreparedBy"},
};

using Line = double WorksheetAResult::*;

QString Text(const CaseRecord& record, const QString& column) {
    const auto found = record.find(column);
    return found == record.end() ? QString() : found->second;
}

double Number(const CaseRecord& record, const QString& column) { return Val(Text(record, column)); }

QString Amount(double value) { return Format(value, kAmountPattern) + " "; }
QString Share(double value) { return Format(value, kSharePattern) + " "; }

bool ObligorIsPlaintiff(const WorksheetAResult& r) { return r.Obligor == "P"; }

// The obligor's value of a line that both parties have.
double& ObligorLine(WorksheetAResult& r, Line plaintiff, Line defendant) {
    return r.*(ObligorIsPlaintiff(r) ? plaintiff : defendant);
}

double Lookup(WorksheetAResult& r, Schedule& schedule, double income, double children) {
    r.LookupIncome = income;
    r.LookupChildren = children;
    r.LookupResult = ScheduleAmount(schedule, income, children);
    return r.LookupResult;
}

void ShowWarning(WorksheetAResult& r, const QString& text) {
    r.captions["lblWarning"] = text;
    r.visible["lblWarning"] = true;
}

void HideWarning(WorksheetAResult& r) {
    r.captions["lblWarning"] = "";
    r.visible["lblWarning"] = false;
}

// A stored check-box state; anything but 0, 1 or 2 leaves the box clear.
int CheckBoxValue(const QString& text) {
    const double value = Round(Val(text));
    return value == 1 || value == 2 ? static_cast<int>(value) : 0;
}

void ReadCheckBoxes(const CaseRecord& record, WorksheetAResult& r) {
    for (int n = 0; n < 4; ++n) r.checkBoxes[n] = CheckBoxValue(Text(record, "chkbox" + QString::number(n + 1)));
}

void CopyTextCells(const CaseRecord& record, WorksheetAResult& r) {
    for (const TextCell& cell : kTextCells) r.captions[cell.label] = Text(record, cell.column);
}

void ReadChildren(const CaseRecord& record, WorksheetAResult& r) {
    r.NumChildren = 0;
    for (int n = 1; n <= 6; ++n) {
        const QString child = "child" + QString::number(n);
        const QString name = Text(record, child + "name");
        r.captions["lblChild" + QString::number(n) + "Name"] = TrimBlanks(name);
        r.captions["lblChild" + QString::number(n) + "DOB"] = name.isEmpty() ? QString() : Text(record, child + "DOB");
        if (!TrimBlanks(name).isEmpty()) ++r.NumChildren;
    }
}

void ReadCustody(const CaseRecord& record, WorksheetAResult& r) {
    const QString custody = Text(record, "whosecustody");
    const bool plaintiffHasCustody = custody == "P" || custody.isEmpty();
    r.Obligor = plaintiffHasCustody ? "D" : "P";
    r.captions["lblWhoHasCustody"] = plaintiffHasCustody
                                         ? "PLAINTIFF HAS CUSTODY\r\nAND DEFENDANT IS THE OBLIGOR"
                                         : "DEFENDANT HAS CUSTODY\r\nAND PLAINTIFF IS THE OBLIGOR";
    r.captions["lblPStatus"] = plaintiffHasCustody ? "CUSTODIAL PARENT" : "OBLIGOR";
    r.captions["lblDStatus"] = plaintiffHasCustody ? "OBLIGOR" : "CUSTODIAL PARENT";
}

void ReadOverride(const CaseRecord& record, WorksheetAResult& r) {
    const QString override = Text(record, "override");
    const bool on = override == "Y";
    r.OverrideFlag = on || override == "N" ? override : "N";
    r.captions["cmdOverrideSupport"] = on ? "CANCEL OVERRIDE" : "Click HERE to Override";
    r.visible["lblOverrideWarning"] = on;
    r.OverrideAmount = Number(record, "overamt");
}

void ReadAmounts(const CaseRecord& record, WorksheetAResult& r) {
    r.PInc = Number(record, "pinc");
    r.PPre = Number(record, "ppre");
    r.PResp = Number(record, "presp");
    r.POC = Number(record, "poc");
    r.DInc = Number(record, "dinc");
    r.DPre = Number(record, "dpre");
    r.DResp = Number(record, "dresp");
    r.DOC = Number(record, "doc");
    r.PLine5a = Number(record, "padja");
    r.PLine5b = Number(record, "padjb");
    r.PLine5c = Number(record, "padjc");
    r.DLine5a = Number(record, "dadja");
    r.DLine5b = Number(record, "dadjb");
    r.DLine5c = Number(record, "dadjc");
}

// Line 1b of the obligor: the credit for its other children follows from its gross income. A
// gross income of 0 or below earns no credit.
void CreditOtherChildren(WorksheetAResult& r, Schedule& schedule) {
    const double otherChildren = ObligorLine(r, &WorksheetAResult::POC, &WorksheetAResult::DOC);
    if (!(otherChildren > 0)) return;
    const double income = ObligorLine(r, &WorksheetAResult::PInc, &WorksheetAResult::DInc);
    double& credit = ObligorLine(r, &WorksheetAResult::PResp, &WorksheetAResult::DResp);
    if (income > kMinimumOrderIncome)
        credit = Lookup(r, schedule, income, otherChildren);
    else
        credit = income > 0 ? kMinimumOrder : 0;
}

void ComputeIncomeShares(WorksheetAResult& r) {
    r.PLine2 = r.PInc - r.PPre - r.PResp;
    r.DLine2 = r.DInc - r.DPre - r.DResp;
    r.CLine2 = r.PLine2 + r.DLine2;
    r.PLine3 = r.CLine2 > 0 ? Round(r.PLine2 / r.CLine2 * 100, 2) : 0;
    r.DLine3 = r.CLine2 > 0 ? Round(r.DLine2 / r.CLine2 * 100, 2) : 0;
}

void ApplyMinimumOrder(WorksheetAResult& r, const WorksheetASettings& settings) {
    r.MinimumOrder = "Y";
    r.CLine4 = kMinimumOrder;
    r.CLine6 = kMinimumOrder;
    r.PLine5a = r.PLine5b = r.PLine5c = 0;
    r.DLine5a = r.DLine5b = r.DLine5c = 0;
    r.PLine7 = r.DLine7 = 0;
    r.PLine8 = r.DLine8 = 0;
    ObligorLine(r, &WorksheetAResult::PLine9, &WorksheetAResult::DLine9) = kMinimumOrder;
    if (settings.ShowWarnings == "Y") {
        ShowWarning(r, ObligorIsPlaintiff(r) ? "WARNING: PLAINTIFF'S ADJUSTED INCOME IS BELOW $1,108"
                                             : "WARNING: DEFENDANT'S ADJUSTED INCOME IS BELOW $1,108");
    }
}

void TestShadedArea(WorksheetAResult& r, const WorksheetASettings& settings) {
    r.LookupIncome = ObligorLine(r, &WorksheetAResult::PLine2, &WorksheetAResult::DLine2);
    r.LookupChildren = r.NumChildren;
    const bool shaded = CheckShadedArea(r.LookupIncome, r.LookupChildren, settings.ShadedAreaLimits);
    r.ShadedAreaFlag = shaded ? "Y" : "N";
    if (shaded) {
        r.Line4Income = r.LookupIncome;
        if (settings.ShowWarnings == "Y") ShowWarning(r, "WARNING:  OBLIGOR'S INCOME FALLS WITHIN THE SHADED AREA");
    } else {
        HideWarning(r);
        r.Line4Income = r.CLine2;
    }
}

void ComputeLine4(WorksheetAResult& r, Schedule& schedule) {
    if (r.OverrideFlag == "Y") {
        r.CLine4 = r.OverrideAmount;
        return;
    }
    r.CLine4 = 0;
    if (r.CLine2 > 0) r.CLine4 = Lookup(r, schedule, r.Line4Income, r.LookupChildren);
}

void ComputeShadedAreaLines(WorksheetAResult& r) {
    r.PLine5a = r.PLine5b = r.PLine5c = 0;
    r.DLine5a = r.DLine5b = r.DLine5c = 0;
    r.CLine6 = r.CLine4;
    r.PLine7 = r.DLine7 = 0;
    r.PLine8 = r.DLine8 = 0;
    r.PLine9 = r.DLine9 = 0;
    ObligorLine(r, &WorksheetAResult::PLine9, &WorksheetAResult::DLine9) = r.CLine4;
}

void ComputeOrdinaryLines(WorksheetAResult& r) {
    r.PLine5d = r.PLine5a + r.PLine5b + r.PLine5c;
    r.DLine5d = r.DLine5a + r.DLine5b + r.DLine5c;
    r.CLine6 = r.CLine4 + r.PLine5d + r.DLine5d;
    r.PLine7 = r.CLine6 * (r.PLine3 / 100);
    r.DLine7 = r.CLine6 * (r.DLine3 / 100);
    if (ObligorIsPlaintiff(r)) {
        r.PLine8 = r.PLine5d;
        r.PLine9 = r.PLine7 - r.PLine8;
    } else {
        r.DLine8 = r.DLine5d;
        r.DLine9 = r.DLine7 - r.DLine8;
    }
}

void RoundLines7To9(WorksheetAResult& r) {
    for (Line line : {&WorksheetAResult::PLine7, &WorksheetAResult::PLine8, &WorksheetAResult::PLine9,
                      &WorksheetAResult::DLine7, &WorksheetAResult::DLine8, &WorksheetAResult::DLine9}) {
        r.*line = Round(r.*line);
    }
}

QString OtherChildrenCount(double count) { return count > 0 ? "(" + Format(count, "##") + ")" : QString(); }

void WriteResultCaptions(WorksheetAResult& r) {
    auto& c = r.captions;
    const bool plaintiffPays = ObligorIsPlaintiff(r);
    const double plaintiffAdjustments = r.PLine5a + r.PLine5b + r.PLine5c;
    const double defendantAdjustments = r.DLine5a + r.DLine5b + r.DLine5c;
    const double obligorLine9 = plaintiffPays ? r.PLine9 : r.DLine9;
    const QString line8 = Amount(plaintiffPays ? r.PLine8 : r.DLine8);
    const QString line9 = obligorLine9 > 0 ? Amount(obligorLine9) : QString();

    c["lblPInc"] = Amount(r.PInc);
    c["lblPPre"] = Amount(r.PPre);
    c["lblPResp"] = Amount(r.PResp);
    c["lblPOC"] = OtherChildrenCount(r.POC);
    c["lblP2"] = Amount(r.PLine2);
    c["lblDInc"] = Amount(r.DInc);
    c["lblDPre"] = Amount(r.DPre);
    c["lblDResp"] = Amount(r.DResp);
    c["lblDOC"] = OtherChildrenCount(r.DOC);
    c["lblD2"] = Amount(r.DLine2);
    c["lblC2"] = Amount(r.CLine2);
    c["lblP3"] = Share(r.PLine3);
    c["lblD3"] = Share(r.DLine3);
    c["lblC4"] = Amount(r.CLine4);
    c["lblPAdja"] = Amount(r.PLine5a);
    c["lblPAdjb"] = Amount(r.PLine5b);
    c["lblPAdjc"] = Amount(r.PLine5c);
    c["lblP5d"] = Amount(plaintiffAdjustments);
    c["lblDAdja"] = Amount(r.DLine5a);
    c["lblDAdjb"] = Amount(r.DLine5b);
    c["lblDAdjc"] = Amount(r.DLine5c);
    c["lblD5d"] = Amount(defendantAdjustments);
    c["lblC5d"] = Amount(plaintiffAdjustments + defendantAdjustments);
    c["lblC6"] = Amount(r.CLine6);
    c["lblP7"] = Amount(r.PLine7);
    c["lblD7"] = Amount(r.DLine7);
    c["lblP8"] = plaintiffPays ? line8 : QString();
    c["lblD8"] = plaintiffPays ? QString() : line8;
    c["lblP9"] = plaintiffPays ? line9 : QString();
    c["lblD9"] = plaintiffPays ? QString() : line9;
}

void BlankZeroAmounts(WorksheetAResult& r) {
    for (const char* label : kAmountLabels) {
        QString& caption = r.captions[label];
        if (TrimBlanks(caption) == "0.00") caption.clear();
    }
}

}  // namespace

WorksheetASettings WorksheetASettingsFromState() {
    return {state.ShowWarnings,
            state.ShowZeros,
            state.RoundLinesA,
            {state.ShadedAreaLimit1, state.ShadedAreaLimit2, state.ShadedAreaLimit3, state.ShadedAreaLimit4,
             state.ShadedAreaLimit5, state.ShadedAreaLimit6}};
}

bool CheckShadedArea(double income, double children, const std::array<double, 6>& limits) {
    for (int n = 1; n <= 6; ++n) {
        if (children == n) return income <= limits[n - 1];
    }
    return false;
}

WorksheetAResult CalculateWorksheetA(const CaseRecord& record, const WorksheetASettings& settings,
                                     Schedule& schedule) {
    WorksheetAResult r;
    r.ShadedAreaFlag = "N";
    r.MinimumOrder = "N";
    ReadCheckBoxes(record, r);
    CopyTextCells(record, r);
    ReadChildren(record, r);
    ReadCustody(record, r);
    ReadOverride(record, r);
    ReadAmounts(record, r);
    HideWarning(r);

    CreditOtherChildren(r, schedule);
    ComputeIncomeShares(r);
    if (ObligorLine(r, &WorksheetAResult::PLine2, &WorksheetAResult::DLine2) < kMinimumOrderIncome) {
        ApplyMinimumOrder(r, settings);
    } else {
        TestShadedArea(r, settings);
        ComputeLine4(r, schedule);
        if (r.ShadedAreaFlag == "Y")
            ComputeShadedAreaLines(r);
        else
            ComputeOrdinaryLines(r);
        if (settings.RoundLinesA == "Y") RoundLines7To9(r);
    }

    WriteResultCaptions(r);
    if (settings.ShowZeros == "N") BlankZeroAmounts(r);
    return r;
}

void SetCalculationVariables(const WorksheetAResult& r) {
    static_cast<CalculationVariables&>(state) = r;
    state.OverrideFlag = r.OverrideFlag;
    state.OverrideAmount = Str(r.OverrideAmount);
}

std::optional<CaseRecord> ReadCurrentCaseRecord() {
    OpenCasesTable();
    if (ProgramEndRequested()) return std::nullopt;
    FindCurrentCase();
    std::optional<CaseRecord> record;
    if (state.CasesRecordset && state.CasesRecordset->HasCurrent()) {
        record.emplace();
        const Recordset& table = *state.CasesRecordset;
        for (int i = 0; i < table.FieldCount(); ++i) (*record)[table.Field(i).name] = table.GetValue(i).value_or(QString());
    }
    CloseCasesDatabase();
    return record;
}

std::optional<WorksheetAResult> CalculateCurrentCase() {
    const std::optional<CaseRecord> record = ReadCurrentCaseRecord();
    if (!record) return std::nullopt;
    Schedule schedule = Schedule::FromDatabase(state.ScheduleDatabasePath);
    WorksheetAResult result = CalculateWorksheetA(*record, WorksheetASettingsFromState(), schedule);
    SetCalculationVariables(result);
    return result;
}

}  // namespace qvr
