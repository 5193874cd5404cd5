#include "core/names_database.h"
#include "core/program_state.h"
#include "platform/database.h"
#include "platform/files.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QDir>
#include <map>

namespace qvr {
namespace {

using test::ModalAnswerer;

// The file format, written out independently of the code: name, declared type, width.
struct NameColumn {
    const char* name;
    const char* declaredType;
    int width;
};

const NameColumn kNamesSchema[] = {
    {"listname", "", 255},           {"firmname", "TEXT(250)", 250},   {"keynumber", "TEXT(250)", 250},
    {"lastfirstmiddle", "TEXT(250)", 250}, {"firstname", "TEXT(50)", 50}, {"middlename", "TEXT(50)", 50},
    {"Lastname", "TEXT(50)", 50},    {"suffix", "TEXT(50)", 50},       {"street", "TEXT(250)", 250},
    {"street2", "TEXT(250)", 250},   {"city", "TEXT(50)", 50},         {"namestate", "TEXT(2)", 2},
    {"zipcode", "TEXT(20)", 20},     {"wphone", "TEXT(15)", 15},       {"hphone", "TEXT(15)", 15},
    {"fphone", "TEXT(15)", 15},      {"cphone", "TEXT(15)", 15},       {"birthdate", "TEXT(10)", 10},
    {"deathdate", "TEXT(10)", 10},   {"shortnote", "TEXT(200)", 200},  {"namecounty", "TEXT(50)", 50},
    {"namessn", "TEXT(20)", 20},     {"namesex", "TEXT(20)", 20},      {"namerace", "TEXT(20)", 20},
    {"barno", "TEXT(20)", 20},       {"notes", "MEMO", -1},            {"email", "TEXT(250)", 250},
    {"employer", "TEXT(250)", 250},  {"anniversary", "TEXT(15)", 15},  {"placemarrg", "TEXT(50)", 50},
    {"startdate", "TEXT(20)", 20},   {"enddate", "TEXT(20)", 20},      {"contact", "TEXT(200)", 200},
    {"cresdate", "TEXT(20)", 20},    {"cempaddr", "TEXT(200)", 200},   {"cempaddr2", "TEXT(200)", 200},
    {"cempcity", "TEXT(50)", 50},    {"cempstate", "TEXT(2)", 2},      {"cempzip", "TEXT(20)", 20},
    {"clsalary", "TEXT(20)", 20},    {"optfield1", "TEXT(250)", 250},  {"optfield2", "TEXT(250)", 250},
    {"optfield3", "TEXT(250)", 250}, {"optfield4", "TEXT(250)", 250},  {"photofile", "TEXT(100)", 100},
    {"photocaption", "TEXT(100)", 100},
};
constexpr int kNamesColumnCount = 46;

struct BlockVariable {
    Value ProgramState::*variable;
    const char* column;
};

const BlockVariable kBlock[] = {
    {&ProgramState::SelKeynumber, "keynumber"},     {&ProgramState::SelFirmname, "firmname"},
    {&ProgramState::SelListname, "listname"},       {&ProgramState::SelFirstname, "firstname"},
    {&ProgramState::SelMiddlename, "middlename"},   {&ProgramState::SelLastname, "Lastname"},
    {&ProgramState::SelSuffix, "suffix"},           {&ProgramState::SelStreet, "street"},
    {&ProgramState::SelStreet2, "street2"},         {&ProgramState::SelCity, "city"},
    {&ProgramState::SelNamestate, "namestate"},     {&ProgramState::SelZipcode, "zipcode"},
    {&ProgramState::SelWphone, "wphone"},           {&ProgramState::SelHphone, "hphone"},
    {&ProgramState::SelFphone, "fphone"},           {&ProgramState::SelCphone, "cphone"},
    {&ProgramState::SelBirthdate, "birthdate"},     {&ProgramState::SelDeathdate, "deathdate"},
    {&ProgramState::SelShortnote, "shortnote"},     {&ProgramState::SelNamecounty, "namecounty"},
    {&ProgramState::SelNamessn, "namessn"},         {&ProgramState::SelBarno, "barno"},
    {&ProgramState::SelEmployer, "employer"},       {&ProgramState::SelEmail, "email"},
    {&ProgramState::SelNotes, "notes"},             {&ProgramState::SelLastfirstmiddle, "lastfirstmiddle"},
    {&ProgramState::SelAnniversary, "anniversary"}, {&ProgramState::SelPlacemarrg, "placemarrg"},
    {&ProgramState::SelStartdate, "startdate"},     {&ProgramState::SelEnddate, "enddate"},
    {&ProgramState::SelContact, "contact"},         {&ProgramState::SelCresdate, "cresdate"},
    {&ProgramState::SelCempaddr, "cempaddr"},       {&ProgramState::SelCempaddr2, "cempaddr2"},
    {&ProgramState::SelCempcity, "cempcity"},       {&ProgramState::SelCempstate, "cempstate"},
    {&ProgramState::SelCempzip, "cempzip"},         {&ProgramState::SelClsalary, "clsalary"},
    {&ProgramState::SelOptfield1, "optfield1"},     {&ProgramState::SelOptfield2, "optfield2"},
    {&ProgramState::SelOptfield3, "optfield3"},
};

std::optional<std::string> Text(const Value& value) {
    if (!value) return std::nullopt;
    return value->toStdString();
}

using Row = std::map<QString, Value>;

// Every row of table Names by column name, read through a connection of its own.
std::vector<Row> ReadNames() {
    std::vector<Row> rows;
    auto db = Database::OpenDatabase(state.NamesDatabasePath);
    if (!db) return rows;
    auto records = db->OpenRecordset("Names");
    if (!records) return rows;
    for (records->MoveFirst(); !records->IsEOF(); records->MoveNext()) {
        Row row;
        for (int i = 0; i < records->FieldCount(); ++i) row[records->Field(i).name] = records->GetValue(i);
        rows.push_back(row);
    }
    return rows;
}

void AddName(const Row& row) {
    auto db = Database::OpenDatabase(state.NamesDatabasePath);
    ASSERT_TRUE(db);
    auto records = db->OpenRecordset("Names");
    ASSERT_TRUE(records);
    ASSERT_TRUE(records->AddNew());
    for (const auto& [column, value] : row) ASSERT_TRUE(records->SetValue(column, value)) << column.toStdString();
    ASSERT_TRUE(records->Update());
}

// A value for every column that differs from every other column's.
Row DistinctValues() {
    Row row;
    for (const NameColumn& column : kNamesSchema) {
        row[column.name] = QString(column.name).left(column.width > 0 ? column.width : 20);
    }
    return row;
}

class NamesDatabaseTest : public test::TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        QDir().mkpath(driveC + "/Data");
        state.NamesDatabasePath = "C:\\Data\\Names.mdb";
    }
};

void ExpectSchema(Database& db) {
    const std::vector<FieldInfo> fields = db.Fields("Names");
    ASSERT_EQ(fields.size(), size_t(kNamesColumnCount));
    for (int i = 0; i < kNamesColumnCount; ++i) {
        const NameColumn& expected = kNamesSchema[i];
        SCOPED_TRACE(std::string("column ") + std::to_string(i + 1));
        EXPECT_EQ(fields[i].name.toStdString(), expected.name);
        EXPECT_EQ(fields[i].type, expected.width < 0 ? dbMemo : dbText);
        EXPECT_EQ(fields[i].width, expected.width);
        if (i > 0 && expected.width > 0) {
            EXPECT_EQ(fields[i].declaredType.toStdString(), expected.declaredType);
        }
    }
}

TEST_F(NamesDatabaseTest, NewFileHasTheNamesTableWithEveryColumnAndNoRecords) {
    ModalAnswerer answer;
    UpdateNamesDatabase();

    EXPECT_FALSE(state.NamesDatabase && state.NamesDatabase->IsOpen());
    auto db = Database::OpenDatabase(state.NamesDatabasePath);
    ASSERT_TRUE(db);
    EXPECT_EQ(db->TableNames(), QStringList({"NAMES"}));
    ExpectSchema(*db);
    EXPECT_EQ(db->OpenRecordset("Names")->RecordCount(), 0);
    EXPECT_TRUE(answer.Titles().isEmpty());
}

TEST_F(NamesDatabaseTest, MissingDataFolderGivesNoFileAndNoMessage) {
    state.NamesDatabasePath = "C:\\No Such Folder\\Names.mdb";
    ModalAnswerer answer;

    UpdateNamesDatabase();
    FixNamesNulls();

    EXPECT_FALSE(files::FolderExists("C:\\No Such Folder"));
    EXPECT_FALSE(state.NamesRecordset);
    EXPECT_TRUE(answer.Titles().isEmpty());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(NamesDatabaseTest, FirstOpenAddsTheSeedRecordWithEveryColumnWritten) {
    UpdateNamesDatabase();

    OpenNamesTable();
    OpenNamesTable();

    ASSERT_TRUE(state.NamesRecordset);
    state.NamesRecordset.reset();
    state.NamesDatabase.reset();
    const std::vector<Row> rows = ReadNames();
    ASSERT_EQ(rows.size(), 1u);
    const std::map<std::string, std::string> seeded = {
        {"keynumber", "A0000001"},         {"firmname", "Example Law Office"},
        {"listname", "Example Law Office"}, {"lastfirstmiddle", "Example Law Office"},
        {"employer", "Example Law Office"}, {"firstname", "Example"},
        {"middlename", "Law"},             {"Lastname", "Office"},
        {"street", "P. O. Box 100"},       {"street2", "(mailing address)"},
        {"city", "Exampleton"},            {"namestate", "NC"},
        {"zipcode", "27000"},              {"namecounty", "Example"},
        {"email", "office@example.com"},
    };
    ASSERT_EQ(rows[0].size(), size_t(kNamesColumnCount));
    for (const auto& [column, value] : rows[0]) {
        const auto seed = seeded.find(column.toStdString());
        EXPECT_EQ(Text(value), seed == seeded.end() ? "" : seed->second) << column.toStdString();
    }
}

TEST_F(NamesDatabaseTest, OpenOnATableWithRecordsAddsNothing) {
    UpdateNamesDatabase();
    AddName({{"listname", QString("O'Brien, Ann")}, {"keynumber", QString("O0000002")}});

    OpenNamesTable();

    EXPECT_EQ(state.NamesRecordset->RecordCount(), 1);
    state.NamesRecordset.reset();
    state.NamesDatabase.reset();
    const std::vector<Row> rows = ReadNames();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Text(rows[0].at("keynumber")), "O0000002");
    EXPECT_EQ(Text(rows[0].at("city")), std::nullopt);
}

TEST_F(NamesDatabaseTest, FileLackingThePhotoColumnsGainsThemAtTheEnd) {
    {
        auto db = Database::CreateDatabase(state.NamesDatabasePath);
        ASSERT_TRUE(db);
        ASSERT_TRUE(db->CreateTable("NAMES", "listname"));
        for (int i = 1; i < kNamesColumnCount - 2; ++i) {
            ASSERT_TRUE(db->Execute(QString("ALTER TABLE Names ADD COLUMN %1 %2;")
                                        .arg(kNamesSchema[i].name, kNamesSchema[i].declaredType)));
        }
    }
    Row stored = DistinctValues();
    stored.erase("photofile");
    stored.erase("photocaption");
    stored["street2"] = std::nullopt;
    AddName(stored);

    UpdateNamesDatabase();

    auto db = Database::OpenDatabase(state.NamesDatabasePath);
    ASSERT_TRUE(db);
    ExpectSchema(*db);
    db.reset();
    const std::vector<Row> rows = ReadNames();
    ASSERT_EQ(rows.size(), 1u);
    stored["photofile"] = std::nullopt;
    stored["photocaption"] = std::nullopt;
    for (const auto& [column, value] : stored) EXPECT_EQ(Text(rows[0].at(column)), Text(value)) << column.toStdString();
}

TEST_F(NamesDatabaseTest, FixNamesNullsRepairsTextAndMemoButNotListname) {
    UpdateNamesDatabase();
    AddName({{"keynumber", QString("B0000002")}});
    AddName({{"listname", QString("Kept")}, {"city", QString("Raleigh")}, {"notes", QString("Long note")}});

    FixNamesNulls();

    EXPECT_EQ(Text(state.NamesRecordset->GetValue("notes")), " ");
    state.NamesRecordset.reset();
    state.NamesDatabase.reset();
    const std::vector<Row> rows = ReadNames();
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& [column, value] : rows[0]) {
        const std::optional<std::string> expected = column == "listname" ? std::nullopt
                                                    : column == "notes"   ? std::optional<std::string>(" ")
                                                    : column == "keynumber" ? std::optional<std::string>("B0000002")
                                                                            : std::optional<std::string>("");
        EXPECT_EQ(Text(value), expected) << column.toStdString();
    }
    EXPECT_EQ(Text(rows[1].at("listname")), "Kept");
    EXPECT_EQ(Text(rows[1].at("city")), "Raleigh");
    EXPECT_EQ(Text(rows[1].at("notes")), "Long note");
    EXPECT_EQ(Text(rows[1].at("zipcode")), "");
}

TEST_F(NamesDatabaseTest, LoadNameFieldsCopiesEachColumnAndKeepsNull) {
    UpdateNamesDatabase();
    Row stored = DistinctValues();
    stored["street2"] = std::nullopt;
    stored["namesex"] = QString("NAMESEX");
    AddName(stored);
    state.SelStreet2 = QString("stale");

    OpenNamesTable();
    state.NamesRecordset->MoveFirst();
    LoadNameFields();

    for (const BlockVariable& block : kBlock) {
        EXPECT_EQ(Text(state.*block.variable), Text(stored.at(block.column))) << block.column;
        EXPECT_NE(Text(state.*block.variable), "NAMESEX") << block.column;
    }
    EXPECT_EQ(state.SelStreet2, std::nullopt);
    EXPECT_EQ(Text(state.SelNamestate), "na");
}

TEST_F(NamesDatabaseTest, LoadNameFieldsWithoutACurrentRecordKeepsTheBlock) {
    UpdateNamesDatabase();
    OpenNamesTable();
    state.NamesRecordset->MoveFirst();
    state.NamesRecordset->MoveNext();
    state.SelCity = QString("Durham");
    state.SelStreet2 = std::nullopt;

    LoadNameFields();

    EXPECT_EQ(Text(state.SelCity), "Durham");
    EXPECT_EQ(state.SelStreet2, std::nullopt);
    EXPECT_EQ(Text(state.SelKeynumber), "");
}

TEST_F(NamesDatabaseTest, ClearNameFieldsEmptiesEveryVariable) {
    for (const BlockVariable& block : kBlock) state.*block.variable = QString(block.column);
    state.SelStreet2 = std::nullopt;

    ClearNameFields();

    for (const BlockVariable& block : kBlock) EXPECT_EQ(Text(state.*block.variable), "") << block.column;
}

}  // namespace
}  // namespace qvr
