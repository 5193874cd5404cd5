#include "schedule/windows/change_table.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "core/frame.h"
#include "core/program_state.h"
#include "core/values.h"
#include "core/windows/window_kit.h"
#include "platform/messages.h"

namespace qvr {
namespace {

constexpr const char* kTitle = "Schedule of Basic Support Obligations";

constexpr int kGridLeft = 240;
constexpr int kGridTop = 1320;
constexpr int kEditorLeft = 10800;
constexpr int kEditorWidth = 4660;
constexpr int kBoxLeft = 12720;
constexpr int kBoxWidth = 1500;
constexpr int kLineTop = 3000;
constexpr int kLineStep = 480;

QString Children(int count) { return count == 1 ? QString("1 child") : QString("%1 children").arg(count); }
QString ChildrenCaption(int count) { return count == 1 ? QString("1 Child") : QString("%1 Children").arg(count); }

QString ShadedAreaText() {
    QStringList bounds;
    for (int children = 1; children <= 6; ++children)
        bounds << Format(state.ShadedAreaLimit(children), "##,##0") + " for " + Children(children);
    return "Shaded cells are the schedule's shaded area: incomes at or below " + bounds.mid(0, 5).join(", ") + " and " +
           bounds.last() + ".";
}

bool IsShaded(const ScheduleLine& line, int children) { return Val(line.Income) <= state.ShadedAreaLimit(children); }

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

ChangeTable::ChangeTable() {
    setObjectName("ChangeTable");
    SetFrameBackgroundColor(15);
    SetBackground(this, PaletteColor(15));
    PlaceWorkingWindow(this, 0, 0, state.FormWidth, state.FormHeight);
    setFont(MakeFont("Arial", 9.75));

    auto* title = new QLabel("Schedule of Basic Child Support Obligations", this);
    title->setObjectName("lblTitle");
    title->setFont(MakeFont("Arial", 14, true));
    title->setAlignment(Qt::AlignCenter);
    SetColor(title, QPalette::WindowText, kNavy);
    SetTwipsGeometry(title, {0, 150, state.FormWidth, 450});
    auto* shadedArea = new QLabel(ShadedAreaText(), this);
    shadedArea->setObjectName("lblShadedArea");
    shadedArea->setWordWrap(true);
    SetTwipsGeometry(shadedArea, {kGridLeft, 660, state.FormWidth - 2 * kGridLeft, 600});

    BuildGrid();
    BuildLineEditor();
    LoadSchedule();
    ShowLine(-1);
}

QColor ChangeTable::ShadedColor() { return PaletteColor(7); }

void ChangeTable::BuildGrid() {
    grdSchedule = new QTableWidget(0, 7, this);
    grdSchedule->setObjectName("grdSchedule");
    QStringList headers{"Income"};
    for (int children = 1; children <= 6; ++children) headers << ChildrenCaption(children);
    grdSchedule->setHorizontalHeaderLabels(headers);
    grdSchedule->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdSchedule->verticalHeader()->hide();
    grdSchedule->verticalHeader()->setDefaultSectionSize(grdSchedule->fontMetrics().height() + 6);
    grdSchedule->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdSchedule->setSelectionMode(QAbstractItemView::SingleSelection);
    grdSchedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SetTwipsGeometry(grdSchedule,
                     {kGridLeft, kGridTop, kEditorLeft - kGridLeft - 360, state.FormHeight - kGridTop - 240});
    connect(grdSchedule, &QTableWidget::currentCellChanged, this, &ChangeTable::grdSchedule_CurrentCellChanged);
}

void ChangeTable::BuildLineEditor() {
    auto* heading = new QLabel("Change a Line", this);
    heading->setObjectName("lblEditor");
    heading->setFont(MakeFont("Arial", 11, true));
    SetTwipsGeometry(heading, {kEditorLeft, kGridTop, kEditorWidth, 330});
    auto* help = new QLabel(QString("Click a line of the schedule, change its amounts and click Save Line. Amounts "
                                    "are whole dollars: digits only, up to %1, without cents, commas or a dollar "
                                    "sign.")
                                .arg(kMaxDollarDigits),
                            this);
    help->setObjectName("lblEditorHelp");
    help->setWordWrap(true);
    SetTwipsGeometry(help, {kEditorLeft, 1700, kEditorWidth, 1200});

    auto* incomeCaption = new QLabel("Income:", this);
    SetTwipsGeometry(incomeCaption, {kEditorLeft, kLineTop + 30, kBoxLeft - kEditorLeft, 330});
    lblIncome = new QLabel(this);
    lblIncome->setObjectName("lblIncome");
    lblIncome->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblIncome->setFrameShape(QFrame::StyledPanel);
    lblIncome->setFrameShadow(QFrame::Sunken);
    SetTwipsGeometry(lblIncome, {kBoxLeft, kLineTop, kBoxWidth, 390});

    for (int n = 0; n < 6; ++n) {
        const int top = kLineTop + (n + 1) * kLineStep;
        auto* caption = new QLabel(ChildrenCaption(n + 1) + ":", this);
        SetTwipsGeometry(caption, {kEditorLeft, top + 30, kBoxLeft - kEditorLeft, 330});
        txtChild[n] = new QLineEdit(this);
        txtChild[n]->setObjectName(QString("txtChild%1").arg(n + 1));
        txtChild[n]->setAlignment(Qt::AlignRight);
        SetTwipsGeometry(txtChild[n], {kBoxLeft, top, kBoxWidth, 390});
        connect(txtChild[n], &QLineEdit::returnPressed, this, &ChangeTable::cmdSave_Click);
    }
    cmdSave = AddButton(this, "cmdSave", "Save Line", {kBoxLeft, kLineTop + 7 * kLineStep + 120, kBoxWidth, 450});
    connect(cmdSave, &QPushButton::clicked, this, &ChangeTable::cmdSave_Click);
}

void ChangeTable::LoadSchedule() {
    QString error;
    std::optional<std::vector<ScheduleLine>> lines = ReadScheduleTable(state.ScheduleDatabasePath, &error);
    if (!lines) MsgBox("The schedule could not be read.\r\n\r\n" + error, MessageButtons::OkOnly, kTitle);
    lines_ = lines.value_or(std::vector<ScheduleLine>{});
    FillGrid();
}

void ChangeTable::FillGrid() {
    const QSignalBlocker blocker(grdSchedule);
    grdSchedule->clearContents();
    grdSchedule->setRowCount(static_cast<int>(lines_.size()));
    for (int row = 0; row < grdSchedule->rowCount(); ++row) {
        const ScheduleLine& line = lines_[row];
        grdSchedule->setItem(row, 0, Cell(line.Income));
        for (int children = 1; children <= 6; ++children) {
            QTableWidgetItem* item = Cell(line.Child[children - 1]);
            if (IsShaded(line, children)) item->setBackground(ShadedColor());
            grdSchedule->setItem(row, children, item);
        }
    }
}

void ChangeTable::ShowLine(int row) {
    const bool valid = row >= 0 && row < static_cast<int>(lines_.size());
    editedRow_ = valid ? row : -1;
    lblIncome->setText(valid ? lines_[row].Income : QString());
    for (int n = 0; n < 6; ++n) {
        txtChild[n]->setText(valid ? lines_[row].Child[n] : QString());
        txtChild[n]->setEnabled(valid);
    }
    cmdSave->setEnabled(valid);
}

void ChangeTable::SelectRow(int row) {
    {
        const QSignalBlocker blocker(grdSchedule);
        grdSchedule->setCurrentCell(row, 0);
    }
    ShowLine(row);
}

// A refused save keeps the user on the line being changed.
void ChangeTable::grdSchedule_CurrentCellChanged(int row, int, int, int) {
    if (row == editedRow_) return;
    if (SettleUnsavedChanges()) {
        SelectRow(row);
        return;
    }
    const QSignalBlocker blocker(grdSchedule);
    grdSchedule->setCurrentCell(editedRow_, 0);
}

void ChangeTable::cmdSave_Click() { SaveLine(); }

// Changes the user wants saved but that could not be are not dropped: the window stays.
void ChangeTable::closeEvent(QCloseEvent* event) {
    if (SettleUnsavedChanges())
        event->accept();
    else
        event->ignore();
}

bool ChangeTable::HasUnsavedChanges() const {
    if (editedRow_ < 0) return false;
    for (int n = 0; n < 6; ++n) {
        const QString typed = txtChild[n]->text();
        if (WholeDollars(typed).value_or(typed) != lines_[editedRow_].Child[n]) return true;
    }
    return false;
}

bool ChangeTable::SettleUnsavedChanges() {
    if (!HasUnsavedChanges()) return true;
    state.UserAnswer = MsgBox("Save the changes to the line for income " + lines_[editedRow_].Income + "?",
                              MessageButtons::YesNo, kTitle);
    return state.UserAnswer != vbYes || SaveLine();
}

std::optional<ScheduleLine> ChangeTable::EditedLine() {
    ScheduleLine line{lines_[editedRow_].Income, {}};
    for (int n = 0; n < 6; ++n) {
        std::optional<QString> amount = WholeDollars(txtChild[n]->text());
        if (!amount) {
            MsgBox(QString("The amount for %1 must be whole dollars: digits only, up to %2, without cents, commas or "
                           "a dollar sign.")
                       .arg(Children(n + 1))
                       .arg(kMaxDollarDigits),
                   MessageButtons::OkOnly, kTitle);
            txtChild[n]->setFocus();
            txtChild[n]->selectAll();
            return std::nullopt;
        }
        line.Child[n] = *amount;
    }
    return line;
}

bool ChangeTable::SaveLine() {
    if (editedRow_ < 0) return false;
    const std::optional<ScheduleLine> line = EditedLine();
    if (!line) return false;
    QString error;
    const RowWrite written = WriteScheduleAmounts(state.ScheduleDatabasePath, editedRow_, *line, &error);
    if (written == RowWrite::Failed) {
        MsgBox("The line could not be saved.\r\n\r\n" + error, MessageButtons::OkOnly, kTitle);
        return false;
    }
    if (written == RowWrite::Moved)
        MsgBox(
            "The schedule has changed since it was shown, so this line was not saved. It is shown again as it "
            "is now.",
            MessageButtons::OkOnly, kTitle);
    const int row = editedRow_;
    LoadSchedule();
    SelectRow(row);
    return written == RowWrite::Written;
}

QWidget* MakeChangeTable() { return new ChangeTable; }

}  // namespace qvr
