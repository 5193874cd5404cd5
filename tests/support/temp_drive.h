#pragma once
// Gives each test its own drive C: in a temporary folder, with the shipped fixed folder copied
// in, the current directory on it, fresh program state and a recorder for the program's end.

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qvr::test {

class TempDriveTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The host path of a Windows-style path on the temporary drives.
    QString Host(const QString& windowsPath) const;
    // Maps another drive letter to a fresh temporary folder and returns that folder.
    QString MapExtraDrive(QChar letter);
    // Writes bytes to a host file, making its folders.
    static void WriteHostFile(const QString& hostPath, const QByteArray& bytes);
    static QByteArray ReadHostFile(const QString& hostPath);

    QString driveC;      // host folder of C:
    int programEnds = 0;  // how often the program asked to end at once

private:
    QTemporaryDir root_;
    QString previousCurrentDirectory_;
    int extraDrives_ = 0;
};

}  // namespace qvr::test
