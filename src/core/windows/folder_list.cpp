#include "core/windows/folder_list.h"

#include "platform/files.h"

#include <QApplication>
#include <QStyle>

namespace qvr {
namespace {

constexpr int kPathRole = Qt::UserRole;

bool IsRoot(const QString& windowsPath) { return windowsPath.size() <= 3; }

// The folder as the file system spells it, with its drive: "c:\qvrforms" becomes "C:\QVRForms".
QString Spelled(const QString& windowsPath) { return files::WindowsPath(files::HostPath(windowsPath)); }

QString NearestShownFolder(const QString& windowsPath) {
    QString folder = Spelled(windowsPath);
    while (!folder.isEmpty() && !files::FolderExists(folder)) {
        if (IsRoot(folder)) return files::CurrentDirectory();
        folder = ParentFolder(folder);
    }
    return folder.isEmpty() ? files::CurrentDirectory() : folder;
}

QString Child(const QString& folder, const QString& name) {
    return IsRoot(folder) ? folder + name : folder + "\\" + name;
}

}  // namespace

QString ParentFolder(const QString& windowsPath) {
    if (IsRoot(windowsPath)) return windowsPath;
    const qsizetype lastSeparator = windowsPath.lastIndexOf('\\');
    if (lastSeparator <= 2) return windowsPath.left(3);
    return windowsPath.left(lastSeparator);
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::OpenLine);
}

void FolderList::SetPath(const QString& windowsPath) {
    path_ = NearestShownFolder(windowsPath);
    clear();
    QStringList above;
    for (QString folder = path_; !IsRoot(folder); folder = ParentFolder(folder)) above.prepend(folder);
    const QString root = path_.left(3);
    AddLine(root, root, 0, true);
    for (int depth = 0; depth < above.size(); ++depth)
        AddLine(above[depth].mid(above[depth].lastIndexOf('\\') + 1), above[depth], depth + 1, true);
    setCurrentRow(count() - 1);
    for (const QString& name : files::ListFolders(path_)) AddLine(name, Child(path_, name), above.size() + 1, false);
}

void FolderList::AddLine(const QString& caption, const QString& path, int depth, bool open) {
    const QIcon icon = QApplication::style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    auto* line = new QListWidgetItem(icon, QString(depth * 3, ' ') + caption, this);
    line->setData(kPathRole, path);
}

void FolderList::OpenLine(QListWidgetItem* line) { SetPath(line->data(kPathRole).toString()); }

}  // namespace qvr
