#include "core/frame.h"

#include "core/windows/background.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <array>
#include <map>

namespace qvr {
namespace {

constexpr const char* kPlacement = "qvrPlacement";

// The order in which the working windows are unloaded.
const std::array<const char*, 9> kUnloadOrder{"CaseLibrary", "Location",  "Splash", "NamesAdmin",
                                              "ChangeTable", "FormA",     "FormB",  "FormC",
                                              "CalcDetailRegistered"};

std::map<QString, WindowMaker>& Registry() {
    static std::map<QString, WindowMaker> registry;
    return registry;
}

// A window deleted with the main window drops out of here by itself.
std::map<QString, QPointer<QWidget>>& Loaded() {
    static std::map<QString, QPointer<QWidget>> loaded;
    return loaded;
}

QSet<QString>& Unloading() {
    static QSet<QString> unloading;
    return unloading;
}

QMdiSubWindow* SubWindowOf(QWidget* window) { return qobject_cast<QMdiSubWindow*>(window->parentWidget()); }

QRect PlacementOf(QWidget* window) {
    const QVariant placement = window->property(kPlacement);
    if (placement.isValid()) return placement.toRect();
    return {0, 0, window->width(), window->height()};
}

// Places are given from the client area's top left: a scroll left over from a tall worksheet
// would otherwise push the next window down once the area stops scrolling.
void ScrollToTopLeft(QMdiArea* area) {
    area->horizontalScrollBar()->setValue(0);
    area->verticalScrollBar()->setValue(0);
}

// A window that refuses to go is shown again, as a switch from the menu leaves it on screen.
void UnloadAllBut(const QString& kept) {
    for (const char* name : kUnloadOrder) {
        if (name == kept || UnloadWorkingWindow(name)) continue;
        ShowWorkingWindow(name);
        return;
    }
}

// After its load, which does that work itself, a worksheet that comes to the front again (raised
// from behind another window, or the program's window active again) becomes the working window,
// and the windows left loaded go after the click that raised it: one working window at a time.
void BecomeWorkingWindowWhenActivated(QWidget* window) {
    auto* worksheet = dynamic_cast<Worksheet*>(window);
    if (!worksheet) return;
    QObject::connect(SubWindowOf(window), &QMdiSubWindow::aboutToActivate, window, [window, worksheet] {
        worksheet->BecomeWorkingWindow();
        QTimer::singleShot(0, window, [name = window->objectName()] { UnloadAllBut(name); });
    });
}

QWidget* Load(const QString& name, const WindowMaker& make) {
    QWidget* window = make();
    if (!window) return nullptr;
    window->setObjectName(name);
    ScrollToTopLeft(MainWindow().ClientArea());
    QMdiSubWindow* subWindow = MainWindow().ClientArea()->addSubWindow(window, Qt::FramelessWindowHint);
    subWindow->setGeometry(PlacementOf(window));
    Loaded()[name] = window;
    return window;
}

}  // namespace

QColor PaletteColor(int index) {
    static const std::array<QColor, 16> palette{
        QColor(0x00, 0x00, 0x00), QColor(0x00, 0x00, 0x80), QColor(0x00, 0x80, 0x00), QColor(0x00, 0x80, 0x80),
        QColor(0x80, 0x00, 0x00), QColor(0x80, 0x00, 0x80), QColor(0x80, 0x80, 0x00), QColor(0xC0, 0xC0, 0xC0),
        QColor(0x80, 0x80, 0x80), QColor(0x00, 0x00, 0xFF), QColor(0x00, 0xFF, 0x00), QColor(0x00, 0xFF, 0xFF),
        QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0xFF), QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0xFF, 0xFF)};
    if (index < 0 || index >= int(palette.size())) return palette[0];
    return palette[size_t(index)];
}

void SetMenusEnabled(std::initializer_list<Menu> menus, bool enabled) {
    for (Menu menu : menus) MainWindow().MenuItem(menu)->setEnabled(enabled);
}

bool MenuEnabled(Menu menu) { return MainWindow().MenuItem(menu)->isEnabled(); }

void SetFrameBackgroundColor(int colorIndex) { MainWindow().ClientArea()->setBackground(PaletteColor(colorIndex)); }

void RegisterWorkingWindow(const QString& name, WindowMaker make) {
    if (make)
        Registry()[name] = std::move(make);
    else
        Registry().erase(name);
}

bool WorkingWindowRegistered(const QString& name) { return Registry().contains(name); }

void ShowWorkingWindow(const QString& name) {
    const auto registered = Registry().find(name);
    if (registered == Registry().end()) return;
    QWidget* window = LoadedWorkingWindow(name);
    const bool loading = !window;
    if (loading) window = Load(name, registered->second);
    if (!window) return;
    Background& frame = MainWindow();
    if (!frame.isVisible()) frame.showNormal();
    QMdiSubWindow* subWindow = SubWindowOf(window);
    subWindow->show();
    subWindow->raise();
    frame.ClientArea()->setActiveSubWindow(subWindow);
    if (loading) BecomeWorkingWindowWhenActivated(window);
}

QWidget* LoadedWorkingWindow(const QString& name) {
    const auto loaded = Loaded().find(name);
    return loaded == Loaded().end() ? nullptr : loaded->second.data();
}

// The window's own unload handler is its close event; one that refuses to close stays loaded.
// The window goes with deleteLater, as it may be the one whose handler asked for the switch.
bool UnloadWorkingWindow(const QString& name) {
    QWidget* window = LoadedWorkingWindow(name);
    if (!window || Unloading().contains(name)) return true;
    Unloading().insert(name);
    const bool closed = window->close();
    Unloading().remove(name);
    if (!closed) return false;
    Loaded().erase(name);
    QMdiSubWindow* subWindow = SubWindowOf(window);
    subWindow->hide();
    subWindow->deleteLater();
    return true;
}

bool UnloadAllForms() {
    bool allClosed = true;
    for (const char* name : kUnloadOrder) allClosed = UnloadWorkingWindow(name) && allClosed;
    return allClosed;
}

void PlaceWorkingWindow(QWidget* window, int left, int top, int width, int height) {
    const QRect placement(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
    window->setProperty(kPlacement, placement);
    window->resize(placement.size());
    if (QMdiSubWindow* subWindow = SubWindowOf(window)) subWindow->setGeometry(placement);
}

}  // namespace qvr
