#pragma once

#include <string>

#include "shell/ZunoViewController.h"

namespace zuno {

// The rankings of one game.
class SubRankingView : public ZunoViewController {
public:
    SubRankingView() : SubRankingView("SubRankingView") {}
    explicit SubRankingView(std::string nibName);
};

}  // namespace zuno
