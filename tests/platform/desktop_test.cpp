#include "platform/desktop.h"
#include "platform/shell.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QDir>
#include <QFile>

namespace qvr::test {
namespace {

using DesktopOpener = TempDriveTest;

// The desktop's opener stands in as a script that notes the file and ends as the real one does:
// 0 shown, 3 no program for it, 4 its program failed; none at all on the path.
TEST_F(DesktopOpener, TheUserIsToldWhereTheDocumentIsWhenNoProgramShowsIt) {
    const QByteArray path = qgetenv("PATH");
    const QString opener = driveC + "/xdg-open", document = "\\QVRForms\\CS2023.pdf";
    qputenv("PATH", QFile::encodeName(driveC));
    for (const char* ending : {"exit 0", "exit 3", "exit 4", ""}) {
        SCOPED_TRACE(ending);
        QFile::remove(opener);
        if (*ending) WriteHostFile(opener, QByteArray("#!/bin/sh\necho \"$1\" > \"$0.given\"\n") + ending);
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner);
        const bool shown = QByteArray(ending) == "exit 0";
        ModalAnswerer answerer;
        if (!shown) answerer.Click("OK");

        EXPECT_EQ(OpenDocumentOrTellWhere(document, "Child Support Guidelines"), shown);
        EXPECT_EQ(answerer.Texts().join("").contains(QDir::toNativeSeparators(Host(document))), !shown);
        if (*ending) EXPECT_EQ(ReadHostFile(opener + ".given").trimmed(), Host(document));
    }
    qputenv("PATH", path);
}

}  // namespace
}  // namespace qvr::test
