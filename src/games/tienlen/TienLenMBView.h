#pragma once

#include <string>

#include "games/tienlen/TienLenView.h"

namespace zuno {

// The Tien Len Mien Bac table.
class TienLenMBView : public TienLenView {
public:
    TienLenMBView() : TienLenMBView("TienLenView") {}
    explicit TienLenMBView(std::string nibName);
};

}  // namespace zuno
