#include "worksheet/windows/worksheet_window.h"

#include "core/cases_database.h"
#include "core/values.h"
#include "core/windows/window_kit.h"
#include "dialogs/windows/override_dialog.h"
#include "platform/messages.h"
#include "platform/program_end.h"
#include "worksheet/case_record.h"
#include "worksheet/windows/produce_court_form.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace qvr {
namespace {

// The picture is the form's page drawn at 1000 pixels across.
constexpr double kPixelsPerPoint = 1000.0 / 612.0;
constexpr int kStripHeight = 24;  // the case-name strip above the picture

const QColor kCellText(0, 0, 160);

const char kCancelOverride[] = "CANCEL OVERRIDE";
const char kCaseGoneTitle[] = "Case Not Found";
const char kCaseGoneText[] =
    "The case shown in this worksheet is no longer in the cases database.  It may have been deleted from "
    "another workstation.  Please select a case in the Case Library.";
const char kUnreadableScheduleTitle[] = "Schedule Cannot Be Read";
const char kNotSavedTitle[] = "Entry Not Saved";

QString NotSavedText(Fault fault) {
    return QString("Your entry could not be saved in the case record because %1, so the worksheet shows what the "
                   "record holds.")
        .arg(FaultText(fault));
}

int Pixels(double points) { return qRound(points * kPixelsPerPoint); }

QRect ToPixels(const QRectF& points) {
    return QRect(Pixels(points.x()), kStripHeight + Pixels(points.y()), Pixels(points.width()),
                 Pixels(points.height()));
}

// The buttons sit in one row in the empty band between the children table and the line table.
QRect ButtonPlace(const CourtFormLayout& form, int column, int columns) {
    constexpr int gap = 10;
    const QRect above = ToPixels(form.Area("GetChildInfoHot")->rect);
    const int bottom = kStripHeight + Pixels(form.linesTop);
    const int width = (above.width() - (columns - 1) * gap) / columns;
    return QRect(above.left() + column * (width + gap), above.bottom() + 3, width, bottom - above.bottom() - 6);
}

Qt::Alignment AlignmentOf(CellKind kind) {
    switch (kind) {
    case CellKind::Amount:
    case CellKind::Share:
    case CellKind::Whole:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellKind::Count:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

Qt::CheckState CheckStateOf(int value) {
    if (value == 1) return Qt::Checked;
    if (value == 2) return Qt::PartiallyChecked;
    return Qt::Unchecked;
}

int ValueOf(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

QString ChildColumnName(int n, const char* column) { return QString("child%1%2").arg(n).arg(column); }

}  // namespace

WorksheetWindow::WorksheetWindow(const WorksheetDescription& description, QWidget* parent)
    : QWidget(parent), description_(description) {
    setObjectName(description.name);
    setWindowTitle(description.title);
    SetBackground(this, Qt::white);
    BuildControls();
    BuildButtons();
    ConnectEditors();
    Form_Load();
}

void WorksheetWindow::BuildControls() {
    lblSelectedCaseName = new QLabel(this);
    lblSelectedCaseName->setObjectName("lblSelectedCaseName");
    lblSelectedCaseName->setTextFormat(Qt::PlainText);
    lblSelectedCaseName->setFont(MakeFont("Arial", 9, true));
    lblSelectedCaseName->setIndent(8);
    SetBackground(lblSelectedCaseName, kLightYellow);
    lblSelectedCaseName->setGeometry(0, 0, 1000, kStripHeight);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap(":/pictures/" + description_.name + ".png"));
    Image1->setGeometry(0, kStripHeight, 1000, 1326);

    for (const FormBlank& blank : description_.form.blanks) {
        if (blank.kind == CellKind::CheckBox)
            checkBoxes_[blank.label.right(1).toInt() - 1] = AddCheckBox(blank.label, blank.rect);
        else
            AddCell(blank);
    }

    // A banner over both shaded cells of line 4, so that the rule between them does not cross its words.
    if (description_.form.Area("lblWarning"))
        SetBackground(AddNotice({"lblWarning", 7.5, Qt::red, Qt::AlignCenter, ""}), Qt::white);
    if (description_.form.Area("lblOverrideWarning"))
        AddNotice({"lblOverrideWarning", 7, Qt::red, Qt::AlignCenter, "Using Override Amount"})->hide();
    for (const WorksheetNotice& notice : description_.ownNotices) AddNotice(notice);

    auto* GetChildInfoHot = new QLabel(this);
    GetChildInfoHot->setObjectName("GetChildInfoHot");
    GetChildInfoHot->setGeometry(ToPixels(description_.form.Area("GetChildInfoHot")->rect));
    GetChildInfoHot->setCursor(Qt::PointingHandCursor);
    GetChildInfoHot->setToolTip("Click to enter the children");
    labels_["GetChildInfoHot"] = GetChildInfoHot;
    OnClick("GetChildInfoHot", [this] { GetChildInfoHot_Click(); });
    for (const QString& cell : description_.childrenCells) OnClick(cell, [this] { GetChildInfoHot_Click(); });
}

void WorksheetWindow::BuildButtons() {
    std::vector<std::pair<WorksheetButton, std::function<void()>>> buttons{
        {description_.explanation, [this] { cmdExplanation_Click(); }},
        {{"cmdOverrideSupport", "Override Schedule"}, [this] { cmdOverrideSupport_Click(); }},
        {description_.round, [this] { cmdRound_Click(); }},
        {{"cmdShowHideZeros", "Show/Hide Zeros"}, [this] { cmdShowHideZeros_Click(); }},
    };
    for (const RecordButton& own : description_.ownButtons) {
        buttons.emplace_back(own.button, [this, edit = own.edit] { EditAndRecompute(edit); });
    }
    const int columns = int(buttons.size());
    for (int column = 0; column < columns; ++column) {
        QPushButton* button = AddButton(buttons[column].first, buttons[column].second);
        button->setGeometry(ButtonPlace(description_.form, column, columns));
    }
    cmdOverrideSupport = findChild<QPushButton*>("cmdOverrideSupport");
}

QLabel* WorksheetWindow::AddCell(const FormBlank& blank) {
    auto* cell = new QLabel(this);
    cell->setObjectName(blank.label);
    cell->setTextFormat(Qt::PlainText);
    cell->setFont(MakeFont("Arial", 9));
    cell->setAlignment(AlignmentOf(blank.kind));
    cell->setContentsMargins(2, 0, 2, 0);
    cell->setAutoFillBackground(true);
    SetColor(cell, QPalette::WindowText, kCellText);
    // Inside the blank, so that its underline and the table's rules stay in sight.
    cell->setGeometry(ToPixels(blank.rect).adjusted(1, 1, -1, -2));
    labels_[blank.label] = cell;
    return cell;
}

QLabel* WorksheetWindow::AddNotice(const WorksheetNotice& notice) {
    QLabel* label = qvr::AddLabel(this, notice.name, notice.caption, MakeFont("Arial", notice.fontPoints, true));
    label->setAlignment(notice.alignment);
    SetColor(label, QPalette::WindowText, notice.color);
    label->setGeometry(ToPixels(description_.form.Area(notice.name)->rect));
    labels_[notice.name] = label;
    return label;
}

// Only as wide as its box, which covers the box of the picture.
QCheckBox* WorksheetWindow::AddCheckBox(const QString& name, const QRectF& points) {
    auto* box = new QCheckBox(name, this);
    box->setObjectName(name);
    const QRect printed = ToPixels(points);
    box->setStyleSheet(QString("QCheckBox::indicator { width: %1px; height: %2px; }")
                           .arg(printed.width() - 2)
                           .arg(printed.height() - 2));
    box->setGeometry(printed);
    connect(box, &QCheckBox::clicked, this, [this] {
        if (ShowsCurrentCase()) Check_Click();
    });
    return box;
}

QPushButton* WorksheetWindow::AddButton(const WorksheetButton& button, std::function<void()> handler) {
    QPushButton* control = qvr::AddButton(this, button.name, button.caption);
    control->setFont(MakeFont("Arial", 8, true));
    SetColor(control, QPalette::Button, kLightGrey);
    connect(control, &QPushButton::clicked, this, [this, handler = std::move(handler)] {
        if (ShowsCurrentCase()) handler();
    });
    return control;
}

void WorksheetWindow::OnClick(const QString& control, std::function<void()> handler) {
    QLabel* cell = Label(control);
    cell->setCursor(Qt::PointingHandCursor);
    cell->installEventFilter(this);
    clickHandlers_[cell] = std::move(handler);
}

// A label acts on a click as a button does: pressed and released over it.
bool WorksheetWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto handler = clickHandlers_.find(watched);
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (handler == clickHandlers_.end() || !(press || release)) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
    if (release && static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()) && ShowsCurrentCase())
        handler->second();
    return true;
}

void WorksheetWindow::Form_Load() {
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth - 200, state.FormHeight + 11800);
    MakeActive();
    {
        const CurrentCaseTable table(true);
        if (ProgramEndRequested()) return;
        FixCasesNulls();
        if (ProgramEndRequested()) return;
    }
    TakeCurrentCase();
    ChangeFieldColors();
    CalculateWorksheet();
}

void WorksheetWindow::MakeActive() {
    state.ActiveFormName = description_.name;
    SetMenusEnabled({Menu::Forms, Menu::CaseLibrary, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About,
                     Menu::Produce, Menu::ShowHide},
                    true);
}

void WorksheetWindow::BecomeWorkingWindow() {
    MakeActive();
    TakeCurrentCase();
    CalculateWorksheet();
}

void WorksheetWindow::TakeCurrentCase() {
    caseId_ = state.CurrentCaseId;
    lblSelectedCaseName->setText(state.CurrentCaseName + "  (" + state.CasesDatabasePath.toUpper() + ")");
}

bool WorksheetWindow::ShowsCurrentCase() {
    if (caseId_ == state.CurrentCaseId) return true;
    TakeCurrentCase();
    CalculateWorksheet();
    return false;
}

void WorksheetWindow::ChangeFieldColors() {
    for (const FormBlank& blank : description_.form.blanks)
        if (blank.IsCell()) SetColor(Label(blank.label), QPalette::Window, PaletteColor(state.FieldColor));
}

void WorksheetWindow::ProduceForm() { ProduceCourtForm(*this, description_.form); }

bool WorksheetWindow::CalculateWorksheet() {
    std::optional<WorksheetResult> result;
    if (!state.CurrentCaseId.isEmpty()) result = CalculateCurrentCase(description_.calculate, description_.roundLines);
    if (ProgramEndRequested()) return false;
    if (!result) {
        ReportCaseGone();
        return false;
    }
    ShowResult(*result);
    if (result->Line4Coverage == ScheduleCoverage::Unreadable) ReportUnreadableSchedule();
    return true;
}

// Told once for the window; its warning line stays while the schedule cannot be read.
void WorksheetWindow::ReportUnreadableSchedule() {
    if (unreadableScheduleTold_) return;
    unreadableScheduleTold_ = true;
    MsgBox("The Schedule of Basic Support Obligations (" + state.ScheduleDatabasePath.toUpper() +
               ") cannot be read, so this worksheet cannot show a basic child support obligation.  Please reinstall "
               "this program to restore the schedule.",
           MessageButtons::OkOnly, kUnreadableScheduleTitle);
}

void WorksheetWindow::ShowResult(const WorksheetResult& result) {
    for (const auto& [name, caption] : result.captions) {
        if (name == cmdOverrideSupport->objectName())
            cmdOverrideSupport->setText(caption);
        else if (QLabel* label = Label(name))
            label->setText(caption);
    }
    for (const auto& [name, shown] : result.visible) {
        if (QLabel* label = Label(name)) label->setVisible(shown);
    }
    // Boxes that change are saved, all four as read, so the record holds them in the stored form.
    // That save is no entry of the user's: a refusal goes untold.
    bool changed = false;
    for (int n = 0; n < 4; ++n) {
        const Qt::CheckState read = CheckStateOf(result.checkBoxes[n]);
        changed = changed || checkBoxes_[n]->checkState() != read;
        checkBoxes_[n]->setCheckState(read);
    }
    if (changed) SaveCheckBoxes(Refusal::Silent);
}

WorksheetWindow::Written WorksheetWindow::SaveCheckBoxes(Refusal refusal) {
    std::vector<std::pair<QString, QString>> columns;
    for (int n = 0; n < 4; ++n) columns.emplace_back("chkbox" + QString::number(n + 1), Str(ValueOf(checkBoxes_[n])));
    return WriteColumns(columns, refusal);
}

void WorksheetWindow::Check_Click() { SaveCheckBoxes(Refusal::Reported); }

std::optional<CaseRecord> WorksheetWindow::ReadCase() {
    std::optional<CaseRecord> record;
    {
        const CurrentCaseTable table;
        if (table.Found()) record = table.Columns();
    }
    if (!record && !ProgramEndRequested()) ReportCaseGone();
    return record;
}

WorksheetWindow::Written WorksheetWindow::EditCase(const std::function<void(Recordset&)>& assign, Refusal refusal) {
    bool found = false, saved = false;
    Fault fault = Fault::None;
    {
        CurrentCaseTable table;
        found = table.Found();
        if (found) saved = table.Write(assign);
        if (found && !saved) fault = state.CasesDatabase->LastFault();
    }
    if (!found) {
        if (!ProgramEndRequested()) ReportCaseGone();
        return Written::CaseGone;
    }
    if (saved) return Written::Saved;
    if (refusal == Refusal::Reported) {
        // The message speaks of what the worksheet shows: the record's, not the refused entry.
        CalculateWorksheet();
        MsgBox(NotSavedText(fault), MessageButtons::OkOnly, kNotSavedTitle);
    }
    return Written::Refused;
}

WorksheetWindow::Written WorksheetWindow::WriteColumns(const std::vector<std::pair<QString, QString>>& columns,
                                                       Refusal refusal) {
    return EditCase(
        [&columns](Recordset& record) {
            for (const auto& [column, value] : columns) record.SetValue(column, value);
        },
        refusal);
}

void WorksheetWindow::EditAndRecompute(const std::function<void(Recordset&)>& assign) {
    if (EditCase(assign) == Written::Saved) CalculateWorksheet();
}

void WorksheetWindow::WriteAndRecompute(const std::vector<std::pair<QString, QString>>& columns) {
    if (WriteColumns(columns) == Written::Saved) CalculateWorksheet();
}

// Told once, after the event at hand: the window may still be loading.
void WorksheetWindow::ReportCaseGone() {
    if (caseGone_) return;
    caseGone_ = true;
    QTimer::singleShot(0, this, [] {
        MsgBox(kCaseGoneText, MessageButtons::OkOnly, kCaseGoneTitle);
        UnloadAllForms();
        ShowWorkingWindow("CaseLibrary");
    });
}

QLabel* WorksheetWindow::Label(const QString& name) const {
    const auto found = labels_.find(name);
    return found == labels_.end() ? nullptr : found->second;
}

QString WorksheetWindow::Caption(const QString& name) const {
    const QLabel* label = Label(name);
    return label ? label->text() : QString();
}

void WorksheetWindow::cmdExplanation_Click() {
    state.CurrentWorksheetLetter = description_.letter;
    state.ExplanationText = description_.explain([this](const QString& label) { return Caption(label); }, state,
                                                 QDate::currentDate());
    if (description_.explanationUnloads) UnloadAllForms();
    ShowWorkingWindow("CalcDetailRegistered");
}

void WorksheetWindow::cmdOverrideSupport_Click() {
    if (cmdOverrideSupport->text() != kCancelOverride) {
        state.OverrideAmount = Str(AmountOf(Caption("lblC4")));
        OverRide().exec();
        WriteAndRecompute({{"override", state.OverrideFlag}, {"overamt", state.OverrideAmount}});
    } else {
        WriteAndRecompute({{"override", "N"}, {"overamt", "0.00"}});
    }
}

void WorksheetWindow::cmdRound_Click() {
    QString& roundLines = state.*description_.roundLines;
    roundLines = roundLines == "Y" ? "N" : "Y";
    CalculateWorksheet();
}

void WorksheetWindow::cmdShowHideZeros_Click() {
    state.ShowZeros = state.ShowZeros == "Y" ? "N" : "Y";
    CalculateWorksheet();
}

// The child arrays from the record, the worksheet's children dialog, and the arrays back.
void WorksheetWindow::GetChildInfoHot_Click() {
    const std::optional<CaseRecord> record = ReadCase();
    if (!record) return;
    std::vector<ChildColumn> columns{{"name", &ProgramState::ChildName}, {"dob", &ProgramState::ChildDOB}};
    if (description_.childColumn) columns.push_back(*description_.childColumn);
    for (const ChildColumn& column : columns)
        for (int n = 1; n <= 6; ++n) (state.*column.array)(n) = ColumnText(*record, ChildColumnName(n, column.column));
    description_.showChildrenDialog();
    std::vector<std::pair<QString, QString>> written;
    for (const ChildColumn& column : columns)
        for (int n = 1; n <= 6; ++n) written.emplace_back(ChildColumnName(n, column.column), (state.*column.array)(n));
    WriteAndRecompute(written);
}

}  // namespace qvr
