#include "core/windows/background.h"

#include "core/database_backups.h"
#include "core/program_state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/program_end.h"
#include "platform/shell.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>

namespace qvr {
namespace {

constexpr const char* kGuidelinesDocument = "\\QVRForms\\CS2023.pdf";

QPointer<Background>& TheMainWindow() {
    static QPointer<Background> mainWindow;
    return mainWindow;
}

// A window that the program does not have yet is not opened, and the one on screen stays; so
// does a window that refuses to go (the schedule window with changes it could not save).
void OpenWorkingWindow(const QString& name) {
    if (!WorkingWindowRegistered(name)) return;
    if (!UnloadAllForms()) return;
    ShowWorkingWindow(name);
}

// The worksheet that ActiveFormName names, when it is one and it is loaded.
Worksheet* ActiveWorksheet() {
    const QString& name = state.ActiveFormName;
    if (name != "FormA" && name != "FormB" && name != "FormC") return nullptr;
    return dynamic_cast<Worksheet*>(LoadedWorkingWindow(name));
}

// What the user learns of one backup at quitting; empty when it was made, or kept on purpose.
QString BackUp(const DatabaseFile& database) {
    Fault fault = Fault::None;
    QString keptAs;
    const bool made = MakeBackup(database, &fault, &keptAs);
    QString told;
    if (!keptAs.isEmpty())
        told = QString("The backup made before the %1 database went missing is kept as %2.  ")
                   .arg(database.kind.toLower(), keptAs);
    if (!made && fault != Fault::None)
        told += QString("The backup %1 of %2 could not be made because %3.%4  ")
                    .arg(database.backup, database.file, FaultText(fault),
                         keptAs.isEmpty() ? "  The old backup is as it was." : "");
    return told;
}

// Told before the program ends, which it does all the same.
void ReportBackups(const QStringList& told) {
    const QString text = told.join("").trimmed();
    if (!text.isEmpty()) MsgBox(text, MessageButtons::OkOnly, "Backups");
}

}  // namespace

Background::Background() : clientArea_(new QMdiArea(this)) {
    setObjectName("Background");
    clientArea_->setObjectName("ClientArea");
    // A worksheet is taller than the client area: the area scrolls to it.
    clientArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    clientArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(clientArea_);
    BuildMenus();
    resize(Pixels(state.FormWidth + 500), Pixels(state.FormHeight + 1000));
}

QAction* Background::MenuItem(Menu menu) const { return menus_.at(menu); }

QMenu* Background::AddMenu(const QString& name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Background::AddCommand(QMenu* menu, const QString& name, const QString& caption,
                                void (Background::*handler)()) {
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void Background::BuildMenus() {
    menus_[Menu::CaseLibrary] =
        AddCommand(nullptr, "menuCaseLibrary", "Case Library", &Background::menuCaseLibrary_Click);
    QMenu* forms = AddMenu("menuForms", "Forms");
    menus_[Menu::Forms] = forms->menuAction();
    AddCommand(forms, "menufrontofform", "AOC-CV-627  Sole Custody", &Background::menufrontofform_Click);
    AddCommand(forms, "menubackofform", "AOC-CV-628  Shared Custody", &Background::menubackofform_Click);
    AddCommand(forms, "menuFormC", "AOC-CV-629  Split Custody", &Background::menuFormC_Click);
    QMenu* guidelines = AddMenu("menuGuidelines", "Guidelines");
    menus_[Menu::Guidelines] = guidelines->menuAction();
    AddCommand(guidelines, "menu2023Guidelines", "Child Support Guidelines (PDF)",
               &Background::menu2023Guidelines_Click);
    AddCommand(guidelines, "menuChangeTable", "Schedule of Basic Support Obligations ",
               &Background::menuChangeTable_Click);
    menus_[Menu::Produce] = AddCommand(nullptr, "menuProduce", "Produce", &Background::menuProduce_Click);
    menus_[Menu::ShowHide] = AddCommand(nullptr, "menuShowHide", "Show/Hide Fields", &Background::menuShowHide_Click);
    menus_[Menu::Names] = AddCommand(nullptr, "menunameslibrary", "Names", &Background::menunameslibrary_Click);
    menus_[Menu::Location] = AddCommand(nullptr, "menulocation", "Location", &Background::menulocation_Click);
    menus_[Menu::About] = AddCommand(nullptr, "menuTitle", "About", &Background::menuTitle_Click);
    QMenu* quit = AddMenu("menuquitnow", "Quit");
    AddCommand(quit, "menuQuitthisprogram", "Quit this Program", &Background::menuQuitthisprogram_Click);
}

void Background::menuCaseLibrary_Click() { OpenWorkingWindow("CaseLibrary"); }
void Background::menufrontofform_Click() { OpenWorkingWindow("FormA"); }
void Background::menubackofform_Click() { OpenWorkingWindow("FormB"); }
void Background::menuFormC_Click() { OpenWorkingWindow("FormC"); }
void Background::menuChangeTable_Click() { OpenWorkingWindow("ChangeTable"); }
void Background::menulocation_Click() { OpenWorkingWindow("Location"); }
void Background::menuTitle_Click() { OpenWorkingWindow("Splash"); }

void Background::menunameslibrary_Click() {
    state.PickerKey = "";
    state.DialogTitle = "";
    OpenWorkingWindow("NamesAdmin");
}

void Background::menu2023Guidelines_Click() {
    if (files::FileExists(kGuidelinesDocument)) {
        OpenDocumentOrTellWhere(kGuidelinesDocument, "Child Support Guidelines");
        return;
    }
    MsgBox("The 2023 Child Support Guidelines document seems to be missing. Please reinstall this program.  "
           "If the problem continues, please contact Quorvane for help.",
           MessageButtons::OkOnly, "Child Support Guidelines");
}

void Background::menuProduce_Click() {
    if (Worksheet* worksheet = ActiveWorksheet()) worksheet->ProduceForm();
}

// The colour index is shared: a worksheet opened later starts with the colour chosen here.
void Background::menuShowHide_Click() {
    Worksheet* worksheet = ActiveWorksheet();
    if (!worksheet) return;
    state.FieldColor = state.FieldColor == 15 ? 14 : 15;
    worksheet->ChangeFieldColors();
}

void Background::menuQuitthisprogram_Click() { QuitThisProgram(); }

void Background::closeEvent(QCloseEvent* event) {
    if (QuitThisProgram())
        event->accept();
    else
        event->ignore();
}

bool Background::QuitThisProgram() {
    state.UserAnswer = MsgBox("Are you sure you want to Quit this Program?", MessageButtons::YesNo, "Quit");
    if (state.UserAnswer != vbYes) return false;
    // Windows write what is being typed in them as they unload, before the copies; one that keeps
    // edits it could not save stays, and so does the program.
    if (!UnloadAllForms()) return false;
    ReportBackups({BackUp(CasesDatabaseFile()), BackUp(NamesDatabaseFile())});
    EndProgramNow();
    return true;
}

Background& MainWindow() {
    QPointer<Background>& mainWindow = TheMainWindow();
    if (!mainWindow) mainWindow = new Background;
    return *mainWindow;
}

void DiscardMainWindow() { delete TheMainWindow().data(); }

}  // namespace qvr
