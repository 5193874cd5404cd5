#include "core/windows/hidden_utilities.h"

#include "core/database_backups.h"
#include "core/frame.h"
#include "core/program_state.h"
#include "core/windows/window_kit.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/program_end.h"

#include <QPushButton>

namespace qvr {
namespace {

constexpr int kButtonLeft = 360;
constexpr int kButtonWidth = 3600;
constexpr int kButtonHeight = 450;

}  // namespace

HiddenUtilities::HiddenUtilities(QWidget* parent) : QDialog(parent) {
    setObjectName("HiddenUtilities");
    setWindowTitle("File Utilities");
    setModal(true);
    setFixedSize(Pixels(kButtonLeft * 2 + kButtonWidth), Pixels(2 * 360 + 4 * kButtonHeight + 3 * 180));
    connect(AddButton("cmdRestoreCases", "Restore Cases Database", kLightYellow, 360), &QPushButton::clicked, this,
            &HiddenUtilities::cmdRestoreCases_Click);
    connect(AddButton("cmdRestoreNames", "Restore Names Database", kLightYellow, 990), &QPushButton::clicked, this,
            &HiddenUtilities::cmdRestoreNames_Click);
    connect(AddButton("cmdContinue", "Continue", kLightGrey, 1620), &QPushButton::clicked, this,
            &HiddenUtilities::cmdContinue_Click);
    connect(AddButton("cmdEndProgram", "&End Program", kLightGrey, 2250), &QPushButton::clicked, this,
            &HiddenUtilities::cmdEndProgram_Click);
}

QPushButton* HiddenUtilities::AddButton(const QString& name, const QString& caption, const QColor& color, int top) {
    QPushButton* button = qvr::AddButton(this, name, caption, {kButtonLeft, top, kButtonWidth, kButtonHeight});
    button->setAutoDefault(false);
    SetColor(button, QPalette::Button, color);
    return button;
}

void HiddenUtilities::cmdRestoreCases_Click() {
    Restore(CasesDatabaseFile(), "Restore CASES Database File",
            "Are you sure you want to RESTORE the Cases Database File using the Backup Database File (Y/N)?");
}

void HiddenUtilities::cmdRestoreNames_Click() {
    Restore(NamesDatabaseFile(), "Restore Names Database File",
            "Are you sure you want to RESTORE the Names Database File using the Backup Database File (Y/N)?");
}

void HiddenUtilities::Restore(const DatabaseFile& database, const QString& title, const QString& question) {
    if (!files::FileExists(database.backup)) {
        MsgBox("No Backup Database File can be Found!", MessageButtons::OkOnly, state.ProgramShortTitle);
        return;
    }
    if (const Fault fault = ExamineDatabase(database, database.backup); fault != Fault::None) {
        MsgBox(QString("The backup %1 cannot be used because %2.  Nothing has been restored; the %3 database is as "
                       "it was.")
                   .arg(database.backup, FaultText(fault), database.kind.toLower()),
               MessageButtons::OkOnly, title);
        return;
    }
    state.UserAnswer = MsgBox(question, MessageButtons::YesNo, title);
    if (state.UserAnswer != vbYes) return;
    Fault fault = Fault::None;
    if (!RestoreFromBackup(database, &fault)) {
        MsgBox(QString("The backup could not be put in the place of %1 because %2.  Nothing has been restored; the "
                       "%3 database is as it was.")
                   .arg(database.file, FaultText(fault), database.kind.toLower()),
               MessageButtons::OkOnly, title);
        if (fault == Fault::Busy) return;  // the user can try again once the other workstation is done
    }
    EndProgramNow();
}

void HiddenUtilities::cmdContinue_Click() {
    accept();
    UnloadWorkingWindow("Splash");
    ShowWorkingWindow("CaseLibrary");
}

void HiddenUtilities::cmdEndProgram_Click() { EndProgramNow(); }

}  // namespace qvr
