#pragma once
// The folder setting: moves the data folder, the folder of the names and cases databases (for
// instance to a shared network folder). Only the setting changes; no file is moved or copied.

#include <QWidget>

class QComboBox;
class QPushButton;

namespace qvr {

class FolderList;

class Location : public QWidget {
    Q_OBJECT
public:
    Location();

private:
    QPushButton* AddButton(const QString& name, const QString& caption, const QColor& color, int top);
    void AddStepBox(const QString& name, int left);

    void drvNames_Change();
    void cmdChange_Click();
    void Command1_Click();
    void cmdCancel_Click();
    // Stores the new data folder; when the settings cannot hold it, says so and keeps the old one.
    void ChangeFilesLocation(const QString& folder);
    void ReturnToCaseLibrary();

    QComboBox* drvNames;
    FolderList* dirNames;
};

}  // namespace qvr
