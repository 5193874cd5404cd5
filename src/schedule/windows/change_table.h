#pragma once
// The schedule window: table Schedule in a grid with its shaded area marked, and a line editor
// that rewrites one row's amounts. It leaves ActiveFormName and the menus as they were.

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "schedule/schedule_table.h"

class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace qvr {

class ChangeTable : public QWidget {
    Q_OBJECT
public:
    ChangeTable();

    // The colour of the shaded area's cells.
    static QColor ShadedColor();

protected:
    // Unsaved changes of the line editor are offered for saving before the window goes; when
    // they are to be saved and cannot be, the window refuses to close.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildGrid();
    void BuildLineEditor();
    void LoadSchedule();
    void FillGrid();
    void ShowLine(int row);
    void SelectRow(int row);

    void grdSchedule_CurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void cmdSave_Click();

    bool HasUnsavedChanges() const;
    // Asks whether to save the editor's changes; false when the user wants them saved and they
    // could not be.
    bool SettleUnsavedChanges();
    // Writes the editor's amounts to the row; tells the user and returns false when it cannot.
    bool SaveLine();
    // The editor's amounts in stored form, or nullopt after telling the user which one is wrong.
    std::optional<ScheduleLine> EditedLine();

    QTableWidget* grdSchedule;
    QLabel* lblIncome;
    std::array<QLineEdit*, 6> txtChild{};
    QPushButton* cmdSave;

    std::vector<ScheduleLine> lines_;  // as last read from the table
    int editedRow_ = -1;
};

// Makes the window for the frame's registry.
QWidget* MakeChangeTable();

}  // namespace qvr
