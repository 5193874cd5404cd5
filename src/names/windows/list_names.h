#pragma once
// "Select a Name": a modal picker over the parties of the names database that hands the chosen
// one back in PickerKey and the selected-name block, clears the choice, or adds a party through
// AddNewName and takes it. The caller sets PickerKey (the party to preselect, or empty).

#include <QDialog>

class QListWidget;

namespace qvr {

class ListNames : public QDialog {
    Q_OBJECT
public:
    explicit ListNames(QWidget* parent = nullptr);

private:
    void Form_Load();
    void BuildNameList();
    void List1_Click();
    void List1_DblClick();
    void cmdSelect_Click();
    void cmdClear_Click();
    void cmdAddNewName_Click();
    // Loads the party with PickerKey into the selected-name block and closes.
    void TakePickedName();

    QListWidget* List1;
};

}  // namespace qvr
