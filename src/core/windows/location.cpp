#include "core/windows/location.h"

#include "core/frame.h"
#include "core/program_state.h"
#include "core/settings_database.h"
#include "core/windows/folder_list.h"
#include "platform/files.h"
#include "platform/messages.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace qvr {
namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xC0);
const QColor kLightGrey(0xE0, 0xE0, 0xE0);
const QColor kTitleColor(0x00, 0x00, 0x80);

constexpr int kStepTop = 2280;
constexpr int kStepWidth = 4700;
constexpr int kStepHeight = 6360;
constexpr int kStepLefts[] = {600, 5500, 10400};
constexpr int kInset = 180;
constexpr int kInnerWidth = kStepWidth - 2 * kInset;

QFont ArialFont(double points, bool bold = false) {
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetTwipsGeometry(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

void SetColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

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
    SetColor(this, QPalette::Window, PaletteColor(15));
    setAutoFillBackground(true);
    state.ActiveFormName = "Location";
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth, state.FormHeight);
    SetMenusEnabled({Menu::Produce, Menu::ShowHide}, false);

    for (int step = 0; step < 3; ++step) AddStepBox(QString("Shape%1").arg(step + 1), kStepLefts[step]);
    QLabel* title = AddLabel("lblFormTitle", "Change Location of Database Files", ArialFont(18, true), 0, 240,
                             state.FormWidth, 480);
    title->setAlignment(Qt::AlignCenter);
    SetColor(title, QPalette::WindowText, kTitleColor);
    QLabel* current = AddLabel("lblFormTitle2", "CURRENT LOCATION:  " + state.FilesLocation.toUpper(),
                               ArialFont(11, true), 0, 780, state.FormWidth, 330);
    current->setAlignment(Qt::AlignCenter);
    QLabel* explanation = AddLabel("Label1", QString(), ArialFont(10), 600, 1200, 14500, 960);

    const QFont stepTitle = ArialFont(11, true);
    const QFont stepText = ArialFont(9.75);
    int left = kStepLefts[0] + kInset;
    AddLabel("Label5", "STEP 1:  Select a Drive", stepTitle, left, 2400, kInnerWidth, 330);
    AddLabel("Label3",
             "The drop-down box below contains a list of the DRIVES that are available on this particular computer.  "
             "Click on the down arrow to show all available DRIVES, then click on the DRIVE containing the desired "
             "folder.  Doing so will cause the folders on the selected drive to be displayed on the right.",
             stepText, left, 2820, kInnerWidth, 1800);
    drvNames = new QComboBox(this);
    drvNames->setObjectName("drvNames");
    drvNames->addItems(files::MappedDrives());
    drvNames->setCurrentIndex(std::max(0, int(drvNames->findText(files::CurrentDirectory().left(2)))));
    SetTwipsGeometry(drvNames, left, 4740, kInnerWidth, 360);

    left = kStepLefts[1] + kInset;
    AddLabel("Label6", "STEP 2:  Navigate to the desired Folder", stepTitle, left, 2400, kInnerWidth, 330);
    AddLabel("Label4",
             "The box below lists the folders that are accessible on the selected DRIVE. Navigate (DOUBLE CLICK) "
             "your way through the list until you have found the desired FOLDER.",
             stepText, left, 2820, kInnerWidth, 1080);
    dirNames = new FolderList(this);
    dirNames->setObjectName("dirNames");
    SetTwipsGeometry(dirNames, left, 3960, kInnerWidth, 4500);

    left = kStepLefts[2] + kInset;
    AddLabel("Label7", "STEP 3:  Make the change", stepTitle, left, 2400, kInnerWidth, 330);
    AddLabel("Label2",
             "Change the location of the Database Files by clicking on the button labeled 'CHANGE NOW'. If you are "
             "not sure, then you can either 'Cancel' or 'Change back' to the original location.",
             stepText, left, 2820, kInnerWidth, 1320);
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

QLabel* Location::AddLabel(const QString& name, const QString& text, const QFont& font, int left, int top, int width,
                           int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    SetTwipsGeometry(label, left, top, width, height);
    return label;
}

QPushButton* Location::AddButton(const QString& name, const QString& caption, const QColor& color, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFont(ArialFont(9.75, true));
    SetColor(button, QPalette::Button, color);
    SetTwipsGeometry(button, kStepLefts[2] + 480, top, kStepWidth - 960, 600);
    return button;
}

void Location::AddStepBox(const QString& name, int left) {
    auto* box = new QFrame(this);
    box->setObjectName(name);
    box->setFrameShape(QFrame::Box);
    box->setLineWidth(2);
    SetColor(box, QPalette::WindowText, kTitleColor);
    SetTwipsGeometry(box, left, kStepTop, kStepWidth, kStepHeight);
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
