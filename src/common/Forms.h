#pragma once

#include "Form.h"

#include <functional>
#include <string>
#include <vector>

class QMdiArea;

// The registry of shared window instances, reached by name.
namespace forms {

using Factory = std::function<Form*()>;

void registerFactory(const std::string& name, Factory make);
bool hasFactory(const std::string& name);
// Every name a window can be loaded by, in name order.
std::vector<std::string> names();

// Loads the window on first touch (constructs it, then runs Form_Load).
Form& get(const std::string& name);
bool isLoaded(const std::string& name);
// Runs Form_Unload and destroys the window; does nothing when not loaded.
void unload(const std::string& name);
// Every loaded window, in the order they were loaded.
std::vector<Form*> loaded();

template <class T>
void registerForm()
{
    registerFactory(T::FormName, [] { return new T; });
}

template <class T>
T& get()
{
    if (!hasFactory(T::FormName))
        registerForm<T>();
    return static_cast<T&>(get(T::FormName));
}

template <class T>
bool isLoaded()
{
    return isLoaded(T::FormName);
}

template <class T>
void unload()
{
    unload(T::FormName);
}

// The main window's document area that child windows are shown in; without
// one (tests) they are shown as plain windows.
void setMdiArea(QMdiArea* area);
QMdiArea* mdiArea();

// The main window's menu bar follows the active child window: the registry
// tells it when a window's menus may have come or gone.
void setMenuHost(std::function<void()> refresh);
void menusChanged();

// True while a modal show waits for its window: nothing else takes input.
bool modalWindowOpen();
struct ModalScope {
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// Modal shows run a local event loop in the program; tests turn that off so
// a modal show returns at once.
void setModalLoops(bool enabled);
bool modalLoops();

} // namespace forms
