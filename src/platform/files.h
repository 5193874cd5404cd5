#pragma once
// Windows-style paths over the host file system. A drive letter names a host folder (C: is the
// host root unless remapped); a path without a drive lies on the drive of the current directory.
// A path component that does not exist as written is matched without regard to letter case;
// new files keep the case they are given.

#include "platform/faults.h"

#include <QString>
#include <QStringList>

namespace qvr::files {

// The one seam through which drives are mapped; tests map C: and D: to temporary folders.
// An empty folder unmaps the letter.
void MapDrive(QChar letter, const QString& hostFolder);
void ResetDriveMapping();  // back to C: = host root and nothing else
QStringList MappedDrives();  // "C:", "D:", … in letter order

// The host path that a Windows-style path names (existing components matched case-insensitively);
// empty, so that every operation on it fails, when its drive is not mapped or a name in it is one
// that Windows forbids.
QString HostPath(const QString& windowsPath);
// The Windows-style form of a host path, on the mapped drive whose folder holds it most closely;
// empty when no drive holds it.
QString WindowsPath(const QString& hostPath);

// The host's current directory in Windows form, e.g. "C:\work\main".
QString CurrentDirectory();

bool FileExists(const QString& path);    // a file (not a folder)
bool FolderExists(const QString& path);
// A read-only file (no owner write permission) is neither deleted nor replaced, as on Windows.
// On failure, fault (when given) tells why.
bool CopyFile(const QString& from, const QString& to, Fault* fault = nullptr);  // overwrites the target
bool DeleteFile(const QString& path);
bool RenameFile(const QString& from, const QString& to, Fault* fault = nullptr);  // replaces the target
QStringList ListFolders(const QString& path);  // names of the sub-folders, sorted case-insensitively

}  // namespace qvr::files
