#include "platform/desktop.h"
#include "platform/shell.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QFile>

namespace qvr::test {
namespace {

const QString kDocument = "\\QVRForms\\CS2023.pdf";

// The desktop's opener, stood in for by a script that notes the file it is given and ends as the
// real one does; no script: there is no opener.
struct OpenerCase {
    const char* what;
    const char* ending;
    bool shown;
};

const OpenerCase kOpeners[] = {
    {"a program shows it", "exit 0", true},
    {"no program for PDF files", "exit 3", false},
    {"the program failed", "exit 4", false},
    {"no opener", nullptr, false},
};

class DesktopOpener : public TempDriveTest {
protected:
    void TearDown() override {
        qputenv("PATH", path_);
        TempDriveTest::TearDown();
    }
    // The opener is the only program on the path.
    QString InstallOpener(const char* ending) {
        const QString folder = driveC + "/opener";
        QDir().mkpath(folder);
        QFile::remove(folder + "/xdg-open");
        if (ending) {
            WriteHostFile(folder + "/xdg-open", QByteArray("#!/bin/sh\necho \"$1\" > \"$0.given\"\n") + ending + "\n");
            QFile::setPermissions(folder + "/xdg-open", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(folder));
        return folder + "/xdg-open.given";
    }

private:
    QByteArray path_ = qgetenv("PATH");
};

TEST_F(DesktopOpener, TheUserIsToldWhereTheDocumentIsWhenNoProgramShowsIt) {
    for (const OpenerCase& opener : kOpeners) {
        SCOPED_TRACE(opener.what);
        const QString given = InstallOpener(opener.ending);
        ModalAnswerer answerer;
        if (!opener.shown) answerer.Click("OK");

        EXPECT_EQ(OpenDocumentOrTellWhere(kDocument, "Child Support Guidelines"), opener.shown);

        EXPECT_EQ(answerer.Titles().size(), opener.shown ? 0 : 1);
        if (!opener.shown)
            EXPECT_TRUE(answerer.Texts().value(0).contains(QDir::toNativeSeparators(Host(kDocument))));
        if (opener.ending) EXPECT_EQ(ReadHostFile(given).trimmed(), Host(kDocument));
    }
}

}  // namespace
}  // namespace qvr::test
