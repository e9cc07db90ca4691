#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/View.h"

namespace zuno::ui {

class Responder;

// Builds a view tree from an interface file, bundle/ui/<Name>.xml, binding outlets and actions to an
// owner by the names in the owner's binding table. Every name that does not bind is reported (logged
// and returned); the rest of the file still loads.
class InterfaceLoader {
public:
    struct Result {
        bool loaded = false;
        std::vector<std::shared_ptr<View>> topLevelViews;
        std::vector<std::shared_ptr<Object>> topLevelObjects;
        std::vector<std::string> problems;
    };

    // The folder of the interface files (the bundle's ui folder).
    static void setInterfaceRoot(std::string folder);
    static std::string interfaceRoot();

    static Result load(const std::string& name, Responder& owner);
    static Result loadFromText(const std::string& xml, Responder& owner, const std::string& name = "interface");
};

}  // namespace zuno::ui
