#include "core/names_database.h"

#include "core/cases_database.h"
#include "core/database_backups.h"
#include "core/program_state.h"
#include "platform/database.h"
#include "platform/files.h"

#include <map>

namespace qvr {
namespace {

// The whole schema, in the file's column order; never reorder, rename or retype. The first column
// comes with the table.
const std::vector<ColumnDef> kNamesColumns = {
    {"listname", ""},             {"firmname", "TEXT(250)"},   {"keynumber", "TEXT(250)"},
    {"lastfirstmiddle", "TEXT(250)"},
    {"firstname", "TEXT(50)"},    {"middlename", "TEXT(50)"},  {"Lastname", "TEXT(50)"},
    {"suffix", "TEXT(50)"},       {"street", "TEXT(250)"},     {"street2", "TEXT(250)"},
    {"city", "TEXT(50)"},         {"namestate", "TEXT(2)"},    {"zipcode", "TEXT(20)"},
    {"wphone", "TEXT(15)"},       {"hphone", "TEXT(15)"},      {"fphone", "TEXT(15)"},
    {"cphone", "TEXT(15)"},       {"birthdate", "TEXT(10)"},   {"deathdate", "TEXT(10)"},
    {"shortnote", "TEXT(200)"},   {"namecounty", "TEXT(50)"},  {"namessn", "TEXT(20)"},
    {"namesex", "TEXT(20)"},      {"namerace", "TEXT(20)"},    {"barno", "TEXT(20)"},
    {"notes", "MEMO"},            {"email", "TEXT(250)"},      {"employer", "TEXT(250)"},
    {"anniversary", "TEXT(15)"},  {"placemarrg", "TEXT(50)"},  {"startdate", "TEXT(20)"},
    {"enddate", "TEXT(20)"},      {"contact", "TEXT(200)"},    {"cresdate", "TEXT(20)"},
    {"cempaddr", "TEXT(200)"},    {"cempaddr2", "TEXT(200)"},  {"cempcity", "TEXT(50)"},
    {"cempstate", "TEXT(2)"},     {"cempzip", "TEXT(20)"},     {"clsalary", "TEXT(20)"},
    {"optfield1", "TEXT(250)"},   {"optfield2", "TEXT(250)"},  {"optfield3", "TEXT(250)"},
    {"optfield4", "TEXT(250)"},   {"photofile", "TEXT(100)"},  {"photocaption", "TEXT(100)"},
};

// The record an empty table receives; every other column gets the empty text.
const std::map<QString, QString> kSeedValues = {
    {"keynumber", "A0000001"},
    {"firmname", "Example Law Office"},
    {"listname", "Example Law Office"},
    {"lastfirstmiddle", "Example Law Office"},
    {"employer", "Example Law Office"},
    {"firstname", "Example"},
    {"middlename", "Law"},
    {"Lastname", "Office"},
    {"street", "P. O. Box 100"},
    {"street2", "(mailing address)"},
    {"city", "Exampleton"},
    {"namestate", "NC"},
    {"zipcode", "27000"},
    {"namecounty", "Example"},
    {"email", "office@example.com"},
};

struct BlockField {
    Value ProgramState::*variable;
    const char* column;
};

// namesex, namerace, optfield4, photofile and photocaption have no variable.
const BlockField kSelectedNameBlock[] = {
    {&ProgramState::SelKeynumber, "keynumber"},
    {&ProgramState::SelFirmname, "firmname"},
    {&ProgramState::SelListname, "listname"},
    {&ProgramState::SelFirstname, "firstname"},
    {&ProgramState::SelMiddlename, "middlename"},
    {&ProgramState::SelLastname, "Lastname"},
    {&ProgramState::SelSuffix, "suffix"},
    {&ProgramState::SelStreet, "street"},
    {&ProgramState::SelStreet2, "street2"},
    {&ProgramState::SelCity, "city"},
    {&ProgramState::SelNamestate, "namestate"},
    {&ProgramState::SelZipcode, "zipcode"},
    {&ProgramState::SelWphone, "wphone"},
    {&ProgramState::SelHphone, "hphone"},
    {&ProgramState::SelFphone, "fphone"},
    {&ProgramState::SelCphone, "cphone"},
    {&ProgramState::SelBirthdate, "birthdate"},
    {&ProgramState::SelDeathdate, "deathdate"},
    {&ProgramState::SelShortnote, "shortnote"},
    {&ProgramState::SelNamecounty, "namecounty"},
    {&ProgramState::SelNamessn, "namessn"},
    {&ProgramState::SelBarno, "barno"},
    {&ProgramState::SelEmployer, "employer"},
    {&ProgramState::SelEmail, "email"},
    {&ProgramState::SelNotes, "notes"},
    {&ProgramState::SelLastfirstmiddle, "lastfirstmiddle"},
    {&ProgramState::SelAnniversary, "anniversary"},
    {&ProgramState::SelPlacemarrg, "placemarrg"},
    {&ProgramState::SelStartdate, "startdate"},
    {&ProgramState::SelEnddate, "enddate"},
    {&ProgramState::SelContact, "contact"},
    {&ProgramState::SelCresdate, "cresdate"},
    {&ProgramState::SelCempaddr, "cempaddr"},
    {&ProgramState::SelCempaddr2, "cempaddr2"},
    {&ProgramState::SelCempcity, "cempcity"},
    {&ProgramState::SelCempstate, "cempstate"},
    {&ProgramState::SelCempzip, "cempzip"},
    {&ProgramState::SelClsalary, "clsalary"},
    {&ProgramState::SelOptfield1, "optfield1"},
    {&ProgramState::SelOptfield2, "optfield2"},
    {&ProgramState::SelOptfield3, "optfield3"},
};

void CloseNamesDatabase() {
    state.NamesRecordset.reset();
    state.NamesDatabase.reset();
}

void CreateNamesFile() {
    state.NamesDatabase = Database::CreateDatabase(state.NamesDatabasePath);
    if (state.NamesDatabase) state.NamesDatabase->CreateTable("NAMES", kNamesColumns.front().name);
    CloseNamesDatabase();
}

void AddSeedRecord(Recordset& names) {
    if (!names.AddNew()) return;
    for (const ColumnDef& column : kNamesColumns) {
        const auto seed = kSeedValues.find(column.name);
        names.SetValue(column.name, seed == kSeedValues.end() ? QString("") : seed->second);
    }
    if (!names.Update()) names.CancelUpdate();
}

}  // namespace

void UpdateNamesDatabase() {
    FinishCheckOf(state.NamesDatabasePath);
    CloseNamesDatabase();
    if (!files::FileExists(state.NamesDatabasePath)) CreateNamesFile();
    state.NamesDatabase = Database::OpenDatabase(state.NamesDatabasePath);
    if (state.NamesDatabase) AddMissingColumns(*state.NamesDatabase, "Names", kNamesColumns);
    CloseNamesDatabase();
}

void OpenNamesTable() {
    FinishCheckOf(state.NamesDatabasePath);
    CloseNamesDatabase();
    state.NamesDatabase = Database::OpenDatabase(state.NamesDatabasePath);
    if (!state.NamesDatabase) return;
    state.NamesRecordset = state.NamesDatabase->OpenRecordset("Names");
    if (state.NamesRecordset && state.NamesRecordset->RecordCount() == 0) AddSeedRecord(*state.NamesRecordset);
}

void FixNamesNulls() {
    OpenNamesTable();
    if (!state.NamesRecordset) return;
    RepairNullColumns(*state.NamesDatabase, "Names");
    state.NamesRecordset->MoveFirst();  // its first record was read before the repair
}

void LoadNameFields() {
    const Recordset* names = state.NamesRecordset.get();
    if (!names) return;
    for (const BlockField& field : kSelectedNameBlock) {
        bool ok = false;
        const Value value = names->GetValue(field.column, &ok);
        if (ok) state.*field.variable = value;
    }
}

void ClearNameFields() {
    for (const BlockField& field : kSelectedNameBlock) state.*field.variable = QString("");
}

}  // namespace qvr
