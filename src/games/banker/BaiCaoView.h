#pragma once

#include <string>

#include "table/GameCardView.h"

namespace zuno {

// The Bai Cao table.
class BaiCaoView : public GameCardView {
public:
    BaiCaoView() : BaiCaoView("TienLenView") {}
    explicit BaiCaoView(std::string nibName);
};

}  // namespace zuno
