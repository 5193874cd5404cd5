#include "support/frame_fixture.h"

#include "core/program_state.h"
#include "core/windows/background.h"
#include "core/windows/program.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace qvr::test {

FakeWindow::FakeWindow(const QString& name, FakeLog& log, std::function<void()> onUnload)
    : log_(log), onUnload_(std::move(onUnload)) {
    setObjectName(name);
}

void FakeWindow::closeEvent(QCloseEvent* event) {
    log_.unloaded << objectName();
    if (onUnload_) onUnload_();
    event->accept();
}

FakeWorksheet::FakeWorksheet(const QString& name, FakeLog& log)
    : FakeWindow(name, log), field_(new QLabel("0.00", this)) {
    state.ActiveFormName = name;
    SetMenusEnabled({Menu::Forms, Menu::CaseLibrary, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About,
                     Menu::Produce, Menu::ShowHide},
                    true);
    field_->setObjectName("lblPInc");
    field_->setAutoFillBackground(true);
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth - 200, state.FormHeight + 11800);
    ChangeFieldColors();
}

void FakeWorksheet::ProduceForm() { ++log_.produced; }

void FakeWorksheet::BecomeWorkingWindow() { state.ActiveFormName = objectName(); }

void FakeWorksheet::ChangeFieldColors() {
    ++log_.colored;
    QPalette palette = field_->palette();
    palette.setColor(QPalette::Window, PaletteColor(state.FieldColor));
    field_->setPalette(palette);
}

QColor FakeWorksheet::FieldColorShown() const { return field_->palette().color(QPalette::Window); }

void FrameTest::TearDown() {
    DiscardMainWindow();
    DeleteUnloadedWindows();
    for (const QString& name : registered_) RegisterWorkingWindow(name, {});
    TempDriveTest::TearDown();
}

void FrameTest::StartProgram() {
    ModalAnswerer answerer;
    Main();
    ASSERT_TRUE(answerer.Titles().isEmpty()) << answerer.Titles().join(", ").toStdString();
    ASSERT_EQ(programEnds, 0);
}

void FrameTest::Register(const QString& name, WindowMaker make) {
    registered_ << name;
    RegisterWorkingWindow(name, std::move(make));
}

void FrameTest::RegisterFakeWorksheet(const QString& name) {
    Register(name, [this, name] { return new FakeWorksheet(name, log); });
}

void FrameTest::RegisterFakeWindow(const QString& name, std::function<void()> onUnload) {
    Register(name, [this, name, onUnload] { return new FakeWindow(name, log, onUnload); });
}

QAction* FrameTest::MenuItem(const QString& name) {
    auto* item = MainWindow().findChild<QAction*>(name);
    EXPECT_NE(item, nullptr) << name.toStdString();
    return item;
}

void FrameTest::Choose(const QString& menuItem) {
    QAction* item = MenuItem(menuItem);
    ASSERT_TRUE(item->isEnabled()) << menuItem.toStdString();
    item->trigger();
    DeleteUnloadedWindows();
}

QMdiSubWindow* FrameTest::SubWindow(const QString& windowName) {
    QWidget* window = LoadedWorkingWindow(windowName);
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

QStringList FrameTest::ShownWindows() {
    QStringList names;
    const auto order = MainWindow().ClientArea()->subWindowList(QMdiArea::StackingOrder);
    for (auto subWindow = order.rbegin(); subWindow != order.rend(); ++subWindow)
        if ((*subWindow)->isVisible()) names << (*subWindow)->widget()->objectName();
    return names;
}

void FrameTest::DeleteUnloadedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString FrameTest::DataFile(const QString& name) { return state.FilesLocation + "\\" + name; }

ModalAnswerer::Action ClickLater(const QString& caption) {
    return [caption](QWidget* dialog) {
        QTimer::singleShot(0, dialog, [dialog, caption] { ModalAnswerer::ClickButton(dialog, caption); });
    };
}

ModalAnswerer::Action CloseDialog() {
    return [](QWidget* dialog) { dialog->close(); };
}

}  // namespace qvr::test
