#pragma once
// The print dialog: a printer and a number of copies. Out: PrintAnswer, PrintCopies, and the
// application's current printer.

#include "dialogs/windows/form_kit.h"

#include <optional>

namespace qvr {

class PrintFrm : public ModalForm {
public:
    PrintFrm();

    // The installed printer that the profile names as the default (compared exactly);
    // nullopt when none is.
    static std::optional<QString> GetDefaultPrinter();

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    QComboBox* printers_ = nullptr;  // Combo1
    QComboBox* copies_ = nullptr;    // Combo2
};

}  // namespace qvr
