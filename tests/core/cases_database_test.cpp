#include "core/cases_database.h"
#include "core/program_state.h"
#include "platform/database.h"
#include "platform/files.h"
#include "platform/program_end.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QRegularExpression>
#include <map>

namespace qvr {
namespace {

using test::ModalAnswerer;

// The file format, written out independently of the code: "name:declared type", "-" for the
// first column, which comes with the table.
const char kCasesSchema[] =
    "casedesc:- caseid:TEXT caseopen:TEXT courtfile:TEXT county:TEXT casefile:TEXT casecode:TEXT "
    "ivdfile:TEXT uresa:TEXT SetFormEditable:TEXT name1number:TEXT name1field:TEXT name1name:TEXT "
    "name2number:TEXT name2field:TEXT name2name:TEXT child1name:TEXT child1dob:text child1cust:text "
    "child1nights:text child2name:TEXT child2dob:text child2cust:text child2nights:text "
    "child3name:TEXT child3dob:text child3cust:text child3nights:text child4name:TEXT child4dob:text "
    "child4cust:text child4nights:text child5name:TEXT child5dob:text child5cust:text "
    "child5nights:text child6name:TEXT child6dob:text child6cust:text child6nights:text pinc:TEXT "
    "ppre:TEXT presp:TEXT poc:TEXT pover:TEXT pspinc:TEXT padja:TEXT padjb:TEXT padjc:TEXT "
    "ptaxcredit:TEXT poverdays:TEXT povernights:TEXT psplitkids:TEXT dinc:TEXT dpre:TEXT dresp:TEXT "
    "doc:TEXT dover:TEXT dspinc:TEXT dadja:TEXT dadjb:TEXT dadjc:TEXT dtaxcredit:TEXT "
    "doverdays:TEXT dovernights:TEXT dsplitkids:TEXT obligor:TEXT forceobligor:TEXT override:TEXT "
    "overamt:TEXT whosecustody:TEXT chkzeros:TEXT chkbox1:TEXT chkbox2:TEXT chkbox3:TEXT "
    "chkbox4:TEXT chkbox5:TEXT chkbox6:TEXT chkbox7:TEXT chkbox8:TEXT chkbox9:TEXT chkbox10:TEXT "
    "chkbox11:TEXT chkbox12:TEXT chkbox13:TEXT chkbox14:TEXT chkbox15:TEXT textblock1:TEXT "
    "datesigned:TEXT preparedby:TEXT preparedbyphone:TEXT";

const char kCoverSheetSchema[] =
    "caseid:- checkboxes:TEXT custnumber:TEXT custinfo:TEXT(250) ncustnumber:TEXT "
    "ncustinfo:TEXT(250) othernumber:TEXT otherinfo:TEXT(250) child7name:TEXT child7dob:text "
    "child7cust:text child7nights:text child8name:TEXT child8dob:text child8cust:text "
    "child8nights:text child9name:TEXT child9dob:text child9cust:text child9nights:text "
    "child1info:text child2info:text child3info:text child4info:text child5info:text "
    "child6info:text child7info:text child8info:text child9info:text";

const char kToSchema[] =
    "caseid:- obnewstreet:text obnewcitystatezip:text obnewotherinfo:text recnewstreet:text "
    "recnewcitystatezip:text recnewotherinfo:text courtdate:text arrearsamount1:text "
    "arrearsamount2:text arrearsdate:text frequency:text paymentsbegin:text supportamount:text "
    "finalorderby:text addorder1:text addorder2:text addorder3:text addorder4:text addorder5:text "
    "addorder6:text addorder7:text checkboxes:TEXT";

const char kOpenErrorText[] =
    "There was an error attempting to open the CASES database, and this program will now end.  "
    "Please contact Quorvane to report this problem.";

struct Column {
    QString name;
    QString declaredType;
};

std::vector<Column> ParseSchema(const char* schema) {
    std::vector<Column> columns;
    for (const QString& entry : QString(schema).split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(':');
        columns.push_back({parts[0], parts[1]});
    }
    return columns;
}

int WidthOf(const QString& declaredType) {
    const QRegularExpressionMatch size = QRegularExpression(R"(\((\d+)\))").match(declaredType);
    return size.hasMatch() ? size.captured(1).toInt() : 255;
}

std::optional<std::string> Text(const Value& value) {
    if (!value) return std::nullopt;
    return value->toStdString();
}

using Row = std::map<QString, Value>;

void AddRow(Recordset& records, const Row& row) {
    ASSERT_TRUE(records.AddNew());
    for (const auto& [column, value] : row) ASSERT_TRUE(records.SetValue(column, value)) << column.toStdString();
    ASSERT_TRUE(records.Update());
}

// Every row of a table, read through a connection of its own.
std::vector<std::vector<Value>> ReadTable(const QString& table) {
    std::vector<std::vector<Value>> rows;
    auto db = Database::OpenDatabase(state.CasesDatabasePath);
    if (!db) return rows;
    auto records = db->OpenRecordset(table);
    if (!records) return rows;
    for (records->MoveFirst(); !records->IsEOF(); records->MoveNext()) {
        std::vector<Value> row;
        for (int i = 0; i < records->FieldCount(); ++i) row.push_back(records->GetValue(i));
        rows.push_back(row);
    }
    return rows;
}

bool CasesDatabaseClosed() {
    return (!state.CasesDatabase || !state.CasesDatabase->IsOpen()) &&
           (!state.CasesRecordset || !state.CasesRecordset->IsOpen());
}

class CasesDatabaseTest : public test::TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        QDir().mkpath(driveC + "/Data");
        state.CasesDatabasePath = "C:\\Data\\VESK0232.MDB";
    }

    QString HostFile() const { return Host(state.CasesDatabasePath); }

    // A new file whose Cases table holds these records, in stored order.
    void StoreCases(const std::vector<Row>& rows) {
        UpdateCasesDatabase();
        auto db = Database::OpenDatabase(state.CasesDatabasePath);
        ASSERT_TRUE(db);
        auto records = db->OpenRecordset("Cases");
        ASSERT_TRUE(records);
        for (const Row& row : rows) AddRow(*records, row);
    }

    // A file as an older release made it: each table with only its first columns.
    void MakeOlderFile(const std::vector<std::pair<QString, std::vector<Column>>>& tables) {
        auto db = Database::CreateDatabase(state.CasesDatabasePath);
        ASSERT_TRUE(db);
        for (const auto& [table, columns] : tables) {
            ASSERT_TRUE(db->CreateTable(table, columns[0].name));
            for (size_t i = 1; i < columns.size(); ++i) {
                ASSERT_TRUE(db->Execute(QString("ALTER TABLE [%1] ADD COLUMN %2 %3;")
                                            .arg(table, columns[i].name, columns[i].declaredType)));
            }
        }
    }
};

void ExpectSchema(Database& db, const QString& table, const char* schema) {
    const std::vector<Column> expected = ParseSchema(schema);
    const std::vector<FieldInfo> fields = db.Fields(table);
    ASSERT_EQ(fields.size(), expected.size()) << table.toStdString();
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(table.toStdString() + " column " + std::to_string(i + 1));
        EXPECT_EQ(fields[i].name.toStdString(), expected[i].name.toStdString());
        EXPECT_EQ(fields[i].type, dbText);
        EXPECT_EQ(fields[i].width, WidthOf(expected[i].declaredType));
        if (i > 0) {
            EXPECT_EQ(fields[i].declaredType.toUpper().toStdString(), expected[i].declaredType.toUpper().toStdString());
        }
    }
}

// Creation and upgrade.

TEST_F(CasesDatabaseTest, NewFileHasTheThreeTablesWithEveryColumnAndNoRecords) {
    ModalAnswerer answer;
    UpdateCasesDatabase();

    EXPECT_TRUE(CasesDatabaseClosed());
    auto db = Database::OpenDatabase(state.CasesDatabasePath);
    ASSERT_TRUE(db);
    EXPECT_EQ(db->TableNames(), QStringList({"Cases", "CoverSheet", "TO"}));
    ExpectSchema(*db, "Cases", kCasesSchema);
    ExpectSchema(*db, "CoverSheet", kCoverSheetSchema);
    ExpectSchema(*db, "TO", kToSchema);
    for (const char* table : {"Cases", "CoverSheet", "TO"}) EXPECT_EQ(db->OpenRecordset(table)->RecordCount(), 0);
    EXPECT_TRUE(answer.Titles().isEmpty());
}

class CasesSecondRunTest : public CasesDatabaseTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CasesSecondRunTest, UpToDateFileIsUnchangedAndTheDatabaseEndsClosed) {
    StoreCases({{{"casedesc", QString("Smith v. Jones")}, {"caseid", QString("SM123456")}}});
    const QByteArray before = ReadHostFile(HostFile());
    const bool openBefore = GetParam();
    if (openBefore) OpenCasesTable();

    ModalAnswerer answer;
    UpdateCasesDatabase();

    EXPECT_TRUE(CasesDatabaseClosed());
    EXPECT_EQ(ReadHostFile(HostFile()), before);
    EXPECT_TRUE(answer.Titles().isEmpty());
    EXPECT_EQ(Text(ReadTable("Cases").at(0).at(1)), "SM123456");
}

INSTANTIATE_TEST_SUITE_P(OpenOrClosedBefore, CasesSecondRunTest, ::testing::Bool());

TEST_F(CasesDatabaseTest, OlderFileGainsExactlyTheMissingColumnsAndKeepsItsValues) {
    const size_t upToChkzeros = 72;
    const auto firstColumns = [](const char* schema, size_t count) {
        std::vector<Column> columns = ParseSchema(schema);
        columns.resize(count);
        return columns;
    };
    MakeOlderFile({{"Cases", firstColumns(kCasesSchema, upToChkzeros)},
                   {"CoverSheet", firstColumns(kCoverSheetSchema, 1)},
                   {"TO", firstColumns(kToSchema, 22)}});
    {
        auto db = Database::OpenDatabase(state.CasesDatabasePath);
        auto records = db->OpenRecordset("Cases");
        AddRow(*records, {{"casedesc", QString("O'Brien v. Müller")}, {"caseid", QString("OB000001")},
                          {"county", QString("Wake")}, {"chkzeros", QString("Y")}, {"pinc", std::nullopt}});
        AddRow(*records,
               {{"casedesc", QString("Second")}, {"caseid", QString("SE000002")}, {"pinc", QString(" 2500")}});
    }

    UpdateCasesDatabase();

    auto db = Database::OpenDatabase(state.CasesDatabasePath);
    ASSERT_TRUE(db);
    ExpectSchema(*db, "Cases", kCasesSchema);
    ExpectSchema(*db, "CoverSheet", kCoverSheetSchema);
    ExpectSchema(*db, "TO", kToSchema);
    db.reset();
    const auto rows = ReadTable("Cases");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Text(rows[0][0]), "O'Brien v. Müller");
    EXPECT_EQ(Text(rows[0][1]), "OB000001");
    EXPECT_EQ(Text(rows[0][4]), "Wake");
    EXPECT_EQ(Text(rows[0][71]), "Y");
    EXPECT_EQ(Text(rows[0][40]), std::nullopt);
    EXPECT_EQ(Text(rows[1][40]), " 2500");
    for (const auto& row : rows) {
        for (size_t i = upToChkzeros; i < row.size(); ++i) EXPECT_EQ(Text(row[i]), std::nullopt) << i;
    }
}

TEST_F(CasesDatabaseTest, MissingDataFolderGivesNoFileAndNoMessage) {
    state.CasesDatabasePath = "C:\\No Such Folder\\VESK0232.MDB";
    ModalAnswerer answer;

    UpdateCasesDatabase();

    EXPECT_FALSE(files::FolderExists("C:\\No Such Folder"));
    EXPECT_TRUE(CasesDatabaseClosed());
    EXPECT_TRUE(answer.Titles().isEmpty());
    EXPECT_EQ(programEnds, 0);
}

// Opening the table.

enum class OpenFailure { MissingFile, DamagedFile, NoCasesTable };

class CasesOpenFailureTest : public CasesDatabaseTest, public ::testing::WithParamInterface<OpenFailure> {
protected:
    void Arrange(OpenFailure failure) {
        if (failure == OpenFailure::DamagedFile) WriteHostFile(Host("C:\\Data") + "/VESK0232.MDB", "not a database");
        if (failure == OpenFailure::NoCasesTable) {
            Database::CreateDatabase(state.CasesDatabasePath)->CreateTable("Names", "listname");
        }
    }
};

TEST_P(CasesOpenFailureTest, ShowsTheErrorAndEndsTheProgram) {
    Arrange(GetParam());
    ModalAnswerer answer;
    answer.Click("OK");

    OpenCasesTable();

    EXPECT_EQ(answer.Titles(), QStringList({"Error"}));
    EXPECT_EQ(answer.Texts(), QStringList({kOpenErrorText}));
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(CasesDatabaseClosed());
}

INSTANTIATE_TEST_SUITE_P(Failures, CasesOpenFailureTest,
                         ::testing::Values(OpenFailure::MissingFile, OpenFailure::DamagedFile,
                                           OpenFailure::NoCasesTable));

TEST_F(CasesDatabaseTest, FixCasesNullsOnMissingFileEndsTheProgramWithoutMakingAFile) {
    ModalAnswerer answer;
    answer.Click("OK");

    FixCasesNulls();
    FindCurrentCase();

    EXPECT_EQ(answer.Titles(), QStringList({"Error"}));
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(files::FileExists(state.CasesDatabasePath));
}

// Finding the current case.

struct FindCase {
    const char* name;
    QString currentCaseId;
    std::optional<QString> foundDesc;  // nullopt: no current record
    QString idAfterwards;
};

class FindCurrentCaseTest : public CasesDatabaseTest, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindCurrentCaseTest, PositionsOnTheCurrentCase) {
    StoreCases({{{"casedesc", QString("Null id")}, {"caseid", std::nullopt}},
                {{"casedesc", QString("First MO")}, {"caseid", QString("MO123456")}},
                {{"casedesc", QString("Second")}, {"caseid", QString("AB000001")}},
                {{"casedesc", QString("Second MO")}, {"caseid", QString("MO123456")}}});
    const FindCase& c = GetParam();
    state.CurrentCaseId = c.currentCaseId;

    OpenCasesTable();
    FindCurrentCase();

    Recordset& records = *state.CasesRecordset;
    if (c.foundDesc) {
        ASSERT_TRUE(records.HasCurrent());
        EXPECT_EQ(Text(records.GetValue("casedesc")), c.foundDesc->toStdString());
    } else {
        EXPECT_FALSE(records.HasCurrent());
        EXPECT_TRUE(records.IsEOF());
    }
    EXPECT_EQ(state.CurrentCaseId.toStdString(), c.idAfterwards.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindCurrentCaseTest,
    ::testing::Values(FindCase{"ExactId", "AB000001", QString("Second"), "AB000001"},
                      FindCase{"DuplicateIdFindsTheFirstStored", "MO123456", QString("First MO"), "MO123456"},
                      FindCase{"UnknownId", "ZZ999999", std::nullopt, "ZZ999999"},
                      FindCase{"OtherLetterCase", "ab000001", std::nullopt, "ab000001"},
                      FindCase{"TrailingBlank", "AB000001 ", std::nullopt, "AB000001 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CasesDatabaseTest, EmptyIdTakesTheFirstRecordAndItsId) {
    StoreCases({{{"casedesc", QString("First")}, {"caseid", QString("FI000001")}},
                {{"casedesc", QString("Second")}, {"caseid", QString("SE000002")}}});

    OpenCasesTable();
    FindCurrentCase();

    EXPECT_EQ(Text(state.CasesRecordset->GetValue("casedesc")), "First");
    EXPECT_EQ(state.CurrentCaseId, "FI000001");
}

TEST_F(CasesDatabaseTest, EmptyIdOnEmptyTableLeavesNoCurrentRecord) {
    UpdateCasesDatabase();

    OpenCasesTable();
    FindCurrentCase();

    EXPECT_FALSE(state.CasesRecordset->HasCurrent());
    EXPECT_TRUE(state.CurrentCaseId.isEmpty());
}

TEST_F(CasesDatabaseTest, TableGoneBeforeTheFindEndsTheWalkWithNoRecordToWrite) {
    StoreCases({{{"caseid", QString("FI000001")}}, {{"caseid", QString("SE000002")}}});
    state.CurrentCaseId = "SE000002";
    OpenCasesTable();
    ASSERT_TRUE(Database::OpenDatabase(state.CasesDatabasePath)->Execute("DROP TABLE Cases;"));

    FindCurrentCase();

    EXPECT_FALSE(state.CasesRecordset->HasCurrent());
    EXPECT_FALSE(state.CasesRecordset->Edit());
}

// The calling contract: open, find, edit, assign, update, close.
bool StoreCounty(const QString& county) {
    OpenCasesTable();
    FindCurrentCase();
    const bool edited = state.CasesRecordset->Edit();
    const bool assigned = state.CasesRecordset->SetValue("county", county);
    const bool stored = state.CasesRecordset->Update();
    CloseCasesDatabase();
    return edited && assigned && stored;
}

TEST_F(CasesDatabaseTest, StoredEntryReachesOnlyTheCurrentCase) {
    StoreCases({{{"caseid", QString("FI000001")}, {"county", QString("Wake")}},
                {{"caseid", QString("SE000002")}, {"county", QString("Dare")}}});
    state.CurrentCaseId = "SE000002";

    EXPECT_TRUE(StoreCounty("Nash"));

    const auto rows = ReadTable("Cases");
    EXPECT_EQ(Text(rows.at(0).at(4)), "Wake");
    EXPECT_EQ(Text(rows.at(1).at(4)), "Nash");
    EXPECT_TRUE(CasesDatabaseClosed());
}

TEST_F(CasesDatabaseTest, WriteAfterAFailedFindTouchesNoRecord) {
    StoreCases({{{"caseid", QString("FI000001")}, {"county", QString("Wake")}},
                {{"caseid", QString("SE000002")}, {"county", QString("Dare")}}});
    const auto before = ReadTable("Cases");
    state.CurrentCaseId = "GONE0003";

    EXPECT_FALSE(StoreCounty("Nash"));

    EXPECT_EQ(ReadTable("Cases"), before);
}

TEST_F(CasesDatabaseTest, ACaseIdStoredTwiceReachesTheFirstInTableOrderWhateverWasWrittenLast) {
    std::vector<Row> rows;
    for (int n = 0; n < 300; ++n) {
        const QString id = QString("CA%1").arg(n, 6, 10, QChar('0'));
        rows.push_back({{"casedesc", QString("Case %1").arg(n)}, {"caseid", id}});
    }
    rows[40] = {{"casedesc", QString("Older twin")}, {"caseid", QString("TW000001")}, {"county", QString("Wake")}};
    rows[250] = {{"casedesc", QString("Newer twin")}, {"caseid", QString("TW000001")}, {"county", QString("Dare")}};
    StoreCases(rows);
    state.CurrentCaseId = "TW000001";

    ASSERT_TRUE(StoreCounty("Nash"));
    ASSERT_TRUE(StoreCounty("Pitt"));

    const auto stored = ReadTable("Cases");
    EXPECT_EQ(Text(stored.at(40).at(4)), "Pitt");
    EXPECT_EQ(Text(stored.at(250).at(4)), "Dare");
    OpenCasesTable();
    FindCurrentCase();
    ASSERT_TRUE(state.CasesRecordset->Delete());
    FindCurrentCase();
    EXPECT_EQ(Text(state.CasesRecordset->GetValue("casedesc")), "Newer twin");
}

// The repair walk.

TEST_F(CasesDatabaseTest, FixCasesNullsKeepsNullCasedescAndRepairsTheRest) {
    StoreCases({{{"caseid", QString("NU000001")}},
                {{"casedesc", QString("Kept")}, {"caseid", QString("KE000002")}, {"county", QString("Wake")},
                 {"child1dob", QString("03/07/2024")}}});

    FixCasesNulls();

    EXPECT_EQ(Text(state.CasesRecordset->GetValue("county")), "");
    CloseCasesDatabase();
    const auto rows = ReadTable("Cases");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(Text(rows[0][0]), std::nullopt);
    EXPECT_EQ(Text(rows[0][1]), "NU000001");
    for (size_t i = 2; i < rows[0].size(); ++i) EXPECT_EQ(Text(rows[0][i]), "") << "column " << i + 1;
    EXPECT_EQ(Text(rows[1][0]), "Kept");
    EXPECT_EQ(Text(rows[1][4]), "Wake");
    EXPECT_EQ(Text(rows[1][17]), "03/07/2024");
    EXPECT_EQ(Text(rows[1][90]), "");
}

TEST_F(CasesDatabaseTest, FixCasesNullsRepairsCasesAddedAndColumnsGainedSinceTheLastRepair) {
    std::vector<Column> olderColumns = ParseSchema(kCasesSchema);
    olderColumns.resize(5);  // up to county
    MakeOlderFile({{"Cases", olderColumns}});
    {
        auto db = Database::OpenDatabase(state.CasesDatabasePath);
        AddRow(*db->OpenRecordset("Cases"), {{"caseid", QString("OL000001")}, {"county", QString("Wake")}});
    }
    UpdateCasesDatabase();
    FixCasesNulls();
    AddRow(*state.CasesRecordset, {{"casedesc", QString("Added")}, {"caseid", QString("AD000002")}});
    CloseCasesDatabase();

    FixCasesNulls();
    CloseCasesDatabase();

    const auto rows = ReadTable("Cases");
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 91u);
        for (size_t i = 1; i < row.size(); ++i) EXPECT_TRUE(row[i]) << "column " << i + 1;
    }
    EXPECT_EQ(Text(rows[0][4]), "Wake");
    EXPECT_EQ(Text(rows[1][0]), "Added");
}

TEST_F(CasesDatabaseTest, FixCasesNullsOnEmptyTableChangesNothing) {
    UpdateCasesDatabase();
    const QByteArray before = ReadHostFile(HostFile());

    FixCasesNulls();

    EXPECT_TRUE(state.CasesDatabase && state.CasesDatabase->IsOpen());
    CloseCasesDatabase();
    EXPECT_EQ(ReadHostFile(HostFile()), before);
    EXPECT_EQ(programEnds, 0);
}

}  // namespace
}  // namespace qvr
