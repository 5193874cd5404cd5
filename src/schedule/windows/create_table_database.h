#pragma once
// The schedule import: the user pastes the schedule as fixed-column text, and the window
// replaces every row of table Schedule with it, but only when every line is right.

#include <QDialog>

class QPlainTextEdit;

namespace qvr {

class CreateTableDatabase : public QDialog {
    Q_OBJECT
public:
    CreateTableDatabase();

private:
    void cmdImport_Click();
    void ShowLine(int line);

    QPlainTextEdit* Text1;
};

}  // namespace qvr
