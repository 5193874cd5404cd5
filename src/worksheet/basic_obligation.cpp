#include "worksheet/basic_obligation.h"

#include "worksheet/income_lines.h"

namespace qvr {

void ComputeBasicObligation(WorksheetResult& r, Schedule& schedule, double children,
                            const WorksheetSettings& settings) {
    r.Line4Income = r.CLine2;
    if (r.OverrideFlag == "Y") {
        r.CLine4 = r.OverrideAmount;
        return;
    }
    r.CLine4 = r.CLine2 > 0 ? LookupBasicObligation(r, schedule, r.CLine2, children, settings) : 0;
}

}  // namespace qvr
