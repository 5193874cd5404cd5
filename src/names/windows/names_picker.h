#pragma once
// The "Select Name" picker: a modal dialog that the worksheets' party editors open. The caller
// sets PickerKey, PickerPartyName and DialogTitle first and reads the selected-name block after.

#include <QDialog>

class QLabel;
class QListWidget;

namespace qvr {

class Names : public QDialog {
    Q_OBJECT
public:
    explicit Names(QWidget* parent = nullptr);
    ~Names() override;

private:
    void Form_Load();
    // Lists every party after repairing the table's Nulls and selects the caller's party.
    void BuildList();
    // Adds the party that the caller named when its key is not in the table.
    void AddMissingPresetName();
    void cmdSelect_Click();
    void cmdClear_Click();

    QLabel* lblLocation;
    QListWidget* List1;
};

}  // namespace qvr
