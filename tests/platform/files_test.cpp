#include "platform/files.h"

#include "support/temp_drive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace qvr::files {
namespace {

class FilesTest : public test::TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        WriteHostFile(driveC + "/QVRForms/Data/Names.mdb", "names");
        WriteHostFile(driveC + "/QVRForms/Données/Old.mdb", "old");
    }

    void ExpectHostFile(const QString& windowsPath, const QByteArray& bytes) {
        EXPECT_TRUE(FileExists(windowsPath)) << windowsPath.toStdString();
        EXPECT_EQ(ReadHostFile(Host(windowsPath)), bytes) << windowsPath.toStdString();
    }

    static void MakeReadOnly(const QString& hostPath) {
        ASSERT_TRUE(QFile::setPermissions(hostPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    }
};

struct Resolution {
    const char* windowsPath;
    const char* hostBelowDriveC;
};

TEST_F(FilesTest, ResolvesPathsOnDriveC) {
    const Resolution cases[] = {
        {"C:\\QVRForms\\Data\\Names.mdb", "/QVRForms/Data/Names.mdb"},
        {"c:\\qvrforms\\DATA\\NAMES.MDB", "/QVRForms/Data/Names.mdb"},
        {"C:/QVRForms/Data\\Names.MDB", "/QVRForms/Data/Names.mdb"},
        {"\\QVRFORMS\\Data\\names.mdb", "/QVRForms/Data/Names.mdb"},
        {"QVRForms\\Data\\Names.mdb", "/QVRForms/Data/Names.mdb"},
        {"C:\\QVRFORMS\\DONNÉES\\old.MDB", "/QVRForms/Données/Old.mdb"},
        {"C:\\QVRFORMS\\Data\\New File.MDB", "/QVRForms/Data/New File.MDB"},
        {"C:\\QVRFORMS\\NewFolder\\Data\\X.mdb", "/QVRForms/NewFolder/Data/X.mdb"},
        {"C:\\QVRForms\\.\\Data\\..\\Data\\\\Names.mdb", "/QVRForms/Data/Names.mdb"},
        {"C:\\..\\..\\QVRForms\\", "/QVRForms"},
        {"C:\\", ""},
        {"C:", ""},
    };
    for (const Resolution& c : cases)
        EXPECT_EQ(Host(QString::fromUtf8(c.windowsPath)), driveC + QString::fromUtf8(c.hostBelowDriveC))
            << c.windowsPath;
}

TEST_F(FilesTest, RelativePathsStartAtTheCurrentDirectory) {
    const QString driveD = MapExtraDrive('D');
    ASSERT_TRUE(QDir::setCurrent(driveC + "/QVRForms"));
    const Resolution cases[] = {
        {"Data\\Names.mdb", "/QVRForms/Data/Names.mdb"},
        {"C:data\\names.mdb", "/QVRForms/Data/Names.mdb"},
        {"..\\QVRForms\\Data", "/QVRForms/Data"},
        {".", "/QVRForms"},
        {"\\Data", "/Data"},
    };
    for (const Resolution& c : cases)
        EXPECT_EQ(Host(c.windowsPath), driveC + c.hostBelowDriveC) << c.windowsPath;
    EXPECT_EQ(Host("D:Data"), driveD + "/Data");
}

TEST_F(FilesTest, MappedDriveResolvesInItsFolder) {
    const QString driveD = MapExtraDrive('d');
    WriteHostFile(driveD + "/Shared/Cases.mdb", "cases");
    EXPECT_EQ(MappedDrives(), QStringList({"C:", "D:"}));
    EXPECT_EQ(Host("d:\\SHARED\\cases.MDB"), driveD + "/Shared/Cases.mdb");
    EXPECT_TRUE(FileExists("D:\\Shared\\Cases.mdb"));
    EXPECT_FALSE(FileExists("C:\\Shared\\Cases.mdb"));

    ASSERT_TRUE(QDir::setCurrent(driveD + "/Shared"));
    EXPECT_EQ(CurrentDirectory(), "D:\\Shared");
    EXPECT_EQ(Host("\\Shared\\Cases.mdb"), driveD + "/Shared/Cases.mdb");
}

TEST_F(FilesTest, MappingIgnoresNonLettersAndUnmapsOnEmptyFolder) {
    MapExtraDrive('D');
    MapDrive('1', driveC);
    MapDrive(QChar(0x00C9), driveC);
    EXPECT_EQ(MappedDrives(), QStringList({"C:", "D:"}));
    MapDrive('d', "");
    EXPECT_EQ(MappedDrives(), QStringList({"C:"}));
    EXPECT_EQ(Host("D:\\x"), "");
}

TEST_F(FilesTest, ResetMapsOnlyDriveCToTheHostRoot) {
    MapExtraDrive('D');
    ResetDriveMapping();
    EXPECT_EQ(MappedDrives(), QStringList({"C:"}));
    EXPECT_EQ(Host("C:\\QVRForms"), "/QVRForms");
    EXPECT_EQ(Host("D:\\QVRForms"), "");
    EXPECT_EQ(CurrentDirectory(), "C:" + QDir::currentPath().replace('/', '\\'));
}

TEST_F(FilesTest, PathsThatNameNothingFailEveryOperation) {
    const QString nul = QString("C:\\QVRForms\\Data") + QChar(0) + "Names.mdb";
    const QString loneSurrogate = QString("C:\\QVRForms\\") + QChar(0xD800);
    const QString cases[] = {
        "",
        "Q:\\QVRForms\\Data\\Names.mdb",
        "\\\\server\\share\\Names.mdb",
        "C:\\QVRForms\\Data\\Na\"mes.mdb",
        "C:\\QVRForms\\Data\\Names.mdb:stream",
        "C:\\QVRForms\\Data\\*.mdb",
        "C:\\QVRForms\\Data\\Names?.mdb",
        "C:\\QVRForms\\Data<x>",
        "1:\\QVRForms",
        nul,
        loneSurrogate,
    };
    const QStringList before = QDir(driveC + "/QVRForms/Data").entryList(QDir::AllEntries | QDir::Hidden);
    for (const QString& path : cases) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(Host(path), "");
        EXPECT_FALSE(FileExists(path));
        EXPECT_FALSE(FolderExists(path));
        EXPECT_FALSE(CopyFile("C:\\QVRForms\\Data\\Names.mdb", path));
        EXPECT_FALSE(CopyFile(path, "C:\\QVRForms\\Data\\Copy.mdb"));
        EXPECT_FALSE(RenameFile("C:\\QVRForms\\Data\\Names.mdb", path));
        EXPECT_FALSE(DeleteFile(path));
        EXPECT_TRUE(ListFolders(path).isEmpty());
    }
    EXPECT_EQ(QDir(driveC + "/QVRForms/Data").entryList(QDir::AllEntries | QDir::Hidden), before);
    ExpectHostFile("C:\\QVRForms\\Data\\Names.mdb", "names");
}

TEST_F(FilesTest, HugeNamesFailCleanly) {
    const QString longName = "C:\\QVRForms\\" + QString(300, 'x');
    const QString longPath = "C:" + QString("\\abc").repeated(20000);
    for (const QString& path : {longName, longPath}) {
        EXPECT_FALSE(FileExists(path));
        EXPECT_FALSE(CopyFile("C:\\QVRForms\\Data\\Names.mdb", path));
    }
}

TEST_F(FilesTest, ExistsTellsFilesFromFolders) {
    struct Case {
        const char* path;
        bool file;
        bool folder;
    } cases[] = {
        {"C:\\QVRForms\\Data\\NAMES.mdb", true, false},
        {"C:\\QVRForms\\data", false, true},
        {"C:\\", false, true},
        {"C:\\QVRForms\\Data\\Missing.mdb", false, false},
        {"C:\\QVRForms\\Data\\Names.mdb\\Inner.mdb", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileExists(c.path), c.file) << c.path;
        EXPECT_EQ(FolderExists(c.path), c.folder) << c.path;
    }
}

TEST_F(FilesTest, WindowsPathTakesTheClosestDriveOnNameBoundaries) {
    MapDrive('D', driveC + "/a/b/");
    MapDrive('E', driveC + "/a");
    struct Case {
        const char* hostBelowDriveC;
        const char* windowsPath;
    } cases[] = {
        {"/QVRForms/TABLE24.MDB", "C:\\QVRForms\\TABLE24.MDB"},
        {"", "C:\\"},
        {"/a", "E:\\"},
        {"/a/x/y", "E:\\x\\y"},
        {"/ab/x", "C:\\ab\\x"},
        {"/a/b/c", "D:\\c"},
        {"/a/bc", "E:\\bc"},
        {"/QVRForms/../a//x/", "E:\\x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowsPath(driveC + c.hostBelowDriveC), c.windowsPath) << c.hostBelowDriveC;
    EXPECT_EQ(WindowsPath(driveC + "/../elsewhere"), "");
    EXPECT_EQ(WindowsPath(""), "");
}

TEST_F(FilesTest, CurrentDirectoryReadsOnItsDrive) {
    EXPECT_EQ(CurrentDirectory(), "C:\\");
    ASSERT_TRUE(QDir::setCurrent(driveC + "/QVRForms/Données"));
    EXPECT_EQ(CurrentDirectory(), "C:\\QVRForms\\Données");
}

TEST_F(FilesTest, CurrentDirectoryFindsADriveMappedThroughALink) {
    const QString target = MapExtraDrive('E');
    QDir().mkpath(target + "/Sub");
    const QString link = driveC + "/../link";
    ASSERT_TRUE(QFile::link(target, link));
    MapDrive('D', link);
    MapDrive('E', "");
    ASSERT_TRUE(QDir::setCurrent(link + "/Sub"));
    EXPECT_EQ(CurrentDirectory(), "D:\\Sub");
}

TEST_F(FilesTest, CopyMakesAByteCopyUnderTheGivenName) {
    const QByteArray bytes = QByteArray(200000, 'z') + QByteArray("\0\x01\xff", 3);
    WriteHostFile(driveC + "/QVRForms/Data/Big.mdb", bytes);
    ASSERT_TRUE(CopyFile("c:\\qvrforms\\data\\big.MDB", "C:\\QVRFORMS\\DATA\\Copy Ü.MDB"));
    EXPECT_TRUE(QFileInfo::exists(driveC + "/QVRForms/Data/Copy Ü.MDB"));
    ExpectHostFile("C:\\QVRForms\\Data\\Copy Ü.MDB", bytes);
    ExpectHostFile("C:\\QVRForms\\Data\\Big.mdb", bytes);
}

TEST_F(FilesTest, CopyReplacesALongerTarget) {
    WriteHostFile(driveC + "/QVRForms/Data/Names_Backup.MDB", "a much longer old backup");
    ASSERT_TRUE(CopyFile("C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\Data\\names_backup.mdb"));
    ExpectHostFile("C:\\QVRForms\\Data\\Names_Backup.MDB", "names");
}

TEST_F(FilesTest, CopyOntoItselfKeepsTheFile) {
    ASSERT_TRUE(CopyFile("C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\Data\\NAMES.MDB"));
    ExpectHostFile("C:\\QVRForms\\Data\\Names.mdb", "names");
}

TEST_F(FilesTest, FailedCopyKeepsTheOldTarget) {
    WriteHostFile(driveC + "/QVRForms/Data/Target.mdb", "old target");
    WriteHostFile(driveC + "/QVRForms/Data/Locked.mdb", "locked");
    MakeReadOnly(driveC + "/QVRForms/Data/Locked.mdb");
    struct Case {
        const char* from;
        const char* to;
    } cases[] = {
        {"C:\\QVRForms\\Data\\Missing.mdb", "C:\\QVRForms\\Data\\Target.mdb"},
        {"C:\\QVRForms\\Data", "C:\\QVRForms\\Data\\Target.mdb"},
        {"C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\Data\\Locked.mdb"},
        {"C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\Données"},
        {"C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\NoFolder\\Target.mdb"},
        {"C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\Data\\Names.mdb\\Target.mdb"},
    };
    const QStringList before = QDir(driveC + "/QVRForms/Data").entryList(QDir::AllEntries | QDir::Hidden);
    for (const Case& c : cases) EXPECT_FALSE(CopyFile(QString::fromUtf8(c.from), QString::fromUtf8(c.to))) << c.to;
    EXPECT_EQ(QDir(driveC + "/QVRForms/Data").entryList(QDir::AllEntries | QDir::Hidden), before);
    ExpectHostFile("C:\\QVRForms\\Data\\Target.mdb", "old target");
    ExpectHostFile("C:\\QVRForms\\Data\\Locked.mdb", "locked");
    EXPECT_FALSE(FolderExists("C:\\QVRForms\\NoFolder"));
    EXPECT_TRUE(FolderExists("C:\\QVRForms\\Données"));
}

TEST_F(FilesTest, RenameReplacesTheTarget) {
    WriteHostFile(driveC + "/QVRForms/Data/Old.pdf", "old output");
    WriteHostFile(driveC + "/QVRForms/Data/New.tmp", "new output");
    ASSERT_TRUE(RenameFile("C:\\QVRForms\\Data\\new.TMP", "C:\\QVRForms\\Data\\OLD.pdf"));
    ExpectHostFile("C:\\QVRForms\\Data\\Old.pdf", "new output");
    EXPECT_FALSE(FileExists("C:\\QVRForms\\Data\\New.tmp"));

    ASSERT_TRUE(RenameFile("C:\\QVRForms\\Data\\Old.pdf", "C:\\QVRForms\\Données\\Moved.PDF"));
    ExpectHostFile("C:\\QVRForms\\Données\\Moved.PDF", "new output");
}

TEST_F(FilesTest, FailedRenameKeepsBothFiles) {
    WriteHostFile(driveC + "/QVRForms/Data/Locked.mdb", "locked");
    MakeReadOnly(driveC + "/QVRForms/Data/Locked.mdb");
    struct Case {
        const char* from;
        const char* to;
    } cases[] = {
        {"C:\\QVRForms\\Data\\Missing.mdb", "C:\\QVRForms\\Data\\Names.mdb"},
        {"C:\\QVRForms\\Données", "C:\\QVRForms\\Data\\Names.mdb"},
        {"C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\Data\\Locked.mdb"},
        {"C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\Données"},
        {"C:\\QVRForms\\Data\\Names.mdb", "C:\\QVRForms\\NoFolder\\Names.mdb"},
    };
    for (const Case& c : cases) EXPECT_FALSE(RenameFile(QString::fromUtf8(c.from), QString::fromUtf8(c.to))) << c.to;
    ExpectHostFile("C:\\QVRForms\\Data\\Names.mdb", "names");
    ExpectHostFile("C:\\QVRForms\\Data\\Locked.mdb", "locked");
    EXPECT_TRUE(FolderExists("C:\\QVRForms\\Données"));
}

TEST_F(FilesTest, DeleteRemovesOnlyWritableFiles) {
    WriteHostFile(driveC + "/QVRForms/Data/Locked.mdb", "locked");
    MakeReadOnly(driveC + "/QVRForms/Data/Locked.mdb");
    EXPECT_TRUE(DeleteFile("c:\\QVRFORMS\\data\\NAMES.MDB"));
    EXPECT_FALSE(QFileInfo::exists(driveC + "/QVRForms/Data/Names.mdb"));
    EXPECT_FALSE(DeleteFile("C:\\QVRForms\\Data\\Names.mdb"));
    EXPECT_FALSE(DeleteFile("C:\\QVRForms\\Data\\Locked.mdb"));
    EXPECT_TRUE(FileExists("C:\\QVRForms\\Data\\Locked.mdb"));
    EXPECT_FALSE(DeleteFile("C:\\QVRForms\\Data"));
    EXPECT_TRUE(FolderExists("C:\\QVRForms\\Data"));
}

TEST_F(FilesTest, ListFoldersSortsNamesWithoutRegardToCase) {
    for (const char* name : {"beta", "Gamma", "ALPHA2", "Alpha", ".hidden"})
        QDir().mkpath(driveC + "/Cases/" + name);
    WriteHostFile(driveC + "/Cases/delta.mdb", "");
    EXPECT_EQ(ListFolders("c:\\CASES"), QStringList({"Alpha", "ALPHA2", "beta", "Gamma"}));
    EXPECT_EQ(ListFolders("C:\\"), QStringList({"Cases", "QVRForms"}));
    EXPECT_TRUE(ListFolders("C:\\Cases\\delta.mdb").isEmpty());
    EXPECT_TRUE(ListFolders("C:\\Missing").isEmpty());
}

}  // namespace
}  // namespace qvr::files
