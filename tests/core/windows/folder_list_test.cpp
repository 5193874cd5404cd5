#include "core/windows/folder_list.h"
#include "support/print_qstring.h"
#include "support/list_clicks.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QTest>

namespace qvr::test {
namespace {

class FolderListTest : public TempDriveTest {
protected:
    void SetUp() override {
        TempDriveTest::SetUp();
        for (const char* folder : {"QVRForms/Shared", "QVRForms/archive", "QVRForms/O'Brien Müller/Inner"})
            QDir().mkpath(driveC + "/" + folder);
        list.resize(300, 400);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QStringList Lines() const {
        QStringList lines;
        for (int row = 0; row < list.count(); ++row) lines << list.item(row)->text();
        return lines;
    }

    void DoubleClick(const QString& caption) {
        const auto lines = list.findItems(caption, Qt::MatchEndsWith);
        ASSERT_FALSE(lines.isEmpty()) << caption.toStdString();
        DoubleClickItem(&list, lines.front());
    }

    FolderList list;
};

TEST_F(FolderListTest, ShowsTheFoldersAboveIndentedThenTheFoldersInside) {
    list.SetPath("C:\\QVRForms");

    EXPECT_EQ(list.Path(), "C:\\QVRForms");
    EXPECT_EQ(Lines(), (QStringList{"C:\\", "   QVRForms", "      archive", "      O'Brien Müller", "      Shared"}));
    EXPECT_EQ(list.currentRow(), 1);
}

struct PathCase {
    const char* asked;
    const char* shown;
};

class FolderListPath : public FolderListTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(FolderListPath, OpensTheNearestFolderThatCanBeShown) {
    list.SetPath(GetParam().asked);

    EXPECT_EQ(list.Path(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderListPath,
                         ::testing::Values(PathCase{"C:\\QVRForms\\Shared", "C:\\QVRForms\\Shared"},
                                           PathCase{"c:\\qvrforms\\SHARED", "C:\\QVRForms\\Shared"},
                                           PathCase{"C:\\QVRFORMS\\Gone\\Deeper", "C:\\QVRForms"},
                                           PathCase{"C:\\", "C:\\"},
                                           PathCase{"C:", "C:\\"},
                                           PathCase{"\\QVRForms", "C:\\QVRForms"},
                                           PathCase{"Q:\\Unmapped", "C:\\"},
                                           PathCase{"", "C:\\"},
                                           PathCase{"C:\\bad|name", "C:\\"}));

TEST_F(FolderListTest, DoubleClickOpensAFolderAndALineAboveGoesUp) {
    list.SetPath("C:\\QVRForms");

    DoubleClick("O'Brien Müller");
    EXPECT_EQ(list.Path(), "C:\\QVRForms\\O'Brien Müller");
    DoubleClick("Inner");
    EXPECT_EQ(list.Path(), "C:\\QVRForms\\O'Brien Müller\\Inner");
    DoubleClick("QVRForms");
    EXPECT_EQ(list.Path(), "C:\\QVRForms");
    DoubleClick("C:\\");
    EXPECT_EQ(list.Path(), "C:\\");
    EXPECT_EQ(Lines().first(), "C:\\");
    EXPECT_TRUE(Lines().contains("   QVRForms"));
}

TEST_F(FolderListTest, ADriveAloneOpensItsRoot) {
    const QString driveD = MapExtraDrive('D');
    QDir().mkpath(driveD + "/Data");

    list.SetPath("D:");

    EXPECT_EQ(list.Path(), "D:\\");
    EXPECT_EQ(Lines(), (QStringList{"D:\\", "   Data"}));
}

TEST(ParentFolder, GoesUpOneFolderAndStopsAtTheRoot) {
    EXPECT_EQ(ParentFolder("C:\\A\\B"), "C:\\A");
    EXPECT_EQ(ParentFolder("C:\\A"), "C:\\");
    EXPECT_EQ(ParentFolder("C:\\"), "C:\\");
}

}  // namespace
}  // namespace qvr::test
