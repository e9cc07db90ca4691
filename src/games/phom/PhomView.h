#pragma once

#include <string>

#include "shell/ZunoViewController.h"
#include "table/TableSeating.h"

namespace zuno {

// The Phom table.
class PhomView : public ZunoViewController, public CardTableSeating {
public:
    PhomView() : PhomView("PhomView") {}
    explicit PhomView(std::string nibName);
};

}  // namespace zuno
