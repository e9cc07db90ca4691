#pragma once

namespace zuno::ui {

// The common base of everything that can be the sender of an action or the value of an outlet.
class Object {
public:
    virtual ~Object() = default;
};

}  // namespace zuno::ui
