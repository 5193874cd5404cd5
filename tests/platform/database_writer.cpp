// Writes into a database from a second process while a test writes into the same file:
//   database_writer <host path> <table> <key prefix> <count>
// The table has the text fields "key" and "value". For each i below count it adds the record
// "<prefix>-<i>" with value "added", then edits it to "edited". Prints "ready" once the file is
// open, so that the test starts its own writes at the same time; exits 1 at the first failure.

#include "platform/database.h"
#include "platform/files.h"

#include <QString>
#include <cstdio>

namespace {

bool WriteRecord(qvr::Recordset& records, const QString& key) {
    return records.AddNew() && records.SetValue("key", key) && records.SetValue("value", QString("added")) &&
           records.Update() && records.Edit() && records.SetValue("value", QString("edited")) && records.Update();
}

int Fail(const QString& what) {
    std::fprintf(stderr, "%s\n", qPrintable(what));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return Fail("usage: database_writer <host path> <table> <key prefix> <count>");
    const QString path = qvr::files::WindowsPath(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[3]);
    const int count = QString::fromLocal8Bit(argv[4]).toInt();
    QString error;
    auto db = qvr::Database::OpenDatabase(path, &error);
    if (!db) return Fail(error);
    auto records = db->OpenRecordset(QString::fromLocal8Bit(argv[2]));
    if (!records) return Fail(db->LastError());
    std::printf("ready\n");
    std::fflush(stdout);
    for (int i = 0; i < count; ++i)
        if (!WriteRecord(*records, QString("%1-%2").arg(prefix).arg(i))) return Fail(db->LastError());
    return 0;
}
