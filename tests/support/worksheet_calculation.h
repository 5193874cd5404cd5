#pragma once
// A worksheet's calculation and explanation without a window: a case record written as its
// columns, the shipped schedule, the run settings, and a result's captions as the window shows them.

#include "support/print_qstring.h"
#include "worksheet/explanation_sentences.h"
#include "worksheet/worksheet_result.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace qvr::test {

// The record with `more` columns set on it.
CaseRecord With(CaseRecord record, const CaseRecord& more);

// The shipped schedule (data/schedule_2023.csv), so that hand-computed figures are the real ones.
Schedule ShippedSchedule();

// The shaded-area limits are those the program starts with.
WorksheetSettings Settings(const QString& showZeros = "Y", const QString& roundLines = "N",
                           const QString& showWarnings = "Y");

// The caption of a label as the window shows it; empty for a label the result does not caption.
CaptionOf CaptionsOf(const WorksheetResult& result);

using Captions = std::map<QString, QString>;
void ExpectCaptions(const WorksheetResult& result, const Captions& expected, const std::string& name);

// A case computed by hand: who pays, and captions the worksheet shows.
struct WorksheetCase {
    std::string name;
    CaseRecord record;
    QString obligor;
    Captions captions;
    WorksheetSettings settings = Settings();
};

// The worksheet computed by `calculate` from the case's record with the shipped schedule shows what
// the case expects.
template <typename Calculate>
void ExpectWorksheet(Calculate calculate, const WorksheetCase& c) {
    Schedule schedule = ShippedSchedule();
    const auto result = calculate(c.record, c.settings, schedule);
    EXPECT_EQ(result.Obligor, c.obligor) << c.name;
    ExpectCaptions(result, c.captions, c.name);
}

// The explanation `explain` tells of the worksheet `calculate` computes from the record with the
// shipped schedule, read from its captions, with ages counted on 15 March 2024.
template <typename Calculate, typename Explain>
QString ExplanationOf(Calculate calculate, Explain explain, const CaseRecord& record) {
    Schedule schedule = ShippedSchedule();
    const auto result = calculate(record, Settings(), schedule);
    return explain(CaptionsOf(result), result, QDate(2024, 3, 15));
}

}  // namespace qvr::test
