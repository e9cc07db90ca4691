#pragma once

#include <string>

#include "table/GameCardView.h"

namespace zuno {

// The Xi Zach table.
class XiZachView : public GameCardView {
public:
    XiZachView() : XiZachView("TienLenView") {}
    explicit XiZachView(std::string nibName);
};

}  // namespace zuno
