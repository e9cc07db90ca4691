// A sign-in form lifted while a field is typed in: on the desktop no keyboard needs clearing, so the
// form lifts no further than keeps every field whole below the top bar.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>

#include "platform/ui/TextField.h"

namespace zuno::formlift {

constexpr double kTopBarHeight = 30;
constexpr double kGapBelowTopBar = 4;

// The lift, at most the one wanted, that keeps each field's top at or below the highest it may reach
// (a field at rest lies the form's top plus its own y down the screen).
inline double keepingFieldsWhole(double wanted, double formTopAtRest,
                                 std::initializer_list<std::shared_ptr<ui::TextField>> fields,
                                 const std::function<double(const ui::TextField&)>& highestTop) {
    double lift = wanted;
    for (const auto& field : fields) {
        if (field) lift = std::min(lift, formTopAtRest + field->frame().y() - highestTop(*field));
    }
    return std::max(0.0, lift);
}

}  // namespace zuno::formlift
