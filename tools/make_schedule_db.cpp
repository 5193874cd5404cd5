// Builds the schedule database (table Schedule: Income, Child1 … Child6, all text, rows in file
// order) from the schedule CSV. Refuses a file that is not a clean schedule, so a bad row never
// reaches the shipped database.

#include "platform/database.h"
#include "platform/files.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int kColumns = 7;
const QStringList kHeader{"Income", "Child1", "Child2", "Child3", "Child4", "Child5", "Child6"};

int Fail(const QString& message) {
    std::fprintf(stderr, "make_schedule_db: %s\n", qPrintable(message));
    return 1;
}

// Whole dollars only; the first row starts at 0 and incomes rise by 50.
QString CheckRow(const QStringList& fields, int expectedIncome) {
    static const QRegularExpression wholeDollars("^\\d+$");
    if (fields.size() != kColumns) return "expected 7 fields";
    for (const QString& field : fields)
        if (!wholeDollars.match(field).hasMatch()) return "not a whole-dollar amount: " + field;
    if (fields[0].toInt() != expectedIncome) return QString("expected income %1").arg(expectedIncome);
    return {};
}

bool CreateScheduleTable(qvr::Database& database) {
    if (!database.CreateTable("Schedule", kHeader[0])) return false;
    for (int column = 1; column < kColumns; ++column)
        if (!database.Execute(QString("ALTER TABLE Schedule ADD COLUMN %1 TEXT;").arg(kHeader[column]))) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: make_schedule_db SCHEDULE.csv OUTPUT.MDB");
    QFile csv(QString::fromLocal8Bit(argv[1]));
    if (!csv.open(QIODevice::ReadOnly | QIODevice::Text)) return Fail("cannot read " + csv.fileName());

    QTextStream in(&csv);
    if (in.readLine().trimmed().split(',') != kHeader) return Fail("unexpected header");
    QList<QStringList> rows;
    for (int line = 2; !in.atEnd(); ++line) {
        const QString text = in.readLine().trimmed();
        if (text.isEmpty()) continue;
        const QStringList fields = text.split(',');
        const QString problem = CheckRow(fields, 50 * static_cast<int>(rows.size()));
        if (!problem.isEmpty()) return Fail(QString("line %1: %2").arg(line).arg(problem));
        rows << fields;
    }
    if (rows.isEmpty()) return Fail("no rows");

    const QString output = qvr::files::WindowsPath(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    QString error;
    auto database = qvr::Database::CreateDatabase(output, &error);
    if (!database) return Fail("cannot create " + output + ": " + error);
    if (!CreateScheduleTable(*database)) return Fail("cannot create table Schedule: " + database->LastError());

    auto schedule = database->OpenRecordset("Schedule");
    if (!schedule || !database->BeginTrans()) return Fail("cannot open table Schedule: " + database->LastError());
    for (const QStringList& row : rows) {
        schedule->AddNew();
        for (int column = 0; column < kColumns; ++column) schedule->SetValue(kHeader[column], row[column]);
        if (!schedule->Update()) return Fail("cannot write a row: " + database->LastError());
    }
    if (!database->CommitTrans()) return Fail("cannot commit: " + database->LastError());
    database->Close();
    return 0;
}
