#pragma once

#include "table/GameCardView.h"

namespace zuno {

// The Tien Len table screen.
class TienLenView : public GameCardView {
public:
    using GameCardView::GameCardView;
};

}  // namespace zuno
