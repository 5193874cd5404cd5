#include "core/program_state.h"

#include "platform/files.h"

namespace qvr {

ProgramState state;

namespace {

template <typename T>
T& Pick(int n, T& v1, T& v2, T& v3, T& v4, T& v5, T& v6) {
    switch (n) {
        case 1: return v1;
        case 2: return v2;
        case 3: return v3;
        case 4: return v4;
        case 5: return v5;
        default: return v6;
    }
}

}  // namespace

QString& ProgramState::ChildName(int n) {
    return Pick(n, ChildName1, ChildName2, ChildName3, ChildName4, ChildName5, ChildName6);
}
QString& ProgramState::ChildDOB(int n) {
    return Pick(n, ChildDOB1, ChildDOB2, ChildDOB3, ChildDOB4, ChildDOB5, ChildDOB6);
}
QString& ProgramState::ChildCust(int n) {
    return Pick(n, ChildCust1, ChildCust2, ChildCust3, ChildCust4, ChildCust5, ChildCust6);
}
QString& ProgramState::ChildNights(int n) {
    return Pick(n, ChildNights1, ChildNights2, ChildNights3, ChildNights4, ChildNights5, ChildNights6);
}

double ProgramState::ShadedAreaLimit(int children) const {
    auto& self = const_cast<ProgramState&>(*this);
    return Pick(children, self.ShadedAreaLimit1, self.ShadedAreaLimit2, self.ShadedAreaLimit3,
                self.ShadedAreaLimit4, self.ShadedAreaLimit5, self.ShadedAreaLimit6);
}

void SetStartValues() {
    state.FormLeft = 0;
    state.FormTop = 0;
    state.FormWidth = 15700;
    state.FormHeight = 9000;
    state.ProgramShortTitle = "NC Child Support Worksheets";
    state.VersionText = "Software Version 01012024";
    state.CasesFileName = "VESK0232.MDB";
    state.CaseLibraryOpened = "N";
    state.CurrentCaseId = "";
    state.StartDrive = files::CurrentDirectory().left(2);
    state.FieldColor = 15;
    state.RoundLinesA = "N";
    state.ShowZeros = "Y";
    state.ShowWarnings = "Y";
    state.MainDatabasePath = state.StartDrive + "\\QVRForms\\WYTH2024.MDB";
    state.ScheduleDatabasePath = state.StartDrive + "\\QVRForms\\TABLE24.MDB";
}

}  // namespace qvr
