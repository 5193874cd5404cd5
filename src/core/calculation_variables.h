#pragma once
// The worksheet calculation variables: one per worksheet line and party, and what the last
// calculation decided. Each worksheet gives the line slots the meaning of its own lines.

#include <QString>
#include <array>
#include <optional>

namespace qvr {

// Whether the schedule gave line 4: it may be unreadable, or may not reach the income.
enum class ScheduleCoverage { Covered, NotCovered, Unreadable };

struct CalculationVariables {
    double PInc = 0, PPre = 0, PResp = 0, POC = 0;
    double DInc = 0, DPre = 0, DResp = 0, DOC = 0;
    double PLine2 = 0, DLine2 = 0, CLine2 = 0;
    double PLine3 = 0, DLine3 = 0;
    double CLine4 = 0;
    double PLine5a = 0, PLine5b = 0, PLine5c = 0, PLine5d = 0;
    double DLine5a = 0, DLine5b = 0, DLine5c = 0, DLine5d = 0;
    double CLine6 = 0;
    double PLine7 = 0, DLine7 = 0, PLine8 = 0, DLine8 = 0, PLine9 = 0, DLine9 = 0;
    int NumChildren = 0;
    QString OverrideFlag;  // "Y" while the override amount stands for line 4
    QString Obligor;
    QString MinimumOrder;
    QString ShadedAreaFlag;
    double Line4Income = 0;
    ScheduleCoverage Line4Coverage = ScheduleCoverage::Covered;
    double LookupIncome = 0, LookupChildren = 0, LookupResult = 0;
    // Split custody: the parent each named child lives with, "P" or "D"; "" for a row without a name.
    std::array<QString, 6> ChildHousehold{};
    // Shared custody: the nights with the plaintiff of each counted child; nullopt for a row that
    // does not count.
    std::array<std::optional<double>, 6> ChildNightsWithPlaintiff{};
};

}  // namespace qvr
