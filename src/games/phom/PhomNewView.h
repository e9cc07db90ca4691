#pragma once

#include <string>

#include "games/phom/PhomView.h"

namespace zuno {

// The new Phom table.
class PhomNewView : public PhomView {
public:
    PhomNewView() : PhomNewView("PhomView") {}
    explicit PhomNewView(std::string nibName);
};

}  // namespace zuno
