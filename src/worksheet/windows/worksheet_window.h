#pragma once
// A worksheet window: the picture of its court form with a label on each blank, the entry
// editors, the buttons every worksheet has (explanation, override, rounding, show/hide zeros),
// the children click area and the form production. Clicking an entry label edits that entry of
// the current case; every edit is written to the case record at once and the worksheet is
// computed again from the record. A worksheet describes what is its own in a
// WorksheetDescription; the window does the rest the same way for A, B and C.

#include "core/frame.h"
#include "core/program_state.h"
#include "worksheet/court_form_layout.h"
#include "worksheet/explanation_sentences.h"
#include "worksheet/worksheet_result.h"

#include <QColor>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qvr {

class Recordset;

struct WorksheetButton {
    QString name;  // objectName, e.g. "cmdExplanation"
    QString caption;
};

// A worksheet's own button that changes the case record; the worksheet is computed again after.
struct RecordButton {
    WorksheetButton button;
    void (*edit)(Recordset& record);
};

// A column of the child arrays that a worksheet's children dialog edits besides name and date of
// birth: "nights" with ChildNights, "cust" with ChildCust.
struct ChildColumn {
    const char* column;
    QString& (ProgramState::*array)(int n);
};

// A label of a worksheet's own that its calculation writes (a statement, a party's role).
struct WorksheetNotice {
    QString name;  // an area of the form
    double fontPoints;
    QColor color;
    Qt::Alignment alignment;
    QString caption;  // before the calculation writes it
};

// Shows a dialog modally, as the editors and a worksheet's children cells do.
template <typename Dialog>
void ShowModal() {
    Dialog dialog;
    dialog.exec();
}

// What is a worksheet's own; everything else the window does alike for every worksheet. Kept by
// reference: a worksheet gives a description that lives as long as the program.
struct WorksheetDescription {
    QString name;    // "FormA": objectName, ActiveFormName, picture ":/pictures/FormA.png"
    QString title;   // the window's caption
    QString letter;  // "A": CurrentWorksheetLetter for the explanation window
    const CourtFormLayout& form;
    // The calculation of a record with the run's settings; the explanation of its result as shown.
    WorksheetCalculation calculate;
    QString (*explain)(const CaptionOf& caption, const CalculationVariables& result, const QDate& today);
    WorksheetButton explanation = {"cmdExplanation", "Explanation"};
    bool explanationUnloads = true;  // false: the explanation window opens over the worksheet
    QString ProgramState::*roundLines;  // the worksheet's rounding flag (RoundLinesA, …)
    WorksheetButton round;
    void (*showChildrenDialog)();  // shows the worksheet's children dialog modally
    std::optional<ChildColumn> childColumn = std::nullopt;
    QStringList childrenCells = {};  // cells that open the children dialog besides GetChildInfoHot
    std::vector<RecordButton> ownButtons = {};
    std::vector<WorksheetNotice> ownNotices = {};
};

class WorksheetWindow : public QWidget, public Worksheet {
    Q_OBJECT
public:
    // Loading the window: placement, menus, the current case (the first one when none is
    // current) and the whole worksheet computed.
    explicit WorksheetWindow(const WorksheetDescription& description, QWidget* parent = nullptr);

    void ProduceForm() override;
    void ChangeFieldColors() override;
    // Its name the active one, the menus as at its load, and the current case computed again:
    // the case library may have made another case current, or renamed the one shown.
    void BecomeWorkingWindow() override;

    // One row of an editor table: what the editor asks and where it writes.
    struct TextEntry;
    struct AmountEntry;
    struct OtherChildrenEntry;
    struct PartyEntry;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildButtons();
    QLabel* AddCell(const FormBlank& blank);
    QLabel* AddNotice(const WorksheetNotice& notice);
    QCheckBox* AddCheckBox(const QString& name, const QRectF& points);
    QPushButton* AddButton(const WorksheetButton& button, std::function<void()> handler);
    void OnClick(const QString& control, std::function<void()> handler);
    void ConnectEditors();

    void Form_Load();
    void MakeActive();  // its name the active one, its menus enabled
    // Shows the case that is current now. Another window may have made another case current
    // while this one stayed loaded behind it; the worksheet then shows that case instead, and
    // the click that found it out does nothing else, so that no entry lands in a case not shown.
    bool ShowsCurrentCase();
    void TakeCurrentCase();  // the case shown and its name on the strip
    // False when the case is gone (the user is told, and the case library shown instead).
    bool CalculateWorksheet();
    void ShowResult(const WorksheetResult& result);
    void ReportUnreadableSchedule();

    // The record access of every action. A current case that is gone is reported (and the case
    // library shown instead); a write that the record refuses is reported when it is the user's,
    // after the worksheet is computed again from the record.
    enum class Written { Saved, Refused, CaseGone };
    enum class Refusal { Reported, Silent };
    std::optional<CaseRecord> ReadCase();
    Written EditCase(const std::function<void(Recordset&)>& assign, Refusal refusal = Refusal::Reported);
    Written WriteColumns(const std::vector<std::pair<QString, QString>>& columns, Refusal refusal = Refusal::Reported);
    // The user's entry written, then the worksheet computed again from the record (a refused
    // entry's report does that): the worksheet and the calculation variables hold what it holds.
    void WriteAndRecompute(const std::vector<std::pair<QString, QString>>& columns);
    void EditAndRecompute(const std::function<void(Recordset&)>& assign);
    Written SaveCheckBoxes(Refusal refusal);
    void ReportCaseGone();

    QLabel* Label(const QString& name) const;
    QString Caption(const QString& name) const;

    void cmdExplanation_Click();
    void cmdOverrideSupport_Click();
    void cmdRound_Click();
    void cmdShowHideZeros_Click();
    void GetChildInfoHot_Click();
    void Check_Click();  // the user's click; the calculation's setting of a box saves silently

    // The entry editors, one kind each.
    void EditText(const TextEntry& entry);
    void EditAmount(const AmountEntry& entry, const QString& noAmountText, double (*read)(const QString&));
    void EditExpense(const AmountEntry& entry);
    void EditIncome(const AmountEntry& entry);
    void EditPreExisting(const AmountEntry& entry);
    void EditOtherChildren(const OtherChildrenEntry& entry);
    void EditParty(const PartyEntry& entry);

    const WorksheetDescription& description_;
    std::map<QString, QLabel*> labels_;
    std::map<QObject*, std::function<void()>> clickHandlers_;
    QCheckBox* checkBoxes_[4] = {};
    QPushButton* cmdOverrideSupport = nullptr;
    QLabel* lblSelectedCaseName = nullptr;
    QString caseId_;  // the case shown
    bool caseGone_ = false;
    bool unreadableScheduleTold_ = false;
};

}  // namespace qvr
