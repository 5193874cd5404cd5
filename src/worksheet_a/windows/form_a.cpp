#include "worksheet_a/windows/form_a.h"

#include "core/cases_database.h"
#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/window_kit.h"
#include "dialogs/windows/get_ch_a.h"
#include "dialogs/windows/override_dialog.h"
#include "platform/messages.h"
#include "platform/program_end.h"
#include "worksheet_a/court_form_a.h"
#include "worksheet_a/explanation_a.h"
#include "worksheet_a/windows/produce_form_a.h"

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
const QColor kNoticeRed(192, 0, 0);

const char kCancelOverride[] = "CANCEL OVERRIDE";
const char kCaseGoneTitle[] = "Case Not Found";
const char kCaseGoneText[] =
    "The case shown in this worksheet is no longer in the cases database.  It may have been deleted from "
    "another workstation.  Please select a case in the Case Library.";
const char kNotSavedTitle[] = "Entry Not Saved";
const char kNotSavedText[] =
    "Your entry could not be saved in the case record, so the worksheet shows what the record holds.  A "
    "field holds at most 255 characters; if the case is in use on another workstation, please try again.";

QRect ToPixels(const QRectF& points) {
    return QRect(qRound(points.x() * kPixelsPerPoint), kStripHeight + qRound(points.y() * kPixelsPerPoint),
                 qRound(points.width() * kPixelsPerPoint), qRound(points.height() * kPixelsPerPoint));
}

// The buttons sit in one row in the empty band between the children table and the custody
// statement over the worksheet lines.
QRect ButtonPlace(const CourtFormLayout& form, int column, int columns) {
    constexpr int gap = 10;
    const QRect above = ToPixels(form.Area("GetChildInfoHot")->rect);
    const QRect below = ToPixels(form.Area("lblWhoHasCustody")->rect);
    const int width = (above.width() - (columns - 1) * gap) / columns;
    return QRect(above.left() + column * (width + gap), above.bottom() + 3, width, below.top() - above.bottom() - 6);
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

// The amount line 4 shows: the whole amount when it is written with thousands separators.
double ShownAmount(const QString& caption) {
    if (caption.indexOf(',') >= 1) return AmountOf(caption);
    return Val(caption);
}

}  // namespace

QWidget* MakeFormA() { return new FormA(); }

FormA::FormA(QWidget* parent) : QWidget(parent) {
    setObjectName("FormA");
    setWindowTitle("Worksheet A, Child Support Obligation, Sole Custody");
    SetBackground(this, Qt::white);
    BuildControls();
    ConnectEditors();
    Form_Load();
}

void FormA::BuildControls() {
    lblSelectedCaseName = new QLabel(this);
    lblSelectedCaseName->setObjectName("lblSelectedCaseName");
    lblSelectedCaseName->setTextFormat(Qt::PlainText);
    lblSelectedCaseName->setFont(MakeFont("Arial", 9, true));
    lblSelectedCaseName->setIndent(8);
    SetBackground(lblSelectedCaseName, kLightYellow);
    lblSelectedCaseName->setGeometry(0, 0, 1000, kStripHeight);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap(":/pictures/FormA.png"));
    Image1->setGeometry(0, kStripHeight, 1000, 1326);

    const CourtFormLayout& form = CourtFormA();
    for (const FormBlank& blank : form.blanks) {
        if (blank.kind == CellKind::CheckBox) {
            const int index = blank.label.right(1).toInt() - 1;
            checkBoxes_[index] = AddCheckBox(blank.label, blank.rect);
            continue;
        }
        if (blank.kind == CellKind::Count) {
            AddCell(blank.label, blank.rect, Qt::AlignCenter);
            continue;
        }
        const bool amount = blank.IsFigure();
        AddCell(blank.label, blank.rect, (amount ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }

    AddNotice("lblWhoHasCustody", form.Area("lblWhoHasCustody")->rect, 8, kNoticeRed, Qt::AlignLeft | Qt::AlignVCenter);
    AddNotice("lblPStatus", form.Area("lblPStatus")->rect, 7, kNoticeRed, Qt::AlignCenter)->setText("CUSTODIAL PARENT");
    AddNotice("lblDStatus", form.Area("lblDStatus")->rect, 7, kNoticeRed, Qt::AlignCenter)->setText("OBLIGOR");
    // A banner over both shaded cells, so that the rule between them does not cross its words.
    QLabel* warning = AddNotice("lblWarning", form.Area("lblWarning")->rect, 7.5, Qt::red, Qt::AlignCenter);
    SetBackground(warning, Qt::white);
    QLabel* overrideNotice =
        AddNotice("lblOverrideWarning", form.Area("lblOverrideWarning")->rect, 7, Qt::red, Qt::AlignCenter);
    overrideNotice->setText("Using Override Amount");
    overrideNotice->hide();

    auto* GetChildInfoHot = new QLabel(this);
    GetChildInfoHot->setObjectName("GetChildInfoHot");
    GetChildInfoHot->setGeometry(ToPixels(form.Area("GetChildInfoHot")->rect));
    GetChildInfoHot->setCursor(Qt::PointingHandCursor);
    GetChildInfoHot->setToolTip("Click to enter the children");
    GetChildInfoHot->installEventFilter(this);
    clickHandlers_[GetChildInfoHot] = &FormA::GetChildInfoHot_Click;

    AddButton("cmdExplanation", "Explanation", ButtonPlace(form, 0, 5), &FormA::cmdExplanation_Click);
    cmdOverrideSupport = AddButton("cmdOverrideSupport", "Override Schedule", ButtonPlace(form, 1, 5),
                                   &FormA::cmdOverrideSupport_Click);
    AddButton("cmdRound7thru9", "Round Lines 7 - 9", ButtonPlace(form, 2, 5), &FormA::cmdRound7thru9_Click);
    AddButton("cmdShowHideZeros", "Show/Hide Zeros", ButtonPlace(form, 3, 5), &FormA::cmdShowHideZeros_Click);
    AddButton("cmdChangeCustody", "Change Custody", ButtonPlace(form, 4, 5), &FormA::cmdChangeCustody_Click);
}

QLabel* FormA::AddCell(const QString& name, const QRectF& points, Qt::Alignment alignment) {
    auto* cell = new QLabel(this);
    cell->setObjectName(name);
    cell->setTextFormat(Qt::PlainText);
    cell->setFont(MakeFont("Arial", 9));
    cell->setAlignment(alignment);
    cell->setContentsMargins(2, 0, 2, 0);
    cell->setAutoFillBackground(true);
    SetColor(cell, QPalette::WindowText, kCellText);
    // Inside the blank, so that its underline and the table's rules stay in sight.
    cell->setGeometry(ToPixels(points).adjusted(1, 1, -1, -2));
    labels_[name] = cell;
    return cell;
}

QLabel* FormA::AddNotice(const QString& name, const QRectF& points, double fontPoints, const QColor& color,
                         Qt::Alignment alignment) {
    QLabel* notice = qvr::AddLabel(this, name, QString(), MakeFont("Arial", fontPoints, true));
    notice->setAlignment(alignment);
    SetColor(notice, QPalette::WindowText, color);
    notice->setGeometry(ToPixels(points));
    labels_[name] = notice;
    return notice;
}

// Only as wide as its box, which covers the box of the picture.
QCheckBox* FormA::AddCheckBox(const QString& name, const QRectF& points) {
    auto* box = new QCheckBox(name, this);
    box->setObjectName(name);
    const QRect printed = ToPixels(points);
    box->setStyleSheet(QString("QCheckBox::indicator { width: %1px; height: %2px; }")
                           .arg(printed.width() - 2)
                           .arg(printed.height() - 2));
    box->setGeometry(printed);
    connect(box, &QCheckBox::stateChanged, this, &FormA::Check_Click);
    return box;
}

QPushButton* FormA::AddButton(const QString& name, const QString& caption, const QRect& place,
                              void (FormA::*handler)()) {
    QPushButton* button = qvr::AddButton(this, name, caption);
    button->setFont(MakeFont("Arial", 8, true));
    SetColor(button, QPalette::Button, kLightGrey);
    button->setGeometry(place);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void FormA::OnClick(const QString& label, void (FormA::*handler)()) {
    QLabel* cell = Label(label);
    cell->setCursor(Qt::PointingHandCursor);
    cell->installEventFilter(this);
    clickHandlers_[cell] = handler;
}

// A label acts on a click as a button does: pressed and released over it.
bool FormA::eventFilter(QObject* watched, QEvent* event) {
    const auto handler = clickHandlers_.find(watched);
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (handler == clickHandlers_.end() || !(press || release)) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
    if (release && static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
        (this->*handler->second)();
    return true;
}

void FormA::Form_Load() {
    state.ActiveFormName = "FormA";
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth - 200, state.FormHeight + 11800);
    SetMenusEnabled({Menu::Forms, Menu::CaseLibrary, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About,
                     Menu::Produce, Menu::ShowHide},
                    true);
    OpenCasesTable();
    if (ProgramEndRequested()) return;
    FindCurrentCase();
    FixCasesNulls();
    if (ProgramEndRequested()) return;
    lblSelectedCaseName->setText(state.CurrentCaseName + "  (" + state.CasesDatabasePath.toUpper() + ")");
    CloseCasesDatabase();
    ChangeFieldColors();
    CalculateWorksheet();
}

void FormA::ChangeFieldColors() {
    for (const FormBlank& blank : CourtFormA().blanks)
        if (blank.IsCell()) SetColor(Label(blank.label), QPalette::Window, PaletteColor(state.FieldColor));
}

void FormA::ProduceForm() { ProduceFormA(*this); }

bool FormA::CalculateWorksheet() {
    std::optional<WorksheetResult> result;
    if (!state.CurrentCaseId.isEmpty()) result = CalculateCurrentCase(CalculateWorksheetAForRun);
    if (ProgramEndRequested()) return false;
    if (!result) {
        ReportCaseGone();
        return false;
    }
    ShowResult(*result);
    return true;
}

void FormA::ShowResult(const WorksheetResult& result) {
    for (const auto& [name, caption] : result.captions) {
        if (name == cmdOverrideSupport->objectName())
            cmdOverrideSupport->setText(caption);
        else if (QLabel* label = Label(name))
            label->setText(caption);
    }
    for (const auto& [name, shown] : result.visible) {
        if (QLabel* label = Label(name)) label->setVisible(shown);
    }
    // Each box that changes saves all four; when the last one is set the record holds again
    // what the calculation read.
    for (int n = 0; n < 4; ++n) checkBoxes_[n]->setCheckState(CheckStateOf(result.checkBoxes[n]));
}

bool FormA::SaveCheckBoxes() {
    std::vector<std::pair<QString, QString>> columns;
    for (int n = 0; n < 4; ++n) columns.emplace_back("chkbox" + QString::number(n + 1), Str(ValueOf(checkBoxes_[n])));
    return WriteColumns(columns);
}

void FormA::Check_Click() { SaveCheckBoxes(); }

std::optional<CaseRecord> FormA::ReadCase() {
    std::optional<CaseRecord> record;
    if (!state.CurrentCaseId.isEmpty()) record = ReadCurrentCaseRecord();
    if (!record && !ProgramEndRequested()) ReportCaseGone();
    return record;
}

bool FormA::EditCase(const std::function<void(Recordset&)>& assign) {
    bool found = false, saved = false;
    {
        CurrentCaseTable table;
        found = table.Found();
        if (found) saved = table.Write(assign);
    }
    if (!found && !ProgramEndRequested()) ReportCaseGone();
    if (found && !saved) MsgBox(kNotSavedText, MessageButtons::OkOnly, kNotSavedTitle);
    return saved;
}

bool FormA::WriteColumns(const std::vector<std::pair<QString, QString>>& columns) {
    return EditCase([&columns](Recordset& record) {
        for (const auto& [column, value] : columns) record.SetValue(column, value);
    });
}

// Told once, after the event at hand: the window may still be loading.
void FormA::ReportCaseGone() {
    if (caseGone_) return;
    caseGone_ = true;
    QTimer::singleShot(0, this, [] {
        MsgBox(kCaseGoneText, MessageButtons::OkOnly, kCaseGoneTitle);
        UnloadAllForms();
        ShowWorkingWindow("CaseLibrary");
    });
}

QLabel* FormA::Label(const QString& name) const {
    const auto found = labels_.find(name);
    return found == labels_.end() ? nullptr : found->second;
}

QString FormA::Caption(const QString& name) const {
    const QLabel* label = Label(name);
    return label ? label->text() : QString();
}

void FormA::cmdExplanation_Click() {
    state.CurrentWorksheetLetter = "A";
    state.ExplanationText = ExplanationTextA([this](const QString& label) { return Caption(label); }, state,
                                             QDate::currentDate());
    UnloadAllForms();
    ShowWorkingWindow("CalcDetailRegistered");
}

void FormA::cmdOverrideSupport_Click() {
    if (cmdOverrideSupport->text() != kCancelOverride) {
        state.OverrideAmount = Str(ShownAmount(Caption("lblC4")));
        OverRide().exec();
        if (!WriteColumns({{"override", state.OverrideFlag}, {"overamt", state.OverrideAmount}})) return;
    } else if (!WriteColumns({{"override", "N"}, {"overamt", "0.00"}})) {
        return;
    }
    CalculateWorksheet();
}

void FormA::cmdRound7thru9_Click() {
    state.RoundLinesA = state.RoundLinesA == "Y" ? "N" : "Y";
    CalculateWorksheet();
}

void FormA::cmdShowHideZeros_Click() {
    state.ShowZeros = state.ShowZeros == "Y" ? "N" : "Y";
    CalculateWorksheet();
}

void FormA::cmdChangeCustody_Click() {
    const bool changed = EditCase([](Recordset& record) {
        record.SetValue("whosecustody", record.GetValue("whosecustody") == "P" ? "D" : "P");
    });
    if (changed) CalculateWorksheet();
}

void FormA::GetChildInfoHot_Click() {
    const std::optional<CaseRecord> record = ReadCase();
    if (!record) return;
    const auto column = [&record](const QString& name) {
        const auto found = record->find(name);
        return found == record->end() ? QString() : found->second;
    };
    for (int n = 1; n <= 6; ++n) {
        state.ChildName(n) = column(QString("child%1name").arg(n));
        state.ChildDOB(n) = column(QString("child%1dob").arg(n));
    }
    GetChA().exec();
    std::vector<std::pair<QString, QString>> columns;
    for (int n = 1; n <= 6; ++n) columns.emplace_back(QString("child%1name").arg(n), state.ChildName(n));
    for (int n = 1; n <= 6; ++n) columns.emplace_back(QString("child%1dob").arg(n), state.ChildDOB(n));
    if (WriteColumns(columns)) CalculateWorksheet();
}

}  // namespace qvr
