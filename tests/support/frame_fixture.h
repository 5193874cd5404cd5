#pragma once
// A fresh program in each test: its own drive, fresh state, a new main window, and fake working
// windows that stand in for those that the core does not own.

#include "core/frame.h"
#include "support/print_qstring.h"
#include "support/modal_answerer.h"
#include "support/temp_drive.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QAction;
class QLabel;
class QMdiSubWindow;

namespace qvr::test {

// What the fake windows of a test did, in order.
struct FakeLog {
    QStringList unloaded;  // window names, in the order their unload handlers ran
    int produced = 0;
    int colored = 0;
};

// A working window that records its unloading and may do more in its unload handler.
class FakeWindow : public QWidget {
public:
    FakeWindow(const QString& name, FakeLog& log, std::function<void()> onUnload = {});

protected:
    void closeEvent(QCloseEvent* event) override;

    FakeLog& log_;

private:
    std::function<void()> onUnload_;
};

// A worksheet as the frame sees one: records its name, enables every menu, has one field.
class FakeWorksheet : public FakeWindow, public Worksheet {
public:
    FakeWorksheet(const QString& name, FakeLog& log);
    void ProduceForm() override;
    void ChangeFieldColors() override;
    void BecomeWorkingWindow() override;
    QColor FieldColorShown() const;

private:
    QLabel* field_;
};

class FrameTest : public TempDriveTest {
protected:
    void TearDown() override;

    // The program's start: databases, the main window and the start window.
    void StartProgram();
    void Register(const QString& name, WindowMaker make);
    void RegisterFakeWorksheet(const QString& name);
    void RegisterFakeWindow(const QString& name, std::function<void()> onUnload = {});

    static QAction* MenuItem(const QString& name);
    static void Choose(const QString& menuItem);
    static QMdiSubWindow* SubWindow(const QString& windowName);
    // The working windows that are loaded and visible, front first.
    static QStringList ShownWindows();
    static void DeleteUnloadedWindows();
    static QString DataFile(const QString& name);  // a Windows path in the data folder

    FakeLog log;

private:
    QStringList registered_;
};

// Clicks once the answerer is done with the dialog, so that a message box that the click opens
// is answered too.
ModalAnswerer::Action ClickLater(const QString& caption);
ModalAnswerer::Action CloseDialog();

}  // namespace qvr::test
