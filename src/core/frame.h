#pragma once
// The main window's services to the working windows: the registry of working windows by name,
// the one-window-at-a-time switch, the menus that working windows enable, and placement.
// Working windows are QWidget subclasses named (objectName) as the program calls them; the
// frame constructs one when it is shown (its constructor does the load work) and closes and
// deletes it when it is unloaded (a window with an unload handler overrides closeEvent).

#include <QColor>
#include <QString>
#include <functional>
#include <initializer_list>

class QWidget;

namespace qvr {

// Window geometry is given in twips, 15 to a pixel.
constexpr int Pixels(int twips) { return twips / 15; }
// Colour index of the classic 16-colour palette (15 white, 14 yellow).
QColor PaletteColor(int index);

// The eight menus of the main window that working windows switch.
enum class Menu { CaseLibrary, Forms, Guidelines, Produce, ShowHide, Names, Location, About };
void SetMenusEnabled(std::initializer_list<Menu> menus, bool enabled);
bool MenuEnabled(Menu menu);
void SetFrameBackgroundColor(int colorIndex);

// The two operations of a worksheet that "Produce" and "Show/Hide Fields" reach, and what a
// worksheet does when it comes to the front again after its load.
class Worksheet {
public:
    virtual ~Worksheet() = default;
    virtual void ProduceForm() = 0;
    virtual void ChangeFieldColors() = 0;
    virtual void BecomeWorkingWindow() = 0;
};

using WindowMaker = std::function<QWidget*()>;
// An empty maker takes the name out of the registry again.
void RegisterWorkingWindow(const QString& name, WindowMaker make);
bool WorkingWindowRegistered(const QString& name);

// Shows the named working window modeless inside the main window, loading it when it is not
// loaded; an unregistered name does nothing.
void ShowWorkingWindow(const QString& name);
QWidget* LoadedWorkingWindow(const QString& name);  // nullptr when not loaded
// False when the window refused to close (its unload handler kept it) and stays loaded.
bool UnloadWorkingWindow(const QString& name);
// Unloads every working window in the fixed order; re-entrant (a window whose unloading is in
// progress is not unloaded again). False when a window refused to close: a switch then stops,
// so that the window stays on screen.
bool UnloadAllForms();

// Puts a working window at a place and size inside the main window, in twips.
void PlaceWorkingWindow(QWidget* window, int left, int top, int width, int height);

}  // namespace qvr
