#include "core/windows/location.h"

#include "core/frame.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "core/windows/folder_list.h"
#include "core/windows/window_kit.h"
#include "platform/files.h"
#include "platform/messages.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace qvr {
namespace {

constexpr int kStepTop = 2280;
constexpr int kStepWidth = 4700;
constexpr int kStepHeight = 6360;
constexpr int kStepLefts[] = {600, 5500, 10400};
constexpr int kInset = 180;
constexpr int kInnerWidth = kStepWidth - 2 * kInset;

QString Explanation() {
    return QString("The starting location for all database files is a folder on your computer's hard drive named "
                   "'\\QVRForms'.  This routine allows you to change that location, primarily for the purpose of "
                   "sharing the database with other users over a network.  ") +
           "To share this program's database files with other users, " + "specify the SHARED network drive and " +
           "folder where the database files are located by following the three steps below (Note:  This " +
           "must be done on EACH computer that wants to share the database files).";
}

QString ChangeQuestion(const QString& from, const QString& to) {
    return "Are you sure you want to change the 'Location of Files'?     \r\n\r\n     From:  " + from.toUpper() +
           "\r\n        To:  " + to.toUpper() + "?";
}

}  // namespace

Location::Location() {
    setObjectName("Location");
    SetFrameBackgroundColor(15);
    SetBackground(this, PaletteColor(15));
    state.ActiveFormName = "Location";
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth, state.FormHeight);
    SetMenusEnabled({Menu::Produce, Menu::ShowHide}, false);

    for (int step = 0; step < 3; ++step) AddStepBox(QString("Shape%1").arg(step + 1), kStepLefts[step]);
    QLabel* title = AddLabel(this, "lblFormTitle", "Change Location of Database Files", {0, 240, state.FormWidth, 480},
                             MakeFont("Arial", 18, true));
    title->setAlignment(Qt::AlignCenter);
    SetColor(title, QPalette::WindowText, kNavy);
    QLabel* current = AddLabel(this, "lblFormTitle2", "CURRENT LOCATION:  " + state.FilesLocation.toUpper(),
                               {0, 780, state.FormWidth, 330}, MakeFont("Arial", 11, true));
    current->setAlignment(Qt::AlignCenter);
    QLabel* explanation = AddLabel(this, "Label1", QString(), {600, 1200, 14500, 960}, MakeFont("Arial", 10));

    const QFont stepTitle = MakeFont("Arial", 11, true);
    const QFont stepText = MakeFont("Arial", 9.75);
    int left = kStepLefts[0] + kInset;
    AddLabel(this, "Label5", "STEP 1:  Select a Drive", {left, 2400, kInnerWidth, 330}, stepTitle);
    AddLabel(this, "Label3",
             "The drop-down box below contains a list of the DRIVES that are available on this particular computer.  "
             "Click on the down arrow to show all available DRIVES, then click on the DRIVE containing the desired "
             "folder.  Doing so will cause the folders on the selected drive to be displayed on the right.",
             {left, 2820, kInnerWidth, 1800}, stepText);
    drvNames = new QComboBox(this);
    drvNames->setObjectName("drvNames");
    drvNames->addItems(files::MappedDrives());
    drvNames->setCurrentIndex(std::max(0, int(drvNames->findText(files::CurrentDirectory().left(2)))));
    SetTwipsGeometry(drvNames, {left, 4740, kInnerWidth, 360});

    left = kStepLefts[1] + kInset;
    AddLabel(this, "Label6", "STEP 2:  Navigate to the desired Folder", {left, 2400, kInnerWidth, 330}, stepTitle);
    AddLabel(this, "Label4",
             "The box below lists the folders that are accessible on the selected DRIVE. Navigate (DOUBLE CLICK) "
             "your way through the list until you have found the desired FOLDER.",
             {left, 2820, kInnerWidth, 1080}, stepText);
    dirNames = new FolderList(this);
    dirNames->setObjectName("dirNames");
    SetTwipsGeometry(dirNames, {left, 3960, kInnerWidth, 4500});

    left = kStepLefts[2] + kInset;
    AddLabel(this, "Label7", "STEP 3:  Make the change", {left, 2400, kInnerWidth, 330}, stepTitle);
    AddLabel(this, "Label2",
             "Change the location of the Database Files by clicking on the button labeled 'CHANGE NOW'. If you are "
             "not sure, then you can either 'Cancel' or 'Change back' to the original location.",
             {left, 2820, kInnerWidth, 1320}, stepText);
    connect(AddButton("cmdChange", "CHANGE NOW", kLightYellow, 4500), &QPushButton::clicked, this,
            &Location::cmdChange_Click);
    connect(AddButton("cmdCancel", "Cancel with no changes", kLightGrey, 5400), &QPushButton::clicked, this,
            &Location::cmdCancel_Click);
    connect(AddButton("Command1", "Change back to \\QVRForms", kLightGrey, 6300), &QPushButton::clicked, this,
            &Location::Command1_Click);

    dirNames->SetPath(state.FilesLocation);
    explanation->setText(Explanation());
    connect(drvNames, &QComboBox::currentIndexChanged, this, &Location::drvNames_Change);
}

QPushButton* Location::AddButton(const QString& name, const QString& caption, const QColor& color, int top) {
    QPushButton* button = qvr::AddButton(this, name, caption, {kStepLefts[2] + 480, top, kStepWidth - 960, 600});
    button->setFont(MakeFont("Arial", 9.75, true));
    SetColor(button, QPalette::Button, color);
    return button;
}

void Location::AddStepBox(const QString& name, int left) {
    auto* box = new QFrame(this);
    box->setObjectName(name);
    box->setFrameShape(QFrame::Box);
    box->setLineWidth(2);
    SetColor(box, QPalette::WindowText, kNavy);
    SetTwipsGeometry(box, {left, kStepTop, kStepWidth, kStepHeight});
}

void Location::drvNames_Change() { dirNames->SetPath(drvNames->currentText()); }

void Location::cmdChange_Click() {
    const QString chosen = dirNames->Path();
    if (chosen.toUpper() != state.FilesLocation.toUpper()) {
        state.UserAnswer =
            MsgBox(ChangeQuestion(state.FilesLocation, chosen), MessageButtons::YesNo, "Change Location of Files");
        if (state.UserAnswer == vbYes) ChangeFilesLocation(chosen.toUpper());
    }
    ReturnToCaseLibrary();
}

void Location::Command1_Click() {
    state.UserAnswer = MsgBox("This will change the location of database files to 'C:\\QVRForms'.  Do you wish to "
                              "proceed?",
                              MessageButtons::YesNo, "Change Location");
    if (state.UserAnswer == vbYes) ChangeFilesLocation(state.StartDrive + "\\QVRForms");
    ReturnToCaseLibrary();
}

void Location::cmdCancel_Click() { ReturnToCaseLibrary(); }

// The case library, shown next, reads the folder back from the settings, so a folder that they
// cannot hold would not even last until then: the old folder stays, and the user is told.
void Location::ChangeFilesLocation(const QString& folder) {
    const QString previous = state.FilesLocation;
    state.FilesLocation = folder;
    if (!SaveFilesLocation()) {
        state.FilesLocation = previous;
        MsgBox("The new location could not be saved in this computer's settings, so the database files stay in " +
                   previous.toUpper() + ".",
               MessageButtons::OkOnly, "Change Location of Files");
        return;
    }
    state.CurrentCaseId = "";
}

void Location::ReturnToCaseLibrary() {
    UnloadAllForms();
    ShowWorkingWindow("CaseLibrary");
}

}  // namespace qvr
