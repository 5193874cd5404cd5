#pragma once
// A folder list in the manner of the classic directory box: the open folder with every folder
// above it, one line each and indented by depth, followed by the folders inside it. A
// double-click opens the folder of its line, so a line above goes up.

#include <QListWidget>

namespace qvr {

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // The open folder in Windows form: "C:\QVRForms", the root as "C:\".
    QString Path() const { return path_; }
    // Opens the folder; one that cannot be shown gives way to the nearest folder above it that
    // can, and a drive that is not there to the current directory. A drive alone ("D:") opens
    // that drive's current folder.
    void SetPath(const QString& windowsPath);

private:
    void AddLine(const QString& caption, const QString& path, int depth, bool open);
    void OpenLine(QListWidgetItem* line);

    QString path_;
};

// The folder above, in the same form; the root is its own parent.
QString ParentFolder(const QString& windowsPath);

}  // namespace qvr
