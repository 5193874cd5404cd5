#pragma once
// The shipped schedule (data/schedule_2023.csv) as the worksheets' calculations read it, so that
// hand-computed figures can be checked against the real table.

#include "dialogs/schedule_lookup.h"

namespace qvr::test {

Schedule Schedule2023();

}  // namespace qvr::test
