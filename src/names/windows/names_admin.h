#pragma once
// The names maintenance window: lists the parties of the names database by their sort name and
// shows the chosen party's columns in text boxes, each written to its record as soon as the
// focus leaves it. Adds parties through AddNewName, deletes them (never the example record) and
// returns to the case library.

#include <QString>
#include <QWidget>
#include <vector>

class QCloseEvent;
class QLineEdit;
class QListWidget;

namespace qvr {

class NamesAdmin : public QWidget {
    Q_OBJECT
public:
    explicit NamesAdmin(QWidget* parent = nullptr);
    ~NamesAdmin() override;

protected:
    // Unloading: the box being edited is written first.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QString column;
        QWidget* box;
        QString shown;  // the text as last shown or written
    };

    void AddFieldPanel();
    // A box `widthTwips` wide, or as wide as its column for 0.
    QWidget* AddBox(const QString& column, const QString& name, int widthTwips);
    void Form_Load();
    void LimitFields();
    // Fills the list and selects the party with `key`, else the row `fallbackRow` or the last.
    void BuildList(const QString& key, int fallbackRow = 0);
    // Makes the selected party current and shows its columns.
    void ShowSelectedName();
    // The key of the selected party, which becomes CurrentNameKey; empty for none.
    QString SelectedKey();
    // Shows the columns of the party with `key`; false, with the boxes empty and disabled, when
    // no record holds it.
    bool ShowName(const QString& key);
    void WriteField(Field& field);
    // Shows again the sort, listed and last-first forms of the record just written; true when
    // one of them changed.
    bool ShowFormsAsStored();
    void WriteFocusedField();

    void List1_Click();
    void cmdAddNewName_Click();
    void cmdDeleteName_Click();
    void cmdSave_Click();

    QListWidget* List1;
    QLineEdit* txtKeyNumber;
    std::vector<Field> fields_;
    QString shownKey_;  // the party whose columns the boxes show; empty for none
    bool unloading_ = false;
};

// What the frame's registry constructs for "NamesAdmin".
QWidget* MakeNamesAdmin();

}  // namespace qvr
