#pragma once
// The file utilities: put the cases or names database back from its backup, or go on to the case
// library, or end the program. Reached by Esc on the start window before the case library has
// been opened in this run.

#include <QDialog>

class QPushButton;

namespace qvr {

struct DatabaseFile;

class HiddenUtilities : public QDialog {
    Q_OBJECT
public:
    explicit HiddenUtilities(QWidget* parent = nullptr);

private:
    QPushButton* AddButton(const QString& name, const QString& caption, const QColor& color, int top);
    void cmdRestoreCases_Click();
    void cmdRestoreNames_Click();
    void cmdContinue_Click();
    void cmdEndProgram_Click();
    // Asks, puts the backup in place and ends the program; tells the user when there is no backup.
    void Restore(const DatabaseFile& database, const QString& title, const QString& question);
};

}  // namespace qvr
