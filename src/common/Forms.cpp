#include "Forms.h"

#include <QMdiArea>
#include <QPointer>

#include <algorithm>
#include <map>

namespace forms {

namespace {
struct Registry {
    std::map<std::string, Factory> factories;
    std::vector<std::pair<std::string, Form*>> loaded; // load order
    QPointer<QMdiArea> area;
    bool modalLoops = true;
    std::function<void()> menuHost;
    int modalDepth = 0;
};

Registry& reg()
{
    static Registry r;
    return r;
}

auto findLoaded(const std::string& name)
{
    auto& l = reg().loaded;
    return std::find_if(l.begin(), l.end(), [&](const auto& p) { return p.first == name; });
}
} // namespace

void registerFactory(const std::string& name, Factory make)
{
    reg().factories[name] = std::move(make);
}

bool hasFactory(const std::string& name)
{
    return reg().factories.count(name) != 0;
}

std::vector<std::string> names()
{
    std::vector<std::string> out;
    for (const auto& f : reg().factories)
        out.push_back(f.first);
    return out;
}

Form& get(const std::string& name)
{
    auto it = findLoaded(name);
    if (it != reg().loaded.end())
        return *it->second;
    auto f = reg().factories.find(name);
    if (f == reg().factories.end())
        throw std::logic_error("no window named " + name);
    Form* form = f->second();
    // Registered before its load handler runs, so the handler can touch the
    // window's own properties without loading it a second time.
    reg().loaded.emplace_back(name, form);
    form->Form_Load();
    return *form;
}

bool isLoaded(const std::string& name)
{
    return findLoaded(name) != reg().loaded.end();
}

void unload(const std::string& name)
{
    auto it = findLoaded(name);
    if (it == reg().loaded.end())
        return;
    Form* form = it->second;
    // Off the list first: a handler that touches the window while it unloads
    // must not find the dying instance.
    reg().loaded.erase(it);
    form->Form_Unload();
    form->Hide();
    // The window may be unloading itself from one of its own handlers, so it
    // is destroyed once control returns to the event loop. A child window goes
    // with its frame.
    form->frame()->deleteLater();
}

std::vector<Form*> loaded()
{
    std::vector<Form*> out;
    for (const auto& p : reg().loaded)
        out.push_back(p.second);
    return out;
}

void setMdiArea(QMdiArea* area)
{
    reg().area = area;
}

QMdiArea* mdiArea()
{
    return reg().area;
}

void setMenuHost(std::function<void()> refresh)
{
    reg().menuHost = std::move(refresh);
}

void menusChanged()
{
    if (reg().menuHost)
        reg().menuHost();
}

bool modalWindowOpen()
{
    return reg().modalDepth > 0;
}

ModalScope::ModalScope()
{
    ++reg().modalDepth;
}

ModalScope::~ModalScope()
{
    --reg().modalDepth;
}

void setModalLoops(bool enabled)
{
    reg().modalLoops = enabled;
}

bool modalLoops()
{
    return reg().modalLoops;
}

} // namespace forms
