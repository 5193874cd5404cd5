#include "support/temp_drive.h"

#include "core/program_state.h"
#include "platform/files.h"
#include "platform/program_end.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qvr::test {

void TempDriveTest::SetUp() {
    ASSERT_TRUE(root_.isValid());
    driveC = root_.path() + "/C";
    QDir().mkpath(driveC + "/QVRForms");
    for (const QFileInfo& shipped : QDir(SHIPPED_DIR).entryInfoList(QDir::Files))
        ASSERT_TRUE(QFile::copy(shipped.filePath(), driveC + "/QVRForms/" + shipped.fileName()));
    files::ResetDriveMapping();
    files::MapDrive('C', driveC);
    previousCurrentDirectory_ = QDir::currentPath();
    QDir::setCurrent(driveC);
    state = ProgramState{};
    SetProgramEndHandler([this] { ++programEnds; });
}

void TempDriveTest::TearDown() {
    state = ProgramState{};
    SetProgramEndHandler({});
    QDir::setCurrent(previousCurrentDirectory_);
    files::ResetDriveMapping();
}

QString TempDriveTest::Host(const QString& windowsPath) const { return files::HostPath(windowsPath); }

QString TempDriveTest::MapExtraDrive(QChar letter) {
    const QString folder = root_.path() + "/extra" + QString::number(++extraDrives_);
    QDir().mkpath(folder);
    files::MapDrive(letter, folder);
    return folder;
}

void TempDriveTest::WriteHostFile(const QString& hostPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(hostPath).path());
    QFile file(hostPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TempDriveTest::ReadHostFile(const QString& hostPath) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace qvr::test
