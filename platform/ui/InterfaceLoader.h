#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/ui/View.h"

namespace zuno::ui {

class Responder;

// Builds a view tree from an interface file, bundle/ui/<Name>.xml, binding outlets and actions to an
// owner by the names in the owner's binding table. Every name that does not bind and every unknown
// attribute is reported (logged and returned); the rest of the file still loads. A text given as "@KEY" is the language key's text (see
// LocalizedText) and follows the language. A custom view (class="...") takes its own attributes
// through its binding table (Bind<C>::attribute).
//
// A screen loading its own file (ViewController::loadView) also counts each of its outlets that the
// file leaves unconnected as a problem, and keeps the list. Strict loading (on by default in debug
// builds, the test build among them) turns a problem there, or in check(), into a Failure: no screen
// runs half-bound.
class InterfaceLoader {
public:
#ifdef NDEBUG
    static constexpr bool kStrictByDefault = false;
#else
    static constexpr bool kStrictByDefault = true;
#endif

    class Failure : public sys::Exception {
    public:
        Failure(const std::string& name, std::vector<std::string> problems);
        const std::vector<std::string>& problems() const { return problems_; }

    private:
        std::vector<std::string> problems_;
    };

    struct Result {
        bool loaded = false;
        std::vector<std::shared_ptr<View>> topLevelViews;
        std::vector<std::shared_ptr<Object>> topLevelObjects;
        std::vector<std::string> problems;
        // Outlets of the owner's table that the file does not connect (a screen loading its own
        // file counts each as a problem).
        std::vector<std::string> unconnectedOutlets;
    };

    // The folder of the interface files (the bundle's ui folder).
    static void setInterfaceRoot(std::string folder);
    static std::string interfaceRoot();

    static Result load(const std::string& name, Responder& owner);
    static Result loadFromText(const std::string& xml, Responder& owner, const std::string& name = "interface");

    static void setStrict(bool on);
    static bool isStrict();
    // Raises a Failure when loading is strict and the result has problems.
    static void check(const std::string& name, const Result& result);
};

}  // namespace zuno::ui
