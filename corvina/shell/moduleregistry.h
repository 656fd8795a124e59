// How a module window plugs into the main window.
//
// A module registers one ModuleDescriptor for its button in the left column
// (corvina/registermodules.cpp lists the registrations). The shell enables
// the button of every registered module that the connected phone offers,
// creates the module window on first use, places it, binds its command
// buttons when it becomes active and lets it go when another module is
// chosen. Buttons of unregistered modules stay disabled.
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "corvina/shell/modules.h"

namespace corvina {

class CommandBar;
class Tgesamtform;

struct ModuleDescriptor {
    Module module = Module::Information;
    // Creates the window on first use. The shell owns it afterwards (it is
    // parented to the main window or its client area).
    std::function<QWidget*(Tgesamtform& shell)> create;
    // true: laid into the main window's client area; false: a window of its
    // own beside the main window (call diverts, phone information).
    bool placedInClientArea = true;
    // Puts the module's captions and actions on the command buttons when it
    // becomes active (the bar has been cleared before). May be empty.
    std::function<void(QWidget* window, CommandBar& commands)> bindCommands;
    // The module's page of the help ("phonebook" for data/help/<language>/
    // phonebook.html): the help button and F1 open it while the module is
    // active. Every module names one; a test holds the pages complete.
    QString helpPage;
    // Called when another module is chosen; empty = the window is hidden.
    // The logo and calendar modules close their windows here.
    std::function<void(QWidget* window)> leave;
    // Called before the program ends while the module's window exists. A
    // module with unsaved work asks the user and returns true; it calls
    // `proceed` once the user has decided to go on (not when he cancels the
    // end). May be empty.
    std::function<bool(QWidget* window, std::function<void()> proceed)> holdExit;
};

class ModuleRegistry {
  public:
    void add(ModuleDescriptor descriptor);
    const ModuleDescriptor* find(Module module) const;
    bool contains(Module module) const { return find(module) != nullptr; }

  private:
    std::map<Module, ModuleDescriptor> modules_;
};

// Every module built so far; the program calls it once at start.
void registerModules(ModuleRegistry& registry);

}  // namespace corvina
