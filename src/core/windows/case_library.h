#pragma once
// The case library: the working window that lists the cases of the data folder by name, adds,
// renames and deletes them, makes the selected one the current case (CurrentCaseId,
// CurrentCaseName) and opens a worksheet for it.

#include <QByteArray>
#include <QWidget>
#include <functional>

class QLabel;
class QListView;
class QPushButton;

namespace qvr {

class CaseList;

class CaseLibrary : public QWidget {
    Q_OBJECT
public:
    // Loading the window: menus, placement, welcome text and the list of cases.
    explicit CaseLibrary(QWidget* parent = nullptr);

    // Fills the list from table Cases (adding the sample case to an empty table) and makes the
    // current case, or the first or last one when it is gone, selected and current.
    void BuildList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddCaseList();
    void AddButtons();
    void AddWelcomePane();
    void AddHint();
    void Form_Load();
    void ShowWelcomeText();
    void ShowHint(bool show);
    void SelectCurrentCase();
    bool ListIsCurrent() const;
    void ShowListChange(const std::function<bool()>& change);
    void OpenWorksheet(const QString& window, const QString& emptyListMessage);

    void cmdAddNewCase_Click();
    void cmdRenameCase_Click();
    void cmdDeleteCase_Click();
    void cmdSelectWorksheetA_Click();
    void cmdSelectWorksheetB_Click();
    void cmdSelectWorksheetC_Click();
    void List1_Click();
    void List1_DblClick();

    QListView* List1;
    CaseList* cases_;
    QByteArray listedStamp_;  // the cases file's state that the list shows
    QLabel* lblWelcome1;
    QLabel* lblCaseLibraryText;
    QWidget* Shape1;
    QLabel* lblMessage1;
    QLabel* Image1;
    QString WelcomeText;
};

// What the frame's registry constructs for "CaseLibrary".
QWidget* MakeCaseLibrary();

// The pseudo-random numbers in [0, 1) from which new case ids are drawn. Tests replace them; an
// empty function restores the generator that is reseeded from the clock for every new case.
void SetCaseIdRandomSource(std::function<double()> source);

}  // namespace qvr
