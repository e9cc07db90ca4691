#pragma once

#include "table/GameCardView.h"

namespace zuno {

// The Bai Cao table screen.
class BaiCaoView : public GameCardView {
public:
    using GameCardView::GameCardView;
};

}  // namespace zuno
