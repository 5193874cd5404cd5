#include "support/frame_fixture.h"

#include "core/program_state.h"
#include "core/windows/background.h"
#include "platform/database.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace qvr::test {
namespace {

QWidget* StartWindow() { return LoadedWorkingWindow("Splash"); }

QLabel* SplashLabel(const char* name) { return StartWindow()->findChild<QLabel*>(name); }

class SplashTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        StartProgram();
    }

    // The case library is there after a switch, and nothing else is.
    static void ExpectCaseLibraryAlone() {
        DeleteUnloadedWindows();
        EXPECT_EQ(ShownWindows(), QStringList{"CaseLibrary"});
        EXPECT_EQ(state.CaseLibraryOpened, "Y");
    }

    // Typed as a user types: into the window that has the focus, which is the start window.
    void PressEsc(ModalAnswerer& answerer) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&MainWindow()));
        ASSERT_EQ(QApplication::focusWidget(), StartWindow());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        DeleteUnloadedWindows();
        EXPECT_TRUE(answerer.Unexpected().isEmpty()) << answerer.Unexpected().join(", ").toStdString();
    }
};

TEST_F(SplashTest, ShowsPictureTitleMakerVersionAndInstructionUncut) {
    QWidget* splash = StartWindow();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->windowTitle(), "Quorvane");
    EXPECT_EQ(SplashLabel("Image1")->pixmap().size(), QSize(800, 494));
    const std::pair<const char*, QString> texts[] = {
        {"Label2", state.ProgramShortTitle},
        {"Label3", "Quorvane"},
        {"Label4", "Software Version 01012024"},
        {"Label1", "CLICK ON THE PICTURE ABOVE TO CONTINUE"},
    };
    for (const auto& [name, text] : texts) {
        QLabel* label = SplashLabel(name);
        EXPECT_EQ(label->text(), text) << name;
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
        EXPECT_TRUE(splash->rect().contains(label->geometry())) << name;
    }
}

class SplashClick : public SplashTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SplashClick, OnThePictureOrItsWordsOpensTheCaseLibrary) {
    QTest::mouseClick(SplashLabel(GetParam()), Qt::LeftButton);

    ExpectCaseLibraryAlone();
}

INSTANTIATE_TEST_SUITE_P(Controls, SplashClick, ::testing::Values("Image1", "Label1", "Label2", "Label3"));

TEST_F(SplashTest, ClickOnTheVersionLineOrTheBackgroundDoesNothing) {
    QTest::mouseClick(SplashLabel("Label4"), Qt::LeftButton);
    QTest::mouseClick(StartWindow(), Qt::LeftButton, {}, QPoint(5, 5));
    DeleteUnloadedWindows();

    EXPECT_EQ(ShownWindows(), QStringList{"Splash"});
}

TEST_F(SplashTest, EscOpensTheFileUtilitiesWithTheirFourButtons) {
    QStringList captions;
    ModalAnswerer answerer;
    answerer.Then([&captions](QWidget* dialog) {
        for (const char* name : {"cmdRestoreCases", "cmdRestoreNames", "cmdContinue", "cmdEndProgram"})
            captions << dialog->findChild<QPushButton*>(name)->text();
        dialog->close();
    });

    PressEsc(answerer);

    EXPECT_EQ(answerer.Titles(), QStringList{"File Utilities"});
    EXPECT_EQ(captions, (QStringList{"Restore Cases Database", "Restore Names Database", "Continue", "&End Program"}));
    EXPECT_EQ(ShownWindows(), QStringList{"Splash"});
}

TEST_F(SplashTest, EscOrAnyKeyDoesNothingOnceTheCaseLibraryHasBeenOpened) {
    QTest::mouseClick(SplashLabel("Image1"), Qt::LeftButton);
    DeleteUnloadedWindows();
    Choose("menuTitle");
    ModalAnswerer answerer;

    PressEsc(answerer);
    QTest::keyClick(StartWindow(), Qt::Key_A);

    EXPECT_TRUE(answerer.Titles().isEmpty());
    EXPECT_EQ(ShownWindows(), QStringList{"Splash"});
}

TEST_F(SplashTest, OtherKeysDoNothing) {
    ModalAnswerer answerer;

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_E}) QTest::keyClick(StartWindow(), key);

    EXPECT_TRUE(answerer.Titles().isEmpty());
}

TEST_F(SplashTest, ContinueLeavesTheStartWindowForTheCaseLibrary) {
    ModalAnswerer answerer;
    answerer.Click("Continue");

    PressEsc(answerer);

    ExpectCaseLibraryAlone();
    EXPECT_EQ(programEnds, 0);
}

TEST_F(SplashTest, EndProgramEndsAtOnceWithoutBackups) {
    ModalAnswerer answerer;
    answerer.Then([](QWidget* dialog) {
        ModalAnswerer::ClickButton(dialog, "End Program");
        dialog->close();  // the program would be gone; here the recorder only counts the end
    });

    PressEsc(answerer);

    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(QFile::exists(driveC + "/QVRForms/VESK0232_Backup.MDB"));
    EXPECT_FALSE(QFile::exists(driveC + "/QVRForms/Names_Backup.MDB"));
}

struct RestoreCase {
    const char* name;
    const char* button;
    const char* file;      // in the data folder, as the database set-up made it
    const char* backup;
    const char* title;
    const char* question;
};

const RestoreCase kRestoreCases[] = {
    {"Cases", "Restore Cases Database", "VESK0232.MDB", "VESK0232_Backup.MDB", "Restore CASES Database File",
     "Are you sure you want to RESTORE the Cases Database File using the Backup Database File (Y/N)?"},
    {"Names", "Restore Names Database", "Names.mdb", "Names_Backup.MDB", "Restore Names Database File",
     "Are you sure you want to RESTORE the Names Database File using the Backup Database File (Y/N)?"},
};

class Restore : public SplashTest, public ::testing::WithParamInterface<RestoreCase> {
protected:
    QString HostFile(const char* name) const { return Host(QString("C:\\QVRForms\\") + name); }
    QByteArray Bytes(const char* name) const { return ReadHostFile(HostFile(name)); }

    // A backup that differs from the database: a copy of it with a table more.
    QByteArray WriteBackup() const {
        EXPECT_TRUE(QFile::copy(HostFile(GetParam().file), HostFile(GetParam().backup)));
        EXPECT_TRUE(Database::OpenDatabase(QString("C:\\QVRForms\\") + GetParam().backup)->CreateTable("Mark", "m"));
        return Bytes(GetParam().backup);
    }
};

TEST_P(Restore, WithoutABackupSaysSoAndChangesNothing) {
    const QByteArray database = Bytes(GetParam().file);
    ModalAnswerer answerer;
    answerer.Then(ClickLater(GetParam().button)).Click("OK").Then(CloseDialog());

    PressEsc(answerer);

    EXPECT_EQ(answerer.Titles(), (QStringList{"File Utilities", state.ProgramShortTitle, "File Utilities"}));
    EXPECT_EQ(answerer.Texts()[1], "No Backup Database File can be Found!");
    EXPECT_EQ(Bytes(GetParam().file), database);
    EXPECT_EQ(programEnds, 0);
}

TEST_P(Restore, YesPutsACopyOfTheBackupInPlaceKeepsTheBackupAndEnds) {
    const QByteArray backup = WriteBackup();
    ModalAnswerer answerer;
    answerer.Then(ClickLater(GetParam().button)).Click("Yes").Then(CloseDialog());

    PressEsc(answerer);

    EXPECT_EQ(answerer.Titles()[1], GetParam().title);
    EXPECT_EQ(answerer.Texts()[1], GetParam().question);
    EXPECT_EQ(Bytes(GetParam().file), backup);
    EXPECT_EQ(Bytes(GetParam().backup), backup);
    EXPECT_EQ(programEnds, 1);
}

TEST_P(Restore, NoChangesNothingAndTheUtilitiesStayOpen) {
    const QByteArray database = Bytes(GetParam().file);
    WriteBackup();
    ModalAnswerer answerer;
    answerer.Then(ClickLater(GetParam().button)).Click("No").Then(CloseDialog());

    PressEsc(answerer);

    EXPECT_EQ(answerer.Titles(), (QStringList{"File Utilities", GetParam().title, "File Utilities"}));
    EXPECT_EQ(Bytes(GetParam().file), database);
    EXPECT_EQ(programEnds, 0);
}

// The database is never deleted ahead of the copy: a restore that cannot be done leaves it.
TEST_P(Restore, ThatCannotReplaceTheDatabaseLeavesIt) {
    const QByteArray database = Bytes(GetParam().file);
    WriteBackup();
    QFile::setPermissions(HostFile(GetParam().file), QFile::ReadOwner);
    ModalAnswerer answerer;
    answerer.Then(ClickLater(GetParam().button)).Click("Yes").Click("OK").Then(CloseDialog());

    PressEsc(answerer);

    EXPECT_EQ(answerer.Titles()[2], GetParam().title);
    EXPECT_TRUE(answerer.Texts()[2].startsWith("The backup could not be put in the place of "))
        << answerer.Texts()[2].toStdString();
    EXPECT_EQ(Bytes(GetParam().file), database);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(QDir(driveC + "/QVRForms").entryList({"*.tmp"}, QDir::Files), QStringList{});
}

TEST_P(Restore, IntoAMissingDatabaseMakesIt) {
    const QByteArray backup = WriteBackup();
    ASSERT_TRUE(QFile::remove(HostFile(GetParam().file)));
    ModalAnswerer answerer;
    answerer.Then(ClickLater(GetParam().button)).Click("Yes").Then(CloseDialog());

    PressEsc(answerer);

    EXPECT_EQ(Bytes(GetParam().file), backup);
    EXPECT_EQ(programEnds, 1);
}

INSTANTIATE_TEST_SUITE_P(Databases, Restore, ::testing::ValuesIn(kRestoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qvr::test
