#include "worksheet/case_record.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/values.h"
#include "platform/program_end.h"

namespace qvr {

QString ColumnText(const CaseRecord& record, const QString& column) {
    const auto found = record.find(column);
    return found == record.end() ? QString() : found->second;
}

double ColumnNumber(const CaseRecord& record, const QString& column) { return Val(ColumnText(record, column)); }

void ReadNumbers(const CaseRecord& record, NumberColumns columns) {
    for (const auto& [column, number] : columns) *number = ColumnNumber(record, column);
}

CurrentCaseTable::CurrentCaseTable(bool firstWhenNone) {
    if (state.CurrentCaseId.isEmpty() && !firstWhenNone) return;
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    FindCurrentCase();
    found_ = state.CasesRecordset && state.CasesRecordset->HasCurrent();
}

CurrentCaseTable::~CurrentCaseTable() { CloseCasesDatabase(); }

CaseRecord CurrentCaseTable::Columns() const {
    CaseRecord record;
    const Recordset& table = *state.CasesRecordset;
    for (int i = 0; i < table.FieldCount(); ++i) record[table.Field(i).name] = table.GetValue(i).value_or(QString());
    return record;
}

bool CurrentCaseTable::Write(const std::function<void(Recordset&)>& assign) {
    Recordset& record = *state.CasesRecordset;
    bool saved = record.Edit();
    if (saved) {
        assign(record);
        saved = record.Update();
    }
    if (!saved) record.CancelUpdate();
    return saved;
}

std::optional<CaseRecord> ReadCurrentCaseRecord() {
    const CurrentCaseTable table(true);
    if (!table.Found()) return std::nullopt;
    return table.Columns();
}

}  // namespace qvr
