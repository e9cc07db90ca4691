#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zuno::ui {

class View;
class ViewController;

// Makes screens, sheets and custom views by class name, so that a screen can open a later one (and
// an interface file can name a class) before that class exists.
class ScreenFactory {
public:
    using MakeScreen = std::function<std::shared_ptr<ViewController>()>;
    using MakeView = std::function<std::shared_ptr<View>()>;

    static void registerScreen(const std::string& name, MakeScreen make);
    // nullptr (and a log line) for a name nobody registered.
    static std::shared_ptr<ViewController> create(const std::string& name);
    static bool hasScreen(const std::string& name);
    static std::vector<std::string> screenNames();

    static void registerView(const std::string& name, MakeView make);
    static std::shared_ptr<View> createView(const std::string& name);
    static bool hasView(const std::string& name);
};

}  // namespace zuno::ui

// Registers a screen class (default-constructible) under its own name; put it in the class's source.
// A class in a static library is linked only when something refers to it, so a program lists its
// screens' registration where it starts (or refers to each class) rather than relying on this alone.
#define ZUNO_REGISTER_SCREEN(Class)                                                              \
    namespace {                                                                                  \
    const bool zunoRegistered##Class = (::zuno::ui::ScreenFactory::registerScreen(               \
                                            #Class, [] { return std::make_shared<Class>(); }),   \
                                        true);                                                   \
    }

#define ZUNO_REGISTER_VIEW(Class)                                                                \
    namespace {                                                                                  \
    const bool zunoRegisteredView##Class = (::zuno::ui::ScreenFactory::registerView(             \
                                                #Class, [] { return std::make_shared<Class>(); }), \
                                            true);                                               \
    }
