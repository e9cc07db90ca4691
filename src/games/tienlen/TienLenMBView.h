#pragma once

#include "table/GameCardView.h"

namespace zuno {

// The Tien Len Mien Bac table screen.
class TienLenMBView : public GameCardView {
public:
    using GameCardView::GameCardView;
};

}  // namespace zuno
