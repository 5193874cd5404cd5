#include "support/worksheet_calculation.h"

#include <gtest/gtest.h>

namespace qvr::test {

CaseRecord With(CaseRecord record, const CaseRecord& more) {
    for (const auto& [column, text] : more) record[column] = text;
    return record;
}

Schedule ShippedSchedule() { return Schedule::FromDatabase("C:" SHIPPED_DIR "/TABLE24.MDB"); }

WorksheetSettings Settings(const QString& showZeros, const QString& roundLines, const QString& showWarnings) {
    return {showWarnings, showZeros, roundLines, {1500, 1850, 2200, 2400, 2700, 3000}};
}

CaptionOf CaptionsOf(const WorksheetResult& result) {
    return [&result](const QString& label) {
        const auto found = result.captions.find(label);
        return found == result.captions.end() ? QString() : found->second;
    };
}

void ExpectCaptions(const WorksheetResult& result, const Captions& expected, const std::string& name) {
    for (const auto& [label, caption] : expected) {
        const auto found = result.captions.find(label);
        ASSERT_NE(found, result.captions.end()) << name << ": " << label.toStdString();
        EXPECT_EQ(found->second, caption) << name << ": " << label.toStdString();
    }
}

}  // namespace qvr::test
