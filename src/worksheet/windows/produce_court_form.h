#pragma once
// Fills a worksheet's court form with what its window shows, saves it as the output file and
// opens it with the shell: the confirmation, the messages and every value come from here.

class QWidget;

namespace qvr {

struct CourtFormLayout;

// Each field of the form's template (form.fileName in the fixed folder) takes the window's
// control of the same name (lblPInc, Check1, …) as it is shown: a text or share as displayed, an
// amount as "######0.00", a check box as "Yes" or "No". A template whose fields are not the
// court form's is reported like a damaged one, and nothing is produced from it.
void ProduceCourtForm(const QWidget& window, const CourtFormLayout& form);

}  // namespace qvr
