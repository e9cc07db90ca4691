#include "platform/ui/ScreenFactory.h"

#include <map>
#include <mutex>

#include "platform/core/Log.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"

namespace zuno::ui {

namespace {
struct Registry {
    std::mutex mutex;
    std::map<std::string, ScreenFactory::MakeScreen> screens;
    std::map<std::string, ScreenFactory::MakeView> views;
};
Registry& registry() {
    static Registry* r = new Registry;  // filled by static initialisers of any translation unit
    return *r;
}
}  // namespace

void ScreenFactory::registerScreen(const std::string& name, MakeScreen make) {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.screens[name] = std::move(make);
}

std::shared_ptr<ViewController> ScreenFactory::create(const std::string& name) {
    MakeScreen make;
    {
        auto& r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        auto it = r.screens.find(name);
        if (it != r.screens.end()) make = it->second;
    }
    if (!make) {
        sys::Log::warningFormat("no screen class named %s", name.c_str());
        return nullptr;
    }
    return make();
}

bool ScreenFactory::hasScreen(const std::string& name) {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.screens.count(name) != 0;
}

std::vector<std::string> ScreenFactory::screenNames() {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    std::vector<std::string> names;
    for (const auto& [name, make] : r.screens) names.push_back(name);
    return names;
}

void ScreenFactory::registerView(const std::string& name, MakeView make) {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.views[name] = std::move(make);
}

std::shared_ptr<View> ScreenFactory::createView(const std::string& name) {
    MakeView make;
    {
        auto& r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        auto it = r.views.find(name);
        if (it != r.views.end()) make = it->second;
    }
    return make ? make() : nullptr;
}

bool ScreenFactory::hasView(const std::string& name) {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.views.count(name) != 0;
}

}  // namespace zuno::ui
