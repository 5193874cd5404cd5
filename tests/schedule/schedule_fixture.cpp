#include "schedule_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <QWidget>

#include "core/program_state.h"
#include "platform/database.h"

namespace qvr {

void PrintTo(const ScheduleLine& line, std::ostream* out) {
    *out << '[' << line.Income.toStdString();
    for (const QString& amount : line.Child) *out << ", " << amount.toStdString();
    *out << ']';
}

}  // namespace qvr

namespace qvr::test {

std::vector<ScheduleLine> ShippedSchedule() {
    QFile csv(SCHEDULE_CSV);
    EXPECT_TRUE(csv.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&csv);
    in.readLine();
    std::vector<ScheduleLine> lines;
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().trimmed().split(',');
        if (fields.size() != 7) continue;
        ScheduleLine line{fields[0], {}};
        for (int n = 0; n < 6; ++n) line.Child[n] = fields[n + 1];
        lines.push_back(line);
    }
    return lines;
}

std::vector<ScheduleLine> StoredSchedule() {
    std::unique_ptr<Database> database = Database::OpenDatabase(state.ScheduleDatabasePath);
    EXPECT_NE(database, nullptr);
    if (!database) return {};
    std::unique_ptr<Recordset> table = database->OpenRecordset("Schedule");
    std::vector<ScheduleLine> lines;
    for (table->MoveFirst(); !table->IsEOF(); table->MoveNext()) {
        ScheduleLine line{table->GetValue("Income").value_or("(Null)"), {}};
        for (int n = 0; n < 6; ++n) line.Child[n] = table->GetValue(QString("Child%1").arg(n + 1)).value_or("(Null)");
        lines.push_back(line);
    }
    return lines;
}

QString FixedColumnLine(const ScheduleLine& line) {
    QString text = line.Income.rightJustified(8);
    for (const QString& amount : line.Child) text += amount.rightJustified(8);
    return text;
}

QString FixedColumnText(const std::vector<ScheduleLine>& lines) {
    QStringList text;
    for (const ScheduleLine& line : lines) text << FixedColumnLine(line);
    return text.join('\n') + '\n';
}

ScheduleLine Line(const QString& income, const QString& amount) {
    ScheduleLine line{income, {}};
    line.Child.fill(amount);
    return line;
}

void SaveShot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("QVR_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(window->grab().save(folder + "/" + name + ".png"));
}

}  // namespace qvr::test
