#pragma once
// A worksheet in a running program: its own drive, the start-up done, the main window, and a
// case made current. The window is opened and driven as a user would, its dialogs answered by
// clicking their real buttons. A worksheet's tests derive a fixture that names its window.

#include "support/frame_fixture.h"
#include "support/dialog_driver.h"
#include "platform/database.h"
#include "worksheet/court_form_layout.h"
#include "worksheet_a/windows/form_a.h"

#include <QString>
#include <map>
#include <vector>

class QLabel;

namespace qvr::test {

class WorksheetTest : public FrameTest {
protected:
    // The worksheet window's name, as the frame's registry knows it, and its maker.
    WorksheetTest(const QString& name, WindowMaker make);
    void SetUp() override;

    // Unloads every working window and opens the worksheet for the current case.
    QWidget* OpenWorksheet();
    QWidget* Window() const;

    // A case record with nothing but its name and id, as the case library adds it.
    static void AddCase(const QString& id, const QString& name);
    static void DeleteCase(const QString& id);
    // A column of a stored case as text (Null as "<Null>"); the current case by default.
    static QString Stored(const QString& column, const QString& caseId = {});
    static void Store(const QString& column, const QString& value, const QString& caseId = {});
    static void Store(const std::vector<std::pair<QString, QString>>& columns);
    static std::map<QString, Value> Record(const QString& caseId);
    // From now on the cases table refuses every change of a record, as one held elsewhere does.
    static void RefuseCaseWrites();

    QLabel* Cell(const QString& name) const;
    QString Shown(const QString& name) const;
    // Clicks a control of the window; the dialogs it opens are answered by `answerer`, which
    // must have answered every one of them afterwards.
    void ClickOn(const QString& control, ModalAnswerer& answerer);
    void ClickOn(const QString& control);
    // Waits for the deferred switch of a window whose case is gone.
    static bool CaseLibraryShown();

    // Every cell of the window's form, and the warning when it shows, holds its text in its place.
    void ExpectEveryValueFits(const CourtFormLayout& form) const;
    // The court form produced through the "Produce" menu, its confirmation answered and no viewer
    // started, read back field by field.
    std::map<QString, QString> ProduceAndReadBack();
    // With QVR_SHOTS naming a folder, pictures to look at there: the window as <name>.png and its
    // produced form as <name>.pdf.
    void SavePictures(const QString& name);

    // Editors driven through their dialogs.
    void EnterIncome(const QString& label, const QString& typed);
    void AnswerPrompt(const QString& label, const QString& typed);

    static constexpr const char* kCaseId = "DO123456";
    static constexpr const char* kCaseName = "Doe vs. Doe";

private:
    QString name_;
    WindowMaker make_;
};

// The number a caption shows, thousands separators and all; -1 for no number.
double Amount(const QString& caption);
// Types into the one-line prompt and clicks its OK button; Cancel when `typed` is null.
ModalAnswerer::Action AnswerInputBox(const std::optional<QString>& typed);
// Types into the dialog's amount box Text1 and clicks `button`.
ModalAnswerer::Action TypeAmount(const QString& typed, const QString& button);

}  // namespace qvr::test
