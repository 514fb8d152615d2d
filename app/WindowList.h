#pragma once
// The program's windows, each named once, in the order the program creates
// them. Start-up creates and wires them from this list, the main window builds
// its "Przepustowość" and "Dobór" menus from it, the two choice dialogs take
// from it the order in which "OK" looks at the windows, and an activated
// calculation window clears the other flags of its kind by it.

#include "app/CalcWindow.h"

#include <vector>

class QWidget;

namespace WindowList {

struct Entry {
    const char* formName; // the window's object name
    QWidget* (*create)(QWidget* mainWindow);

    // A calculation window's facts; a dialog has none (no flag).
    bool* activeFlag = nullptr; // its own flag among the active-window flags
    CalcWindow::Group group = CalcWindow::Group::Capacity;
    int menuPlace = -1;             // place among the items of its group's menu
    const char* menuText = nullptr; // the menu item's caption
    const char* menuName = nullptr; // the menu item's object name ("Woda1")
    int menuHelp = 0;               // the menu item's help context number
    int help = 0;                   // the window's help context number, 0 = none
    // Place in the order in which its choice dialog's "OK" looks at the
    // windows of its group (the valve choice dialog for the capacity windows,
    // the valve type dialog for the selection windows).
    int fillPlace = -1;

    bool IsCalculation() const { return activeFlag != nullptr; }
};

template <class Window> QWidget* Create(QWidget* mainWindow) {
    return new Window(mainWindow);
}

// The entry that creates windows of the class `create` makes; a class not
// in the list is a programming error and ends the program.
const Entry& OfCreator(QWidget* (*create)(QWidget*));

// The entry of the window class `Window`: the window takes its form name,
// flag, kind and help context number from it.
template <class Window> const Entry& Of() {
    return OfCreator(&Create<Window>);
}

// Every window but the main window, in the order of creation.
const std::vector<Entry>& All();

// The calculation windows of a group, in the order of their menu's items
// ("Przepustowość" for the capacity windows, "Dobór" for the selection windows).
std::vector<const Entry*> MenuItems(CalcWindow::Group group);

// The active flags of a group in the order its choice dialog's "OK" looks at them.
std::vector<bool*> FillOrder(CalcWindow::Group group);

// The calculation window whose flag this is, or nullptr.
const Entry* OfFlag(const bool* activeFlag);

} // namespace WindowList
