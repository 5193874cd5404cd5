#include "app/program_windows.h"

#include "core/frame.h"
#include "dialogs/windows/calc_detail_registered.h"
#include "names/windows/names_admin.h"
#include "schedule/windows/change_table.h"
#include "worksheet_a/windows/form_a.h"
#include "worksheet_b/windows/form_b.h"
#include "worksheet_c/windows/form_c.h"

namespace qvr {

void RegisterProgramWindows() {
    RegisterWorkingWindow("FormA", MakeFormA);
    RegisterWorkingWindow("FormB", MakeFormB);
    RegisterWorkingWindow("FormC", MakeFormC);
    RegisterWorkingWindow("CalcDetailRegistered", MakeCalcDetailRegistered);
    RegisterWorkingWindow("NamesAdmin", MakeNamesAdmin);
    RegisterWorkingWindow("ChangeTable", MakeChangeTable);
}

}  // namespace qvr
