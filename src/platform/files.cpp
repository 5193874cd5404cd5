#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

namespace qvr::files {
namespace {

// A place on a drive: the drive letter and the names below its root.
struct Location {
    char16_t drive;
    QStringList names;
};

std::map<char16_t, QString> DefaultDrives() { return {{u'C', QStringLiteral("/")}}; }

std::map<char16_t, QString>& Drives() {
    static std::map<char16_t, QString> drives = DefaultDrives();
    return drives;
}

bool IsDriveLetter(QChar c) { return c.unicode() < 128 && c.isLetter(); }

char16_t DriveKey(QChar letter) { return letter.toUpper().unicode(); }

// A name that Windows could not hold names nothing here either, so that no file is ever made
// that the users' own system could not reach (and no NUL cuts a path short on the host).
bool IsValidName(const QString& name) {
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < 0x20 || QStringView(u"<>:\"|?*").contains(c);
    });
}

bool Holds(const QString& folder, const QString& path) {
    if (folder == QLatin1String("/")) return path.startsWith(u'/');
    return path == folder || path.startsWith(folder + u'/');
}

// The drive whose folder (in the form that folderForm gives) holds the path most closely.
std::optional<Location> ClosestDrive(const QString& path, QString (*folderForm)(const QString&)) {
    std::optional<Location> closest;
    qsizetype closestLength = -1;
    for (const auto& [letter, folder] : Drives()) {
        const QString form = folderForm(folder);
        if (form.isEmpty() || !Holds(form, path) || form.size() <= closestLength) continue;
        closestLength = form.size();
        closest = Location{letter, path.mid(form.size()).split(u'/', Qt::SkipEmptyParts)};
    }
    return closest;
}

QString AsMapped(const QString& folder) { return folder; }

QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

// Links are resolved only when the path as given lies on no drive: the host reports its
// current directory with links resolved, while a drive may be mapped through a link.
std::optional<Location> LocationOfHostPath(const QString& hostPath) {
    if (hostPath.isEmpty()) return {};
    const QString path = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    if (std::optional<Location> location = ClosestDrive(path, AsMapped)) return location;
    const QString canonical = Canonical(path);
    if (canonical.isEmpty()) return {};
    return ClosestDrive(canonical, Canonical);
}

std::optional<Location> CurrentLocation() { return LocationOfHostPath(QDir::currentPath()); }

// Takes the drive off the path and tells where the rest starts: the root of its drive, or the
// current directory when it is relative on the current drive (another drive keeps no current
// directory of its own here).
std::optional<Location> TakeStart(QString& path) {
    const std::optional<Location> current = CurrentLocation();
    Location start;
    if (path.size() >= 2 && path[1] == u':' && IsDriveLetter(path[0])) {
        start.drive = DriveKey(path[0]);
        path.remove(0, 2);
    } else if (current) {
        start.drive = current->drive;
    } else {
        return {};
    }
    if (!path.startsWith(u'\\') && current && current->drive == start.drive) start.names = current->names;
    return start;
}

std::optional<Location> LocationOfWindowsPath(const QString& windowsPath) {
    if (windowsPath.isEmpty() || !windowsPath.isValidUtf16()) return {};
    QString path = windowsPath;
    path.replace(u'/', u'\\');
    if (path.startsWith(QLatin1String("\\\\"))) return {};  // a network path: no drive maps it
    std::optional<Location> location = TakeStart(path);
    if (!location) return {};
    for (const QString& name : path.split(u'\\', Qt::SkipEmptyParts)) {
        if (name == QLatin1String(".")) continue;
        if (name == QLatin1String("..")) {
            if (!location->names.isEmpty()) location->names.removeLast();
            continue;
        }
        if (!IsValidName(name)) return {};
        location->names.append(name);
    }
    return location;
}

void Append(QString& path, const QString& name) {
    if (!path.endsWith(u'/')) path += u'/';
    path += name;
}

QString Join(QString folder, const QString& name) {
    Append(folder, name);
    return folder;
}

// The entry of the folder that the name means: itself when it exists as written, else one that
// differs only in letter case.
std::optional<QString> ExistingEntry(const QString& folder, const QString& name) {
    if (QFileInfo::exists(Join(folder, name))) return name;
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& entry : QDir(folder).entryList(all, QDir::Name))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

bool IsFile(const QString& hostPath) { return !hostPath.isEmpty() && QFileInfo(hostPath).isFile(); }

// The host's stand-in for the read-only attribute, which keeps a file from being deleted or
// replaced.
bool IsReadOnly(const QString& hostPath) {
    return !(QFileInfo(hostPath).permissions() & QFileDevice::WriteOwner);
}

bool CanBeReplaced(const QString& target) {
    if (target.isEmpty()) return false;
    if (!QFileInfo::exists(target)) return true;
    return IsFile(target) && !IsReadOnly(target);
}

bool CopyContents(QFile& input, QSaveFile& output) {
    constexpr qint64 chunkSize = 1 << 16;
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(chunkSize);
        if (chunk.isEmpty() || output.write(chunk) != chunk.size()) return false;
    }
    return true;
}

std::filesystem::path NativePath(const QString& hostPath) {
    return std::filesystem::path(QFile::encodeName(hostPath).toStdString());
}

bool CaseInsensitiveLess(const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace

void MapDrive(QChar letter, const QString& hostFolder) {
    if (!IsDriveLetter(letter)) return;
    if (hostFolder.isEmpty()) {
        Drives().erase(DriveKey(letter));
        return;
    }
    Drives()[DriveKey(letter)] = QDir::cleanPath(QDir(hostFolder).absolutePath());
}

void ResetDriveMapping() { Drives() = DefaultDrives(); }

QStringList MappedDrives() {
    QStringList letters;
    for (const auto& drive : Drives()) letters.append(QChar(drive.first) + QStringLiteral(":"));
    return letters;
}

QString HostPath(const QString& windowsPath) {
    const std::optional<Location> location = LocationOfWindowsPath(windowsPath);
    if (!location) return {};
    const auto drive = Drives().find(location->drive);
    if (drive == Drives().end()) return {};
    QString path = drive->second;
    bool existing = true;  // once a name is missing, nothing below it can exist
    for (const QString& name : location->names) {
        const std::optional<QString> entry = existing ? ExistingEntry(path, name) : std::nullopt;
        existing = entry.has_value();
        Append(path, entry.value_or(name));
    }
    return path;
}

QString WindowsPath(const QString& hostPath) {
    const std::optional<Location> location = LocationOfHostPath(hostPath);
    if (!location) return {};
    return QChar(location->drive) + QStringLiteral(":\\") + location->names.join(u'\\');
}

QString CurrentDirectory() { return WindowsPath(QDir::currentPath()); }

bool FileExists(const QString& path) { return IsFile(HostPath(path)); }

bool FolderExists(const QString& path) {
    const QString folder = HostPath(path);
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

// The copy goes to a temporary file beside the target and replaces it only when complete, so
// that a failed copy leaves the old target as it was.
bool CopyFile(const QString& from, const QString& to, Fault* fault) {
    const QString source = HostPath(from);
    const QString target = HostPath(to);
    if (!IsFile(source)) return Tell(fault, Fault::Missing);
    if (!CanBeReplaced(target)) return Tell(fault, Fault::ReadOnly);
    QFile input(source);
    QSaveFile output(target);
    errno = 0;
    if (!input.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly))
        return Tell(fault, FaultOfSystemError(errno));
    // Bytes still in the buffer are written at commit, which does not report a failure to write them.
    if (!CopyContents(input, output) || !output.flush()) {
        Tell(fault, FaultOfSystemError(errno));
        output.cancelWriting();
        return false;
    }
    return output.commit() || Tell(fault, FaultOfSystemError(errno));
}

bool DeleteFile(const QString& path) {
    const QString file = HostPath(path);
    return IsFile(file) && !IsReadOnly(file) && QFile::remove(file);
}

// The host's rename replaces the target in one step: there is no moment without either file.
bool RenameFile(const QString& from, const QString& to, Fault* fault) {
    const QString source = HostPath(from);
    const QString target = HostPath(to);
    if (!IsFile(source)) return Tell(fault, Fault::Missing);
    if (!CanBeReplaced(target)) return Tell(fault, Fault::ReadOnly);
    std::error_code error;
    std::filesystem::rename(NativePath(source), NativePath(target), error);
    return !error || Tell(fault, FaultOfSystemError(error.value()));
}

QStringList ListFolders(const QString& path) {
    const QString folder = HostPath(path);
    if (folder.isEmpty()) return {};
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& name) { return !IsValidName(name); });
    std::sort(names.begin(), names.end(), CaseInsensitiveLess);
    return names;
}

}  // namespace qvr::files
