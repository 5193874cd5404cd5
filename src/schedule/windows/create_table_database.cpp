#include "schedule/windows/create_table_database.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/program_state.h"
#include "core/windows/window_kit.h"
#include "platform/messages.h"
#include "schedule/schedule_text.h"

namespace qvr {
namespace {

constexpr const char* kTitle = "Import Schedule";

QString Columns(int field) {
    return QString("%1-%2").arg(field * kScheduleFieldWidth + 1).arg((field + 1) * kScheduleFieldWidth);
}

QString Instructions() {
    QStringList amountColumns;
    for (int field = 1; field < kScheduleFieldCount; ++field) amountColumns << Columns(field);
    return QString(
               "Paste the schedule below, one line for each %1-dollar band of monthly income. Each line holds "
               "the income in columns %2 and the amounts for 1 to 6 children in columns %3 and %4. Every number "
               "is whole dollars (digits only, up to %5) set to the right of its columns, and the incomes rise "
               "by %1 from each line to the next; blank lines are skipped.\n\nEvery line is checked first: the "
               "schedule's lines are replaced only when all of them are right, and otherwise the schedule stays "
               "as it is.")
        .arg(kScheduleIncomeStep)
        .arg(Columns(0), amountColumns.mid(0, kScheduleFieldCount - 2).join(", "), amountColumns.last())
        .arg(kMaxDollarDigits);
}

// A heading and two lines laid out as the pasted text must be.
QString Example() {
    QString heading;
    for (const QString& column : ScheduleColumns()) heading += column.rightJustified(kScheduleFieldWidth);
    QString lines;
    for (int income : {0, kScheduleIncomeStep}) {
        lines += '\n' + QString::number(income).rightJustified(kScheduleFieldWidth);
        for (int field = 1; field < kScheduleFieldCount; ++field)
            lines += QString("50").rightJustified(kScheduleFieldWidth);
    }
    return heading + lines;
}

}  // namespace

CreateTableDatabase::CreateTableDatabase() : Text1(new QPlainTextEdit) {
    setObjectName("CreateTableDatabase");
    setWindowTitle(kTitle);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddLabel(this, "Label1", Instructions(), font()));
    QLabel* example = AddLabel(this, "Label2", Example(), fixed);
    example->setWordWrap(false);
    layout->addWidget(example);
    // Indented as far as the text box's first column, so that the pasted columns line up under it.
    example->setContentsMargins(Text1->frameWidth() + static_cast<int>(Text1->document()->documentMargin()), 0, 0, 0);
    Text1->setObjectName("Text1");
    Text1->setFont(fixed);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(Text1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* cmdImport = AddButton(this, "cmdImport", "Replace Schedule");
    QPushButton* cmdClose = AddButton(this, "cmdClose", "Close");
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    connect(cmdImport, &QPushButton::clicked, this, &CreateTableDatabase::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 600);
}

void CreateTableDatabase::cmdImport_Click() {
    const ParsedScheduleText parsed = ParseScheduleText(Text1->toPlainText());
    if (parsed.problem) {
        MsgBox(parsed.problem->Message() + "\r\n\r\nNothing was changed: the schedule is as it was.",
               MessageButtons::OkOnly, kTitle);
        ShowLine(parsed.problem->line);
        return;
    }
    const auto& lines = parsed.lines;
    state.UserAnswer = MsgBox(QString("Replace every line of the schedule with the %1 lines below (incomes %2 to %3)?")
                                  .arg(lines.size())
                                  .arg(lines.front().Income, lines.back().Income),
                              MessageButtons::YesNo, kTitle);
    if (state.UserAnswer != vbYes) return;
    QString error;
    if (!ReplaceScheduleRows(state.ScheduleDatabasePath, lines, &error)) {
        MsgBox("The schedule could not be replaced and is as it was.\r\n\r\n" + error, MessageButtons::OkOnly, kTitle);
        return;
    }
    MsgBox(QString("The schedule now holds %1 lines.").arg(lines.size()), MessageButtons::OkOnly, kTitle);
    accept();
}

// Puts the cursor on the line that the user has to correct.
void CreateTableDatabase::ShowLine(int line) {
    if (line < 1) return;
    QTextCursor cursor(Text1->document()->findBlockByNumber(line - 1));
    Text1->setTextCursor(cursor);
    Text1->setFocus();
}

}  // namespace qvr
