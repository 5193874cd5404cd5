#include "worksheet/expenses.h"

#include "worksheet/captions.h"

namespace qvr {
namespace {

struct ExpenseCell {
    const char* column;
    const char* label;
    double CalculationVariables::*value;
};

using V = CalculationVariables;
const ExpenseCell kExpenseCells[] = {
    {"padja", "lblPAdja", &V::PLine5a}, {"padjb", "lblPAdjb", &V::PLine5b}, {"padjc", "lblPAdjc", &V::PLine5c},
    {"dadja", "lblDAdja", &V::DLine5a}, {"dadjb", "lblDAdjb", &V::DLine5b}, {"dadjc", "lblDAdjc", &V::DLine5c},
};

}  // namespace

void ReadExpenses(const CaseRecord& record, WorksheetResult& result) {
    for (const ExpenseCell& cell : kExpenseCells) result.*cell.value = ColumnNumber(record, cell.column);
}

void WriteExpenseCaptions(WorksheetResult& result) {
    for (const ExpenseCell& cell : kExpenseCells) result.captions[cell.label] = AmountCaption(result.*cell.value);
}

}  // namespace qvr
