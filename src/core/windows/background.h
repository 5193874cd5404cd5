#pragma once
// The main window: a menu bar over a client area in which the working windows sit, and the
// commands of its menus.

#include "core/frame.h"

#include <QMainWindow>
#include <map>

class QAction;
class QCloseEvent;
class QMdiArea;
class QMenu;

namespace qvr {

class Background : public QMainWindow {
    Q_OBJECT
public:
    Background();

    QAction* MenuItem(Menu menu) const;
    QMdiArea* ClientArea() const { return clientArea_; }

protected:
    // Any closing of the main window asks first and makes the backups (MDIForm_QueryUnload).
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QAction* AddCommand(QMenu* menu, const QString& name, const QString& caption, void (Background::*handler)());
    QMenu* AddMenu(const QString& name, const QString& caption);

    void menuCaseLibrary_Click();
    void menufrontofform_Click();
    void menubackofform_Click();
    void menuFormC_Click();
    void menu2023Guidelines_Click();
    void menuChangeTable_Click();
    void menuProduce_Click();
    void menuShowHide_Click();
    void menunameslibrary_Click();
    void menulocation_Click();
    void menuTitle_Click();
    void menuQuitthisprogram_Click();

    // Asks whether to quit; on Yes makes the backups and ends the program. True on Yes.
    bool QuitThisProgram();

    QMdiArea* clientArea_;
    std::map<Menu, QAction*> menus_;
};

// The main window, loaded on first use.
Background& MainWindow();
// Deletes the main window with every working window in it, asking nothing and running no unload
// handler, so that the next use loads a fresh one (a new start within one process, as tests need).
void DiscardMainWindow();

}  // namespace qvr
