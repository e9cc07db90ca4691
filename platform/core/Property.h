#pragma once

#include <utility>

// A record field with a getter named after the field and a setter: ZUNO_PROPERTY(int32_t, exp, setExp)
// declares `exp()` and `setExp(v)` over the private member `exp_`. Records use it so that their fields
// keep the names the protocol and the screens use.
#define ZUNO_PROPERTY(Type, name, setter)                         \
public:                                                           \
    const Type& name() const { return name##_; }                  \
    void setter(Type value) { name##_ = std::move(value); }       \
                                                                  \
private:                                                          \
    Type name##_

// The same for a value the record computes on set: only the getter is generated.
#define ZUNO_READONLY(Type, name)                                 \
public:                                                           \
    const Type& name() const { return name##_; }                  \
                                                                  \
private:                                                          \
    Type name##_
