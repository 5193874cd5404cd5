#include "core/windows/splash.h"

#include "core/database_backups.h"
#include "core/frame.h"
#include "core/program_state.h"
#include "core/windows/hidden_utilities.h"
#include "core/windows/splash_picture.h"
#include "core/windows/window_kit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace qvr {
namespace {

const QColor kPictureText(0xFF, 0xF4, 0xD6);
const QColor kBackground(0x0B, 0x2A, 0x55);
constexpr int kCheckInterval = 20;  // milliseconds

}  // namespace

Splash::Splash() {
    setObjectName("Splash");
    setWindowTitle("Quorvane");
    setFocusPolicy(Qt::StrongFocus);
    SetMenusEnabled({Menu::Forms, Menu::CaseLibrary, Menu::Guidelines, Menu::Names, Menu::Location, Menu::About,
                     Menu::Produce, Menu::ShowHide},
                    false);
    PlaceWorkingWindow(this, state.FormLeft, state.FormTop, state.FormWidth, state.FormHeight);
    SetBackground(this, kBackground);

    const int pictureLeft = (width() - kSplashPictureWidth) / 2;
    const int pictureTop = 24;
    auto* Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(SplashPicture());
    Image1->setGeometry(pictureLeft, pictureTop, kSplashPictureWidth, kSplashPictureHeight);

    QLabel* Label2 = AddLabel("Label2", state.ProgramShortTitle, 28, true);
    Label2->setGeometry(pictureLeft + 36, pictureTop + 56, 330, 120);
    QLabel* Label3 = AddLabel("Label3", "Quorvane", 16, false);
    Label3->setGeometry(pictureLeft + 36, pictureTop + 190, 330, 32);
    QLabel* Label4 = AddLabel("Label4", state.VersionText, 10, false);
    Label4->setGeometry(pictureLeft + 36, pictureTop + kSplashPictureHeight - 40, 330, 24);

    QLabel* Label1 = AddLabel("Label1", "CLICK ON THE PICTURE ABOVE TO CONTINUE", 12, true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(pictureLeft, pictureTop + kSplashPictureHeight + 14, kSplashPictureWidth, 28);

    for (QLabel* clickable : {Image1, Label1, Label2, Label3}) clickable->installEventFilter(this);

    connect(&checks_, &QTimer::timeout, this, &Splash::TellEndedChecks);
}

void Splash::showEvent(QShowEvent* event) {
    if (DatabaseChecksPending()) checks_.start(kCheckInterval);
    QWidget::showEvent(event);
}

// What a check of a file finds is told as soon as it ends, but never over another question.
void Splash::TellEndedChecks() {
    if (QApplication::activeModalWidget()) return;
    FinishEndedDatabaseChecks();
    if (!DatabaseChecksPending()) checks_.stop();
}

QLabel* Splash::AddLabel(const QString& name, const QString& text, int pointSize, bool bold) {
    QLabel* label = qvr::AddLabel(this, name, text, MakeFont("Arial", pointSize, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetColor(label, QPalette::WindowText, kPictureText);
    return label;
}

// The press is taken so that the release comes back here; a click is a release inside.
bool Splash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) return true;
    if (event->type() != QEvent::MouseButtonRelease) return QWidget::eventFilter(watched, event);
    const auto* release = static_cast<QMouseEvent*>(event);
    if (static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint())) Image1_Click();
    return true;
}

void Splash::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || state.CaseLibraryOpened != "N") return;
    FinishStartChecks();
    HiddenUtilities utilities(this);
    utilities.exec();
}

// What the checks of the files find is told while this window shows, since its Esc is the way to a
// backup; after such a message the window stays for the user to choose.
bool Splash::FinishStartChecks() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    WaitForDatabaseChecks();
    QApplication::restoreOverrideCursor();
    return FinishDatabaseChecks();
}

void Splash::Image1_Click() {
    if (FinishStartChecks()) return;
    UnloadAllForms();
    ShowWorkingWindow("CaseLibrary");
}

}  // namespace qvr
