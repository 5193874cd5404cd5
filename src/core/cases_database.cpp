#include "core/cases_database.h"

#include "core/database_backups.h"
#include "core/program_state.h"
#include "platform/messages.h"
#include "platform/program_end.h"

#include <QSet>
#include <algorithm>

namespace qvr {
namespace {

// The whole schema: no version is stored, an older file is brought up to date by adding every
// column it lacks. The order is the file's column order; never reorder, rename or retype.
// The first column of each table comes with the table, so it has no declared type here.
const std::vector<ColumnDef> kCasesColumns = {
    {"casedesc", ""},          {"caseid", "TEXT"},        {"caseopen", "TEXT"},
    {"courtfile", "TEXT"},     {"county", "TEXT"},        {"casefile", "TEXT"},
    {"casecode", "TEXT"},      {"ivdfile", "TEXT"},       {"uresa", "TEXT"},
    {"SetFormEditable", "TEXT"},
    {"name1number", "TEXT"},   {"name1field", "TEXT"},    {"name1name", "TEXT"},
    {"name2number", "TEXT"},   {"name2field", "TEXT"},    {"name2name", "TEXT"},
    {"child1name", "TEXT"},    {"child1dob", "text"},     {"child1cust", "text"},    {"child1nights", "text"},
    {"child2name", "TEXT"},    {"child2dob", "text"},     {"child2cust", "text"},    {"child2nights", "text"},
    {"child3name", "TEXT"},    {"child3dob", "text"},     {"child3cust", "text"},    {"child3nights", "text"},
    {"child4name", "TEXT"},    {"child4dob", "text"},     {"child4cust", "text"},    {"child4nights", "text"},
    {"child5name", "TEXT"},    {"child5dob", "text"},     {"child5cust", "text"},    {"child5nights", "text"},
    {"child6name", "TEXT"},    {"child6dob", "text"},     {"child6cust", "text"},    {"child6nights", "text"},
    {"pinc", "TEXT"},          {"ppre", "TEXT"},          {"presp", "TEXT"},         {"poc", "TEXT"},
    {"pover", "TEXT"},         {"pspinc", "TEXT"},        {"padja", "TEXT"},         {"padjb", "TEXT"},
    {"padjc", "TEXT"},         {"ptaxcredit", "TEXT"},    {"poverdays", "TEXT"},     {"povernights", "TEXT"},
    {"psplitkids", "TEXT"},
    {"dinc", "TEXT"},          {"dpre", "TEXT"},          {"dresp", "TEXT"},         {"doc", "TEXT"},
    {"dover", "TEXT"},         {"dspinc", "TEXT"},        {"dadja", "TEXT"},         {"dadjb", "TEXT"},
    {"dadjc", "TEXT"},         {"dtaxcredit", "TEXT"},    {"doverdays", "TEXT"},     {"dovernights", "TEXT"},
    {"dsplitkids", "TEXT"},
    {"obligor", "TEXT"},       {"forceobligor", "TEXT"},  {"override", "TEXT"},      {"overamt", "TEXT"},
    {"whosecustody", "TEXT"},  {"chkzeros", "TEXT"},
    {"chkbox1", "TEXT"},       {"chkbox2", "TEXT"},       {"chkbox3", "TEXT"},       {"chkbox4", "TEXT"},
    {"chkbox5", "TEXT"},       {"chkbox6", "TEXT"},       {"chkbox7", "TEXT"},       {"chkbox8", "TEXT"},
    {"chkbox9", "TEXT"},       {"chkbox10", "TEXT"},      {"chkbox11", "TEXT"},      {"chkbox12", "TEXT"},
    {"chkbox13", "TEXT"},      {"chkbox14", "TEXT"},      {"chkbox15", "TEXT"},
    {"textblock1", "TEXT"},    {"datesigned", "TEXT"},    {"preparedby", "TEXT"},    {"preparedbyphone", "TEXT"},
};

const std::vector<ColumnDef> kCoverSheetColumns = {
    {"caseid", ""},            {"checkboxes", "TEXT"},
    {"custnumber", "TEXT"},    {"custinfo", "TEXT(250)"},
    {"ncustnumber", "TEXT"},   {"ncustinfo", "TEXT(250)"},
    {"othernumber", "TEXT"},   {"otherinfo", "TEXT(250)"},
    {"child7name", "TEXT"},    {"child7dob", "text"},     {"child7cust", "text"},    {"child7nights", "text"},
    {"child8name", "TEXT"},    {"child8dob", "text"},     {"child8cust", "text"},    {"child8nights", "text"},
    {"child9name", "TEXT"},    {"child9dob", "text"},     {"child9cust", "text"},    {"child9nights", "text"},
    {"child1info", "text"},    {"child2info", "text"},    {"child3info", "text"},    {"child4info", "text"},
    {"child5info", "text"},    {"child6info", "text"},    {"child7info", "text"},    {"child8info", "text"},
    {"child9info", "text"},
};

const std::vector<ColumnDef> kToColumns = {
    {"caseid", ""},
    {"obnewstreet", "text"},   {"obnewcitystatezip", "text"},   {"obnewotherinfo", "text"},
    {"recnewstreet", "text"},  {"recnewcitystatezip", "text"},  {"recnewotherinfo", "text"},
    {"courtdate", "text"},     {"arrearsamount1", "text"},      {"arrearsamount2", "text"},
    {"arrearsdate", "text"},   {"frequency", "text"},           {"paymentsbegin", "text"},
    {"supportamount", "text"}, {"finalorderby", "text"},
    {"addorder1", "text"},     {"addorder2", "text"},           {"addorder3", "text"},
    {"addorder4", "text"},     {"addorder5", "text"},           {"addorder6", "text"},
    {"addorder7", "text"},     {"checkboxes", "TEXT"},
};

struct TableDef {
    const char* name;
    const std::vector<ColumnDef>& columns;
};

const TableDef kCasesTables[] = {
    {"Cases", kCasesColumns},
    {"CoverSheet", kCoverSheetColumns},
    {"TO", kToColumns},
};

const char kOpenErrorText[] =
    "There was an error attempting to open the CASES database, and this program will now end.  "
    "Please contact Quorvane to report this problem.";

void CreateCasesTables(Database& db) {
    for (const TableDef& table : kCasesTables) db.CreateTable(table.name, table.columns.front().name);
}

QString QuotedName(QString name) { return '"' + name.replace('"', "\"\"") + '"'; }

// True for a record with a Null in any column but the first.
QString AnyNullAfterFirst(const std::vector<FieldInfo>& fields) {
    QStringList anyNull;
    for (size_t i = 1; i < fields.size(); ++i) anyNull << QuotedName(fields[i].name) + " IS NULL";
    return anyNull.join(" OR ");
}

// The same test written as the columns joined, which is Null when any of them is. The index of
// the records to repair holds it, and the engine reads an index's condition every time it opens
// the file: this form is the shorter one to read.
QString JoinedAfterFirstIsNull(const std::vector<FieldInfo>& fields) {
    QStringList columns;
    for (size_t i = 1; i < fields.size(); ++i) columns << QuotedName(fields[i].name);
    return "(" + columns.join(" || ") + ") IS NULL";
}

QString RepairStatement(const QString& table, const std::vector<FieldInfo>& fields, const QString& anyNull) {
    QStringList repairs;
    for (size_t i = 1; i < fields.size(); ++i) {
        const QString column = QuotedName(fields[i].name);
        repairs << QString("%1 = coalesce(%1, '%2')").arg(column, fields[i].type == dbMemo ? " " : "");
    }
    return QString("UPDATE %1 SET %2 WHERE %3;").arg(QuotedName(table), repairs.join(", "), anyNull);
}

// Every action finds its case by id, and every worksheet and case list runs the repair first:
// without indexes each of them reads the whole table. One index holds every case by id, one
// only the records that the repair would change; it follows the columns, so that its condition
// stays the repair statement's. They add no column and no rule: ids may still repeat.
void IndexCases(Database& db) {
    db.KeepIndex("CasesByCaseId", "ON Cases (caseid)");
    const std::vector<FieldInfo> fields = db.Fields("Cases");
    if (fields.size() > 1) db.KeepIndex("CasesToRepair", "ON Cases (caseid) WHERE " + JoinedAfterFirstIsNull(fields));
}

void RepairCases(Database& db) {
    const std::vector<FieldInfo> fields = db.Fields("Cases");
    if (fields.size() > 1) db.Execute(RepairStatement("Cases", fields, JoinedAfterFirstIsNull(fields)));
}

// A table that cannot be read closes the recordset, so that no record read before stays current
// for a following write. False also in an empty table.
bool MoveToFirst(Recordset& records) {
    if (records.MoveFirst()) return true;
    if (!records.IsEOF()) records.Close();
    return false;
}

void EndOnOpenError() {
    CloseCasesDatabase();
    MsgBox(kOpenErrorText, MessageButtons::OkOnly, "Error");
    EndProgramNow();
}

}  // namespace

// Each statement is parsed against the whole schema, so the columns there already are not tried.
void AddMissingColumns(Database& db, const QString& table, const std::vector<ColumnDef>& columns) {
    QSet<QString> present;
    for (const FieldInfo& field : db.Fields(table)) present.insert(field.name.toLower());
    for (size_t i = 1; i < columns.size(); ++i) {
        if (present.contains(QString(columns[i].name).toLower())) continue;
        db.Execute(QString("ALTER TABLE %1 ADD COLUMN %2 %3;")
                       .arg(QuotedName(table), columns[i].name, columns[i].declaredType));
    }
}

void RepairNullColumns(Database& db, const QString& table) {
    const std::vector<FieldInfo> fields = db.Fields(table);
    if (fields.size() > 1) db.Execute(RepairStatement(table, fields, AnyNullAfterFirst(fields)));
}

void CloseCasesDatabase() {
    state.CasesRecordset.reset();
    state.CasesDatabase.reset();
}

void UpdateCasesDatabase() {
    FinishCheckOf(state.CasesDatabasePath);
    CloseCasesDatabase();
    state.CasesDatabase = Database::CreateDatabase(state.CasesDatabasePath);
    if (state.CasesDatabase) CreateCasesTables(*state.CasesDatabase);
    CloseCasesDatabase();

    state.CasesDatabase = Database::OpenDatabase(state.CasesDatabasePath);
    if (state.CasesDatabase) {
        for (const TableDef& table : kCasesTables) {
            AddMissingColumns(*state.CasesDatabase, table.name, table.columns);
        }
        IndexCases(*state.CasesDatabase);
    }
    CloseCasesDatabase();
}

void OpenCasesTable() {
    FinishCheckOf(state.CasesDatabasePath);
    CloseCasesDatabase();
    state.CasesDatabase = Database::OpenDatabase(state.CasesDatabasePath);
    if (!state.CasesDatabase) return EndOnOpenError();
    state.CasesRecordset = state.CasesDatabase->OpenRecordset("Cases");
    if (!state.CasesRecordset) return EndOnOpenError();
}

void FindCurrentCase() {
    Recordset* records = state.CasesRecordset.get();
    if (!records) return;
    if (!state.CurrentCaseId.isEmpty()) {
        records->FindFirst("caseid", state.CurrentCaseId);
        return;
    }
    if (!MoveToFirst(*records)) return;
    if (const Value id = records->GetValue("caseid")) state.CurrentCaseId = *id;
}

void FixCasesNulls() {
    OpenCasesTable();
    if (!state.CasesRecordset) return;
    RepairCases(*state.CasesDatabase);
    MoveToFirst(*state.CasesRecordset);  // its first record was read before the repair
}

int CasesColumnWidth(const QString& column) {
    const auto found = std::find_if(kCasesColumns.begin(), kCasesColumns.end(), [&](const ColumnDef& def) {
        return column.compare(def.name, Qt::CaseInsensitive) == 0;
    });
    return DeclaredWidth(found != kCasesColumns.end() ? found->declaredType : "");
}

}  // namespace qvr
