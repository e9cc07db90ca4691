#pragma once

#include "table/GameCardView.h"

namespace zuno {

// The Xi Zach table screen.
class XiZachView : public GameCardView {
public:
    using GameCardView::GameCardView;
};

}  // namespace zuno
