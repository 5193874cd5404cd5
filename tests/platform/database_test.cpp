#include "platform/database.h"

#include "support/limited_disk.h"
#include "support/temp_drive.h"
#include "support/print_qstring.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <atomic>
#include <functional>
#include <map>
#include <ostream>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>


namespace qvr {
namespace {

using Row = std::vector<Value>;
const QString kPath = "C:\\Test.mdb";

class DatabaseTest : public test::TempDriveTest {
protected:
    static std::unique_ptr<Database> Create(const QString& path = kPath) {
        QString error;
        auto db = Database::CreateDatabase(path, &error);
        EXPECT_TRUE(db) << error.toStdString();
        return db;
    }

    static std::unique_ptr<Database> Open(const QString& path = kPath) {
        QString error;
        auto db = Database::OpenDatabase(path, &error);
        EXPECT_TRUE(db) << error.toStdString();
        return db;
    }

    // The first column comes with the table; the others are added as the program adds them.
    static void MakeTable(Database& db, const QString& table, const QStringList& columns) {
        ASSERT_TRUE(db.CreateTable(table, columns.first().section(' ', 0, 0))) << db.LastError().toStdString();
        for (const QString& column : columns.mid(1))
            ASSERT_TRUE(db.Execute(QString("ALTER TABLE %1 ADD COLUMN %2;").arg(table, column)))
                << db.LastError().toStdString();
    }

    static bool Add(Recordset& records, const Row& values) {
        if (!records.AddNew()) return false;
        for (size_t i = 0; i < values.size(); ++i)
            if (!records.SetValue(int(i), values[i])) return false;
        return records.Update();
    }

    static void AddAll(Database& db, const QString& table, const std::vector<Row>& rows) {
        auto records = db.OpenRecordset(table);
        ASSERT_TRUE(records) << db.LastError().toStdString();
        for (const Row& row : rows) ASSERT_TRUE(Add(*records, row)) << db.LastError().toStdString();
    }

    static std::vector<Row> Rows(Database& db, const QString& table) {
        std::vector<Row> rows;
        auto records = db.OpenRecordset(table);
        EXPECT_TRUE(records) << db.LastError().toStdString();
        for (; records && !records->IsEOF(); records->MoveNext()) {
            Row row;
            for (int i = 0; i < records->FieldCount(); ++i) row.push_back(records->GetValue(i));
            rows.push_back(row);
        }
        return rows;
    }

    // Read through a connection of its own, so that only what reached the file counts.
    static std::vector<Row> RowsInFile(const QString& table, const QString& path = kPath) {
        auto db = Open(path);
        return db ? Rows(*db, table) : std::vector<Row>{};
    }

    static std::vector<Row> Names(std::initializer_list<const char*> names) {
        std::vector<Row> rows;
        for (const char* name : names) rows.push_back({QString(name)});
        return rows;
    }

    // Moves to the first record whose first field is the given text.
    static bool MoveTo(Recordset& records, const QString& first) {
        for (records.MoveFirst(); !records.IsEOF(); records.MoveNext())
            if (records.GetValue(0) == first) return true;
        return false;
    }
};

TEST_F(DatabaseTest, OpeningAMissingFileFailsAndCreatesNothing) {
    QString error;
    EXPECT_FALSE(Database::OpenDatabase("C:\\Missing.mdb", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(driveC + "/Missing.mdb"));
}

TEST_F(DatabaseTest, ADamagedFileFailsToOpenWithAnErrorAndStaysAsItWas) {
    QByteArray noise(8192, '\0');
    QRandomGenerator generator(20240229);
    for (char& byte : noise) byte = char(generator.bounded(256));
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"random bytes", noise},
        {"empty file", QByteArray()},
        {"text file", "listname,firmname\nO'Brien,Smith & Co\n"},
        {"database header then noise", QByteArray("SQLite format 3", 16) + noise},
    };
    for (const auto& damaged : cases) {
        SCOPED_TRACE(damaged.what);
        WriteHostFile(driveC + "/Damaged.mdb", damaged.bytes);
        QString error;
        EXPECT_FALSE(Database::OpenDatabase("C:\\Damaged.mdb", &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(ReadHostFile(driveC + "/Damaged.mdb"), damaged.bytes);
    }
}

TEST_F(DatabaseTest, CreatingFailsOnAnExistingFileAndLeavesItAlone) {
    WriteHostFile(driveC + "/Taken.mdb", "keep me");
    QString error;
    EXPECT_FALSE(Database::CreateDatabase("C:\\Taken.mdb", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadHostFile(driveC + "/Taken.mdb"), "keep me");

    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    AddAll(*db, "People", Names({"Ann"}));
    EXPECT_FALSE(Database::CreateDatabase(kPath));
    EXPECT_EQ(RowsInFile("People"), Names({"Ann"}));
}

TEST_F(DatabaseTest, CreatingFailsWhereTheFolderIsMissing) {
    EXPECT_FALSE(Database::CreateDatabase("C:\\NoSuchFolder\\New.mdb"));
    EXPECT_FALSE(QFileInfo::exists(driveC + "/NoSuchFolder"));
}

TEST_F(DatabaseTest, ANewDatabaseWithoutTablesOpensAgain) {
    Create().reset();
    auto db = Open();
    ASSERT_TRUE(db);
    EXPECT_TRUE(db->TableNames().isEmpty());
}

// Files live in shared folders, where a write-ahead log does not work: the header must name the
// rollback journal (file format versions 1 at offsets 18 and 19; a log would make them 2).
TEST_F(DatabaseTest, TheFileKeepsARollbackJournal) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    AddAll(*db, "People", Names({"Ann"}));
    const QByteArray header = ReadHostFile(driveC + "/Test.mdb").left(20);
    ASSERT_EQ(header.size(), 20);
    EXPECT_EQ(header[18], 1);
    EXPECT_EQ(header[19], 1);
    EXPECT_FALSE(QFileInfo::exists(driveC + "/Test.mdb-wal"));
}

TEST_F(DatabaseTest, CreateTableMakesTheFirstFieldOfTheGivenWidth) {
    const struct {
        int width;
        const char* declared;
        FieldType type;
        int fieldWidth;
    } cases[] = {
        {255, "TEXT", dbText, 255},
        {50, "TEXT(50)", dbText, 50},
        {1, "TEXT(1)", dbText, 1},
        {-1, "MEMO TEXT", dbMemo, -1},
    };
    auto db = Create();
    for (const auto& made : cases) {
        SCOPED_TRACE(made.width);
        const QString table = QString("T%1").arg(made.width + 1);
        ASSERT_TRUE(db->CreateTable(table, "first", made.width)) << db->LastError().toStdString();
        const std::vector<FieldInfo> fields = db->Fields(table);
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(fields[0].name, "first");
        EXPECT_EQ(fields[0].declaredType, made.declared);
        EXPECT_EQ(fields[0].type, made.type);
        EXPECT_EQ(fields[0].width, made.fieldWidth);
    }
}

TEST_F(DatabaseTest, CreateTableRefusesAWidthNoTextFieldHas) {
    auto db = Create();
    for (int width : {0, -2, 256}) {
        EXPECT_FALSE(db->CreateTable("Odd", "first", width)) << width;
        EXPECT_FALSE(db->LastError().isEmpty());
    }
    EXPECT_TRUE(db->TableNames().isEmpty());
}

TEST_F(DatabaseTest, AddedColumnsTakeTypeAndWidthFromTheirDeclaration) {
    auto db = Create();
    MakeTable(*db, "Names", {"listname TEXT", "firmname TEXT(250)", "caseid TEXT", "opt text", "notes MEMO",
                             "remarks memo", "zip TEXT ( 5 )"});
    const struct {
        const char* name;
        const char* declared;
        FieldType type;
        int width;
    } expected[] = {
        {"listname", "TEXT", dbText, 255},    {"firmname", "TEXT(250)", dbText, 250},
        {"caseid", "TEXT", dbText, 255},      {"opt", "TEXT", dbText, 255},
        {"notes", "MEMO TEXT", dbMemo, -1},   {"remarks", "memo TEXT", dbMemo, -1},
        {"zip", "TEXT ( 5 )", dbText, 5},
    };
    const std::vector<FieldInfo> fields = db->Fields("Names");
    ASSERT_EQ(fields.size(), std::size(expected));
    for (size_t i = 0; i < fields.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(fields[i].name, expected[i].name);
        EXPECT_EQ(fields[i].declaredType, expected[i].declared);
        EXPECT_EQ(fields[i].type, expected[i].type);
        EXPECT_EQ(fields[i].width, expected[i].width);
    }
}

TEST_F(DatabaseTest, AddingAnExistingColumnFailsAndLeavesTheTableAsItWas) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT", "zip TEXT(5)"});
    AddAll(*db, "People", {{QString("Ann"), QString("02134")}});
    const std::vector<FieldInfo> before = db->Fields("People");
    for (const char* statement : {"ALTER TABLE People ADD COLUMN zip TEXT(5);",
                                  "ALTER TABLE People ADD COLUMN ZIP MEMO;",
                                  "ALTER TABLE people ADD COLUMN name TEXT(10);"}) {
        SCOPED_TRACE(statement);
        EXPECT_FALSE(db->Execute(statement));
        EXPECT_FALSE(db->LastError().isEmpty());
    }
    const std::vector<FieldInfo> after = db->Fields("People");
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].name, before[i].name);
        EXPECT_EQ(after[i].declaredType, before[i].declaredType);
    }
    EXPECT_EQ(RowsInFile("People"), (std::vector<Row>{{QString("Ann"), QString("02134")}}));
}

TEST_F(DatabaseTest, ExecuteRunsOneStatementAndRefusesASecond) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    EXPECT_FALSE(db->Execute("ALTER TABLE People ADD COLUMN extra TEXT; DROP TABLE People;"));
    EXPECT_EQ(db->TableNames(), QStringList{"People"});
    EXPECT_EQ(db->Fields("People").size(), 1u);
    EXPECT_FALSE(db->Execute(""));
}

TEST_F(DatabaseTest, TableNamesComeInCreationOrder) {
    auto db = Create();
    for (const char* table : {"Zeta", "Alpha", "Mid"}) ASSERT_TRUE(db->CreateTable(table, "first"));
    ASSERT_TRUE(db->Execute("ALTER TABLE Zeta ADD COLUMN second TEXT;"));
    EXPECT_EQ(db->TableNames(), (QStringList{"Zeta", "Alpha", "Mid"}));
    EXPECT_FALSE(db->OpenRecordset("Missing"));
}

TEST_F(DatabaseTest, StoredOrderIsKeptAfterDeletes) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    AddAll(*db, "People", Names({"E", "A", "D", "B", "C"}));
    auto records = db->OpenRecordset("People");
    ASSERT_TRUE(MoveTo(*records, "A"));
    ASSERT_TRUE(records->Delete());
    EXPECT_FALSE(records->HasCurrent());
    ASSERT_TRUE(records->MoveNext());
    EXPECT_EQ(records->GetValue(0), "D");
    ASSERT_TRUE(MoveTo(*records, "C"));
    ASSERT_TRUE(records->Delete());
    ASSERT_TRUE(records->MoveNext());
    EXPECT_TRUE(records->IsEOF());
    ASSERT_TRUE(Add(*records, {QString("F")}));
    EXPECT_EQ(records->GetValue(0), "F");  // the added record is the current one
    EXPECT_EQ(records->RecordCount(), 4);
    EXPECT_EQ(RowsInFile("People"), Names({"E", "D", "B", "F"}));
}

TEST_F(DatabaseTest, TableAndFieldNamesMatchWithoutRegardToCase) {
    auto db = Create();
    ASSERT_TRUE(db->CreateTable("NAMES", "listname"));
    ASSERT_TRUE(db->Execute("ALTER TABLE Names ADD COLUMN FirmName TEXT(250);"));
    auto records = db->OpenRecordset("Names");
    ASSERT_TRUE(records) << db->LastError().toStdString();
    EXPECT_EQ(db->TableNames(), QStringList{"NAMES"});
    EXPECT_EQ(db->Fields("names").size(), 2u);
    EXPECT_EQ(records->FieldIndex("LISTNAME"), 0);
    EXPECT_EQ(records->FieldIndex("firmname"), 1);
    EXPECT_EQ(records->FieldIndex("firm"), -1);
    ASSERT_TRUE(records->AddNew());
    ASSERT_TRUE(records->SetValue("LISTNAME", QString("Smith")));
    ASSERT_TRUE(records->SetValue("firmNAME", QString("Smith & Co")));
    EXPECT_FALSE(records->SetValue("firm", QString("lost")));
    EXPECT_EQ(records->GetValue("listName"), "Smith");  // the edit buffer reads back
    ASSERT_TRUE(records->Update());
    EXPECT_EQ(records->GetValue("ListName"), "Smith");
    EXPECT_EQ(records->GetValue("FIRMNAME"), "Smith & Co");
    bool ok = true;
    EXPECT_EQ(records->GetValue("firm", &ok), std::nullopt);
    EXPECT_FALSE(ok);
}

TEST_F(DatabaseTest, NullAndEmptyTextStayApart) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT", "phone TEXT(20)", "notes MEMO"});
    const std::vector<Row> rows{{std::nullopt, QString(""), std::nullopt}, {QString(""), std::nullopt, QString("")}};
    AddAll(*db, "People", rows);
    EXPECT_EQ(RowsInFile("People"), rows);

    auto reopened = Open();
    auto records = reopened->OpenRecordset("People");
    bool ok = false;
    EXPECT_EQ(records->GetValue("name", &ok), std::nullopt);
    EXPECT_TRUE(ok);
}

TEST_F(DatabaseTest, AValueLongerThanItsFieldMakesUpdateFailAndWritesNothing) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const struct {
        const char* declared;
        QString fits;
        QString tooLong;
    } cases[] = {
        {"TEXT(2)", "ab", "abc"},
        {"TEXT", QString(255, 'x'), QString(256, 'x')},
        {"TEXT(3)", QString::fromUtf8("äöü"), QString::fromUtf8("äöüß")},
        {"TEXT(2)", emoji + emoji, emoji + emoji + emoji},
    };
    auto db = Create();
    int table = 0;
    for (const auto& limit : cases) {
        SCOPED_TRACE(limit.declared);
        const QString name = QString("T%1").arg(++table);
        MakeTable(*db, name, {"id TEXT", QString("v %1").arg(limit.declared)});
        auto records = db->OpenRecordset(name);
        ASSERT_TRUE(Add(*records, {QString("kept"), limit.fits}));

        EXPECT_FALSE(Add(*records, {QString("new"), limit.tooLong}));
        EXPECT_FALSE(db->LastError().isEmpty());
        records->CancelUpdate();
        ASSERT_TRUE(MoveTo(*records, "kept"));
        ASSERT_TRUE(records->Edit());
        ASSERT_TRUE(records->SetValue("v", limit.tooLong));
        EXPECT_FALSE(records->Update());
        records->CancelUpdate();
        EXPECT_EQ(RowsInFile(name), (std::vector<Row>{{QString("kept"), limit.fits}}));
    }
}

TEST_F(DatabaseTest, TextRoundTripsUnchangedInTextAndMemoFields) {
    const QStringList values{
        "02134", "O'Brien", "\"quoted\"", "a;b;c", "'); DROP TABLE x; --", "Müller-Łukasz 日本 ’", " 12 ",
        "1e5",   "0x10",    "%_*?",      "\\path\\", "two\nlines",
    };
    auto db = Create();
    ASSERT_TRUE(db->CreateTable("x", "first"));
    MakeTable(*db, "People", {"name TEXT", "notes MEMO"});
    std::vector<Row> rows;
    for (const QString& value : values) rows.push_back({value, value});
    rows.push_back({QString("long"), QString(100000, QChar(0x00E9))});
    AddAll(*db, "People", rows);
    EXPECT_EQ(RowsInFile("People"), rows);

    auto records = db->OpenRecordset("People");
    for (const QString& value : values) {
        ASSERT_TRUE(MoveTo(*records, value));
        ASSERT_TRUE(records->Edit());
        ASSERT_TRUE(records->SetValue("notes", value + value));
        ASSERT_TRUE(records->Update()) << db->LastError().toStdString();
    }
    for (size_t i = 0; i < size_t(values.size()); ++i) rows[i][1] = values[int(i)] + values[int(i)];
    EXPECT_EQ(RowsInFile("People"), rows);
    EXPECT_EQ(db->TableNames(), (QStringList{"x", "People"}));
}

TEST_F(DatabaseTest, WithoutACurrentRecordReadsAndWritesFailAndTouchNothing) {
    const struct {
        const char* situation;
        std::vector<Row> before;
        std::function<void(Recordset&)> reach;
        std::vector<Row> after;
    } cases[] = {
        {"empty table", {}, [](Recordset&) {}, {}},
        {"past the last record", Names({"Ann", "Bob"}),
         [](Recordset& records) {
             records.MoveNext();
             records.MoveNext();
         },
         Names({"Ann", "Bob"})},
        {"after a delete", Names({"Ann", "Bob", "Cy"}),
         [](Recordset& records) {
             records.MoveNext();
             ASSERT_TRUE(records.Delete());
         },
         Names({"Ann", "Cy"})},
    };
    int file = 0;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.situation);
        const QString path = QString("C:\\Case%1.mdb").arg(++file);
        auto db = Create(path);
        MakeTable(*db, "People", {"name TEXT"});
        AddAll(*db, "People", test.before);
        auto records = db->OpenRecordset("People");
        test.reach(*records);
        EXPECT_FALSE(records->HasCurrent());
        bool ok = true;
        EXPECT_EQ(records->GetValue(0, &ok), std::nullopt);
        EXPECT_FALSE(ok);
        EXPECT_FALSE(records->SetValue(0, QString("Zed")));
        EXPECT_FALSE(records->Edit());
        EXPECT_FALSE(records->Update());
        EXPECT_FALSE(records->Delete());
        EXPECT_EQ(RowsInFile("People", path), test.after);
    }
}

TEST_F(DatabaseTest, MovesFailWhereThereIsNoRecordToMoveTo) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    auto records = db->OpenRecordset("People");
    EXPECT_TRUE(records->IsEOF());
    EXPECT_FALSE(records->MoveFirst());
    EXPECT_FALSE(records->MoveNext());
    EXPECT_EQ(records->RecordCount(), 0);
}

TEST_F(DatabaseTest, UpdateFailsWhenAnotherConnectionDeletedOrChangedTheRecordSinceEdit) {
    const struct {
        const char* elsewhere;
        std::function<void(Recordset&)> act;
        std::vector<Row> after;
    } cases[] = {
        {"deleted it", [](Recordset& other) { ASSERT_TRUE(other.Delete()); }, Names({"Ann"})},
        {"deleted it and added a record in its place",
         [](Recordset& other) {
             ASSERT_TRUE(other.Delete());
             ASSERT_TRUE(Add(other, {QString("Dora")}));
         },
         Names({"Ann", "Dora"})},
        {"changed it",
         [](Recordset& other) {
             ASSERT_TRUE(other.Edit());
             ASSERT_TRUE(other.SetValue(0, QString("Bobby")));
             ASSERT_TRUE(other.Update());
         },
         Names({"Ann", "Bobby"})},
    };
    int file = 0;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.elsewhere);
        const QString path = QString("C:\\Case%1.mdb").arg(++file);
        auto db = Create(path);
        MakeTable(*db, "People", {"name TEXT"});
        AddAll(*db, "People", Names({"Ann", "Bob"}));
        auto records = db->OpenRecordset("People");
        ASSERT_TRUE(MoveTo(*records, "Bob"));
        ASSERT_TRUE(records->Edit());
        ASSERT_TRUE(records->SetValue(0, QString("Robert")));

        auto otherDb = Open(path);
        auto other = otherDb->OpenRecordset("People");
        ASSERT_TRUE(MoveTo(*other, "Bob"));
        test.act(*other);

        EXPECT_FALSE(records->Update());
        EXPECT_FALSE(db->LastError().isEmpty());
        EXPECT_EQ(RowsInFile("People", path), test.after);
    }
}

TEST_F(DatabaseTest, DeleteFailsWhenAnotherConnectionChangedTheRecordSinceItWasRead) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    AddAll(*db, "People", Names({"Ann", "Bob"}));
    auto records = db->OpenRecordset("People");
    ASSERT_TRUE(MoveTo(*records, "Bob"));
    {
        auto otherDb = Open();
        auto other = otherDb->OpenRecordset("People");
        ASSERT_TRUE(MoveTo(*other, "Bob"));
        ASSERT_TRUE(other->Delete());
        ASSERT_TRUE(Add(*other, {QString("Dora")}));
    }
    EXPECT_FALSE(records->Delete());
    EXPECT_EQ(RowsInFile("People"), Names({"Ann", "Dora"}));
}

TEST_F(DatabaseTest, WritesCommittedByAnotherConnectionShowOnTheNextMove) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    AddAll(*db, "People", Names({"Ann"}));
    auto records = db->OpenRecordset("People");
    {
        auto other = Open();
        AddAll(*other, "People", Names({"Bob"}));
        auto otherRecords = other->OpenRecordset("People");
        ASSERT_TRUE(otherRecords->Edit());
        ASSERT_TRUE(otherRecords->SetValue(0, QString("Anna")));
        ASSERT_TRUE(otherRecords->Update());
    }
    EXPECT_EQ(records->RecordCount(), 2);
    ASSERT_TRUE(records->MoveNext());
    EXPECT_EQ(records->GetValue(0), "Bob");
    ASSERT_TRUE(records->MoveFirst());
    EXPECT_EQ(records->GetValue(0), "Anna");
}

TEST_F(DatabaseTest, ClosingTheDatabaseClosesItsRecordsets) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    AddAll(*db, "People", Names({"Ann"}));
    auto records = db->OpenRecordset("People");
    auto survivor = db->OpenRecordset("People");
    db->Close();
    EXPECT_FALSE(db->IsOpen());
    EXPECT_FALSE(db->OpenRecordset("People"));
    EXPECT_FALSE(db->Execute("ALTER TABLE People ADD COLUMN x TEXT;"));
    EXPECT_FALSE(records->IsOpen());
    EXPECT_FALSE(records->MoveFirst());
    EXPECT_FALSE(records->HasCurrent());
    EXPECT_TRUE(records->IsEOF());
    EXPECT_FALSE(records->AddNew());
    EXPECT_FALSE(records->Update());
    EXPECT_EQ(records->RecordCount(), -1);
    EXPECT_EQ(records->FieldCount(), 0);
    bool ok = true;
    EXPECT_EQ(records->GetValue("name", &ok), std::nullopt);
    EXPECT_FALSE(ok);
    records.reset();
    db.reset();
    survivor.reset();  // destroyed after its database
    EXPECT_EQ(RowsInFile("People"), Names({"Ann"}));
}

TEST_F(DatabaseTest, ATransactionIsWrittenWholeOrNotAtAll) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    auto records = db->OpenRecordset("People");

    ASSERT_TRUE(db->BeginTrans());
    for (const char* name : {"Ann", "Bob"}) ASSERT_TRUE(Add(*records, {QString(name)}));
    EXPECT_TRUE(RowsInFile("People").empty());  // others see nothing before the commit
    ASSERT_TRUE(db->Rollback());
    EXPECT_TRUE(RowsInFile("People").empty());
    EXPECT_FALSE(records->Edit());  // the added record is gone

    ASSERT_TRUE(db->BeginTrans());
    EXPECT_FALSE(db->BeginTrans());
    for (const char* name : {"Cy", "Dee"}) ASSERT_TRUE(Add(*records, {QString(name)}));
    ASSERT_TRUE(db->CommitTrans());
    EXPECT_EQ(RowsInFile("People"), Names({"Cy", "Dee"}));
    EXPECT_FALSE(db->CommitTrans());
}

TEST_F(DatabaseTest, ReadRowsGivesTheNamedColumnsInStoredOrder) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT", "zip TEXT(5)"});
    auto records = db->OpenRecordset("People");
    for (const char* name : {"Ann", "Bob", "Cy"}) ASSERT_TRUE(Add(*records, {QString(name), QString("02134")}));
    ASSERT_TRUE(records->MoveFirst() && records->MoveNext() && records->Delete());
    ASSERT_TRUE(Add(*records, {QString("Dee"), std::nullopt}));

    const auto rows = db->ReadRows("PEOPLE", {"Zip", "name"});
    ASSERT_TRUE(rows);
    const std::vector<std::vector<Value>> expected{
        {QString("02134"), QString("Ann")}, {QString("02134"), QString("Cy")}, {std::nullopt, QString("Dee")}};
    EXPECT_EQ(*rows, expected);

    EXPECT_FALSE(db->ReadRows("People", {"name", "nosuchcolumn"}));
    EXPECT_FALSE(db->ReadRows("Nobody", {"name"}));
    EXPECT_FALSE(db->ReadRows("People", {}));
}

// The views give the same texts as the values, a Null apart from an empty text, a text decoded
// whole whatever the length of the one read before it.
TEST_F(DatabaseTest, ReadTextsGivesTheRowsOfReadRows) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT", "zip TEXT(5)"});
    auto records = db->OpenRecordset("People");
    for (const Value& name : {Value(u"Ábalos, Zoë ßø"_qs), Value(QString()), Value(std::nullopt), Value(u"Cy"_qs)})
        ASSERT_TRUE(Add(*records, {name, QString("02134")}));

    std::vector<std::vector<Value>> read;
    ASSERT_TRUE(db->ReadTexts("People", {"name", "zip"}, [&](const Database::TextViews& row) {
        read.push_back({});
        for (const std::optional<QStringView>& text : row)
            read.back().push_back(text ? Value(text->toString()) : Value(std::nullopt));
    }));
    EXPECT_EQ(read, *db->ReadRows("People", {"name", "zip"}));
    EXPECT_EQ(read[1][0], QString(""));
    EXPECT_EQ(read[2][0], std::nullopt);
    EXPECT_FALSE(db->ReadTexts("People", {"nosuchcolumn"}, [](const Database::TextViews&) {}));
}

// Read in parts, the rows come as in one pass: each run in stored order, the runs one after
// another. A table spread over many rowids is shared out among threads; a small one, one read
// inside a transaction (with its uncommitted row) or one held by another writer is not.
TEST_F(DatabaseTest, ReadTextsInPartsGivesTheRowsOfOnePass) {
    struct Reading {
        std::vector<int> rowids;
        int parts;
        enum { Alone, InTransaction, HeldByAnother } around;
        bool sharedOut;
    };
    const Reading readings[] = {
        {{1, 2, 3}, 4, Reading::Alone, false},
        {{-7, 1, 40000, 49994, 49995, 90000, 200000}, 4, Reading::Alone, true},  // around a run's end
        {{1, 100000, 200000}, 1, Reading::Alone, false},
        {{1, 100000, 200000}, 4, Reading::InTransaction, false},
        {{1, 100000, 200000}, 4, Reading::HeldByAnother, false},
    };
    const int busyWait = Database::SetBusyWait(50);
    auto db = Create();
    for (size_t r = 0; r < std::size(readings); ++r) {
        const Reading& reading = readings[r];
        SCOPED_TRACE(r);
        const QString table = QString("People%1").arg(r);
        MakeTable(*db, table, {"name TEXT", "zip TEXT(5)"});
        for (const int rowid : reading.rowids)
            ASSERT_TRUE(db->Execute(QString("INSERT INTO %1 (rowid, name, zip) VALUES (%2, 'Ábalos %2', %3)")
                                        .arg(table).arg(rowid).arg(rowid == 1 ? "NULL" : "'02134'")));
        std::unique_ptr<Database> other = reading.around == Reading::HeldByAnother ? Open() : nullptr;
        if (other) ASSERT_TRUE(other->Execute("BEGIN EXCLUSIVE"));
        if (reading.around == Reading::InTransaction)
            ASSERT_TRUE(db->BeginTrans() && db->Execute(QString("INSERT INTO %1 (name) VALUES ('Uncommitted')").arg(table)));
        const auto expected = db->ReadRows(table, {"name", "zip"});

        std::vector<std::vector<std::vector<Value>>> parts(size_t(reading.parts));
        std::atomic<bool> outOfRange = false;
        const bool read = db->ReadTextsInParts(table, {"name", "zip"}, reading.parts, [&](int part, const Database::TextViews& row) {
            if (part < 0 || part >= reading.parts) return void(outOfRange = true);
            std::vector<Value>& values = parts[size_t(part)].emplace_back();
            for (const std::optional<QStringView>& text : row) values.push_back(text ? Value(text->toString()) : Value(std::nullopt));
        });
        if (reading.around == Reading::InTransaction) db->Rollback();

        EXPECT_FALSE(outOfRange);
        std::vector<std::vector<Value>> joined;
        for (const auto& part : parts) joined.insert(joined.end(), part.begin(), part.end());
        if (reading.around == Reading::HeldByAnother) {
            EXPECT_FALSE(read);
            EXPECT_EQ(db->LastFault(), Fault::Busy);
            EXPECT_TRUE(joined.empty());
            continue;
        }
        ASSERT_TRUE(read);
        EXPECT_EQ(joined, *expected);
        EXPECT_EQ(parts[0].size() < joined.size(), reading.sharedOut);
    }
    Database::SetBusyWait(busyWait);
    EXPECT_FALSE(db->ReadTextsInParts("People1", {"nosuchcolumn"}, 4, [](int, const Database::TextViews&) {}));
}

// Finding the first record that holds a value: case ids repeat, and every action must reach the
// first one in stored order, with or without an index on the column.

struct Find {
    const char* name;
    QString value;
    std::optional<QString> found;  // the record's first field; nullopt: none found
};

class FindFirstTest : public DatabaseTest, public ::testing::WithParamInterface<std::tuple<Find, bool>> {};

TEST_P(FindFirstTest, PositionsOnTheFirstStoredRecordWithExactlyThatValue) {
    const auto& [find, indexed] = GetParam();
    auto db = Create();
    MakeTable(*db, "Cases", {"name TEXT", "id TEXT"});
    if (indexed) {
        ASSERT_TRUE(db->KeepIndex("ById", "ON Cases (id)"));
    }
    AddAll(*db, "Cases",
           {{QString("first B"), QString("B")}, {QString("no id"), std::nullopt}, {QString("empty id"), QString("")},
            {QString("first A"), QString("A")}, {QString("second B"), QString("B")}});
    auto records = db->OpenRecordset("Cases");
    ASSERT_TRUE(MoveTo(*records, "second B"));

    EXPECT_EQ(records->FindFirst("ID", find.value), find.found.has_value());

    EXPECT_EQ(records->HasCurrent(), find.found.has_value());
    if (find.found) {
        EXPECT_EQ(records->GetValue(0), find.found);
    } else {
        EXPECT_FALSE(records->Edit());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, FindFirstTest,
    ::testing::Combine(::testing::Values(Find{"Repeated", "B", QString("first B")},
                                         Find{"Once", "A", QString("first A")},
                                         Find{"EmptyTextNotNull", "", QString("empty id")},
                                         Find{"OtherLetterCase", "b", std::nullopt},
                                         Find{"TrailingBlank", "B ", std::nullopt}, Find{"Absent", "Z", std::nullopt}),
                       ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "Indexed" : "NotIndexed");
    });

TEST_F(DatabaseTest, AFoundRecordIsTheOneThatMovesAndWritesGoOnFrom) {
    auto db = Create();
    MakeTable(*db, "Cases", {"name TEXT", "id TEXT"});
    ASSERT_TRUE(db->KeepIndex("ById", "ON Cases (id)"));
    AddAll(*db, "Cases",
           {{QString("one"), QString("X")}, {QString("two"), QString("Y")}, {QString("three"), QString("X")}});
    auto records = db->OpenRecordset("Cases");

    ASSERT_TRUE(records->FindFirst("id", "Y"));
    ASSERT_TRUE(records->Edit() && records->SetValue(1, QString("X")) && records->Update());
    ASSERT_TRUE(records->FindFirst("id", "X"));
    EXPECT_EQ(records->GetValue(0), QString("one"));
    ASSERT_TRUE(records->Delete());
    ASSERT_TRUE(records->FindFirst("id", "X"));
    EXPECT_EQ(records->GetValue(0), QString("two"));
    ASSERT_TRUE(records->MoveNext());
    EXPECT_EQ(records->GetValue(0), QString("three"));

    EXPECT_FALSE(records->FindFirst("nosuchfield", "X"));
    EXPECT_FALSE(records->HasCurrent());
}

TEST_F(DatabaseTest, KeepIndexMakesAnIndexOnceAndAnewWhenItsDefinitionChanges) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT", "zip TEXT"});
    AddAll(*db, "People", {{QString("Ann"), QString("02134")}, {QString("Bob"), std::nullopt}});
    const std::vector<Row> rows = Rows(*db, "People");

    ASSERT_TRUE(db->KeepIndex("ByName", "ON People (name)"));
    const auto made = Database::StateStamp(kPath);
    EXPECT_TRUE(db->KeepIndex("BYNAME", "ON People (name)"));
    EXPECT_EQ(Database::StateStamp(kPath), made);  // there as defined: nothing written
    EXPECT_TRUE(db->KeepIndex("ByName", "ON People (zip) WHERE zip IS NULL"));
    EXPECT_NE(Database::StateStamp(kPath), made);
    EXPECT_FALSE(db->KeepIndex("ByCity", "ON People (city)"));

    EXPECT_EQ(db->TableNames(), QStringList{"People"});
    EXPECT_EQ(Rows(*db, "People"), rows);
    EXPECT_TRUE(db->Execute("DROP INDEX ByName;"));
    EXPECT_FALSE(db->Execute("DROP INDEX ByCity;"));
}

TEST_F(DatabaseTest, StateStampChangesWithEveryCommittedWrite) {
    auto db = Create();
    MakeTable(*db, "People", {"name TEXT"});
    const auto before = Database::StateStamp(kPath);
    ASSERT_TRUE(before);
    EXPECT_EQ(Database::StateStamp(kPath), before);  // reading changes nothing

    auto records = db->OpenRecordset("People");
    ASSERT_TRUE(Add(*records, {QString("Ann")}));
    const auto afterAdd = Database::StateStamp(kPath);
    EXPECT_NE(afterAdd, before);
    ASSERT_TRUE(records->MoveFirst() && records->Edit() && records->SetValue("name", QString("Bob")) &&
                records->Update());
    EXPECT_NE(Database::StateStamp(kPath), afterAdd);

    WriteHostFile(Host("C:\\NotADatabase.mdb"), QByteArray(200, 'x'));
    EXPECT_FALSE(Database::StateStamp("C:\\NotADatabase.mdb"));
    EXPECT_FALSE(Database::StateStamp("C:\\Missing.mdb"));
}

// A write cut off by a crash leaves its journal beside the file; a copy put in the file's place
// must not be rolled back with it.
TEST_F(DatabaseTest, CopyIsNotPlayedBackWithAJournalLeftBesideItsTarget) {
    MakeTable(*Create("C:\\New.mdb"), "T", {"v TEXT"});
    AddAll(*Open("C:\\New.mdb"), "T", Names({"new"}));
    MakeTable(*Create(), "T", {"v TEXT"});
    AddAll(*Open(), "T", std::vector<Row>(400, Row{QString(250, 'o')}));
    if (fork() == 0) {  // a writer that ends half-way, after the engine has written some pages
        auto db = Open();
        const bool wrote = db->Execute("PRAGMA cache_size = 2") && db->BeginTrans() && db->CreateTable("U", "u") &&
                           db->Execute("UPDATE T SET v = 'x'");
        _exit(wrote ? 0 : 1);
    }
    wait(nullptr);
    ASSERT_TRUE(QFileInfo::exists(Host(kPath) + "-journal"));

    EXPECT_TRUE(Database::CopyDatabase("C:\\New.mdb", kPath));

    EXPECT_EQ(RowsInFile("T"), Names({"new"}));
    EXPECT_TRUE(Database::IsSound(kPath));
}

// A file of many megabytes is read ahead on a thread of its own while it is checked: a garbage
// page in its middle is still found.
TEST_F(DatabaseTest, ALargeFileIsCheckedWholeWhileItIsReadAhead) {
    auto db = Create();
    MakeTable(*db, "T", {"v TEXT"});
    ASSERT_TRUE(db->Execute("WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k WHERE n < 12000) "
                            "INSERT INTO T (v) SELECT printf('%250d', n) FROM k"));
    db.reset();
    QByteArray bytes = ReadHostFile(Host(kPath));
    ASSERT_GT(bytes.size(), 3 << 20);
    EXPECT_TRUE(Database::IsSound(kPath));

    constexpr int kPageSize = 4096;
    bytes.replace(bytes.size() / 2 / kPageSize * kPageSize, kPageSize, QByteArray(kPageSize, 'x'));
    WriteHostFile(Host(kPath), bytes);
    Fault fault = Fault::None;
    EXPECT_FALSE(Database::IsSound(kPath, &fault));
    EXPECT_EQ(fault, Fault::Damaged);
}

// A refused write tells why, so that the user can be told the real cause.
enum class Obstacle { TextTooLong, AnotherWriter, ReadOnlyFolder, FullDisk };

class RefusedWriteTest : public DatabaseTest, public ::testing::WithParamInterface<std::pair<Obstacle, Fault>> {};

TEST_P(RefusedWriteTest, TellsItsCause) {
    const auto [obstacle, cause] = GetParam();
    const int busyWait = Database::SetBusyWait(50);
    {
        auto db = Create();
        MakeTable(*db, "Notes", {"key", "name TEXT(5)", "notes MEMO"});
    }
    auto db = Open();
    auto records = db->OpenRecordset("Notes");
    std::unique_ptr<Database> other = obstacle == Obstacle::AnotherWriter ? Open() : nullptr;
    if (other) ASSERT_TRUE(other->Execute("BEGIN EXCLUSIVE"));
    const auto refusedFor = [&] {
        const QString name = obstacle == Obstacle::TextTooLong ? "toolong" : "short";
        const bool refused = !Add(*records, {QString("A1"), name, QString(20000, 'x')});
        return refused && db->LastFault() == cause;
    };
    if (obstacle == Obstacle::ReadOnlyFolder || obstacle == Obstacle::FullDisk)
        EXPECT_TRUE(test::InAChild(obstacle == Obstacle::FullDisk ? test::Limit::FullDisk : test::Limit::ReadOnlyFolder,
                                   driveC, refusedFor));
    else
        EXPECT_TRUE(refusedFor());
    Database::SetBusyWait(busyWait);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, RefusedWriteTest,
                         ::testing::Values(std::pair{Obstacle::TextTooLong, Fault::TooLong},
                                           std::pair{Obstacle::AnotherWriter, Fault::Busy},
                                           std::pair{Obstacle::ReadOnlyFolder, Fault::ReadOnly},
                                           std::pair{Obstacle::FullDisk, Fault::DiskFull}));

TEST_F(DatabaseTest, TwoProcessesWritingOneFileBothKeepTheirWrites) {
    constexpr int kEach = 150;
    {
        auto db = Create();
        MakeTable(*db, "Log", {"key TEXT", "value TEXT"});
    }
    QProcess writer;
    writer.start(DATABASE_WRITER, {Host(kPath), "Log", "other", QString::number(kEach)});
    ASSERT_TRUE(writer.waitForReadyRead(30000)) << writer.readAllStandardError().toStdString();

    auto db = Open();
    ASSERT_TRUE(db);
    auto records = db->OpenRecordset("Log");
    for (int i = 0; i < kEach; ++i) {
        ASSERT_TRUE(Add(*records, {QString("mine-%1").arg(i), QString("added")})) << db->LastError().toStdString();
        ASSERT_TRUE(records->Edit() && records->SetValue("value", QString("edited")) && records->Update())
            << db->LastError().toStdString();
    }
    ASSERT_TRUE(writer.waitForFinished(60000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();

    std::map<QString, Value> stored;
    for (const Row& row : RowsInFile("Log")) stored[row[0].value_or("")] = row[1];
    EXPECT_EQ(stored.size(), size_t(2 * kEach));
    for (int i = 0; i < kEach; ++i)
        for (const char* prefix : {"mine", "other"})
            EXPECT_EQ(stored[QString("%1-%2").arg(prefix).arg(i)], "edited") << prefix << i;
}

}  // namespace
}  // namespace qvr
