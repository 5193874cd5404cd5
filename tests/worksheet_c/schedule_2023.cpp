#include "worksheet_c/schedule_2023.h"

#include <QFile>
#include <QStringList>

namespace qvr::test {

Schedule Schedule2023() {
    QFile csv(SCHEDULE_CSV);
    if (!csv.open(QIODevice::ReadOnly | QIODevice::Text)) return Schedule();
    csv.readLine();  // the column names
    std::vector<ScheduleRow> rows;
    while (!csv.atEnd()) {
        const QStringList cells = QString::fromUtf8(csv.readLine()).trimmed().split(',');
        if (cells.size() != 7) continue;
        ScheduleRow row{cells[0].toDouble(), {}};
        for (int n = 0; n < 6; ++n) row.Child[size_t(n)] = cells[n + 1].toDouble();
        rows.push_back(row);
    }
    return Schedule(std::move(rows));
}

}  // namespace qvr::test
