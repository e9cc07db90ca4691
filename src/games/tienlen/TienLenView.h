#pragma once

#include <string>

#include "table/GameCardView.h"

namespace zuno {

// The Tien Len table.
class TienLenView : public GameCardView {
public:
    TienLenView() : TienLenView("TienLenView") {}
    explicit TienLenView(std::string nibName);
    // Set when the first move must hold the three of spades; cleared before a pass is sent.
    void setForceMove3Bich(bool on) { forceMove3Bich = on; }
    bool forceMove3Bich = false;
};

}  // namespace zuno
