#pragma once
// The dialog that adds a party to the names database: a person by first, middle and last name
// and suffix, or a firm by its name. While the user types, the parts stand in SelFirstname,
// SelMiddlename, SelLastname, SelSuffix and SelFirmname. Saving with a last name (or a firm
// name) adds one record and sets CurrentNameKey to its key; otherwise CurrentNameKey keeps the
// value it had.

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace qvr {

class AddNewName : public QDialog {
    Q_OBJECT
public:
    explicit AddNewName(QWidget* parent = nullptr);

private:
    void Form_Load();
    QLineEdit* AddNameBox(const QString& name, const QString& caption, int top);
    void ShowKind();
    void cmdSave_Click();

    QRadioButton* optPerson;
    QRadioButton* optFirm;
    QLineEdit* txtFirstName;
    QLineEdit* txtMiddleName;
    QLineEdit* txtLastName;
    QLineEdit* txtSuffix;
    QLineEdit* txtFirmName;
};

}  // namespace qvr
