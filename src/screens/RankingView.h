#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The rankings screen.
class RankingView : public ZunoViewController {
public:
    RankingView() : RankingView("RankingView") {}
    explicit RankingView(std::string nibName);
};

}  // namespace zuno
