#pragma once
// Worksheet A on the shared worksheet fixture, with its children entered through its own dialog.

#include "support/worksheet_fixture.h"
#include "worksheet_a/court_form_a.h"
#include "worksheet_a/windows/form_a.h"

#include <vector>

namespace qvr::test {

class FormATest : public WorksheetTest {
protected:
    FormATest() : WorksheetTest("FormA", MakeFormA) {}

    FormA* OpenFormA() { return dynamic_cast<FormA*>(OpenWorksheet()); }

    // Every cell of the form: what "Show/Hide Fields" colours.
    static std::vector<QString> FieldCells() {
        std::vector<QString> cells;
        for (const FormBlank& blank : CourtFormA().blanks)
            if (blank.IsCell()) cells.push_back(blank.label);
        return cells;
    }

    void EnterChild(int row, const QString& name, const QString& dateOfBirth) {
        ModalAnswerer answerer;
        answerer.Then(AsUser([&](QWidget* dialog) {
            Type(dialog, "Text" + QString::number(2 * row - 1), name);
            Type(dialog, "Text" + QString::number(2 * row), dateOfBirth);
            Leave(dialog);
            ModalAnswerer::ClickButton(dialog, "Ok");
        }));
        ClickOn("GetChildInfoHot", answerer);
        EXPECT_EQ(answerer.Answered(), 1);
    }

    // A case with incomes of both parties and one child, all entered through the editors:
    // the defendant pays, above the minimum order and outside the shaded area.
    void EnterOrdinaryCase() {
        EnterIncome("lblPInc", "3000");
        EnterIncome("lblDInc", "2500");
        EnterChild(1, "Ann Doe", "01/02/2015");
    }
};

}  // namespace qvr::test
