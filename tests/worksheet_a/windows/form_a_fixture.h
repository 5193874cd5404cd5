#pragma once
// Worksheet A in a running program: its own drive, the start-up done, the main window, and a
// case made current. The window is opened and driven as a user would, its dialogs answered by
// clicking their real buttons.

#include "core/windows/frame_fixture.h"
#include "dialogs/windows/dialog_driver.h"
#include "platform/database.h"
#include "worksheet_a/windows/form_a.h"

#include <QString>
#include <map>

class QLabel;

namespace qvr::test {

class FormATest : public FrameTest {
protected:
    void SetUp() override;

    // Unloads every working window and opens worksheet A for the current case.
    FormA* OpenFormA();
    FormA* Window() const;

    // A case record with nothing but its name and id, as the case library adds it.
    static void AddCase(const QString& id, const QString& name);
    static void DeleteCase(const QString& id);
    // A column of a stored case as text (Null as "<Null>"); the current case by default.
    static QString Stored(const QString& column, const QString& caseId = {});
    static void Store(const QString& column, const QString& value, const QString& caseId = {});
    static std::map<QString, Value> Record(const QString& caseId);

    QLabel* Cell(const QString& name) const;
    QString Shown(const QString& name) const;
    // Clicks a control of the window; the dialogs it opens are answered by `answerer`, which
    // must have answered every one of them afterwards.
    void ClickOn(const QString& control, ModalAnswerer& answerer);
    void ClickOn(const QString& control);
    // Waits for the deferred switch of a window whose case is gone.
    static bool CaseLibraryShown();

    // Editors driven through their dialogs.
    void EnterIncome(const QString& label, const QString& typed);
    void EnterChild(int row, const QString& name, const QString& dateOfBirth);
    void AnswerPrompt(const QString& label, const QString& typed);

    // A case with incomes of both parties and one child, all entered through the editors:
    // the defendant pays, above the minimum order and outside the shaded area.
    void EnterOrdinaryCase();

    static constexpr const char* kCaseId = "DO123456";
    static constexpr const char* kCaseName = "Doe vs. Doe";
};

// The number a caption shows, thousands separators and all; -1 for no number.
double Amount(const QString& caption);
// Types into the one-line prompt and clicks its OK button; Cancel when `typed` is null.
ModalAnswerer::Action AnswerInputBox(const std::optional<QString>& typed);
// Types into the dialog's amount box Text1 and clicks `button`.
ModalAnswerer::Action TypeAmount(const QString& typed, const QString& button);

}  // namespace qvr::test
