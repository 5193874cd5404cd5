#include "core/program_state.h"
#include "core/settings_database.h"
#include "platform/database.h"
#include "platform/files.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

namespace qvr::test {
namespace {

const QStringList kMainColumns{"fileslocation", "categoryfilename", "optfield1", "optfield2", "optfield3",
                               "optfield4",     "optfield5",        "optfield6", "optfield7", "optfield8",
                               "optfield9"};

class SettingsDatabaseTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        state.StartDrive = "C:";
        state.MainDatabasePath = "C:\\QVRForms\\WYTH2024.MDB";
    }

    static QStringList ColumnNames() {
        auto database = Database::OpenDatabase(state.MainDatabasePath);
        QStringList names;
        if (!database) return names;
        for (const FieldInfo& field : database->Fields("Main")) names << field.name;
        return names;
    }

    // A settings file of an older release: only the given columns, one record with the given values.
    static void MakeOldSettingsFile(const QStringList& columns, const QList<Value>& values) {
        auto database = Database::CreateDatabase(state.MainDatabasePath);
        ASSERT_TRUE(database);
        ASSERT_TRUE(database->CreateTable("Main", columns[0], 200));
        for (const QString& column : columns.mid(1))
            ASSERT_TRUE(database->Execute(QString("ALTER TABLE Main ADD COLUMN %1 TEXT;").arg(column)));
        auto main = database->OpenRecordset("Main");
        ASSERT_TRUE(main->AddNew());
        for (int i = 0; i < values.size(); ++i) main->SetValue(columns[i], values[i]);
        ASSERT_TRUE(main->Update());
    }

    static Value StoredValue(const QString& column) {
        auto database = Database::OpenDatabase(state.MainDatabasePath);
        auto main = database ? database->OpenRecordset("Main") : nullptr;
        if (!main || !main->MoveFirst()) return std::nullopt;
        return main->GetValue(column);
    }
};

TEST_F(SettingsDatabaseTest, FirstStartMakesTheFileWithOneRecordPointingAtTheFixedFolder) {
    UpdateMainDatabase();
    ReadMainRecord();

    EXPECT_EQ(ColumnNames(), kMainColumns);
    EXPECT_EQ(state.FilesLocation, "C:\\QVRForms");
    ASSERT_TRUE(state.MainRecordset);
    EXPECT_EQ(state.MainRecordset->RecordCount(), 1);
    EXPECT_EQ(StoredValue("fileslocation"), QString("C:\\QVRForms"));
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(StoredValue(QString("optfield%1").arg(n)), QString("")) << n;
    EXPECT_EQ(StoredValue("categoryfilename"), std::nullopt);
}

TEST_F(SettingsDatabaseTest, DeclaredWidthsOfTheColumns) {
    UpdateMainDatabase();
    auto database = Database::OpenDatabase(state.MainDatabasePath);
    const auto fields = database->Fields("Main");
    ASSERT_EQ(fields.size(), 11u);
    EXPECT_EQ(fields[0].width, 200);
    EXPECT_EQ(fields[1].width, 20);
    for (size_t i = 2; i < fields.size(); ++i) EXPECT_GE(fields[i].width, 255) << fields[i].name.toStdString();
}

TEST_F(SettingsDatabaseTest, OlderFileGainsExactlyTheMissingColumnsAndKeepsItsValues) {
    MakeOldSettingsFile({"fileslocation", "optfield1", "optfield2"}, {QString("E:\\CASES"), QString("kept"), QString("")});

    UpdateMainDatabase();

    EXPECT_EQ(ColumnNames(), (QStringList{"fileslocation", "optfield1", "optfield2", "categoryfilename", "optfield3",
                                          "optfield4", "optfield5", "optfield6", "optfield7", "optfield8",
                                          "optfield9"}));
    EXPECT_EQ(StoredValue("fileslocation"), QString("E:\\CASES"));
    EXPECT_EQ(StoredValue("optfield1"), QString("kept"));
}

TEST_F(SettingsDatabaseTest, SecondRunChangesNothing) {
    UpdateMainDatabase();
    ReadMainRecord();
    state.MainDatabase.reset();
    const QByteArray before = ReadHostFile(Host(state.MainDatabasePath));

    UpdateMainDatabase();

    EXPECT_EQ(ReadHostFile(Host(state.MainDatabasePath)), before);
}

TEST_F(SettingsDatabaseTest, NullOptionalFieldBecomesEmptyTextAndOthersStay) {
    MakeOldSettingsFile(kMainColumns, {QString("C:\\DATA"), std::nullopt, QString("one"), QString("two"),
                                       std::nullopt, QString("four")});
    UpdateMainDatabase();
    ReadMainRecord();
    state.MainDatabase.reset();

    EXPECT_EQ(StoredValue("optfield3"), QString(""));
    EXPECT_EQ(StoredValue("optfield1"), QString("one"));
    EXPECT_EQ(StoredValue("optfield4"), QString("four"));
    EXPECT_EQ(StoredValue("categoryfilename"), std::nullopt);  // not an optional field: left alone
}

TEST_F(SettingsDatabaseTest, StoredFolderIsReadBackExactly) {
    const QStringList folders{"\\\\SERVER\\SHARE\\CHILD SUPPORT", "D:\\CASES\\O'BRIEN & SONS", "C:\\ÄRENDEN"};
    for (const QString& folder : folders) {
        UpdateMainDatabase();
        ReadMainRecord();
        state.FilesLocation = folder;
        ASSERT_TRUE(SaveFilesLocation());

        state.FilesLocation.clear();
        ReadMainRecord();
        EXPECT_EQ(state.FilesLocation, folder);
    }
}

TEST_F(SettingsDatabaseTest, FolderLongerThanTheColumnIsNotStored) {
    UpdateMainDatabase();
    ReadMainRecord();
    state.FilesLocation = "C:\\" + QString(200, 'X');

    EXPECT_FALSE(SaveFilesLocation());

    EXPECT_EQ(StoredValue("fileslocation"), QString("C:\\QVRForms"));
    EXPECT_EQ(state.FilesLocation, "C:\\" + QString(200, 'X'));  // kept for the rest of the run
}

TEST_F(SettingsDatabaseTest, UnreadableSettingsFileIsSetAsideForFreshSettings) {
    WriteHostFile(Host(state.MainDatabasePath), QByteArray(4096, '\x5a'));
    ModalAnswerer answerer;
    answerer.Click("OK");

    UpdateMainDatabase();
    ReadMainRecord();

    EXPECT_EQ(answerer.Texts(), QStringList{"The settings file C:\\QVRForms\\WYTH2024.MDB could not be read.  It has "
                                            "been kept as C:\\QVRForms\\WYTH2024_Damaged.MDB, and new settings have "
                                            "been made: the data folder is C:\\QVRForms.  If your cases and names are "
                                            "kept in another folder, choose it again under \"Location\"."});
    EXPECT_EQ(state.FilesLocation, "C:\\QVRForms");
    EXPECT_TRUE(SaveFilesLocation());
}

}  // namespace
}  // namespace qvr::test
